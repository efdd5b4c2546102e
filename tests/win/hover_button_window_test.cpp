// The picture button as a window: bound to a plain push button, painted by the system on screen,
// following the real pointer, and created by the program with a class of its own.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "button_test_support.h"
#include "controls/hover_bitmap_button.h"
#include "test_window.h"

namespace {

constexpr int kBoundId = 1023;
constexpr int kCreatedId = 1024;
constexpr COLORREF kBackground = RGB(246, 246, 246);
constexpr COLORREF kHover = RGB(128, 168, 128);
constexpr COLORREF kPicture = RGB(200, 40, 90);
// The top-level window's place on the screen, and a screen point well away from it.
constexpr POINT kWindowAt = {100, 100};
constexpr POINT kFarAway = {5, 5};

void PumpMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// Pumps the thread's messages until done() or the time is up; returns done().
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs = 3000) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  while (!done() && ::GetTickCount64() < deadline) {
    PumpMessages();
    ::Sleep(5);
  }
  PumpMessages();
  return done();
}

bool MovePointer(POINT screen) {
  ::SetCursorPos(screen.x, screen.y);
  return PumpUntil([&] {
    POINT now = {};
    ::GetCursorPos(&now);
    return now.x == screen.x && now.y == screen.y;
  });
}

// What the system painted at a point of the window, read back from its window context.
COLORREF PaintedPixel(HWND hWnd, int x, int y) {
  ::UpdateWindow(hWnd);
  HDC dc = ::GetDC(hWnd);
  const COLORREF color = ::GetPixel(dc, x, y);
  ::ReleaseDC(hWnd, dc);
  return color;
}

POINT CentreOnScreen(HWND hWnd) {
  RECT rect;
  ::GetWindowRect(hWnd, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The parent writes down the button notifications it receives.
class CRecordingParent : public CWnd {
 public:
  std::vector<std::pair<int, int>> m_notes;  // control id, notification code

 protected:
  afx_msg void OnBoundClicked() { m_notes.emplace_back(kBoundId, BN_CLICKED); }
  afx_msg void OnBoundDoubleClicked() { m_notes.emplace_back(kBoundId, BN_DOUBLECLICKED); }
  afx_msg void OnCreatedClicked() { m_notes.emplace_back(kCreatedId, BN_CLICKED); }
  afx_msg void OnCreatedDoubleClicked() { m_notes.emplace_back(kCreatedId, BN_DOUBLECLICKED); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingParent, CWnd)
  ON_CONTROL(BN_CLICKED, kBoundId, &CRecordingParent::OnBoundClicked)                  // void ()
  ON_CONTROL(BN_DOUBLECLICKED, kBoundId, &CRecordingParent::OnBoundDoubleClicked)      // void ()
  ON_CONTROL(BN_CLICKED, kCreatedId, &CRecordingParent::OnCreatedClicked)              // void ()
  ON_CONTROL(BN_DOUBLECLICKED, kCreatedId, &CRecordingParent::OnCreatedDoubleClicked)  // void ()
END_MESSAGE_MAP()

// A visible top-level window of the layer with the button bound to a plain push button child, as a
// dialog template declares it, and the pointer away from the window.
class ButtonWindow : public testing::Test {
 protected:
  ButtonWindow() : m_picture(32, 24, [](int x, int y) { return Squares(kPicture, x, y); }) {}

  void SetUp() override {
    ASSERT_TRUE(MovePointer(kFarAway));
    ASSERT_TRUE(m_parent.SubclassWindow(m_top.hwnd()));
    m_plain = m_top.AddChild(L"BUTTON", BS_PUSHBUTTON, kBoundId);
    ASSERT_NE(m_plain, nullptr);
    ::SetWindowTextW(m_plain, L"");
    ASSERT_EQ(::GetWindowLongW(m_plain, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    ASSERT_TRUE(m_button.SubclassWindow(m_plain));
    m_button.MoveWindow(10, 10, 34, 26);
    m_button.m_bFillBackground = TRUE;
    m_button.m_crBackground = 0xF6F6F6;
    m_button.m_crHover = 0x80A880;
    m_button.m_pImage = m_picture.get();
    ::SetWindowPos(m_top.hwnd(), HWND_TOP, kWindowAt.x, kWindowAt.y, 200, 100, SWP_SHOWWINDOW);
    ::UpdateWindow(m_top.hwnd());
    PumpMessages();
  }

  void TearDown() override {
    // No tracking request outlives the test.
    TRACKMOUSEEVENT cancel = {sizeof(cancel), TME_CANCEL | TME_HOVER | TME_LEAVE, m_plain, 0};
    ::TrackMouseEvent(&cancel);
    MovePointer(kFarAway);
  }

  ScopedTopWindow m_top;
  CRecordingParent m_parent;
  CHoverBitmapButton m_button;
  HWND m_plain = nullptr;
  TestImage m_picture;
};

TEST_F(ButtonWindow, BindingMakesItOwnerDrawnAndTheSystemPaintsItThroughTheParent) {
  const DWORD style = m_button.GetStyle();
  EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
  EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));

  m_button.Invalidate();
  EXPECT_EQ(ColorText(PaintedPixel(m_plain, 0, 0)), ColorText(kBackground));
  EXPECT_EQ(ColorText(PaintedPixel(m_plain, 1, 1)), ColorText(kPicture));
  // Pressed: the button itself asks for the selected look and draws the picture one pixel lower right.
  m_button.SendMessage(BM_SETSTATE, TRUE);
  EXPECT_EQ(ColorText(PaintedPixel(m_plain, 1, 1)), ColorText(kBackground));
  EXPECT_EQ(ColorText(PaintedPixel(m_plain, 2, 2)), ColorText(kPicture));
  m_button.SendMessage(BM_SETSTATE, FALSE);
  EXPECT_EQ(ColorText(PaintedPixel(m_plain, 1, 1)), ColorText(kPicture));
}

TEST_F(ButtonWindow, ErasingDrawsNothing) {
  Canvas canvas(34, 26, RGB(255, 0, 255));
  EXPECT_EQ(m_button.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.hdc())), 0);
  int changed = 0;
  for (int y = 0; y < 26; ++y) {
    for (int x = 0; x < 34; ++x) changed += canvas.Pixel(x, y) != RGB(255, 0, 255);
  }
  EXPECT_EQ(changed, 0);
}

TEST_F(ButtonWindow, RestingPointerLightsItUpAndLeavingPutsItBack) {
  EXPECT_FALSE(m_button.m_bTracking);
  EXPECT_FALSE(m_button.m_bHover);
  for (int round = 0; round < 2; ++round) {  // the second round shows tracking starts over after leaving
    ASSERT_TRUE(MovePointer(CentreOnScreen(m_plain)));
    ASSERT_TRUE(PumpUntil([&] { return m_button.m_bHover != FALSE; })) << "round " << round;
    EXPECT_TRUE(m_button.m_bTracking);
    EXPECT_EQ(ColorText(PaintedPixel(m_plain, 0, 0)), ColorText(kHover)) << "round " << round;
    EXPECT_EQ(ColorText(PaintedPixel(m_plain, 1, 1)), ColorText(kPicture)) << "round " << round;

    // Still on the parent, just below the button.
    ASSERT_TRUE(MovePointer({CentreOnScreen(m_plain).x, CentreOnScreen(m_plain).y + 30}));
    ASSERT_TRUE(PumpUntil([&] { return m_button.m_bHover == FALSE; })) << "round " << round;
    EXPECT_FALSE(m_button.m_bTracking);
    EXPECT_EQ(ColorText(PaintedPixel(m_plain, 0, 0)), ColorText(kBackground)) << "round " << round;
  }
}

TEST_F(ButtonWindow, AMoveAsksForHoverAfter1msAndLeaveOnlyWhenNotTrackingYet) {
  ASSERT_TRUE(MovePointer(CentreOnScreen(m_plain)));
  PumpUntil([&] { return m_button.m_bHover != FALSE; });
  // Start from no request at all, the pointer resting on the button.
  TRACKMOUSEEVENT cancel = {sizeof(cancel), TME_CANCEL | TME_HOVER | TME_LEAVE, m_plain, 0};
  ASSERT_TRUE(::TrackMouseEvent(&cancel));
  m_button.m_bTracking = FALSE;

  // Hand-sent, with no message pumped before the query: the request is exactly the one the move made.
  m_button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(m_button.m_bTracking);
  TRACKMOUSEEVENT query = {sizeof(query), TME_QUERY, nullptr, 0};
  ASSERT_TRUE(::TrackMouseEvent(&query));
  EXPECT_EQ(query.hwndTrack, m_plain);
  EXPECT_EQ(query.dwFlags & (TME_HOVER | TME_LEAVE), static_cast<DWORD>(TME_HOVER | TME_LEAVE));
  EXPECT_EQ(query.dwHoverTime, 1u);

  // While tracking, a move makes no new request.
  ASSERT_TRUE(::TrackMouseEvent(&cancel));
  m_button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
  TRACKMOUSEEVENT after = {sizeof(after), TME_QUERY, nullptr, 0};
  ASSERT_TRUE(::TrackMouseEvent(&after));
  EXPECT_EQ(after.dwFlags & (TME_HOVER | TME_LEAVE), 0u);
  EXPECT_TRUE(m_button.m_bTracking);
}

TEST_F(ButtonWindow, HoverRepaintsTheButtonAndLeaveAlsoTheParentUnderIt) {
  // The pointer stays away: only the hand-sent messages act.
  ::ValidateRect(m_top.hwnd(), nullptr);
  ::ValidateRect(m_plain, nullptr);
  m_button.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(m_button.m_bHover);
  RECT update = {};
  EXPECT_TRUE(::GetUpdateRect(m_plain, &update, FALSE));
  EXPECT_EQ(update.right - update.left, 34);
  EXPECT_EQ(update.bottom - update.top, 26);
  EXPECT_FALSE(::GetUpdateRect(m_top.hwnd(), &update, FALSE));

  ::ValidateRect(m_plain, nullptr);
  m_button.m_bTracking = TRUE;
  m_button.SendMessage(WM_MOUSELEAVE);
  EXPECT_FALSE(m_button.m_bHover);
  EXPECT_FALSE(m_button.m_bTracking);
  EXPECT_TRUE(::GetUpdateRect(m_plain, &update, FALSE));
  EXPECT_EQ(update.right - update.left, 34);
  ASSERT_TRUE(::GetUpdateRect(m_top.hwnd(), &update, FALSE));
  EXPECT_EQ(update.left, 10);
  EXPECT_EQ(update.top, 10);
  EXPECT_EQ(update.right, 44);
  EXPECT_EQ(update.bottom, 36);
}

TEST_F(ButtonWindow, ACreatedButtonHasAClassWithoutDoubleClicks) {
  WNDCLASSW button = {};
  ASSERT_TRUE(::GetClassInfoW(nullptr, L"BUTTON", &button));
  ASSERT_NE(button.style & CS_DBLCLKS, 0u);  // the system's buttons do get double clicks

  CHoverBitmapButton created;
  ASSERT_TRUE(
      created.Create(L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, {60, 10, 94, 36}, &m_parent, kCreatedId));
  wchar_t className[64] = {};
  ::GetClassNameW(created.m_hWnd, className, 64);
  EXPECT_EQ(std::wstring(className), L"NoDoubleClickButton");
  EXPECT_EQ(::GetClassLongW(created.m_hWnd, GCL_STYLE) & CS_DBLCLKS, 0u);
  EXPECT_EQ(created.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
  created.m_bFillBackground = TRUE;
  created.m_crBackground = 0xF6F6F6;
  created.m_pImage = m_picture.get();
  created.Invalidate();
  EXPECT_EQ(ColorText(PaintedPixel(created.m_hWnd, 1, 1)), ColorText(kPicture));

  // Two quick clicks on each: the created button reports two clicks; the bound one, still of the
  // system's class, a click and a double click.
  for (HWND target : {created.m_hWnd, m_plain}) {
    ASSERT_TRUE(MovePointer(CentreOnScreen(target)));
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
      clicks[i].type = INPUT_MOUSE;
      clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    ASSERT_EQ(::SendInput(4, clicks, sizeof(INPUT)), 4u);
    const int id = target == m_plain ? kBoundId : kCreatedId;
    PumpUntil([&] {
      int forTarget = 0;
      for (const auto& note : m_parent.m_notes) forTarget += note.first == id;
      return forTarget >= 2;
    });
  }
  const std::vector<std::pair<int, int>> expected = {{kCreatedId, BN_CLICKED},
                                                     {kCreatedId, BN_CLICKED},
                                                     {kBoundId, BN_CLICKED},
                                                     {kBoundId, BN_DOUBLECLICKED}};
  EXPECT_EQ(m_parent.m_notes, expected);
  created.DestroyWindow();
}

}  // namespace
