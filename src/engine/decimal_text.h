#pragma once
// Numbers in the dialog's fields and in the settings file: written as signed decimal text and read
// the way "%d" reads them. Plain C++: no Windows headers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads text as swscanf with "%d" does: leading white space, an optional sign, then digits up to the
// first character that is not one; the rest is ignored. Empty if no digit follows. A number beyond the
// 32-bit range gives the nearest end of the range instead of whatever the C library's overflow makes.
std::optional<int32_t> ScanDecimalInt(std::wstring_view text);

// The whole text of a field read as a number, or fallback when it is empty or starts with no number.
int32_t IntFromText(std::wstring_view text, int32_t fallback);

// "%d".
std::wstring DecimalText(int32_t value);
