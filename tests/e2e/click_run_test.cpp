// Click runs of the real program, aimed at a window that writes down every click it receives: each
// button and action, at a fixed point and at the pointer; the limits; the ways a run ends; the hotkeys;
// where the pointer is left; and the window's own state around a run.
#include <memory>
#include <string>
#include <vector>

#include "click_log.h"
#include "e2e_support.h"

namespace e2e {
namespace {

// The program's window sits in the top left corner of the screen; the target well away from it.
constexpr RECT kTargetRect = {600, 400, 900, 600};
constexpr POINT kTargetCentre = {750, 500};
constexpr POINT kOnTheDesktop = {1100, 900};

class ClickRunTest : public QuillotapTest {
 protected:
  // Opens the program and the target; each test then sets the controls that matter to it.
  void OpenWithTarget() {
    ASSERT_NE(OpenMainWindow(), nullptr);
    m_target = std::make_unique<ClickTarget>(kTargetRect);
    ASSERT_NE(m_target->Handle(), nullptr);
  }
  void TearDown() override {
    m_target.reset();
    QuillotapTest::TearDown();
  }

  void ClickAtFixedPoint(POINT at, bool moveMouse) {
    SetChecked(IDC_CLICK_FIXED_POINT, true);
    SetField(IDC_FIXED_X, std::to_wstring(at.x).c_str());
    SetField(IDC_FIXED_Y, std::to_wstring(at.y).c_str());
    SetChecked(IDC_MOVE_MOUSE, moveMouse);
  }
  void ByCount(const wchar_t* count) {
    SetChecked(IDC_RADIO_COUNT, true);
    SetField(IDC_CLICK_COUNT, count);
  }

  // The messages the target received from the index on.
  std::vector<ReceivedClick> ClicksFrom(size_t first) const {
    std::vector<ReceivedClick> clicks = m_target->Clicks();
    return std::vector<ReceivedClick>(clicks.begin() + std::min(first, clicks.size()), clicks.end());
  }

  std::unique_ptr<ClickTarget> m_target;
};

using ClickActions = ClickRunTest;
using ClickLimits = ClickRunTest;
using PointerAfterClicks = ClickRunTest;
using StartHotkey = ClickRunTest;
using WindowAroundARun = ClickRunTest;
using FieldTexts = ClickRunTest;

using Kind = ReceivedClick::Kind;

struct ActionCase {
  int action;
  const char* name;
  std::vector<Kind> kinds;
};

TEST_F(ClickActions, EachButtonAndActionSendsItsEventsAtTheFixedPoint) {
  OpenWithTarget();
  ASSERT_TRUE(MovePointerTo(kOnTheDesktop));
  ClickAtFixedPoint(kTargetCentre, false);
  ByCount(L"1");
  // Down before up for each button, so that no button is left pressed.
  const ActionCase actions[] = {{0, "single click", {Kind::kDown, Kind::kUp}},
                                {1, "double click", {Kind::kDown, Kind::kUp, Kind::kDown, Kind::kUp}},
                                {2, "button down", {Kind::kDown}},
                                {3, "button up", {Kind::kUp}}};
  const ReceivedClick::Button buttons[] = {ReceivedClick::kLeft, ReceivedClick::kMiddle,
                                           ReceivedClick::kRight};
  size_t seen = 0;
  for (int button = 0; button < 3; ++button) {
    for (const ActionCase& action : actions) {
      SCOPED_TRACE(testing::Message() << "button " << button << ", " << action.name);
      Select(IDC_MOUSE, button);
      Select(IDC_ACTION, action.action);
      ASSERT_TRUE(PressStart());
      ASSERT_TRUE(WaitForRunEnd());
      ASSERT_TRUE(m_target->WaitForClicks(seen + action.kinds.size())) << m_target->LogText();
      const std::vector<ReceivedClick> clicks = ClicksFrom(seen);
      ASSERT_EQ(clicks.size(), action.kinds.size()) << m_target->LogText();
      for (size_t i = 0; i < clicks.size(); ++i) {
        EXPECT_EQ(clicks[i].button, buttons[button]) << testing::PrintToString(clicks[i]);
        EXPECT_EQ(clicks[i].kind, action.kinds[i]) << testing::PrintToString(clicks[i]);
        EXPECT_EQ(clicks[i].at.x, kTargetCentre.x);
        EXPECT_EQ(clicks[i].at.y, kTargetCentre.y);
      }
      if (action.action == 1) {
        // The double click's two presses are 100 ms apart (a sleep between release and press).
        const double pause = clicks[2].ms - clicks[1].ms;
        // Loose bounds: the target stamps on receipt, and a busy machine delays one message or another.
        EXPECT_GE(pause, 50.0);
        EXPECT_LT(pause, 1000.0);
        std::printf("double click: %.1f ms from the first release to the second press\n", pause);
      }
      seen += clicks.size();
      EXPECT_TRUE(WaitUntil([&] { return PointerPosition().x == kOnTheDesktop.x; }, 2000))
          << "the pointer is not put back after the click";
    }
  }
}

TEST_F(ClickActions, ARunAtThePointerClicksWhereThePointerIs) {
  OpenWithTarget();
  const POINT at = {640, 420};
  ASSERT_TRUE(MovePointerTo(at));
  ByCount(L"3");
  SetField(IDC_INTERVAL, L"50");
  Select(IDC_MOUSE, 2);
  ASSERT_TRUE(PressStart());
  ASSERT_TRUE(WaitForRunEnd());
  ASSERT_TRUE(m_target->WaitForClicks(6));
  for (const ReceivedClick& click : m_target->Clicks()) {
    EXPECT_EQ(click.button, ReceivedClick::kRight);
    EXPECT_EQ(click.at.x, at.x);
    EXPECT_EQ(click.at.y, at.y);
  }
  EXPECT_EQ(m_target->Clicks().size(), 6u);
}

TEST_F(ClickLimits, PassesOverTheOwnWindowClickNothingAndDoNotCount) {
  OpenWithTarget();
  ByCount(L"5");
  SetField(IDC_INTERVAL, L"50");
  // Started with a real click on Start; the pointer then rests on Stop, so a click inside the window
  // would end the run at once.
  ClickAt(CentreOf(Item(IDC_START)));
  ASSERT_TRUE(WaitUntil([&] { return IsRunning(); }));
  ASSERT_TRUE(MovePointerTo(CentreOf(Item(IDC_STOP))));
  ::Sleep(600);  // a dozen passes
  EXPECT_TRUE(IsRunning());
  EXPECT_TRUE(m_target->Clicks().empty()) << m_target->LogText();

  ASSERT_TRUE(MovePointerTo(kTargetCentre));
  ASSERT_TRUE(WaitForRunEnd());
  ASSERT_TRUE(m_target->WaitForClicks(10));
  ::Sleep(300);  // room for a click too many
  EXPECT_EQ(m_target->Clicks().size(), 10u) << m_target->LogText();
}

TEST_F(ClickLimits, ARunOfOneSecondEndsWhenTheClockHasMovedOn) {
  OpenWithTarget();
  ClickAtFixedPoint(kTargetCentre, true);
  SetChecked(IDC_RADIO_TIME, true);
  SetField(IDC_CLICK_TIME, L"1");
  Select(IDC_TIME_UNIT, 1);
  SetField(IDC_INTERVAL, L"50");
  ASSERT_TRUE(PressStart());
  ASSERT_TRUE(WaitForRunEnd(5000));
  ASSERT_TRUE(m_target->WaitForClicks(2));
  const std::vector<ReceivedClick> clicks = m_target->Clicks();
  // The end is the next whole second: anywhere from the first click to a second later.
  EXPECT_LT(clicks.back().ms - clicks.front().ms, 1100.0) << clicks.size() << " messages";
  EXPECT_EQ(clicks.size() % 2, 0u);
  std::printf("one-second run: %zu clicks over %.0f ms\n", clicks.size() / 2,
              clicks.back().ms - clicks.front().ms);
}

struct StopWay {
  const char* name;
  void (*stop)(HWND main);
  bool closesTheProgram;
};

void PrintTo(const StopWay& way, std::ostream* out) { *out << way.name; }

class StopARun : public ClickRunTest, public testing::WithParamInterface<StopWay> {};

TEST_P(StopARun, EndsItWithinOneStep) {
  OpenWithTarget();
  ClickAtFixedPoint(kTargetCentre, false);
  ByCount(L"");  // no limit
  SetField(IDC_INTERVAL, L"2000");
  ASSERT_TRUE(PressStart());
  ASSERT_TRUE(m_target->WaitForClicks(2));
  ::Sleep(200);  // well inside the first pause
  GetParam().stop(m_main);
  if (GetParam().closesTheProgram) {
    EXPECT_TRUE(m_app->WaitForExit(1500));
  } else {
    EXPECT_TRUE(WaitForRunEnd(1500));
  }
  ::Sleep(2500);  // past the moment the next click was due
  EXPECT_EQ(m_target->Clicks().size(), 2u) << m_target->LogText();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, StopARun,
    testing::Values(StopWay{"StopButton", [](HWND main) { ClickAt(CentreOf(::GetDlgItem(main, IDC_STOP))); },
                            false},
                    StopWay{"CtrlF2",
                            [](HWND) {
                              PressChord({VK_CONTROL, VK_F2});
                            },
                            false},
                    StopWay{"Closing", [](HWND main) { ::PostMessageW(main, WM_CLOSE, 0, 0); }, true}));

TEST_F(StartHotkey, StartsARunFromAnotherWindowAndNotASecondOneDuringIt) {
  OpenWithTarget();
  ClickAtFixedPoint(kTargetCentre, true);
  ByCount(L"3");
  SetField(IDC_INTERVAL, L"400");
  ASSERT_TRUE(BringToFront(m_target->Handle()));
  PressChord({VK_CONTROL, VK_F1});
  ASSERT_TRUE(WaitUntil([&] { return IsRunning(); })) << "Ctrl+F1 started no run";
  ASSERT_TRUE(m_target->WaitForClicks(2));
  PressChord({VK_CONTROL, VK_F1});  // during the run
  ASSERT_TRUE(WaitForRunEnd());
  ::Sleep(1000);
  EXPECT_FALSE(IsRunning()) << "a second run started";
  EXPECT_EQ(m_target->Clicks().size(), 6u) << m_target->LogText();
}

TEST_F(PointerAfterClicks, GoesBackUnlessItShouldStayOnTheFixedPoint) {
  OpenWithTarget();
  ByCount(L"2");
  SetField(IDC_INTERVAL, L"50");
  for (bool moveMouse : {false, true}) {
    SCOPED_TRACE(moveMouse ? "move mouse to the fixed point" : "pointer left where it was");
    ASSERT_TRUE(MovePointerTo(kOnTheDesktop));
    ClickAtFixedPoint(kTargetCentre, moveMouse);
    const size_t before = m_target->Clicks().size();
    ASSERT_TRUE(PressStart());
    ASSERT_TRUE(WaitForRunEnd());
    ASSERT_TRUE(m_target->WaitForClicks(before + 4));
    const POINT expected = moveMouse ? kTargetCentre : kOnTheDesktop;
    EXPECT_TRUE(WaitUntil(
        [&] { return PointerPosition().x == expected.x && PointerPosition().y == expected.y; }, 2000))
        << "pointer at " << PointerPosition().x << "," << PointerPosition().y;
    for (const ReceivedClick& click : ClicksFrom(before)) EXPECT_EQ(click.at.x, kTargetCentre.x);
  }
}

TEST_F(WindowAroundARun, DoNotActivateMinimisesItAtTheStartAndLeavesItSo) {
  OpenWithTarget();
  ClickAtFixedPoint(kTargetCentre, true);
  ByCount(L"3");
  SetField(IDC_INTERVAL, L"300");
  SetChecked(IDC_NO_ACTIVATE, true);
  ASSERT_TRUE(PressStart());
  EXPECT_TRUE(WaitUntil([&] { return ::IsIconic(m_main) != 0; })) << "not minimised during the run";
  ASSERT_TRUE(WaitForRunEnd());
  ::Sleep(300);
  EXPECT_TRUE(::IsIconic(m_main)) << "restored at the end of the run";
  EXPECT_NE(::GetForegroundWindow(), m_main);
}

TEST_F(WindowAroundARun, OtherwiseItStaysAndComesToTheFrontAtTheEnd) {
  OpenWithTarget();
  ClickAtFixedPoint(kTargetCentre, true);
  ByCount(L"2");
  SetField(IDC_INTERVAL, L"300");
  ASSERT_TRUE(BringToFront(m_target->Handle()));
  PressChord({VK_CONTROL, VK_F1});
  // The controls that must not change are disabled while it runs, the last of them after Stop is enabled.
  ASSERT_TRUE(WaitUntil([&] { return IsRunning() && !::IsWindowEnabled(Item(IDC_MOVE_MOUSE)); }));
  for (int id : {IDC_START, IDC_INTERVAL, IDC_MOUSE, IDC_ACTION, IDC_CLICK_COUNT, IDC_FIXED_X, IDC_CAPTURE}) {
    EXPECT_FALSE(::IsWindowEnabled(Item(id))) << "control " << id;
  }
  EXPECT_FALSE(::IsIconic(m_main));
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == m_main; }));
  EXPECT_FALSE(::IsIconic(m_main));
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_CLICK_COUNT)));
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_FIXED_X)));
}

TEST_F(FieldTexts, WhatDoesNotReadFallsBackAndHugeNumbersDoNotOverflow) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  // The fixed point's fallback, (1000, 500), inside a target of its own.
  m_target = std::make_unique<ClickTarget>(RECT{950, 450, 1100, 550});
  ASSERT_NE(m_target->Handle(), nullptr);
  ClickAtFixedPoint({0, 0}, true);
  SetField(IDC_FIXED_X, L"");
  SetField(IDC_FIXED_Y, L"0");
  SetField(IDC_INTERVAL, L"abc");
  ByCount(L"99999999999");  // far beyond 32 bits: a limit that is never reached here
  ASSERT_TRUE(PressStart());
  ASSERT_TRUE(m_target->WaitForClicks(4));  // two clicks, a pause of a second between them
  PressChord({VK_CONTROL, VK_F2});
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(TextOf(Item(IDC_INTERVAL)), L"1000");
  EXPECT_EQ(TextOf(Item(IDC_FIXED_X)), L"1000");
  EXPECT_EQ(TextOf(Item(IDC_FIXED_Y)), L"500");
  const std::vector<ReceivedClick> clicks = m_target->Clicks();
  ASSERT_GE(clicks.size(), 4u);
  for (const ReceivedClick& click : clicks) {
    EXPECT_EQ(click.at.x, 1000);
    EXPECT_EQ(click.at.y, 500);
  }
  EXPECT_GE(clicks[2].ms - clicks[0].ms, 900.0) << "the pause is not the fallback's second";
}

}  // namespace
}  // namespace e2e
