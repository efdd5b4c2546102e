#include "engine/decimal_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kFallback = -77;

struct ScanCase {
  const char* name;
  const wchar_t* text;
  std::optional<int32_t> scanned;
  int32_t fromText;  // IntFromText with kFallback
};

void PrintTo(const ScanCase& c, std::ostream* out) { *out << c.name; }

class DecimalTextTest : public testing::TestWithParam<ScanCase> {};

TEST_P(DecimalTextTest, ReadsLikePercentD) {
  EXPECT_EQ(ScanDecimalInt(GetParam().text), GetParam().scanned);
  EXPECT_EQ(IntFromText(GetParam().text, kFallback), GetParam().fromText);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalTextTest,
    testing::Values(
        ScanCase{"Plain", L"250", 250, 250}, ScanCase{"TrailingLetters", L"12ab", 12, 12},
        ScanCase{"Letters", L"ab", std::nullopt, kFallback}, ScanCase{"Empty", L"", std::nullopt, kFallback},
        ScanCase{"OnlyBlanks", L"   ", std::nullopt, kFallback}, ScanCase{"LeadingBlanks", L"  7", 7, 7},
        ScanCase{"LeadingTabAndNewline", L"\t\n\r 8", 8, 8},
        ScanCase{"BlankAfterSign", L"- 5", std::nullopt, kFallback}, ScanCase{"Plus", L"+5", 5, 5},
        ScanCase{"Minus", L"-12", -12, -12}, ScanCase{"SignOnly", L"-", std::nullopt, kFallback},
        ScanCase{"TwoSigns", L"+-3", std::nullopt, kFallback}, ScanCase{"MinusZero", L"-0", 0, 0},
        ScanCase{"Zero", L"0", 0, 0}, ScanCase{"LeadingZeros", L"0000000000000000000042", 42, 42},
        ScanCase{"DigitsThenBlank", L"3 4", 3, 3}, ScanCase{"DecimalPoint", L"2.9", 2, 2},
        ScanCase{"Largest", L"2147483647", kMax, kMax}, ScanCase{"Smallest", L"-2147483648", kMin, kMin},
        ScanCase{"OnePastLargest", L"2147483648", kMax, kMax},
        ScanCase{"OnePastSmallest", L"-2147483649", kMin, kMin},
        ScanCase{"FarPastLargest", L"99999999999", kMax, kMax},
        ScanCase{"FarPastSmallest", L"-99999999999", kMin, kMin},
        ScanCase{"PastTwoToThe32", L"4294967297", kMax, kMax},
        ScanCase{"TwentyFiveDigits", L"1234567890123456789012345x", kMax, kMax}),
    [](const testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

TEST(DecimalText, WritesSignedDecimal) {
  EXPECT_EQ(DecimalText(0), L"0");
  EXPECT_EQ(DecimalText(-1), L"-1");
  EXPECT_EQ(DecimalText(1000), L"1000");
  EXPECT_EQ(DecimalText(kMin), L"-2147483648");
  EXPECT_EQ(DecimalText(kMax), L"2147483647");
}

}  // namespace
