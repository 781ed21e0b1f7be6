#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// 8 bits each of red, green and blue, packed as red * 65536 + green * 256 + blue.
struct Color {
    std::uint32_t value = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

// The number at the start of the text. Leading blanks are skipped; then an
// optional sign, digits, an optional fraction and an optional exponent, or
// "&h" and hexadecimal digits of either case. Reading stops at the first
// character outside the number; no number gives 0; a value beyond the range
// of a double gives the infinity of its sign.
double Val(std::string_view text);

std::string Str(std::int32_t value);
// Whole numbers print as bare digits; others in the shortest form that reads
// back to the same double.
std::string Str(double value);

// Upper-case digits, no leading zeros; a negative value gives its 32-bit two's
// complement.
std::string Hex(std::int32_t value);

// Nearest whole number, halves away from zero.
double Round(double value);

// Each channel is limited to 0..255 first.
Color RGB(std::int32_t red, std::int32_t green, std::int32_t blue);

// Round to nearest, halves away from zero; saturates beyond the Int32 range;
// NaN gives 0.
std::int32_t RuntimeCvtReal64ToSInt32(double value);
double RuntimeCvtSInt32ToReal64(std::int32_t value);

std::string RuntimeAddString(std::string_view left, std::string_view right);
int RuntimeStringCompare(std::string_view left, std::string_view right);

}  // namespace fw
