#include "engine/decimal_text.h"

#include <limits>

namespace {

bool IsScanSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

}  // namespace

std::optional<int32_t> ScanDecimalInt(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && IsScanSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  if (i >= text.size() || text[i] < L'0' || text[i] > L'9') return std::nullopt;

  // Accumulate the magnitude and stop growing it once it is past any 32-bit value.
  constexpr int64_t kBeyondRange = int64_t{std::numeric_limits<int32_t>::max()} + 2;
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    if (magnitude < kBeyondRange) magnitude = magnitude * 10 + (text[i] - L'0');
  }
  const int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

int32_t IntFromText(std::wstring_view text, int32_t fallback) {
  if (text.empty()) return fallback;
  return ScanDecimalInt(text).value_or(fallback);
}

std::wstring DecimalText(int32_t value) { return std::to_wstring(value); }
