#include "engine/click_sequence.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr ClickStep Event(uint32_t flag) { return {ClickStep::Kind::kEvent, flag}; }
constexpr ClickStep kPause100{ClickStep::Kind::kPause, 100};

struct SequenceCase {
  const char* name;
  int32_t button;
  int32_t action;
  std::vector<ClickStep> steps;
};

void PrintTo(const SequenceCase& c, std::ostream* out) { *out << c.name; }

class ClickSequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(ClickSequenceTest, GivesTheEventsOfTheButtonAndAction) {
  const std::vector<ClickStep> steps = ClickSequence(GetParam().button, GetParam().action);
  ASSERT_EQ(steps.size(), GetParam().steps.size());
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].kind, GetParam().steps[i].kind) << "step " << i;
    EXPECT_EQ(steps[i].value, GetParam().steps[i].value) << "step " << i;
  }
}

const ClickStep kLeftDown = Event(0x0002), kLeftUp = Event(0x0004);
const ClickStep kRightDown = Event(0x0008), kRightUp = Event(0x0010);
const ClickStep kMiddleDown = Event(0x0020), kMiddleUp = Event(0x0040);

INSTANTIATE_TEST_SUITE_P(
    ButtonsAndActions, ClickSequenceTest,
    testing::Values(
        SequenceCase{"LeftSingle", 0, 0, {kLeftDown, kLeftUp}},
        SequenceCase{"LeftDouble", 0, 1, {kLeftDown, kLeftUp, kPause100, kLeftDown, kLeftUp}},
        SequenceCase{"LeftDown", 0, 2, {kLeftDown}}, SequenceCase{"LeftUp", 0, 3, {kLeftUp}},
        SequenceCase{"MiddleSingle", 1, 0, {kMiddleDown, kMiddleUp}},
        SequenceCase{"MiddleDouble", 1, 1, {kMiddleDown, kMiddleUp, kPause100, kMiddleDown, kMiddleUp}},
        SequenceCase{"MiddleDown", 1, 2, {kMiddleDown}}, SequenceCase{"MiddleUp", 1, 3, {kMiddleUp}},
        SequenceCase{"RightSingle", 2, 0, {kRightDown, kRightUp}},
        SequenceCase{"RightDouble", 2, 1, {kRightDown, kRightUp, kPause100, kRightDown, kRightUp}},
        SequenceCase{"RightDown", 2, 2, {kRightDown}}, SequenceCase{"RightUp", 2, 3, {kRightUp}},
        // A list without a selection gives -1; other indexes cannot come from the lists at all.
        SequenceCase{"NoButtonSingle", -1, 0, {}}, SequenceCase{"NoButtonDouble", -1, 1, {}},
        SequenceCase{"ButtonThree", 3, 0, {}}, SequenceCase{"ButtonThreeDouble", 3, 1, {}},
        SequenceCase{"ButtonMinimum", INT32_MIN, 0, {}}, SequenceCase{"LeftNoAction", 0, -1, {}},
        SequenceCase{"LeftActionFour", 0, 4, {}}, SequenceCase{"RightActionFour", 2, 4, {}},
        SequenceCase{"MiddleActionMaximum", 1, INT32_MAX, {}}, SequenceCase{"NeitherSelected", -1, -1, {}}),
    [](const testing::TestParamInfo<SequenceCase>& info) { return std::string(info.param.name); });

}  // namespace
