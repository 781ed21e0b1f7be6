#include "Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace fw {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// from_chars leaves the value untouched when it is out of range, so the side
// (overflow or underflow) is worked out from the decimal position of the first
// significant digit plus the exponent: at 10^0 or above it can only be overflow.
bool DecimalOverflows(std::string_view intDigits, std::string_view fracDigits, std::int64_t exponent)
{
    constexpr std::int64_t kFar = std::int64_t{1} << 40;
    std::int64_t position = 0;
    if (auto i = intDigits.find_first_not_of('0'); i != std::string_view::npos) {
        position = std::min<std::int64_t>(static_cast<std::int64_t>(intDigits.size() - i - 1), kFar);
    } else if (auto j = fracDigits.find_first_not_of('0'); j != std::string_view::npos) {
        position = -std::min<std::int64_t>(static_cast<std::int64_t>(j) + 1, kFar);
    } else {
        return false;
    }
    return position + exponent >= 0;
}

double ReadHex(std::string_view digits)
{
    std::size_t n = 0;
    while (n < digits.size() && IsHexDigit(digits[n])) ++n;
    if (n == 0) return 0;
    // The extent is ours, so from_chars never sees a '.' or 'p'; it rounds a
    // value too long for 53 bits correctly instead of accumulating errors.
    double value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + n, value, std::chars_format::hex);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) return kInfinity;
    return value;
}

}  // namespace

double Val(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t end = text.size();
    while (i < end && (text[i] == ' ' || text[i] == '\t')) ++i;

    if (end - i >= 2 && text[i] == '&' && (text[i + 1] == 'h' || text[i + 1] == 'H')) {
        return ReadHex(text.substr(i + 2));
    }

    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    const std::size_t numberStart = i;
    while (i < end && IsDigit(text[i])) ++i;
    const std::string_view intDigits = text.substr(numberStart, i - numberStart);
    std::string_view fracDigits;
    if (i < end && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < end && IsDigit(text[i])) ++i;
        fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty()) return 0;

    // An 'e' counts only when at least one exponent digit follows it.
    std::int64_t exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < end && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (j < end && IsDigit(text[j])) {
            constexpr std::int64_t kCap = std::int64_t{1} << 40;
            while (j < end && IsDigit(text[j])) {
                exponent = std::min(exponent * 10 + (text[j] - '0'), kCap);
                ++j;
            }
            if (expNegative) exponent = -exponent;
            i = j;
        }
    }

    double magnitude = 0;
    auto [ptr, ec] = std::from_chars(text.data() + numberStart, text.data() + i, magnitude,
                                     std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        magnitude = DecimalOverflows(intDigits, fracDigits, exponent) ? kInfinity : 0.0;
    } else if (ec != std::errc{}) {
        magnitude = 0;
    }
    return negative ? -magnitude : magnitude;
}

std::string Str(std::int32_t value)
{
    std::array<char, 16> buffer{};
    auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)ec;
    return std::string(buffer.data(), ptr);
}

// Infinities print as "inf" and "-inf" and NaN as "nan"; Val reads none of
// them back (they give 0), as they have no digits.
std::string Str(double value)
{
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (value == 0) return "0";  // also -0, which is still a whole number

    // A double's longest fixed form is a sign and 309 digits.
    std::array<char, 400> buffer{};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    const bool whole = std::trunc(value) == value;
    auto [ptr, ec] = whole ? std::to_chars(first, last, value, std::chars_format::fixed)
                           : std::to_chars(first, last, value);
    (void)ec;
    return std::string(first, ptr);
}

std::string Hex(std::int32_t value)
{
    std::array<char, 8> buffer{};
    auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                   static_cast<std::uint32_t>(value), 16);
    (void)ec;
    std::string result(buffer.data(), ptr);
    for (char& c : result) {
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

double Round(double value) { return std::round(value); }

Color RGB(std::int32_t red, std::int32_t green, std::int32_t blue)
{
    auto channel = [](std::int32_t v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return Color{channel(red) << 16 | channel(green) << 8 | channel(blue)};
}

std::int32_t RuntimeCvtReal64ToSInt32(double value)
{
    if (std::isnan(value)) return 0;
    const double rounded = std::round(value);
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    if (rounded <= static_cast<double>(kMin)) return kMin;
    if (rounded >= static_cast<double>(kMax)) return kMax;
    return static_cast<std::int32_t>(rounded);
}

double RuntimeCvtSInt32ToReal64(std::int32_t value) { return static_cast<double>(value); }

std::string RuntimeAddString(std::string_view left, std::string_view right)
{
    std::string result;
    result.reserve(left.size() + right.size());
    result.append(left).append(right);
    return result;
}

// ASCII letters fold to lower case; every other byte compares by its unsigned
// value, so the order does not depend on the locale.
int RuntimeStringCompare(std::string_view left, std::string_view right)
{
    const std::size_t common = std::min(left.size(), right.size());
    for (std::size_t k = 0; k < common; ++k) {
        const auto a = static_cast<unsigned char>(AsciiLower(left[k]));
        const auto b = static_cast<unsigned char>(AsciiLower(right[k]));
        if (a != b) return a < b ? -1 : 1;
    }
    if (left.size() == right.size()) return 0;
    return left.size() < right.size() ? -1 : 1;
}

}  // namespace fw
