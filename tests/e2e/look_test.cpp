// The main window's look, read off the screen: the grey under the window and its labels, the picture
// button with the picture of each click-point mode, its hover frame and tooltip, the owner-drawn Help
// menu, and a window that still opens when the picture does not read. Each case saves a screenshot.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "e2e_support.h"
#include "resource.h"

namespace e2e {
namespace {

constexpr COLORREF kGrey = RGB(246, 246, 246);
constexpr COLORREF kHoverGreen = RGB(128, 168, 128);

std::wstring PicturePath(const std::wstring& dir, const wchar_t* name) { return dir + L"\\Res\\" + name; }

// The colour that the button's blend gives an image pixel over a background: the background scaled by
// (255 - A) / 256, plus the colour premultiplied by A / 255.
COLORREF Blended(const Picture& picture, int x, int y, COLORREF background) {
  const unsigned char* p = &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
  const unsigned a = p[3];
  const auto channel = [&](unsigned under, unsigned v) {
    return static_cast<BYTE>(((under * (255 - a)) >> 8) + v * a / 255);
  };
  return RGB(channel(GetRValue(background), p[0]), channel(GetGValue(background), p[1]),
             channel(GetBValue(background), p[2]));
}

std::wstring Widen(const char* text) { return std::wstring(text, text + std::strlen(text)); }

std::string Hex(COLORREF colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

class Look : public QuillotapTest {
 protected:
  // Brings the window up, paints it on its own thread and reads it off the screen.
  void Shoot(HWND wnd, ScreenImage* shot, const wchar_t* name) {
    ::RedrawWindow(wnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ASSERT_TRUE(RoundTrip(wnd));
    RECT place = {};
    ASSERT_TRUE(::GetWindowRect(wnd, &place));
    ASSERT_TRUE(CaptureScreen(place, shot));
    Save(*shot, name);
  }
  void Save(const ScreenImage& shot, const wchar_t* name) {
    const std::wstring dir = ArtifactsDir();
    if (!dir.empty()) {
      EXPECT_TRUE(WritePng(shot, dir + L"\\" + name));
    }
  }
  // The button's rectangle in the screenshot of the main window.
  RECT ButtonInShot() const {
    RECT window = {};
    RECT button = {};
    ::GetWindowRect(m_main, &window);
    ::GetWindowRect(Item(IDC_VIEW_POS), &button);
    return {button.left - window.left, button.top - window.top, button.right - window.left,
            button.bottom - window.top};
  }
  // Every pixel of the picture as the button should show it over the grey, at one pixel in.
  void ExpectPictureInButton(const ScreenImage& shot, const Picture& picture, int shift) {
    const RECT button = ButtonInShot();
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const COLORREF seen = shot.At(button.left + 1 + shift + x, button.top + 1 + shift + y);
        const COLORREF want = Blended(picture, x, y, kGrey);
        if (seen != want && wrong++ < 5) {
          ADD_FAILURE() << "pixel (" << x << ", " << y << "): " << Hex(seen) << ", not " << Hex(want);
        }
      }
    }
    EXPECT_EQ(wrong, 0);
  }
};

TEST_F(Look, LabelsGroupBoxesAndButtonsStandOnTheGrey) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  ASSERT_TRUE(BringToFront(m_main));
  ScreenImage shot;
  ASSERT_NO_FATAL_FAILURE(Shoot(m_main, &shot, L"look-mouse-position.png"));
  RECT window = {};
  ::GetWindowRect(m_main, &window);
  // A point of the dialog itself, and the blank end of controls whose text does not reach it: where a
  // control painted its own white box, these show it.
  struct Spot {
    const char* what;
    int id;   // 0 for the dialog's client area
    int nth;  // among the children, for controls without an id of their own
    int fromRight;
  };
  const Spot spots[] = {
      {"dialog", 0, 0, 0},
      {"label Click Interval: (right-aligned, so blank on the left)", 0, 3, -1},
      {"group box Click Options, inside", 0, 2, 4},
      {"radio Click where the mouse is, past its text", IDC_CLICK_MOUSE_POS, 0, 2},
      {"check box Move mouse, past its text", IDC_MOVE_MOUSE, 0, 2},
      {"disabled field X", IDC_FIXED_X, 0, 3},
  };
  const std::vector<HWND> children = ChildrenInOrder(m_main);
  for (const Spot& spot : spots) {
    POINT at = {};
    if (spot.id == 0 && spot.nth == 0) {
      const RECT client = ClientRectOnScreen(m_main);
      at = {client.left + 2, client.bottom - 3};
    } else {
      const HWND control = spot.id != 0 ? Item(spot.id) : children.at(static_cast<size_t>(spot.nth));
      RECT rect = {};
      ::GetWindowRect(control, &rect);
      at = {spot.fromRight < 0 ? rect.left + 1 : rect.right - spot.fromRight, (rect.top + rect.bottom) / 2};
      if (spot.nth == 2) at.y = rect.bottom - 6;  // under the group box's caption, above its frame
    }
    EXPECT_EQ(Hex(shot.At(at.x - window.left, at.y - window.top)), Hex(kGrey)) << spot.what;
  }
}

TEST_F(Look, ThePictureButtonShowsThePictureOfTheClickPointMode) {
  Picture enabled;
  Picture disabled;
  ASSERT_TRUE(ReadPicture(PicturePath(ProgramDir(), L"view_pos.png"), &enabled))
      << "Res missing beside the program";
  ASSERT_TRUE(ReadPicture(PicturePath(ProgramDir(), L"view_pos_dis.png"), &disabled));
  ASSERT_NE(OpenMainWindow(), nullptr);
  ASSERT_TRUE(BringToFront(m_main));
  RECT button = {};
  ::GetWindowRect(Item(IDC_VIEW_POS), &button);
  EXPECT_EQ(button.right - button.left, enabled.width + 2);
  EXPECT_EQ(button.bottom - button.top, enabled.height + 2);

  ScreenImage shot;
  ASSERT_NO_FATAL_FAILURE(Shoot(m_main, &shot, L"look-mouse-position.png"));
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_VIEW_POS)));
  EXPECT_EQ(Hex(shot.At(ButtonInShot().left, ButtonInShot().top)), Hex(kGrey));  // the spare pixel
  ExpectPictureInButton(shot, disabled, 0);

  SetChecked(IDC_CLICK_FIXED_POINT, true);
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(Item(IDC_VIEW_POS)) != 0; }));
  ASSERT_NO_FATAL_FAILURE(Shoot(m_main, &shot, L"look-fixed-point.png"));
  ExpectPictureInButton(shot, enabled, 0);
}

TEST_F(Look, ThePictureButtonLightsUpUnderThePointerAndShowsItsTooltip) {
  Picture enabled;
  ASSERT_TRUE(ReadPicture(PicturePath(ProgramDir(), L"view_pos.png"), &enabled));
  ASSERT_NE(OpenMainWindow(), nullptr);
  SetChecked(IDC_CLICK_FIXED_POINT, true);
  ASSERT_TRUE(BringToFront(m_main));
  ASSERT_TRUE(MovePointerTo(CentreOf(Item(IDC_VIEW_POS))));
  // A small move inside starts the hover tracking; the system reports the hover after 1 ms at rest.
  POINT inside = CentreOf(Item(IDC_VIEW_POS));
  ++inside.x;
  ASSERT_TRUE(MovePointerTo(inside));

  RECT window = {};
  ::GetWindowRect(m_main, &window);
  ScreenImage shot;
  const bool lit = WaitUntil([&] {
    CaptureScreen(window, &shot);
    return shot.At(ButtonInShot().left, ButtonInShot().top) == kHoverGreen;
  });
  Save(shot, L"look-hover.png");
  EXPECT_TRUE(lit) << "the button's spare pixel stays "
                   << Hex(shot.At(ButtonInShot().left, ButtonInShot().top));
  // Through the picture's corner the green shows, blended as the grey is.
  EXPECT_EQ(Hex(shot.At(ButtonInShot().left + 1, ButtonInShot().top + 1)),
            Hex(Blended(enabled, 0, 0, kHoverGreen)));

  HWND tip = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    for (HWND wnd : TopLevelWindows(L"tooltips_class32", m_app->Id(), true)) tip = wnd;
    return tip != nullptr;
  })) << "no tooltip showed";
  if (tip != nullptr) {
    EXPECT_EQ(TextOf(tip), L"View mouse position");
    RECT tipRect = {};
    ::GetWindowRect(tip, &tipRect);
    RECT both = {window.left, window.top, std::max(window.right, tipRect.right),
                 std::max(window.bottom, tipRect.bottom)};
    ScreenImage withTip;
    if (CaptureScreen(both, &withTip)) Save(withTip, L"look-tooltip.png");
  }
}

TEST_F(Look, TheHelpMenuOpensFromTheKeyboardInItsOwnColours) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  ASSERT_TRUE(BringToFront(m_main));
  ScreenImage before;
  ASSERT_NO_FATAL_FAILURE(Shoot(m_main, &before, L"look-before-menu.png"));
  PressChord({VK_MENU, 'H'});
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    const std::vector<HWND> menus = TopLevelWindows(L"#32768", m_app->Id(), true);
    menu = menus.empty() ? nullptr : menus.front();
    return menu != nullptr;
  })) << "Alt+H opened no menu";
  ASSERT_TRUE(RoundTrip(m_main));
  RECT menuRect = {};
  ::GetWindowRect(menu, &menuRect);
  RECT window = {};
  ::GetWindowRect(m_main, &window);
  const RECT both = {window.left, window.top, std::max(window.right, menuRect.right),
                     std::max(window.bottom, menuRect.bottom)};
  // The window repaints what the opening menu disturbed; the picture is taken once the screen holds still.
  ScreenImage shot;
  ScreenImage again;
  WaitUntil([&] {
    CaptureScreen(both, &shot);
    WaitUntil([] { return false; }, 100);
    CaptureScreen(both, &again);
    return shot.rgb == again.rgb;
  });
  Save(shot, L"look-help-menu.png");
  TapKey(VK_ESCAPE);
  TapKey(VK_ESCAPE);

  // Three items of 22 pixels: About (highlighted, as the keyboard opens the menu), Update and Help.
  // The menu's own frame lies around them; find the first row of item colour below its top.
  const int left = menuRect.left - both.left;
  const int top = menuRect.top - both.top;
  const int width = menuRect.right - menuRect.left;
  int itemsTop = -1;
  for (int y = top; y < top + 8 && itemsTop < 0; ++y) {
    for (int x = left; x < left + 6; ++x) {
      const COLORREF c = shot.At(x, y);
      if (c == RGB(49, 106, 197)) {
        itemsTop = y;
        break;
      }
    }
  }
  ASSERT_GE(itemsTop, 0) << "no highlight frame at the top of the menu";
  int itemsLeft = left;
  while (itemsLeft < left + 6 && shot.At(itemsLeft, itemsTop + 5) != RGB(49, 106, 197)) ++itemsLeft;
  const int itemsRight = left + width - (itemsLeft - left);
  SCOPED_TRACE(testing::Message() << "items from (" << itemsLeft << ", " << itemsTop << ")");
  struct Expected {
    const char* what;
    int x, y;
    COLORREF colour;
  };
  const Expected expected[] = {
      {"highlight frame, left edge", itemsLeft, itemsTop + 11, RGB(49, 106, 197)},
      {"highlight fill over the icon column", itemsLeft + 5, itemsTop + 11, RGB(186, 220, 210)},
      {"highlight fill at the right", itemsRight - 4, itemsTop + 11, RGB(186, 220, 210)},
      {"Update: icon column", itemsLeft + 2, itemsTop + 22 + 11, RGB(236, 233, 216)},
      {"Update: item background", itemsRight - 4, itemsTop + 22 + 11, RGB(186, 218, 245)},
      {"Help: item background", itemsRight - 4, itemsTop + 44 + 11, RGB(186, 218, 245)},
      {"Help: its icon's blue circle, left of the question mark", itemsLeft + 1 + 3, itemsTop + 44 + 1 + 10,
       RGB(0x31, 0x6A, 0xC5)},
  };
  for (const Expected& e : expected) EXPECT_EQ(Hex(shot.At(e.x, e.y)), Hex(e.colour)) << e.what;
}

// The program copied with a Res folder whose enabled picture is missing, empty or not a PNG.
struct BrokenPicture {
  const char* name;
  const char* contents;  // null: no file at all
};

class BrokenPictures : public Look, public testing::WithParamInterface<BrokenPicture> {};

TEST_P(BrokenPictures, TheWindowStillOpensWithTheButtonAtItsTemplateSize) {
  const std::wstring name = Widen(GetParam().name);
  const std::wstring dir = ArtifactsDir() + L"\\broken-picture-" + name;
  ::CreateDirectoryW(dir.c_str(), nullptr);
  ::CreateDirectoryW((dir + L"\\Res").c_str(), nullptr);
  const std::wstring exe = dir + L"\\Quillotap.exe";
  ASSERT_TRUE(::CopyFileW(ProgramPath().c_str(), exe.c_str(), FALSE));
  ASSERT_TRUE(::CopyFileW(PicturePath(ProgramDir(), L"view_pos_dis.png").c_str(),
                          PicturePath(dir, L"view_pos_dis.png").c_str(), FALSE));
  const std::wstring broken = PicturePath(dir, L"view_pos.png");
  ::DeleteFileW(broken.c_str());
  if (GetParam().contents != nullptr) {
    FILE* file = _wfopen(broken.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fputs(GetParam().contents, file);
    std::fclose(file);
  }

  ASSERT_NE(OpenMainWindow(exe), nullptr);
  RECT client = {};
  ::GetClientRect(m_main, &client);
  int baseX = 0;
  int baseY = 0;
  ASSERT_TRUE(SolveBaseUnits({client.right, client.bottom}, &baseX, &baseY));
  const RECT want = DialogUnitsToClient(136, 201, 20, 18, baseX, baseY);
  RECT place = {};
  ::GetWindowRect(Item(IDC_VIEW_POS), &place);
  ::MapWindowPoints(nullptr, m_main, reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, want.left);
  EXPECT_EQ(place.top, want.top);
  EXPECT_EQ(place.right, want.right);
  EXPECT_EQ(place.bottom, want.bottom);
  ASSERT_TRUE(BringToFront(m_main));
  ScreenImage shot;
  ASSERT_NO_FATAL_FAILURE(Shoot(m_main, &shot, (L"look-broken-" + name + L".png").c_str()));
  m_app->Terminate();
}

INSTANTIATE_TEST_SUITE_P(Ways, BrokenPictures,
                         testing::Values(BrokenPicture{"missing", nullptr}, BrokenPicture{"empty", ""},
                                         BrokenPicture{"not_png", "this is no picture\n"}),
                         [](const testing::TestParamInfo<BrokenPicture>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace e2e
