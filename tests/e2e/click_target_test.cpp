// click_target.exe, the window that the click tests aim at: what it is given must be what it writes
// down, or every test built on it would be checking the wrong thing.
#include <string>
#include <vector>

#include "click_log.h"
#include "click_marks.h"
#include "e2e_support.h"

namespace e2e {
namespace {

constexpr RECT kTargetRect = {600, 400, 900, 600};

void PressAndRelease(DWORD downFlag, DWORD upFlag) {
  // No MOUSEEVENTF_MOVE: the press lands where the pointer is, as Quillotap's own do.
  ::mouse_event(downFlag, 0, 0, 0, 0);
  ::mouse_event(upFlag, 0, 0, 0, 0);
}

struct Press {
  ReceivedClick::Button button;
  DWORD downFlag;
  DWORD upFlag;
  POINT at;
};

TEST(ClickTarget, RecordsEachButtonWhereAndWhenItArrives) {
  ClickTarget target(kTargetRect);
  ASSERT_NE(target.Handle(), nullptr);
  RECT placed = {};
  ::GetWindowRect(target.Handle(), &placed);
  EXPECT_TRUE(::EqualRect(&placed, &kTargetRect))
      << placed.left << "," << placed.top << " " << placed.right << "," << placed.bottom;

  const Press presses[] = {
      {ReceivedClick::kLeft, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, {600, 400}},  // its first pixel
      {ReceivedClick::kMiddle, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, {745, 512}},
      {ReceivedClick::kRight, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, {899, 599}},  // its last pixel
  };
  std::vector<double> injectedAt;
  for (const Press& press : presses) {
    ASSERT_TRUE(MovePointerTo(press.at));
    injectedAt.push_back(target.NowMs());
    PressAndRelease(press.downFlag, press.upFlag);
  }
  ASSERT_TRUE(target.WaitForClicks(6)) << target.LogText();
  const double readAt = target.NowMs();

  const std::vector<ReceivedClick> clicks = target.Clicks();
  ASSERT_EQ(clicks.size(), 6u) << target.LogText();
  for (size_t i = 0; i < clicks.size(); ++i) {
    const Press& press = presses[i / 2];
    const ReceivedClick& click = clicks[i];
    SCOPED_TRACE(testing::Message() << "message " << i << ": " << testing::PrintToString(click));
    EXPECT_EQ(click.button, press.button);
    EXPECT_EQ(click.kind, i % 2 == 0 ? ReceivedClick::kDown : ReceivedClick::kUp);
    EXPECT_EQ(click.at.x, press.at.x);
    EXPECT_EQ(click.at.y, press.at.y);
    // Stamped on receipt: after the driver injected it, before the driver read it back.
    EXPECT_GE(click.ms, injectedAt[i / 2]);
    EXPECT_LE(click.ms, readAt);
    if (i > 0) {
      EXPECT_GT(click.ms, clicks[i - 1].ms);
    }
  }
}

// A double click is two presses in quick succession at one place; each must be written down as a press.
TEST(ClickTarget, RecordsBothPressesOfADoubleClick) {
  ClickTarget target(kTargetRect);
  ASSERT_NE(target.Handle(), nullptr);
  ASSERT_TRUE(MovePointerTo({700, 450}));
  PressAndRelease(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  PressAndRelease(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(target.WaitForClicks(4)) << target.LogText();

  const std::vector<ReceivedClick> clicks = target.Clicks();
  ASSERT_EQ(clicks.size(), 4u) << target.LogText();
  for (size_t i = 0; i < clicks.size(); ++i) {
    EXPECT_EQ(clicks[i].button, ReceivedClick::kLeft) << i;
    EXPECT_EQ(clicks[i].kind, i % 2 == 0 ? ReceivedClick::kDown : ReceivedClick::kUp) << i;
  }
}

TEST(ClickTarget, IgnoresClicksOutsideItsRectangle) {
  ClickTarget target(kTargetRect);
  ASSERT_NE(target.Handle(), nullptr);
  const POINT justOutside[] = {{599, 500}, {900, 500}, {750, 399}, {750, 600}};
  for (const POINT& at : justOutside) {
    ASSERT_TRUE(MovePointerTo(at));
    PressAndRelease(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  }
  // Input is delivered in order: once this one is written down, any of the others would be too.
  const POINT inside = {750, 500};
  ASSERT_TRUE(MovePointerTo(inside));
  PressAndRelease(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(target.WaitForClicks(2)) << target.LogText();

  const std::vector<ReceivedClick> clicks = target.Clicks();
  ASSERT_EQ(clicks.size(), 2u) << target.LogText();
  for (const ReceivedClick& click : clicks) {
    EXPECT_EQ(click.at.x, inside.x) << testing::PrintToString(click);
    EXPECT_EQ(click.at.y, inside.y) << testing::PrintToString(click);
  }
}

// How many pixels of the shade lie within `reach` of a screen point, in a shot of kTargetRect.
int PixelsOfShade(const ScreenImage& shot, POINT at, int reach, COLORREF shade) {
  int count = 0;
  for (int y = at.y - reach; y <= at.y + reach; ++y) {
    for (int x = at.x - reach; x <= at.x + reach; ++x) {
      const size_t i = (static_cast<size_t>(y - kTargetRect.top) * shot.width + (x - kTargetRect.left)) * 3;
      if (shot.rgb[i] == GetRValue(shade) && shot.rgb[i + 1] == GetGValue(shade) &&
          shot.rgb[i + 2] == GetBValue(shade))
        ++count;
    }
  }
  return count;
}

bool IsShade(const ScreenImage& shot, POINT at, COLORREF shade) {
  return PixelsOfShade(shot, at, 0, shade) == 1;
}

// A press held while the pointer moves: a ring where it went down, a dot where it came up, and a whole
// click both in one place. Nothing marks the rest of the window.
TEST(ClickTarget, MarksWherePressesAndReleasesLanded) {
  ClickTarget target(kTargetRect);
  ASSERT_NE(target.Handle(), nullptr);
  const POINT pressed = {650, 450}, released = {820, 470}, clicked = {720, 560}, untouched = {860, 560};
  ASSERT_TRUE(MovePointerTo(pressed));
  ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  ASSERT_TRUE(MovePointerTo(released));
  ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  ASSERT_TRUE(MovePointerTo(clicked));
  PressAndRelease(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(target.WaitForClicks(4)) << target.LogText();
  ASSERT_TRUE(MovePointerTo({kTargetRect.left - 50, kTargetRect.top - 50}));  // off the shot

  using namespace click_marks;
  const int reach = kPressRingRadius;
  ScreenImage shot;
  // The marks are painted when the target's queue runs dry: wait for the last one.
  EXPECT_TRUE(WaitUntil([&] {
    return CaptureScreen(kTargetRect, &shot) && PixelsOfShade(shot, clicked, reach, kPressShade) > 0 &&
           IsShade(shot, clicked, kReleaseShade);
  }));
  if (!ArtifactsDir().empty()) WritePng(shot, ArtifactsDir() + L"\\click_target_marks.png");
  ASSERT_EQ(shot.width, kTargetRect.right - kTargetRect.left);

  EXPECT_GT(PixelsOfShade(shot, pressed, reach, kPressShade), 0);
  EXPECT_EQ(PixelsOfShade(shot, pressed, reach, kReleaseShade), 0);
  EXPECT_FALSE(IsShade(shot, pressed, kPressShade)) << "a press is a ring, open in the middle";

  EXPECT_TRUE(IsShade(shot, released, kReleaseShade));
  EXPECT_EQ(PixelsOfShade(shot, released, reach, kPressShade), 0);

  EXPECT_EQ(PixelsOfShade(shot, untouched, reach, kPressShade), 0);
  EXPECT_EQ(PixelsOfShade(shot, untouched, reach, kReleaseShade), 0);
}

// Stands in for Quillotap's main window: its class, and Ctrl+F1 registered the way the program does.
struct HotKeySeen {
  int count = 0;
  LPARAM keys = 0;
  HWND foreground = nullptr;
};
HotKeySeen g_hotKey;

LRESULT CALLBACK StandInProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) {
    ++g_hotKey.count;
    g_hotKey.keys = lParam;
    g_hotKey.foreground = ::GetForegroundWindow();
    return 0;
  }
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}

TEST(ClickTarget, ThenCtrlF1PressesTheHotkeyFromTheFrontOnceQuillotapsWindowShows) {
  ASSERT_TRUE(TopLevelWindows(kMainWindowClass).empty()) << "a copy of Quillotap is open";
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = StandInProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kMainWindowClass;
  ASSERT_NE(::RegisterClassW(&windowClass), 0);
  HWND standIn = ::CreateWindowExW(0, kMainWindowClass, L"Quillotap", WS_POPUP | WS_BORDER, 50, 50, 200, 100,
                                   nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(standIn, nullptr);
  ASSERT_TRUE(::RegisterHotKey(standIn, 1, MOD_CONTROL, VK_F1));
  g_hotKey = {};

  {
    ClickTarget target(kTargetRect, L"--then ctrl+f1");
    ASSERT_NE(target.Handle(), nullptr);
    // A window of the class that is still hidden is not yet the program ready for its hotkeys.
    WaitUntil([] { return false; }, 500);
    EXPECT_EQ(g_hotKey.count, 0) << "pressed before the window showed";

    // Something else in front, as a person would have it: the target must take the focus itself.
    ASSERT_TRUE(BringToFront(ForegroundStandIn()));
    ::ShowWindow(standIn, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(WaitUntil([] { return g_hotKey.count > 0; })) << target.LogText();
    WaitUntil([] { return false; }, 300);  // a second press would arrive meanwhile
    EXPECT_EQ(g_hotKey.count, 1);
    EXPECT_EQ(g_hotKey.keys, MAKELPARAM(MOD_CONTROL, VK_F1));
    EXPECT_EQ(g_hotKey.foreground, target.Handle()) << "the target was not in front";
    EXPECT_NE(target.LogText().find("# ctrl+f1 sent"), std::string::npos) << target.LogText();
    EXPECT_EQ(::GetAsyncKeyState(VK_CONTROL) & 0x8000, 0) << "Ctrl left pressed";
  }

  ::UnregisterHotKey(standIn, 1);
  ::DestroyWindow(standIn);
  ::UnregisterClassW(kMainWindowClass, ::GetModuleHandleW(nullptr));
  PumpMessages();
}

}  // namespace
}  // namespace e2e
