#include "engine/click_run.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fake_click_host.h"
#include "resource.h"

namespace {

// A window as the user typically leaves it: click once at the pointer, every 100 ms, left single click.
void ReadyForRun(FakeClickHost& host) {
  host.controls[IDC_RADIO_COUNT].checked = true;
  host.controls[IDC_CLICK_COUNT].text = L"1";
  host.controls[IDC_CLICK_TIME].text = L"1";
  host.controls[IDC_TIME_UNIT].curSel = 2;
  host.controls[IDC_INTERVAL].text = L"100";
  host.controls[IDC_MOUSE].curSel = 0;
  host.controls[IDC_ACTION].curSel = 0;
  host.controls[IDC_CLICK_MOUSE_POS].checked = true;
  host.controls[IDC_FIXED_X].text = L"1000";
  host.controls[IDC_FIXED_Y].text = L"500";
  host.controls[IDC_MOVE_MOUSE].checked = true;
}

void UseDuration(FakeClickHost& host, const wchar_t* duration, int unit) {
  host.controls[IDC_RADIO_COUNT].checked = false;
  host.controls[IDC_RADIO_TIME].checked = true;
  host.controls[IDC_CLICK_TIME].text = duration;
  host.controls[IDC_TIME_UNIT].curSel = unit;
}

void UseFixedPoint(FakeClickHost& host, const wchar_t* x, const wchar_t* y, bool moveMouse) {
  host.controls[IDC_CLICK_MOUSE_POS].checked = false;
  host.controls[IDC_CLICK_FIXED_POINT].checked = true;
  host.controls[IDC_FIXED_X].text = x;
  host.controls[IDC_FIXED_Y].text = y;
  host.controls[IDC_MOVE_MOUSE].checked = moveMouse;
}

// Asks for a stop from inside the message dispatch once the run has made this many clicks, so that a
// run without a limit ends.
void StopAfterClicks(FakeClickHost& host, size_t clicks) {
  host.onPump = [&host, clicks] {
    if (host.clicks.size() >= clicks) host.stopRequest = true;
  };
}

void StopAfterPumps(FakeClickHost& host, int pumps) {
  host.onPump = [&host, pumps] {
    if (host.pumps >= pumps) host.stopRequest = true;
  };
}

std::vector<uint64_t> ClickTimes(const FakeClickHost& host) {
  std::vector<uint64_t> times;
  for (const RecordedClick& click : host.clicks) times.push_back(click.atMs);
  return times;
}

// ---- Count limit ----

struct CountCase {
  const char* name;
  const wchar_t* count;
  size_t clicks;
  bool endsByLimit;  // otherwise the test stops it after 20 clicks
};

void PrintTo(const CountCase& c, std::ostream* out) { *out << c.name; }

class CountLimitTest : public testing::TestWithParam<CountCase> {};

TEST_P(CountLimitTest, ClicksUntilTheCountIsReached) {
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_CLICK_COUNT].text = GetParam().count;
  StopAfterClicks(host, 20);

  StartClickRun(host);

  ASSERT_EQ(host.clicks.size(), GetParam().clicks);
  for (size_t i = 0; i < host.clicks.size(); ++i) {
    EXPECT_EQ(host.clicks[i].atMs, i * 100) << "click " << i;
    EXPECT_EQ(host.clicks[i].point, FakeClickHost::kStartPointer);
  }
  if (GetParam().endsByLimit) {
    EXPECT_EQ(host.endRunAtMs, host.clicks.back().atMs) << "no pause after the last click";
  }
  EXPECT_EQ(host.secondsReads, 0) << "a run by count has no use for the seconds clock";
  EXPECT_FALSE(host.running);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, CountLimitTest,
    testing::Values(CountCase{"One", L"1", 1, true}, CountCase{"Zero", L"0", 1, true},
                    CountCase{"Five", L"5", 5, true}, CountCase{"TrailingLetters", L"12ab", 12, true},
                    CountCase{"LeadingBlank", L" 3", 3, true}, CountCase{"Empty", L"", 20, false},
                    CountCase{"Letters", L"abc", 20, false}, CountCase{"MinusOne", L"-1", 20, false},
                    // Taken as unsigned: a limit of over four thousand million clicks.
                    CountCase{"MinusTwo", L"-2", 20, false}),
    [](const testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

TEST(ClickRun, PassesOverOwnWindowNeitherClickNorCount) {
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_CLICK_COUNT].text = L"5";
  host.MovePointerAt(150, {200, 200});  // the user rests the pointer on the window for a while
  host.MovePointerAt(2230, {900, 700});

  StartClickRun(host);

  EXPECT_EQ(ClickTimes(host), (std::vector<uint64_t>{0, 100, 2300, 2400, 2500}));
  const std::vector<ScreenPoint> points{{800, 600}, {800, 600}, {900, 700}, {900, 700}, {900, 700}};
  ASSERT_EQ(host.clicks.size(), points.size());
  for (size_t i = 0; i < points.size(); ++i) EXPECT_EQ(host.clicks[i].point, points[i]) << "click " << i;
  EXPECT_EQ(host.endRunAtMs, 2500u);
}

TEST(ClickRun, NoButtonOrActionSelectedStillCountsEachPass) {
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_MOUSE].curSel = -1;
  host.controls[IDC_ACTION].curSel = -1;
  host.controls[IDC_CLICK_COUNT].text = L"2";

  StartClickRun(host);

  ASSERT_EQ(host.clicks.size(), 2u);
  EXPECT_EQ(host.clicks[0].button, -1);
  EXPECT_EQ(host.clicks[0].action, -1);
  EXPECT_EQ(host.endRunAtMs, 100u);
}

// ---- Duration limit ----

struct DurationCase {
  const char* name;
  const wchar_t* duration;
  int unit;  // selection of the unit list
  const wchar_t* interval;
  uint32_t phaseMs;  // of the seconds clock at the start
  size_t clicks;
};

void PrintTo(const DurationCase& c, std::ostream* out) { *out << c.name; }

class DurationLimitTest : public testing::TestWithParam<DurationCase> {};

TEST_P(DurationLimitTest, ClicksUntilTheSecondsClockReachesTheEnd) {
  const DurationCase& c = GetParam();
  FakeClickHost host;
  ReadyForRun(host);  // the count field keeps "1", which a run by duration ignores
  UseDuration(host, c.duration, c.unit);
  host.controls[IDC_INTERVAL].text = c.interval;
  host.SetSubSecondPhase(c.phaseMs);
  StopAfterClicks(host, 5000);  // so that a run past its end fails here instead of going on for ever

  StartClickRun(host);

  ASSERT_EQ(host.clicks.size(), c.clicks);
  EXPECT_EQ(host.endRunAtMs, host.clicks.back().atMs) << "the limit is checked right after a click";
}

INSTANTIATE_TEST_SUITE_P(
    Durations, DurationLimitTest,
    testing::Values(DurationCase{"HalfSecond", L"500", 0, L"100", 0, 1},
                    DurationCase{"Zero", L"0", 1, L"100", 0, 1},
                    // Clicks go on until the seconds clock moves on by one, however soon that comes.
                    DurationCase{"OneSecondAtStartOfSecond", L"1", 1, L"100", 0, 11},
                    DurationCase{"OneSecondLateInSecond", L"1", 1, L"100", 950, 2},
                    DurationCase{"OneSecondLastMsOfSecond", L"1", 1, L"100", 999, 2},
                    DurationCase{"FifteenHundredMs", L"1500", 0, L"100", 300, 8},
                    DurationCase{"EmptyReadsAsOne", L"", 1, L"100", 0, 11},
                    DurationCase{"NoUnitIsMinutes", L"1", -1, L"1000", 0, 61},
                    DurationCase{"UnitBeyondListIsMinutes", L"1", 4, L"1000", 0, 61},
                    DurationCase{"Minutes", L"1", 2, L"1000", 0, 61},
                    DurationCase{"Hour", L"1", 3, L"1000", 0, 3601},
                    // Clicks every 7 minutes: the 19th, at 126 minutes, is the first past two hours.
                    DurationCase{"TwoHours", L"2", 3, L"420000", 0, 19},
                    DurationCase{"TwoHoursLateInSecond", L"2", 3, L"420000", 700, 19},
                    // Minus one minute: the seconds of the span wrap to -60, the end lies before the start.
                    DurationCase{"MinusOneMinute", L"-1", 2, L"100", 0, 1}),
    [](const testing::TestParamInfo<DurationCase>& info) { return std::string(info.param.name); });

struct EndTimeCase {
  const char* name;
  int64_t start;
  int32_t duration;
  uint32_t unitMs;
  int64_t end;
};

void PrintTo(const EndTimeCase& c, std::ostream* out) { *out << c.name; }

class EndTimeTest : public testing::TestWithParam<EndTimeCase> {};

TEST_P(EndTimeTest, AddsTheWholeSecondsOfTheSpan) {
  EXPECT_EQ(ClickRunEndTime(GetParam().start, GetParam().duration, GetParam().unitMs), GetParam().end);
}

constexpr int64_t kStart = 1700000000;

INSTANTIATE_TEST_SUITE_P(
    Spans, EndTimeTest,
    testing::Values(EndTimeCase{"HalfSecondRoundsDown", kStart, 500, 1, kStart},
                    EndTimeCase{"FifteenHundredMs", kStart, 1500, 1, kStart + 1},
                    EndTimeCase{"TwoHours", kStart, 2, 3600000, kStart + 7200},
                    // -1 is taken as 4294967295 and the product is not cut to 32 bits.
                    EndTimeCase{"MinusOneMs", kStart, -1, 1, kStart + 4294967},
                    EndTimeCase{"MinusOneSecond", kStart, -1, 1000, kStart - 1},
                    EndTimeCase{"MinusOneMinute", kStart, -1, 60000, kStart - 60},
                    EndTimeCase{"MinusOneHour", kStart, -1, 3600000, kStart - 3600},
                    EndTimeCase{"LargestHours", kStart, 2147483647, 3600000, kStart - 3600},
                    // The seconds of the span are cut to a signed 32-bit number.
                    EndTimeCase{"SecondsPastInt32", kStart, 596524, 3600000, kStart - 2147480896},
                    EndTimeCase{"SecondsPastUint32", kStart, 1193047, 3600000, kStart + 1904},
                    // The start itself is not cut.
                    EndTimeCase{"StartPast32Bits", 5000000000, 1, 60000, 5000000060}),
    [](const testing::TestParamInfo<EndTimeCase>& info) { return std::string(info.param.name); });

// ---- Interval ----

struct IntervalCase {
  const char* name;
  const wchar_t* interval;
  int action;
  uint64_t gapMs;             // from one click to the next
  size_t stepsPerPause;       // of 50 ms each
  const wchar_t* fieldAfter;  // the interval field once the run has started
};

void PrintTo(const IntervalCase& c, std::ostream* out) { *out << c.name; }

class IntervalTest : public testing::TestWithParam<IntervalCase> {};

TEST_P(IntervalTest, PausesBetweenClicksInWholeSteps) {
  const IntervalCase& c = GetParam();
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_CLICK_COUNT].text = L"3";
  host.controls[IDC_ACTION].curSel = c.action;
  host.controls[IDC_INTERVAL].text = c.interval;

  StartClickRun(host);

  EXPECT_EQ(ClickTimes(host), (std::vector<uint64_t>{0, c.gapMs, 2 * c.gapMs}));
  EXPECT_EQ(host.sleeps, std::vector<uint32_t>(2 * c.stepsPerPause, 50));
  EXPECT_EQ(host.pumps, static_cast<int>(2 * c.stepsPerPause));
  EXPECT_EQ(host.controls[IDC_INTERVAL].text, c.fieldAfter);
  // Saved before the parameters are read: the file gets the field as the user left it.
  EXPECT_EQ(host.controlsWhenSaved[IDC_INTERVAL].text, c.interval);
}

INSTANTIATE_TEST_SUITE_P(Intervals, IntervalTest,
                         testing::Values(IntervalCase{"Empty", L"", 0, 1000, 20, L"1000"},
                                         IntervalCase{"Zero", L"0", 0, 1000, 20, L"1000"},
                                         IntervalCase{"Letters", L"abc", 0, 1000, 20, L"1000"},
                                         IntervalCase{"Negative", L"-20", 0, 1000, 20, L"1000"},
                                         IntervalCase{"One", L"1", 0, 50, 1, L"1"},
                                         IntervalCase{"Fifty", L"50", 0, 50, 1, L"50"},
                                         IntervalCase{"FiftyOne", L"51", 0, 100, 2, L"51"},
                                         IntervalCase{"TrailingLetters", L"120ab", 0, 150, 3, L"120ab"},
                                         // The double click's own 100 ms come on top of the pause.
                                         IntervalCase{"DoubleClick", L"1", 1, 150, 1, L"1"}),
                         [](const testing::TestParamInfo<IntervalCase>& info) {
                           return std::string(info.param.name);
                         });

// ---- Where the run clicks ----

struct FixedFieldsCase {
  const char* name;
  const wchar_t* x;
  const wchar_t* y;
  ScreenPoint point;
  const wchar_t* xAfter;
  const wchar_t* yAfter;
};

void PrintTo(const FixedFieldsCase& c, std::ostream* out) { *out << c.name; }

class FixedFieldsTest : public testing::TestWithParam<FixedFieldsCase> {};

TEST_P(FixedFieldsTest, ClicksAtTheFixedPointOrItsReplacement) {
  const FixedFieldsCase& c = GetParam();
  FakeClickHost host;
  ReadyForRun(host);
  UseFixedPoint(host, c.x, c.y, true);

  StartClickRun(host);

  ASSERT_EQ(host.clicks.size(), 1u);
  EXPECT_EQ(host.clicks[0].point, c.point);
  EXPECT_EQ(host.Pointer(), c.point);
  EXPECT_EQ(host.controls[IDC_FIXED_X].text, c.xAfter);
  EXPECT_EQ(host.controls[IDC_FIXED_Y].text, c.yAfter);
  EXPECT_EQ(host.controlsWhenSaved[IDC_FIXED_X].text, c.x);
  EXPECT_EQ(host.controlsWhenSaved[IDC_FIXED_Y].text, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FixedFieldsTest,
    testing::Values(FixedFieldsCase{"XEmptyYZero", L"", L"0", {1000, 500}, L"1000", L"500"},
                    FixedFieldsCase{"BothNegative", L"-5", L"-1", {1000, 500}, L"1000", L"500"},
                    FixedFieldsCase{"Letters", L"a", L"7b", {1000, 7}, L"1000", L"7b"},
                    FixedFieldsCase{"OneOne", L"1", L"1", {1, 1}, L"1", L"1"},
                    FixedFieldsCase{"Given", L"1920", L"30", {1920, 30}, L"1920", L"30"}),
    [](const testing::TestParamInfo<FixedFieldsCase>& info) { return std::string(info.param.name); });

TEST(ClickRun, AtThePointerLeavesTheFixedFieldsAlone) {
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_FIXED_X].text = L"";
  host.controls[IDC_FIXED_Y].text = L"0";

  StartClickRun(host);

  EXPECT_EQ(host.controls[IDC_FIXED_X].text, L"");
  EXPECT_EQ(host.controls[IDC_FIXED_Y].text, L"0");
  EXPECT_EQ(host.CountInLog(PointEntry("MovePointer", {1000, 500})), 0);
}

std::vector<std::string> PointerCalls(const FakeClickHost& host) {
  std::vector<std::string> calls;
  for (const std::string& entry : host.log) {
    if (entry.rfind("MovePointer", 0) == 0 || entry.rfind("SendClick", 0) == 0) calls.push_back(entry);
  }
  return calls;
}

TEST(ClickRun, FixedPointPutsThePointerBackAfterEachClick) {
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_CLICK_COUNT].text = L"2";
  UseFixedPoint(host, L"1000", L"500", false);
  host.MovePointerAt(50, {810, 620});  // the user moves the pointer during the pause

  StartClickRun(host);

  EXPECT_EQ(PointerCalls(host), (std::vector<std::string>{"MovePointer(1000,500)", "SendClick(1000,500)",
                                                          "MovePointer(800,600)", "MovePointer(1000,500)",
                                                          "SendClick(1000,500)", "MovePointer(810,620)"}));
  EXPECT_EQ(host.Pointer(), (ScreenPoint{810, 620}));
}

TEST(ClickRun, FixedPointWithMovePointerLeavesItThere) {
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_CLICK_COUNT].text = L"2";
  UseFixedPoint(host, L"1000", L"500", true);

  StartClickRun(host);

  EXPECT_EQ(PointerCalls(host), (std::vector<std::string>{"MovePointer(1000,500)", "SendClick(1000,500)",
                                                          "MovePointer(1000,500)", "SendClick(1000,500)"}));
  EXPECT_EQ(host.Pointer(), (ScreenPoint{1000, 500}));
}

struct OwnWindowCase {
  const char* name;
  bool fixedPoint;
  ScreenPoint target;  // the pointer, or the fixed point
  bool clicks;
};

void PrintTo(const OwnWindowCase& c, std::ostream* out) { *out << c.name; }

class OwnWindowTest : public testing::TestWithParam<OwnWindowCase> {};

// The window stands at left 100, top 100, right 500, bottom 400.
TEST_P(OwnWindowTest, NeverClicksOnTheProgramsOwnWindow) {
  const OwnWindowCase& c = GetParam();
  FakeClickHost host;
  ReadyForRun(host);
  if (c.fixedPoint) {
    UseFixedPoint(host, std::to_wstring(c.target.x).c_str(), std::to_wstring(c.target.y).c_str(), true);
  } else {
    host.MovePointerAt(0, c.target);
  }
  StopAfterPumps(host, 40);

  StartClickRun(host);

  if (c.clicks) {
    ASSERT_EQ(host.clicks.size(), 1u);
    EXPECT_EQ(host.clicks[0].point, c.target);
    EXPECT_EQ(host.pumps, 0);
  } else {
    // Only the stop ends such a run: forty steps of 50 ms, the last one after the stop was asked for.
    EXPECT_TRUE(host.clicks.empty());
    EXPECT_EQ(host.CountInLog(PointEntry("MovePointer", c.target)), 0);
    EXPECT_EQ(host.endRunAtMs, 2000u);
  }
  EXPECT_FALSE(host.running);
}

INSTANTIATE_TEST_SUITE_P(Edges, OwnWindowTest,
                         testing::Values(OwnWindowCase{"PointerOnTopLeftCorner", false, {100, 100}, false},
                                         OwnWindowCase{"PointerOnLastPixel", false, {499, 399}, false},
                                         OwnWindowCase{"PointerOnRightEdge", false, {500, 200}, true},
                                         OwnWindowCase{"PointerOnBottomEdge", false, {200, 400}, true},
                                         OwnWindowCase{"PointerLeftOfWindow", false, {99, 200}, true},
                                         OwnWindowCase{"PointerAboveWindow", false, {200, 99}, true},
                                         OwnWindowCase{"FixedOnTopLeftCorner", true, {100, 100}, false},
                                         OwnWindowCase{"FixedOnLastPixel", true, {499, 399}, false},
                                         OwnWindowCase{"FixedOnRightEdge", true, {500, 399}, true},
                                         OwnWindowCase{"FixedOnBottomEdge", true, {499, 400}, true}),
                         [](const testing::TestParamInfo<OwnWindowCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ClickRun, FixedPointOutsideClicksWhileThePointerRestsOnTheWindow) {
  FakeClickHost host;
  ReadyForRun(host);
  UseFixedPoint(host, L"1000", L"500", false);
  host.MovePointerAt(0, {200, 200});

  StartClickRun(host);

  ASSERT_EQ(host.clicks.size(), 1u);
  EXPECT_EQ(host.Pointer(), (ScreenPoint{200, 200}));
}

TEST(ClickRun, ByDurationOverOwnWindowRunsPastItsEndUntilStopped) {
  FakeClickHost host;
  ReadyForRun(host);
  UseDuration(host, L"0", 0);
  host.MovePointerAt(0, {200, 200});
  StopAfterPumps(host, 100);

  StartClickRun(host);

  EXPECT_TRUE(host.clicks.empty());
  EXPECT_EQ(host.endRunAtMs, 5000u);
}

// ---- Stop and Start during a run ----

TEST(ClickRun, StopEndsTheRunWithinOneStep) {
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_CLICK_COUNT].text = L"";
  host.controls[IDC_INTERVAL].text = L"1000";
  uint64_t stopAtMs = 0;
  host.onPump = [&] {
    if (host.pumps == 23) {  // the third step of the second pause
      host.stopRequest = true;
      stopAtMs = host.ElapsedMs();
    }
  };

  StartClickRun(host);

  EXPECT_EQ(host.clicks.size(), 2u);
  EXPECT_EQ(stopAtMs, 1100u);
  EXPECT_LE(host.endRunAtMs, stopAtMs + 50);
  EXPECT_EQ(host.pumps, 23);
  EXPECT_FALSE(host.running);
  EXPECT_TRUE(host.controls[IDC_START].enabled);
  EXPECT_FALSE(host.controls[IDC_STOP].enabled);
}

TEST(ClickRun, StopAskedForWhileIdleDoesNotHoldBackTheNextRun) {
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_CLICK_COUNT].text = L"2";
  host.stopRequest = true;

  StartClickRun(host);

  EXPECT_EQ(host.clicks.size(), 2u);
}

TEST(ClickRun, StartDuringARunIsIgnored) {
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_CLICK_COUNT].text = L"3";
  bool startedAgain = false;
  host.onPump = [&] {
    if (!startedAgain) {
      startedAgain = true;
      StartClickRun(host);  // the Start hotkey's command, dispatched from inside the pause
    }
  };

  StartClickRun(host);

  EXPECT_EQ(ClickTimes(host), (std::vector<uint64_t>{0, 100, 200}));
  EXPECT_EQ(host.CountInLog("TryBeginRun"), 2);
  EXPECT_EQ(host.CountInLog("SaveSettings"), 1);
  EXPECT_EQ(host.CountInLog(EnableEntry(IDC_START, false)), 1);
  EXPECT_EQ(host.CountInLog("EndRun"), 1);
  EXPECT_FALSE(host.running);

  // The running flag is given back: the next Start makes a run of its own.
  host.onPump = nullptr;
  StartClickRun(host);
  EXPECT_EQ(host.clicks.size(), 6u);
}

// ---- Enabling, saving and the window at start and end ----

std::vector<std::string> ExpectedLog(bool noActivate, const std::vector<std::string>& passes) {
  std::vector<std::string> log{"TryBeginRun", EnableEntry(IDC_START, false), EnableEntry(IDC_STOP, true)};
  for (int id : {IDC_NO_ACTIVATE, IDC_RADIO_COUNT, IDC_RADIO_TIME, IDC_CLICK_COUNT, IDC_INTERVAL, IDC_MOUSE,
                 IDC_ACTION, IDC_CLICK_MOUSE_POS, IDC_CLICK_FIXED_POINT, IDC_CAPTURE, IDC_FIXED_X,
                 IDC_FIXED_Y, IDC_MOVE_MOUSE}) {
    log.push_back(EnableEntry(id, false));
  }
  log.push_back("SaveSettings");
  if (noActivate) log.push_back("MinimizeWithoutActivating");
  log.insert(log.end(), passes.begin(), passes.end());
  log.push_back(EnableEntry(IDC_START, true));
  log.push_back(EnableEntry(IDC_STOP, false));
  for (int id : {IDC_NO_ACTIVATE, IDC_RADIO_COUNT, IDC_RADIO_TIME, IDC_CLICK_COUNT, IDC_INTERVAL, IDC_MOUSE,
                 IDC_ACTION, IDC_CLICK_MOUSE_POS, IDC_CLICK_FIXED_POINT}) {
    log.push_back(EnableEntry(id, true));
  }
  log.push_back("UpdateClickPointControls");
  log.push_back("EndRun");
  if (!noActivate) log.push_back("BringToFront");
  return log;
}

TEST(ClickRun, ActivatesTheWindowAtTheEndUnlessAskedNotTo) {
  for (bool noActivate : {false, true}) {
    SCOPED_TRACE(noActivate ? "NoActivate checked" : "NoActivate unchecked");
    FakeClickHost host;
    ReadyForRun(host);
    host.controls[IDC_NO_ACTIVATE].checked = noActivate;

    StartClickRun(host);

    EXPECT_EQ(host.log, ExpectedLog(noActivate, {"SendClick(800,600)"}));
  }
}

TEST(ClickRun, ByDurationAtFixedPointGivesBackTheSameControls) {
  FakeClickHost host;
  ReadyForRun(host);
  UseDuration(host, L"0", 1);
  UseFixedPoint(host, L"1000", L"500", false);

  StartClickRun(host);

  EXPECT_EQ(host.log,
            ExpectedLog(false, {"MovePointer(1000,500)", "SendClick(1000,500)", "MovePointer(800,600)"}));
  // The count field comes back enabled although "Click for" stays selected.
  EXPECT_TRUE(host.controls[IDC_CLICK_COUNT].enabled);
}

TEST(ClickRun, ControlsChangedDuringARunDoNotAffectIt) {
  FakeClickHost host;
  ReadyForRun(host);
  host.controls[IDC_CLICK_COUNT].text = L"3";
  host.onPump = [&] {
    host.controls[IDC_CLICK_COUNT].text = L"1";
    host.controls[IDC_INTERVAL].text = L"5000";
    host.controls[IDC_MOUSE].curSel = 2;
  };

  StartClickRun(host);

  EXPECT_EQ(ClickTimes(host), (std::vector<uint64_t>{0, 100, 200}));
  EXPECT_EQ(host.clicks.back().button, 0);
}

// ---- The pause ----

struct PauseCase {
  const char* name;
  uint32_t interval;
  uint32_t overshootMs;  // of every SleepFor
  uint64_t pumpMs;       // what dispatching the messages takes each time
  uint64_t lastsMs;
  int pumps;
  std::vector<uint32_t> sleeps;
};

void PrintTo(const PauseCase& c, std::ostream* out) { *out << c.name; }

class PauseTest : public testing::TestWithParam<PauseCase> {};

TEST_P(PauseTest, LastsTheIntervalInWholeStepsOnTheMonotonicClock) {
  const PauseCase& c = GetParam();
  FakeClickHost host;
  host.sleepOvershootMs = c.overshootMs;
  host.onPump = [&] { host.Advance(c.pumpMs); };

  WaitInterval(host, c.interval);

  EXPECT_EQ(host.ElapsedMs(), c.lastsMs);
  EXPECT_EQ(host.pumps, c.pumps);
  EXPECT_EQ(host.sleeps, c.sleeps);
}

std::vector<uint32_t> Steps(size_t n, uint32_t ms) { return std::vector<uint32_t>(n, ms); }
std::vector<uint32_t> Join(std::vector<uint32_t> a, const std::vector<uint32_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Pauses, PauseTest,
    testing::Values(PauseCase{"Zero", 0, 0, 0, 0, 0, {}}, PauseCase{"One", 1, 0, 0, 50, 1, {50}},
                    PauseCase{"Fifty", 50, 0, 0, 50, 1, {50}},
                    PauseCase{"FiftyOne", 51, 0, 0, 100, 2, {50, 50}},
                    PauseCase{"Second", 1000, 0, 0, 1000, 20, Steps(20, 50)},
                    // SleepFor(50) taking 62 ms: the last step is shortened so the pause keeps its length.
                    PauseCase{"SecondWithLongSleeps", 1000, 12, 0, 1012, 17, Join(Steps(16, 50), {8})},
                    PauseCase{"StepWithLongSleep", 1, 12, 0, 62, 1, {50}},
                    // The time the dispatched messages take counts as part of the pause.
                    PauseCase{"SecondWithSlowMessages", 1000, 0, 30, 1000, 13, Join(Steps(12, 50), {10})},
                    PauseCase{"MessagesLongerThanPause", 100, 0, 120, 120, 1, {}},
                    PauseCase{"MessagesLongerThanStep", 200, 0, 70, 200, 2, {50, 10}}),
    [](const testing::TestParamInfo<PauseCase>& info) { return std::string(info.param.name); });

TEST(Pause, StopIsCheckedBeforeEveryStep) {
  for (int stopAtPump : {1, 2, 3, 19}) {
    SCOPED_TRACE(stopAtPump);
    FakeClickHost host;
    StopAfterPumps(host, stopAtPump);

    WaitInterval(host, 1000);

    EXPECT_EQ(host.pumps, stopAtPump);
    EXPECT_EQ(host.sleeps, Steps(static_cast<size_t>(stopAtPump), 50));
  }
}

TEST(Pause, StopAlreadyAskedForReturnsAtOnce) {
  FakeClickHost host;
  host.stopRequest = true;

  WaitInterval(host, 1000);

  EXPECT_EQ(host.pumps, 0);
  EXPECT_TRUE(host.sleeps.empty());
}

TEST(Pause, LengthIsTheIntervalRoundedUpToWholeSteps) {
  EXPECT_EQ(PauseLengthMs(0), 0u);
  EXPECT_EQ(PauseLengthMs(49), 50u);
  EXPECT_EQ(PauseLengthMs(100), 100u);
  EXPECT_EQ(PauseLengthMs(101), 150u);
  EXPECT_EQ(PauseLengthMs(2147483647), 2147483650u);
  EXPECT_EQ(PauseLengthMs(4294967295u), 4294967300u);
}

}  // namespace
