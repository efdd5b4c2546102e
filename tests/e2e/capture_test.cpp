// The fixed point taken from the pointer: the fields follow it until a key or a left click, which
// reaches no control; and the picture button that puts the pointer on the fixed point.
#include <string>

#include "e2e_support.h"

namespace e2e {
namespace {

using ViewPosition = QuillotapTest;

class Capture : public QuillotapTest {
 protected:
  // Opens the window in fixed-point mode, in front, starts capturing and puts the focus in the interval
  // field with its text selected: a key that got through would replace the text. Returns the field.
  HWND StartCapturingWithFocusInAField() {
    if (OpenMainWindow() == nullptr) return nullptr;
    Send(Item(IDC_CLICK_FIXED_POINT), BM_CLICK);
    if (!BringToFront(m_main)) return nullptr;
    Send(Item(IDC_CAPTURE), BM_CLICK);
    const HWND interval = Item(IDC_INTERVAL);
    Send(m_main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(interval), TRUE);
    return interval;
  }
};

bool FieldsShow(HWND main, POINT at) {
  return TextOf(::GetDlgItem(main, IDC_FIXED_X)) == std::to_wstring(at.x) &&
         TextOf(::GetDlgItem(main, IDC_FIXED_Y)) == std::to_wstring(at.y);
}

TEST_F(Capture, TheFieldsFollowThePointerUntilAKeyWhichReachesNoControl) {
  const HWND interval = StartCapturingWithFocusInAField();
  ASSERT_NE(interval, nullptr);

  for (POINT at : {POINT{500, 300}, POINT{1210, 95}, POINT{820, 610}}) {
    ASSERT_TRUE(MovePointerTo(at));
    EXPECT_TRUE(WaitUntil([&] { return FieldsShow(m_main, at); }))
        << "fields do not follow to " << at.x << "," << at.y;
  }
  // A right click does not end it.
  ::mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
  ::mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
  const POINT last = {640, 480};
  ASSERT_TRUE(MovePointerTo(last));
  ASSERT_TRUE(WaitUntil([&] { return FieldsShow(m_main, last); })) << "a right click ended the capture";

  // Input is handled in order: once the second key shows in the field, the first has been handled.
  TapKey('7');
  TapKey('8');
  ASSERT_TRUE(WaitUntil([&] { return TextOf(interval) == L"8"; }))
      << "the field shows " << testing::PrintToString(TextOf(interval)) << ", not the second key alone";
  ASSERT_TRUE(MovePointerTo({300, 700}));
  ::Sleep(300);  // many ticks of the capture timer
  ASSERT_TRUE(RoundTrip(m_main));
  EXPECT_TRUE(FieldsShow(m_main, last))
      << "still following: " << TextOf(Item(IDC_FIXED_X)) << "," << TextOf(Item(IDC_FIXED_Y));
}

TEST_F(Capture, ALeftClickEndsItWhereItWasMadeAndPressesNothing) {
  const HWND interval = StartCapturingWithFocusInAField();
  ASSERT_NE(interval, nullptr);
  // A click on Start while capturing must not start a run.
  const POINT onStart = CentreOf(Item(IDC_START));
  ClickAt(onStart);
  // A key typed after the click reaches the field only once the click has ended the capture.
  TapKey('8');
  ASSERT_TRUE(WaitUntil([&] { return TextOf(interval) == L"8"; }));
  ASSERT_TRUE(MovePointerTo({700, 700}));
  ::Sleep(300);
  ASSERT_TRUE(RoundTrip(m_main));
  EXPECT_TRUE(FieldsShow(m_main, onStart)) << TextOf(Item(IDC_FIXED_X)) << "," << TextOf(Item(IDC_FIXED_Y));
  EXPECT_FALSE(IsRunning()) << "the click pressed Start";
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_START)));
}

struct ViewCase {
  const char* name;
  const wchar_t* x;
  const wchar_t* y;
  POINT pointer;
  const wchar_t* xAfter;
  const wchar_t* yAfter;
};

TEST_F(ViewPosition, PutsThePointerOnTheFixedPointOrOnTheDefaults) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  Send(Item(IDC_CLICK_FIXED_POINT), BM_CLICK);
  const ViewCase cases[] = {
      {"typed point", L"321", L"234", {321, 234}, L"321", L"234"},
      {"empty X", L"", L"40", {1000, 40}, L"1000", L"40"},
      {"zero is the screen's edge", L"0", L"0", {0, 0}, L"0", L"0"},
      {"negative and letters", L"-5", L"abc", {1000, 500}, L"1000", L"500"},
  };
  for (const ViewCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(MovePointerTo({1200, 1000}));
    SetField(IDC_FIXED_X, c.x);
    SetField(IDC_FIXED_Y, c.y);
    Send(Item(IDC_VIEW_POS), BM_CLICK);
    EXPECT_TRUE(WaitUntil([&] {
      const POINT at = PointerPosition();
      return at.x == c.pointer.x && at.y == c.pointer.y;
    }));
    EXPECT_EQ(TextOf(Item(IDC_FIXED_X)), c.xAfter);
    EXPECT_EQ(TextOf(Item(IDC_FIXED_Y)), c.yAfter);
  }
}

}  // namespace
}  // namespace e2e
