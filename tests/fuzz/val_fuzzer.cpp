// Val over arbitrary bytes, then the texts and conversions that follow it in
// the program. Any broken property traps so that the fuzzer reports it.
#include "Text.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void Require(bool condition)
{
    if (!condition) __builtin_trap();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A view of exactly the input, so that a read past its end is caught.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = fw::Val(text);
    Require(!std::isnan(value));

    // Text that starts (after blanks) with no digit, point, sign or "&" has no number.
    std::size_t first = 0;
    while (first < size && IsBlank(text[first])) ++first;
    if (first < size && std::strchr("abcxyz%", text[first]) != nullptr && text[first] != '\0') Require(value == 0);

    const std::int32_t whole = fw::RuntimeCvtReal64ToSInt32(value);
    Require(std::fabs(static_cast<double>(whole) - value) <= 0.5 || std::fabs(value) > 2147483647.0);

    const std::string printed = fw::Str(value);
    if (std::isfinite(value)) Require(fw::Val(printed) == value);

    // Int32 texts of every kind read back exactly.
    if (size >= 4) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        const auto x = static_cast<std::int32_t>(bits);
        Require(fw::Val(fw::Str(x)) == x);
        Require(fw::RuntimeCvtReal64ToSInt32(fw::RuntimeCvtSInt32ToReal64(x)) == x);
        if (x >= 0) Require(fw::Val("&h" + fw::Hex(x)) == x);
    }

    // Comparing a text with itself in another case gives 0, and the order is antisymmetric.
    const std::string half(text.substr(0, size / 2));
    const std::string_view rest = text.substr(size / 2);
    std::string shouted = half;
    for (char& c : shouted) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    Require(fw::RuntimeStringCompare(half, shouted) == 0);
    const int forward = fw::RuntimeStringCompare(half, rest);
    const int backward = fw::RuntimeStringCompare(rest, half);
    Require((forward < 0) == (backward > 0) && (forward == 0) == (backward == 0));
    return 0;
}
