// The picture button drawn through its parent's WM_DRAWITEM into a 24-bit DIB section, in each of
// the looks the main window gives it, and read back pixel by pixel.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "button_test_support.h"
#include "controls/hover_bitmap_button.h"
#include "test_window.h"

namespace {

constexpr int kButtonId = 1023;
constexpr COLORREF kBackground = RGB(246, 246, 246);
constexpr COLORREF kHover = RGB(128, 168, 128);
constexpr COLORREF kPicture = RGB(200, 40, 90);
constexpr COLORREF kDisabledPicture = RGB(150, 150, 150);
// A fully transparent pixel scales what lies beneath by 255/256.
constexpr COLORREF kBackgroundThroughClear = RGB(245, 245, 245);
constexpr COLORREF kHoverThroughClear = RGB(127, 167, 127);
// What the canvas holds before the button draws: no look of the button has it.
constexpr COLORREF kUntouched = RGB(255, 0, 255);

// A top-level window of the layer with the button bound to a plain push button child, so that the
// parent reflects WM_DRAWITEM to it, sized as the main window sizes it: the picture plus 2.
class ButtonDrawing : public testing::Test {
 protected:
  ButtonDrawing()
      : m_enabled(32, 24, [](int x, int y) { return Squares(kPicture, x, y); }),
        m_disabled(32, 24, [](int x, int y) { return Squares(kDisabledPicture, x, y); }) {}

  void SetUp() override {
    ASSERT_TRUE(m_parent.SubclassWindow(m_top.hwnd()));
    ASSERT_TRUE(m_button.SubclassWindow(m_top.AddChild(L"BUTTON", BS_PUSHBUTTON, kButtonId)));
    ::SetWindowTextW(m_button.m_hWnd, L"");
    m_button.MoveWindow(10, 10, 34, 26);
    m_button.m_bFillBackground = TRUE;
    m_button.m_crBackground = 0xF6F6F6;
    m_button.m_crHover = 0x80A880;
    m_button.m_pImage = m_enabled.get();
  }

  // Sends the parent the WM_DRAWITEM the system would send, with the canvas as the context.
  void Draw(Canvas& canvas, UINT itemState, RECT item = {0, 0, 34, 26}) {
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_BUTTON;
    draw.CtlID = kButtonId;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = itemState;
    draw.hwndItem = m_button.m_hWnd;
    draw.hDC = canvas.hdc();
    draw.rcItem = item;
    ::SendMessageW(m_top.hwnd(), WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&draw));
  }

  ScopedTopWindow m_top;
  CWnd m_parent;
  CHoverBitmapButton m_button;
  TestImage m_enabled;
  TestImage m_disabled;
};

struct Probe {
  int x;
  int y;
  COLORREF color;
};

enum class Picture { kEnabled, kDisabled, kNone };

struct LookCase {
  const char* name;
  bool hover;
  UINT itemState;
  Picture picture;
  COLORREF frame;  // every pixel of the one-pixel margin, or kUntouched to skip
  std::vector<Probe> probes;
};

void PrintTo(const LookCase& c, std::ostream* out) { *out << c.name; }

class ButtonLooks : public ButtonDrawing, public testing::WithParamInterface<LookCase> {};

const std::vector<LookCase> kLooks = {
    {"Away",
     false,
     0,
     Picture::kEnabled,
     kBackground,
     {{1, 1, kPicture},
      {32, 24, kPicture},
      {5, 1, kBackgroundThroughClear},
      {1, 5, kBackgroundThroughClear}}},
    {"Hover",
     true,
     0,
     Picture::kEnabled,
     kHover,
     {{1, 1, kPicture}, {32, 24, kPicture}, {5, 1, kHoverThroughClear}, {1, 5, kHoverThroughClear}}},
    // Pressed: the picture one pixel lower right, so the top-left margin is two pixels wide and the
    // picture's last column and row cover the item's.
    {"Pressed",
     false,
     ODS_SELECTED,
     Picture::kEnabled,
     kUntouched,
     {{0, 0, kBackground},
      {1, 1, kBackground},
      {33, 1, kBackground},
      {2, 2, kPicture},
      {33, 25, kPicture},
      {6, 2, kBackgroundThroughClear}}},
    {"PressedHover",
     true,
     ODS_SELECTED,
     Picture::kEnabled,
     kUntouched,
     {{1, 1, kHover}, {2, 2, kPicture}, {33, 25, kPicture}, {6, 2, kHoverThroughClear}}},
    // The disabled look is the disabled picture alone: the item state's disabled bit changes nothing.
    {"Disabled",
     false,
     ODS_DISABLED,
     Picture::kDisabled,
     kBackground,
     {{1, 1, kDisabledPicture}, {32, 24, kDisabledPicture}, {5, 1, kBackgroundThroughClear}}},
    {"NoPicture", false, 0, Picture::kNone, kBackground, {{1, 1, kBackground}, {16, 12, kBackground}}},
    {"NoPictureHover", true, 0, Picture::kNone, kHover, {{1, 1, kHover}, {16, 12, kHover}}},
};

TEST_P(ButtonLooks, DrawsFillAndPictureWhereTheyBelong) {
  const LookCase& c = GetParam();
  m_button.m_bHover = c.hover ? TRUE : FALSE;
  m_button.m_pImage = c.picture == Picture::kEnabled    ? m_enabled.get()
                      : c.picture == Picture::kDisabled ? m_disabled.get()
                                                        : nullptr;
  Canvas canvas(34, 26, kUntouched);
  Draw(canvas, c.itemState);

  for (const Probe& p : c.probes) {
    EXPECT_EQ(ColorText(canvas.Pixel(p.x, p.y)), ColorText(p.color)) << "at (" << p.x << ", " << p.y << ")";
  }
  int wrong = 0;
  for (int y = 0; y < 26; ++y) {
    for (int x = 0; x < 34; ++x) {
      const bool margin = x == 0 || y == 0 || x == 33 || y == 25;
      if (canvas.Pixel(x, y) == kUntouched) ++wrong;  // every look paints the whole item
      if (c.frame != kUntouched && margin && canvas.Pixel(x, y) != c.frame) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << "pixels left unpainted or off the margin colour " << ColorText(c.frame);
}

INSTANTIATE_TEST_SUITE_P(States, ButtonLooks, testing::ValuesIn(kLooks),
                         [](const testing::TestParamInfo<LookCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(ButtonDrawing, FocusAndDisabledBitsChangeNothingAndTheContextIsGivenBack) {
  Canvas plain(34, 26, kUntouched);
  Canvas flagged(34, 26, kUntouched);
  ::SetBkMode(flagged.hdc(), OPAQUE);
  ::SetBkColor(flagged.hdc(), RGB(1, 2, 3));
  ::SetTextColor(flagged.hdc(), RGB(4, 5, 6));
  Draw(plain, 0);
  Draw(flagged, ODS_FOCUS | ODS_DISABLED);

  int differing = 0;
  for (int y = 0; y < 26; ++y) {
    for (int x = 0; x < 34; ++x) differing += plain.Pixel(x, y) != flagged.Pixel(x, y);
  }
  EXPECT_EQ(differing, 0) << "no focus rectangle, no drawn disabled look";
  EXPECT_EQ(::GetBkMode(flagged.hdc()), OPAQUE);
  EXPECT_EQ(::GetBkColor(flagged.hdc()), RGB(1, 2, 3));
  EXPECT_EQ(::GetTextColor(flagged.hdc()), RGB(4, 5, 6));
}

TEST_F(ButtonDrawing, OptionsTheProgramLeavesOffStillWork) {
  // No background fill: what lay beneath stays under the margin and shows through clear pixels.
  m_button.m_bFillBackground = FALSE;
  Canvas unfilled(34, 26, RGB(0, 0, 200));
  Draw(unfilled, 0);
  EXPECT_EQ(ColorText(unfilled.Pixel(0, 0)), ColorText(RGB(0, 0, 200)));
  EXPECT_EQ(ColorText(unfilled.Pixel(5, 1)), ColorText(RGB(0, 0, 199)));
  EXPECT_EQ(ColorText(unfilled.Pixel(1, 1)), ColorText(kPicture));

  // Hover always, still pressed: the picture stays put with m_bNoPushOffset; m_bImageOffset moves it.
  m_button.m_bFillBackground = TRUE;
  m_button.m_bHoverAlways = TRUE;
  m_button.m_bNoPushOffset = TRUE;
  Canvas still(34, 26, kUntouched);
  Draw(still, ODS_SELECTED);
  EXPECT_EQ(ColorText(still.Pixel(0, 0)), ColorText(kHover));
  EXPECT_EQ(ColorText(still.Pixel(1, 1)), ColorText(kPicture));
  m_button.m_bImageOffset = TRUE;
  Canvas offset(34, 26, kUntouched);
  Draw(offset, 0);
  EXPECT_EQ(ColorText(offset.Pixel(1, 1)), ColorText(kHover));
  EXPECT_EQ(ColorText(offset.Pixel(2, 2)), ColorText(kPicture));
}

struct PainterCall {
  CHoverBitmapButton* button = nullptr;
  RECT rect = {};
  COLORREF beneath = 0;  // the pixel at the rectangle's corner when the painter was called
  int calls = 0;
};
PainterCall g_painter;

void RecordingPainter(CHoverBitmapButton* pButton, CDC* pDC, LPRECT lpRect) {
  g_painter.button = pButton;
  g_painter.rect = *lpRect;
  g_painter.beneath = ::GetPixel(*pDC, lpRect->left, lpRect->top);
  ++g_painter.calls;
  const RECT mark = {lpRect->left, lpRect->top, lpRect->left + 1, lpRect->top + 1};
  ::SetBkColor(*pDC, RGB(0, 200, 0));
  ::ExtTextOutW(*pDC, 0, 0, ETO_OPAQUE, &mark, nullptr, 0, nullptr);
}

TEST_F(ButtonDrawing, PainterRunsAfterTheFillAndTheHoverBitmapReplacesTheHoverFill) {
  g_painter = {};
  m_button.m_pfnPaintBackground = &RecordingPainter;
  m_button.m_pImage = nullptr;
  Canvas painted(40, 30, kUntouched);
  Draw(painted, 0, {2, 3, 36, 29});
  EXPECT_EQ(g_painter.calls, 1);
  EXPECT_EQ(g_painter.button, &m_button);
  EXPECT_EQ(g_painter.rect.left, 2);
  EXPECT_EQ(g_painter.rect.top, 3);
  EXPECT_EQ(g_painter.rect.right, 36);
  EXPECT_EQ(g_painter.rect.bottom, 29);
  EXPECT_EQ(ColorText(g_painter.beneath), ColorText(kBackground));
  EXPECT_EQ(ColorText(painted.Pixel(2, 3)), ColorText(RGB(0, 200, 0)));
  EXPECT_EQ(ColorText(painted.Pixel(1, 2)), ColorText(kUntouched));  // nothing outside the item

  // A 10 x 8 hover bitmap is copied at its own size to the item's corner; the rest keeps the fill.
  m_button.m_pfnPaintBackground = nullptr;
  Canvas source(10, 8, RGB(20, 30, 220));
  HBITMAP bitmap = ::CreateCompatibleBitmap(source.hdc(), 10, 8);
  HDC bitmapDC = ::CreateCompatibleDC(source.hdc());
  HGDIOBJ old = ::SelectObject(bitmapDC, bitmap);
  ::BitBlt(bitmapDC, 0, 0, 10, 8, source.hdc(), 0, 0, SRCCOPY);
  ::SelectObject(bitmapDC, old);
  ::DeleteDC(bitmapDC);
  m_button.m_hHoverBitmap = bitmap;
  m_button.m_bHover = TRUE;
  Canvas hovered(40, 30, kUntouched);
  Draw(hovered, 0, {2, 3, 36, 29});
  EXPECT_EQ(ColorText(hovered.Pixel(2, 3)), ColorText(RGB(20, 30, 220)));
  EXPECT_EQ(ColorText(hovered.Pixel(11, 10)), ColorText(RGB(20, 30, 220)));
  EXPECT_EQ(ColorText(hovered.Pixel(12, 10)), ColorText(kBackground));
  EXPECT_EQ(ColorText(hovered.Pixel(11, 11)), ColorText(kBackground));
  EXPECT_EQ(::GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));  // still the owner's
  ::DeleteObject(bitmap);
}

TEST_F(ButtonDrawing, ACaptionTakesTheBottom21PixelsAndPinsThePictureAtHeight5) {
  ::SetWindowTextW(m_button.m_hWnd, L"WWWW");
  m_button.m_crText = RGB(255, 0, 0);
  for (const UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
    const int shift = state == ODS_SELECTED ? 1 : 0;
    Canvas canvas(60, 60, kUntouched);
    Draw(canvas, state, {0, 0, 60, 50});
    // Centred across (60 - 32) / 2 = 14, the top fixed at 5 whether pressed or not.
    EXPECT_EQ(ColorText(canvas.Pixel(14 + shift, 5)), ColorText(kPicture)) << "state " << state;
    EXPECT_EQ(ColorText(canvas.Pixel(14 + shift, 4)), ColorText(kBackground)) << "state " << state;
    int textAbove = 0;
    int textInStrip = 0;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 60; ++x) {
        if (canvas.Pixel(x, y) != RGB(255, 0, 0)) continue;
        (y < 29 + shift ? textAbove : textInStrip) += 1;
      }
    }
    EXPECT_EQ(textAbove, 0) << "state " << state;
    EXPECT_GT(textInStrip, 0) << "state " << state;
  }
}

TEST_F(ButtonDrawing, StripOfTheLooksForAPersonToSee) {
  std::vector<std::unique_ptr<Canvas>> canvases;
  std::vector<const Canvas*> strip;
  for (const LookCase& c : kLooks) {
    m_button.m_bHover = c.hover ? TRUE : FALSE;
    m_button.m_pImage = c.picture == Picture::kEnabled    ? m_enabled.get()
                        : c.picture == Picture::kDisabled ? m_disabled.get()
                                                          : nullptr;
    canvases.push_back(std::make_unique<Canvas>(34, 26, kUntouched));
    Draw(*canvases.back(), c.itemState);
    strip.push_back(canvases.back().get());
  }
  EXPECT_TRUE(WriteArtifactStrip(strip, 4, L"hover-button-looks.png"));

  // The shipped pictures, in a button of their size plus 2: away, hover, pressed, disabled.
  ALPHAIMAGE* enabled = LoadPngImage(QUILLOTAP_RES_DIR "\\view_pos.png");
  ALPHAIMAGE* disabled = LoadPngImage(QUILLOTAP_RES_DIR "\\view_pos_dis.png");
  ASSERT_NE(enabled, nullptr);
  ASSERT_NE(disabled, nullptr);
  const int width = enabled->width + 2;
  const int height = enabled->height + 2;
  std::vector<std::unique_ptr<Canvas>> shipped;
  std::vector<const Canvas*> shippedStrip;
  const struct {
    bool hover;
    UINT state;
    ALPHAIMAGE* picture;
  } looks[] = {{false, 0, enabled}, {true, 0, enabled}, {false, ODS_SELECTED, enabled}, {false, 0, disabled}};
  for (const auto& look : looks) {
    m_button.m_bHover = look.hover ? TRUE : FALSE;
    m_button.m_pImage = look.picture;
    shipped.push_back(std::make_unique<Canvas>(width, height, kUntouched));
    Draw(*shipped.back(), look.state, {0, 0, width, height});
    shippedStrip.push_back(shipped.back().get());
  }
  EXPECT_EQ(ColorText(shipped[0]->Pixel(0, 0)), ColorText(kBackground));
  EXPECT_EQ(ColorText(shipped[1]->Pixel(0, 0)), ColorText(kHover));
  EXPECT_TRUE(WriteArtifactStrip(shippedStrip, 4, L"hover-button-shipped-pictures.png"));
  FreeAlphaImage(enabled);
  FreeAlphaImage(disabled);
}

}  // namespace
