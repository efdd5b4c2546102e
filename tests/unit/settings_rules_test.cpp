#include "ui/settings_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fake_click_host.h"
#include "resource.h"

namespace {

// The file's one section as a map: a missing key gives the fallback, as the profile functions do.
class MapStore final : public SettingsStore {
 public:
  std::map<std::wstring, std::wstring> values;
  std::vector<std::pair<std::wstring, std::wstring>> writes;

  std::wstring Read(const wchar_t* key, const wchar_t* fallback) override {
    const auto it = values.find(key);
    return it == values.end() ? std::wstring(fallback) : it->second;
  }
  void Write(const wchar_t* key, const std::wstring& value) override {
    writes.emplace_back(key, value);
    values[key] = value;
  }
};

// Everything the settings file carries, as the controls show it.
struct DialogState {
  bool noActivate;
  bool byCount;     // IDC_RADIO_COUNT
  bool byDuration;  // IDC_RADIO_TIME
  std::wstring count;
  std::wstring duration;
  int unit;
  std::wstring interval;
  int mouse;
  int action;
  bool atPointer;     // IDC_CLICK_MOUSE_POS
  bool atFixedPoint;  // IDC_CLICK_FIXED_POINT
  std::wstring x;
  std::wstring y;
  bool moveMouse;

  auto Tied() const {
    return std::tie(noActivate, byCount, byDuration, count, duration, unit, interval, mouse, action,
                    atPointer, atFixedPoint, x, y, moveMouse);
  }
  bool operator==(const DialogState& other) const { return Tied() == other.Tied(); }
};

void PrintTo(const DialogState& s, std::ostream* out) {
  *out << "{noActivate " << s.noActivate << ", byCount " << s.byCount << ", byDuration " << s.byDuration
       << ", count " << testing::PrintToString(s.count) << ", duration " << testing::PrintToString(s.duration)
       << ", unit " << s.unit << ", interval " << testing::PrintToString(s.interval) << ", mouse " << s.mouse
       << ", action " << s.action << ", atPointer " << s.atPointer << ", atFixedPoint " << s.atFixedPoint
       << ", x " << testing::PrintToString(s.x) << ", y " << testing::PrintToString(s.y) << ", moveMouse "
       << s.moveMouse << "}";
}

DialogState Snapshot(FakeClickHost& c) {
  return {c.IsChecked(IDC_NO_ACTIVATE),
          c.IsChecked(IDC_RADIO_COUNT),
          c.IsChecked(IDC_RADIO_TIME),
          c.Text(IDC_CLICK_COUNT),
          c.Text(IDC_CLICK_TIME),
          c.CurSel(IDC_TIME_UNIT),
          c.Text(IDC_INTERVAL),
          c.CurSel(IDC_MOUSE),
          c.CurSel(IDC_ACTION),
          c.IsChecked(IDC_CLICK_MOUSE_POS),
          c.IsChecked(IDC_CLICK_FIXED_POINT),
          c.Text(IDC_FIXED_X),
          c.Text(IDC_FIXED_Y),
          c.IsChecked(IDC_MOVE_MOUSE)};
}

void Apply(const DialogState& s, FakeClickHost& c) {
  c.SetCheck(IDC_NO_ACTIVATE, s.noActivate);
  c.SetCheck(IDC_RADIO_COUNT, s.byCount);
  c.SetCheck(IDC_RADIO_TIME, s.byDuration);
  c.SetText(IDC_CLICK_COUNT, s.count);
  c.SetText(IDC_CLICK_TIME, s.duration);
  c.SelectItem(IDC_TIME_UNIT, s.unit);
  c.SetText(IDC_INTERVAL, s.interval);
  c.SelectItem(IDC_MOUSE, s.mouse);
  c.SelectItem(IDC_ACTION, s.action);
  c.SetCheck(IDC_CLICK_MOUSE_POS, s.atPointer);
  c.SetCheck(IDC_CLICK_FIXED_POINT, s.atFixedPoint);
  c.SetText(IDC_FIXED_X, s.x);
  c.SetText(IDC_FIXED_Y, s.y);
  c.SetCheck(IDC_MOVE_MOUSE, s.moveMouse);
}

// What a window opened without a settings file shows.
const DialogState kFreshWindow{false, true, false, L"100", L"1",    2,      L"1000",
                               0,     0,    true,  false,  L"1000", L"500", true};

// Every control away from what a fresh window shows.
const DialogState kEverythingChanged{true, false, true,  L"7", L"3",   0,      L"250",
                                     2,    3,     false, true, L"-20", L"640", false};

// ---- Loading ----

struct LoadCase {
  const char* name;
  const wchar_t* key;
  const wchar_t* value;
  void (*change)(DialogState&);  // from kFreshWindow; none when the value reads like a missing key
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class LoadKeyTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadKeyTest, AppliesTheValueToItsControl) {
  const LoadCase& c = GetParam();
  MapStore store;
  store.values[c.key] = c.value;
  FakeClickHost controls;

  SettingsToControls(store, controls);

  DialogState expected = kFreshWindow;
  if (c.change != nullptr) c.change(expected);
  EXPECT_EQ(Snapshot(controls), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LoadKeyTest,
    testing::Values(
        LoadCase{"NoActivateOne", L"NoActivate", L"1", [](DialogState& s) { s.noActivate = true; }},
        LoadCase{"NoActivateZero", L"NoActivate", L"0", nullptr},
        LoadCase{"NoActivateTrue", L"NoActivate", L"true", nullptr},
        LoadCase{"NoActivateOneAndBlank", L"NoActivate", L"1 ", nullptr},
        LoadCase{"ForTime", L"ClickCountType", L"ForTime",
                 [](DialogState& s) { s.byCount = false, s.byDuration = true; }},
        LoadCase{"ForTimeInLowerCase", L"ClickCountType", L"fortime", nullptr},
        LoadCase{"FixedCount", L"ClickCountType", L"FixedCount", nullptr},
        LoadCase{"CountTypeJunk", L"ClickCountType", L"junk", nullptr},
        LoadCase{"CountZero", L"ClickCount", L"0", nullptr},
        LoadCase{"CountEmpty", L"ClickCount", L"", [](DialogState& s) { s.count = L""; }},
        LoadCase{"CountLetters", L"ClickCount", L"abc", [](DialogState& s) { s.count = L"abc"; }},
        LoadCase{"CountZeroZero", L"ClickCount", L"00", [](DialogState& s) { s.count = L"00"; }},
        LoadCase{"CountGiven", L"ClickCount", L"25", [](DialogState& s) { s.count = L"25"; }},
        LoadCase{"DurationZero", L"ForTime", L"0", nullptr},
        LoadCase{"DurationEmpty", L"ForTime", L"", [](DialogState& s) { s.duration = L""; }},
        LoadCase{"DurationGiven", L"ForTime", L"15", [](DialogState& s) { s.duration = L"15"; }},
        LoadCase{"UnitHour", L"ForTimeType", L"3", [](DialogState& s) { s.unit = 3; }},
        LoadCase{"UnitMs", L"ForTimeType", L"0", [](DialogState& s) { s.unit = 0; }},
        LoadCase{"UnitFour", L"ForTimeType", L"4", nullptr},
        LoadCase{"UnitMinusOne", L"ForTimeType", L"-1", nullptr},
        LoadCase{"UnitLetter", L"ForTimeType", L"x", nullptr},
        LoadCase{"UnitAfterBlank", L"ForTimeType", L" 1", [](DialogState& s) { s.unit = 1; }},
        LoadCase{"UnitPastInt32", L"ForTimeType", L"4294967297", nullptr},
        LoadCase{"IntervalEmpty", L"Interval", L"", nullptr},
        LoadCase{"IntervalGiven", L"Interval", L"250", [](DialogState& s) { s.interval = L"250"; }},
        LoadCase{"IntervalZero", L"Interval", L"0", [](DialogState& s) { s.interval = L"0"; }},
        LoadCase{"IntervalLetters", L"Interval", L"abc", [](DialogState& s) { s.interval = L"abc"; }},
        LoadCase{"MouseRight", L"Mouse", L"2", [](DialogState& s) { s.mouse = 2; }},
        LoadCase{"MouseThree", L"Mouse", L"3", nullptr}, LoadCase{"MouseMinusOne", L"Mouse", L"-1", nullptr},
        LoadCase{"MouseOneThenLetter", L"Mouse", L"1x", [](DialogState& s) { s.mouse = 1; }},
        LoadCase{"MouseLetters", L"Mouse", L"ab", nullptr},
        LoadCase{"ActionButtonUp", L"Action", L"3", [](DialogState& s) { s.action = 3; }},
        LoadCase{"ActionFour", L"Action", L"4", nullptr},
        LoadCase{"ClickPointZero", L"ClickPoint", L"0", nullptr},
        LoadCase{"ClickPointOne", L"ClickPoint", L"1",
                 [](DialogState& s) { s.atPointer = false, s.atFixedPoint = true; }},
        LoadCase{"ClickPointTwo", L"ClickPoint", L"2",
                 [](DialogState& s) { s.atPointer = false, s.atFixedPoint = false; }},
        LoadCase{"ClickPointMinusOne", L"ClickPoint", L"-1",
                 [](DialogState& s) { s.atPointer = false, s.atFixedPoint = false; }},
        LoadCase{"ClickPointEmpty", L"ClickPoint", L"", nullptr},
        LoadCase{"ClickPointLetters", L"ClickPoint", L"ab", nullptr},
        LoadCase{"ClickPointOneAfterBlank", L"ClickPoint", L" 1x",
                 [](DialogState& s) { s.atPointer = false, s.atFixedPoint = true; }},
        LoadCase{"FixedXEmpty", L"FixedX", L"", nullptr},
        LoadCase{"FixedXNegative", L"FixedX", L"-30", [](DialogState& s) { s.x = L"-30"; }},
        LoadCase{"FixedXLetters", L"FixedX", L"abc", [](DialogState& s) { s.x = L"abc"; }},
        LoadCase{"FixedYEmpty", L"FixedY", L"", nullptr},
        LoadCase{"FixedYZero", L"FixedY", L"0", [](DialogState& s) { s.y = L"0"; }},
        LoadCase{"MoveMouseZero", L"FixedMoveMouse", L"0", [](DialogState& s) { s.moveMouse = false; }},
        LoadCase{"MoveMouseEmpty", L"FixedMoveMouse", L"", [](DialogState& s) { s.moveMouse = false; }},
        LoadCase{"MoveMouseTrue", L"FixedMoveMouse", L"true", [](DialogState& s) { s.moveMouse = false; }},
        LoadCase{"MoveMouseOne", L"FixedMoveMouse", L"1", nullptr}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(SettingsToControls, MissingFileGivesTheFreshWindow) {
  MapStore store;
  FakeClickHost controls;

  SettingsToControls(store, controls);

  EXPECT_EQ(Snapshot(controls), kFreshWindow);
}

TEST(SettingsToControls, EveryKeyEmpty) {
  MapStore store;
  for (const wchar_t* key :
       {L"NoActivate", L"ClickCountType", L"ClickCount", L"ForTime", L"ForTimeType", L"Interval", L"Mouse",
        L"Action", L"ClickPoint", L"FixedX", L"FixedY", L"FixedMoveMouse"}) {
    store.values[key] = L"";
  }
  FakeClickHost controls;

  SettingsToControls(store, controls);

  DialogState expected = kFreshWindow;
  expected.count = L"";
  expected.duration = L"";
  expected.moveMouse = false;
  EXPECT_EQ(Snapshot(controls), expected);
}

TEST(SettingsToControls, LongValuesArriveCutTo259Characters) {
  MapStore store;
  store.values[L"FixedX"] = std::wstring(10000, L'7');
  store.values[L"FixedY"] = std::wstring(259, L'8');
  store.values[L"Interval"] = L"12" + std::wstring(258, L'x');  // 260 characters
  // Cut to "1" and 258 blanks: still not exactly "1".
  store.values[L"NoActivate"] = L"1" + std::wstring(300, L' ');
  FakeClickHost controls;

  SettingsToControls(store, controls);

  EXPECT_EQ(controls.Text(IDC_FIXED_X), std::wstring(259, L'7'));
  EXPECT_EQ(controls.Text(IDC_FIXED_Y), std::wstring(259, L'8'));
  EXPECT_EQ(controls.Text(IDC_INTERVAL), L"12" + std::wstring(257, L'x'));
  EXPECT_FALSE(controls.IsChecked(IDC_NO_ACTIVATE));
}

// ---- Saving ----

using Writes = std::vector<std::pair<std::wstring, std::wstring>>;

struct SaveCase {
  const char* name;
  DialogState state;
  Writes writes;
};

void PrintTo(const SaveCase& c, std::ostream* out) { *out << c.name; }

class SaveTest : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveTest, WritesTheTwelveKeysInOrder) {
  FakeClickHost controls;
  Apply(GetParam().state, controls);
  MapStore store;

  ControlsToSettings(controls, store);

  EXPECT_EQ(store.writes, GetParam().writes);
}

INSTANTIATE_TEST_SUITE_P(
    States, SaveTest,
    testing::Values(
        SaveCase{"FreshWindow",
                 kFreshWindow,
                 {{L"NoActivate", L"0"},
                  {L"ClickCountType", L"FixedCount"},
                  {L"ClickCount", L"100"},
                  {L"ForTime", L"1"},
                  {L"ForTimeType", L"2"},
                  {L"Interval", L"1000"},
                  {L"Mouse", L"0"},
                  {L"Action", L"0"},
                  {L"ClickPoint", L"0"},
                  {L"FixedX", L"1000"},
                  {L"FixedY", L"500"},
                  {L"FixedMoveMouse", L"1"}}},
        SaveCase{"EverythingChanged",
                 kEverythingChanged,
                 {{L"NoActivate", L"1"},
                  {L"ClickCountType", L"ForTime"},
                  {L"ClickCount", L"7"},
                  {L"ForTime", L"3"},
                  {L"ForTimeType", L"0"},
                  {L"Interval", L"250"},
                  {L"Mouse", L"2"},
                  {L"Action", L"3"},
                  {L"ClickPoint", L"1"},
                  {L"FixedX", L"-20"},
                  {L"FixedY", L"640"},
                  {L"FixedMoveMouse", L"0"}}},
        // Only the count and the duration are never written empty; lists without a selection give -1.
        SaveCase{"EmptyFieldsNoSelectionNothingChecked",
                 {false, false, false, L"", L"", -1, L"", -1, -1, false, false, L"", L"", false},
                 {{L"NoActivate", L"0"},
                  {L"ClickCountType", L"ForTime"},
                  {L"ClickCount", L"100"},
                  {L"ForTime", L"1"},
                  {L"ForTimeType", L"-1"},
                  {L"Interval", L""},
                  {L"Mouse", L"-1"},
                  {L"Action", L"-1"},
                  {L"ClickPoint", L"1"},
                  {L"FixedX", L""},
                  {L"FixedY", L""},
                  {L"FixedMoveMouse", L"0"}}},
        // Nothing is checked or trimmed on the way out.
        SaveCase{"OddTextsAsTheyStand",
                 {false, true, true, L"0", L" 2 ", 3, L"abc", 1, 1, true, true, L"0", L"-7x", true},
                 {{L"NoActivate", L"0"},
                  {L"ClickCountType", L"FixedCount"},
                  {L"ClickCount", L"0"},
                  {L"ForTime", L" 2 "},
                  {L"ForTimeType", L"3"},
                  {L"Interval", L"abc"},
                  {L"Mouse", L"1"},
                  {L"Action", L"1"},
                  {L"ClickPoint", L"0"},
                  {L"FixedX", L"0"},
                  {L"FixedY", L"-7x"},
                  {L"FixedMoveMouse", L"1"}}}),
    [](const testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

// ---- Saving, then loading into a new window ----

struct RoundTripCase {
  const char* name;
  DialogState saved;
  DialogState loaded;
};

void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }

class RoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, NextOpeningShowsTheSavedState) {
  FakeClickHost before;
  Apply(GetParam().saved, before);
  MapStore store;
  ControlsToSettings(before, store);

  FakeClickHost after;
  SettingsToControls(store, after);

  EXPECT_EQ(Snapshot(after), GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(
    States, RoundTripTest,
    testing::Values(
        RoundTripCase{"FreshWindow", kFreshWindow, kFreshWindow},
        RoundTripCase{"EverythingChanged", kEverythingChanged, kEverythingChanged},
        RoundTripCase{"UnreadableTexts",
                      {false, true, false, L"12ab", L"45", 3, L"abc", 1, 1, true, false, L"0", L"0", true},
                      {false, true, false, L"12ab", L"45", 3, L"abc", 1, 1, true, false, L"0", L"0", true}},
        // A count or duration of 0 reads like a missing key; empty fields and lists without a selection
        // come back as a fresh window has them.
        RoundTripCase{"ZerosEmptiesAndNoSelection",
                      {false, true, false, L"0", L"0", -1, L"", -1, -1, true, false, L"", L"", true},
                      kFreshWindow},
        RoundTripCase{"EmptyCountAndDuration",
                      {false, true, false, L"", L"", 2, L"1000", 0, 0, true, false, L"1000", L"500", true},
                      kFreshWindow}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

}  // namespace
