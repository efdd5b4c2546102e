// The controls at work: which ones the two radio groups enable, and keys that must change nothing.
#include <map>

#include "e2e_support.h"
#include "resource.h"

namespace e2e {
namespace {

using Enabling = QuillotapTest;
using Keys = QuillotapTest;

const int kFixedPointControls[] = {IDC_CAPTURE, IDC_FIXED_X, IDC_FIXED_Y, IDC_MOVE_MOUSE, IDC_VIEW_POS};
const int kRadios[] = {IDC_RADIO_COUNT, IDC_RADIO_TIME, IDC_CLICK_MOUSE_POS, IDC_CLICK_FIXED_POINT};

struct EnablingStep {
  const char* what;
  int clickedRadio;  // 0: none, the state at opening
  bool countEnabled;
  bool timeEnabled;  // the duration field and its unit list
  bool fixedPointEnabled;
};

// One window goes through the steps in order; each step flips one group and must leave the other be.
// With no settings file the window opens clicking by count where the mouse is.
const EnablingStep kSteps[] = {
    {"at opening", 0, true, false, false},
    {"Click for", IDC_RADIO_TIME, false, true, false},
    {"Click", IDC_RADIO_COUNT, true, false, false},
    {"Click on a fixed point", IDC_CLICK_FIXED_POINT, true, false, true},
    {"Click where the mouse is", IDC_CLICK_MOUSE_POS, true, false, false},
};

int PartnerOf(int radio) {
  static const std::map<int, int> partners = {{IDC_RADIO_COUNT, IDC_RADIO_TIME},
                                              {IDC_RADIO_TIME, IDC_RADIO_COUNT},
                                              {IDC_CLICK_MOUSE_POS, IDC_CLICK_FIXED_POINT},
                                              {IDC_CLICK_FIXED_POINT, IDC_CLICK_MOUSE_POS}};
  return partners.at(radio);
}

TEST_F(Enabling, FollowsTheRadioButtonsFromOpeningOn) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  std::map<int, bool> checked = {{IDC_RADIO_COUNT, true}, {IDC_CLICK_MOUSE_POS, true}};  // so far
  for (const EnablingStep& step : kSteps) {
    SCOPED_TRACE(step.what);
    if (step.clickedRadio != 0) {
      // BM_CLICK presses the button as the user would; its notification is sent, so the program has
      // applied its rules by the time the message returns.
      Send(Item(step.clickedRadio), BM_CLICK);
      checked[step.clickedRadio] = true;
      checked[PartnerOf(step.clickedRadio)] = false;
    }
    for (int radio : kRadios) {
      EXPECT_EQ(Send(Item(radio), BM_GETCHECK), checked[radio] ? BST_CHECKED : BST_UNCHECKED)
          << "radio " << radio;
    }
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_START)));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_STOP)));
    EXPECT_EQ(!!::IsWindowEnabled(Item(IDC_CLICK_COUNT)), step.countEnabled);
    EXPECT_EQ(!!::IsWindowEnabled(Item(IDC_CLICK_TIME)), step.timeEnabled);
    EXPECT_EQ(!!::IsWindowEnabled(Item(IDC_TIME_UNIT)), step.timeEnabled);
    for (int id : kFixedPointControls) {
      EXPECT_EQ(!!::IsWindowEnabled(Item(id)), step.fixedPointEnabled) << "control " << id;
    }
  }
}

HWND FocusOf(HWND wnd) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(wnd, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

TEST_F(Keys, EnterAndEscLeaveTheWindowOpen) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  ASSERT_TRUE(BringToFront(m_main));
  // With the focus in an edit field Enter asks the dialog for IDOK; on a push button it would only
  // press that button.
  const HWND interval = Item(IDC_INTERVAL);
  Send(m_main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(interval), TRUE);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(m_main) == interval; }));

  // Typed text shows that the keys arrive; a digit typed after Enter and Esc shows that they have been
  // handled and that the field, and so the window, is still there.
  TapKey('5');
  ASSERT_TRUE(WaitUntil([&] { return TextOf(interval) == L"5"; })) << "keys do not reach the window";
  TapKey(VK_RETURN);
  TapKey(VK_ESCAPE);
  TapKey('7');
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindow(interval) && TextOf(interval) == L"57"; }))
      << "Enter or Esc closed the window or swallowed the keys after them";
  ASSERT_TRUE(RoundTrip(m_main));
  EXPECT_TRUE(::IsWindowVisible(m_main));
  EXPECT_TRUE(m_app->IsRunning());
}

}  // namespace
}  // namespace e2e
