// The main window as it opens: found by its class, its controls where the template puts them, its
// lists filled, and a screenshot for a person to look at.
#include <string>
#include <vector>

#include "e2e_support.h"
#include "resource.h"

namespace e2e {
namespace {

using MainWindow = QuillotapTest;
using Layout = QuillotapTest;
using Lists = QuillotapTest;
using Screenshot = QuillotapTest;

TEST_F(MainWindow, IsFoundByItsClassAndShowsItsCaption) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  EXPECT_EQ(::FindWindowW(kMainWindowClass, nullptr), m_main);
  EXPECT_EQ(TextOf(m_main), L"Quillotap");
  EXPECT_EQ(::GetParent(m_main), nullptr);
}

enum class Kind { PushButton, PictureButton, GroupBox, RadioButton, CheckBox, Label, EditField, DropList };

struct TemplateItem {
  int id;
  Kind kind;
  const wchar_t* caption;
  int x, y, cx, cy;  // dialog units
};

// The dialog template, in its order (which is also the tab order). The fields and lists show what the
// window opens with when there is no settings file: a drop-down list's window text is its selected item.
const TemplateItem kTemplate[] = {
    {IDC_START, Kind::PushButton, L"Start (Ctrl + F1)", 13, 7, 72, 22},
    {IDC_STOP, Kind::PushButton, L"Stop (Ctrl + F2)", 100, 7, 72, 22},
    {IDC_STATIC, Kind::GroupBox, L"Click Options", 6, 82, 174, 65},
    {IDC_STATIC, Kind::Label, L"Click Interval:", 11, 94, 45, 8},
    {IDC_INTERVAL, Kind::EditField, L"1000", 59, 92, 63, 13},
    {IDC_STATIC, Kind::Label, L"Mouse:", 28, 113, 28, 8},
    {IDC_STATIC, Kind::Label, L"Action:", 30, 131, 26, 8},
    {IDC_MOUSE, Kind::DropList, L"Left Button", 59, 111, 63, 14},
    {IDC_ACTION, Kind::DropList, L"Single Click", 59, 129, 63, 14},
    {IDC_STATIC, Kind::Label, L"ms", 126, 94, 9, 8},
    {IDC_STATIC, Kind::GroupBox, L"Click Point", 6, 149, 174, 113},
    {IDC_CLICK_MOUSE_POS, Kind::RadioButton, L"Click where the mouse is ", 17, 160, 97, 9},
    {IDC_CLICK_FIXED_POINT, Kind::RadioButton, L"Click on a fixed point", 17, 174, 82, 9},
    {IDC_STATIC, Kind::GroupBox, L"Specify click point", 26, 185, 137, 56},
    {IDC_CAPTURE, Kind::PushButton, L"Start Capture", 33, 195, 58, 31},
    {IDC_CAPTURE_HINT, Kind::Label, L"Press Any Key To Stop Capture", 35, 228, 98, 10},
    {IDC_STATIC_X, Kind::Label, L"X:", 92, 199, 10, 9},
    {IDC_FIXED_X, Kind::EditField, L"1000", 104, 196, 27, 12},
    {IDC_STATIC_Y, Kind::Label, L"Y:", 92, 215, 10, 9},
    {IDC_FIXED_Y, Kind::EditField, L"500", 104, 213, 27, 12},
    {IDC_MOVE_MOUSE, Kind::CheckBox, L"Move mouse to the fixed point", 26, 247, 117, 10},
    {IDC_STATIC, Kind::GroupBox, L"Click Count", 6, 32, 174, 48},
    {IDC_CLICK_COUNT, Kind::EditField, L"100", 60, 43, 40, 13},
    {IDC_STATIC, Kind::Label, L"times", 104, 46, 18, 8},
    {IDC_RADIO_COUNT, Kind::RadioButton, L"Click", 16, 45, 30, 10},
    {IDC_RADIO_TIME, Kind::RadioButton, L"Click for", 16, 63, 41, 10},
    {IDC_CLICK_TIME, Kind::EditField, L"1", 60, 62, 40, 13},
    {IDC_TIME_UNIT, Kind::DropList, L"minute", 107, 62, 40, 30},
    {IDC_STATIC, Kind::Label, L"time", 152, 65, 14, 8},
    {IDC_NO_ACTIVATE, Kind::CheckBox, L"Do not activate this window when click stopped", 9, 268, 171, 10},
    {IDC_VIEW_POS, Kind::PictureButton, L"", 136, 201, 20, 18},
};

const wchar_t* ClassOf(Kind kind) {
  switch (kind) {
    case Kind::Label:
      return L"Static";
    case Kind::EditField:
      return L"Edit";
    case Kind::DropList:
      return L"ComboBox";
    default:
      return L"Button";
  }
}

// Whether the window's style makes it the kind of control the template asks for.
bool StyleFits(Kind kind, LONG style) {
  switch (kind) {
    case Kind::PushButton:  // the dialog manager makes the focused push button the default one
      return (style & BS_TYPEMASK) == BS_PUSHBUTTON || (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    case Kind::PictureButton:  // a plain push button in the template, made owner-drawn when it binds
      return (style & BS_TYPEMASK) == BS_OWNERDRAW;
    case Kind::GroupBox:
      return (style & BS_TYPEMASK) == BS_GROUPBOX;
    case Kind::RadioButton:
      return (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    case Kind::CheckBox:
      return (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
    case Kind::DropList:
      return (style & 3) == CBS_DROPDOWNLIST;
    default:
      return true;
  }
}

TEST_F(Layout, EveryTemplateItemIsThereInOrderWithItsIdKindCaptionAndPlace) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  RECT client = {};
  ASSERT_TRUE(::GetClientRect(m_main, &client));
  int baseX = 0;
  int baseY = 0;
  ASSERT_TRUE(SolveBaseUnits({client.right, client.bottom}, &baseX, &baseY))
      << "client area " << client.right << " x " << client.bottom << " is no whole number of dialog units";

  Picture picture;
  const bool havePicture = ReadPicture(ProgramDir() + L"\\Res\\view_pos.png", &picture);

  const std::vector<HWND> children = ChildrenInOrder(m_main);
  ASSERT_EQ(children.size(), std::size(kTemplate));
  for (size_t i = 0; i < children.size(); ++i) {
    const TemplateItem& expected = kTemplate[i];
    const HWND child = children[i];
    SCOPED_TRACE(testing::Message() << "item " << i + 1 << " (id " << expected.id << ")");

    EXPECT_EQ(::GetDlgCtrlID(child), expected.id);
    EXPECT_EQ(ClassNameOf(child), ClassOf(expected.kind));
    const LONG style = ::GetWindowLongW(child, GWL_STYLE);
    EXPECT_TRUE(StyleFits(expected.kind, style)) << "style 0x" << std::hex << style;
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(TextOf(child), expected.caption);

    RECT want = DialogUnitsToClient(expected.x, expected.y, expected.cx, expected.cy, baseX, baseY);
    // The picture button grows to its picture with a pixel to spare on every side.
    if (expected.id == IDC_VIEW_POS && havePicture) {
      want = {want.left - 1, want.top - 1, want.left - 1 + picture.width + 2,
              want.top - 1 + picture.height + 2};
    }
    RECT place = {};
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(nullptr, m_main, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, want.left);
    EXPECT_EQ(place.top, want.top);
    EXPECT_EQ(place.right, want.right);
    // A drop-down list sizes its own closed height from its font.
    if (expected.kind != Kind::DropList) {
      EXPECT_EQ(place.bottom, want.bottom);
    }
  }
}

struct ListCase {
  int id;
  std::vector<std::wstring> items;
  int selection;
};

std::vector<std::wstring> ListItems(HWND combo) {
  std::vector<std::wstring> items;
  const LRESULT count = Send(combo, CB_GETCOUNT);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<size_t>(Send(combo, CB_GETLBTEXTLEN, i)) + 1, L'\0');
    const LRESULT length = Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    items.push_back(text);
  }
  return items;
}

TEST_F(Lists, HoldTheirItemsInOrderWithTheFirstSelection) {
  const ListCase cases[] = {
      {IDC_MOUSE, {L"Left Button", L"Middle Button", L"Right Button"}, 0},
      {IDC_ACTION, {L"Single Click", L"Double Click", L"Button Down", L"Button Up"}, 0},
      {IDC_TIME_UNIT, {L"ms", L"second", L"minute", L"hour"}, 2},
  };
  ASSERT_NE(OpenMainWindow(), nullptr);
  for (const ListCase& list : cases) {
    SCOPED_TRACE(testing::Message() << "list " << list.id);
    const HWND combo = Item(list.id);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(ListItems(combo), list.items);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), list.selection);
  }
}

TEST_F(Screenshot, OfTheMainWindowIsSavedAndShowsSomething) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  const std::wstring dir = ArtifactsDir();
  ASSERT_FALSE(dir.empty()) << "QUILLOTAP_ARTIFACTS is not set";
  ASSERT_TRUE(BringToFront(m_main));
  // Paint everything now, on the program's own thread, before reading the screen.
  ::RedrawWindow(m_main, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ASSERT_TRUE(RoundTrip(m_main));

  RECT place = {};
  ASSERT_TRUE(::GetWindowRect(m_main, &place));
  ScreenImage shot;
  ASSERT_TRUE(CaptureScreen(place, &shot));
  EXPECT_EQ(shot.width, place.right - place.left);
  EXPECT_EQ(shot.height, place.bottom - place.top);
  // A capture that failed quietly is one flat colour, black as a rule.
  EXPECT_GT(shot.DistinctColours(), 1u);
  const std::wstring path = dir + L"\\main-window.png";
  EXPECT_TRUE(WritePng(shot, path)) << testing::PrintToString(path);
}

}  // namespace
}  // namespace e2e
