#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "Object.h"

namespace fw {

// Applies a property stream to an object: each record is a property name, one
// blank and the value in the form of the type that the object's class (or one
// of its bases) declares for that name, matched without regard to case. A
// malformed stream raises PropertyStreamException naming the offset and the
// property; nothing is read past the end.
void RuntimeMassPropertySetter(Object& target, std::string_view stream);

inline void _SetProperties(Object& target, std::string_view stream)
{
    RuntimeMassPropertySetter(target, stream);
}

// Builds the bytes of a property stream; usable at compile time, so that
// streams are constants written as lists of named records. The bytes live in
// a vector, not a std::string: clang cannot evaluate libstdc++'s short-string
// buffer in a constant expression.
class StreamWriter {
public:
    constexpr StreamWriter& Int32(std::string_view name, std::int32_t value)
    {
        Name(name);
        const auto u = static_cast<std::uint32_t>(value);
        for (int shift = 24; shift >= 0; shift -= 8) bytes_.push_back(static_cast<char>((u >> shift) & 0xFFu));
        return *this;
    }
    constexpr StreamWriter& Boolean(std::string_view name, bool value)
    {
        Name(name);
        bytes_.push_back(value ? '\x01' : '\x00');
        return *this;
    }
    constexpr StreamWriter& Colour(std::string_view name, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    {
        Name(name);
        bytes_.push_back(static_cast<char>(red));
        bytes_.push_back(static_cast<char>(green));
        bytes_.push_back(static_cast<char>(blue));
        return *this;
    }
    constexpr StreamWriter& String(std::string_view name, std::string_view text)
    {
        Name(name);
        const auto n = static_cast<std::uint32_t>(text.size());
        for (int shift = 24; shift >= 0; shift -= 8) bytes_.push_back(static_cast<char>((n >> shift) & 0xFFu));
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        return *this;
    }
    constexpr std::string_view Bytes() const { return {bytes_.data(), bytes_.size()}; }

private:
    constexpr void Name(std::string_view name)
    {
        bytes_.insert(bytes_.end(), name.begin(), name.end());
        bytes_.push_back(' ');
    }
    std::vector<char> bytes_;
};

// A stream constant: counted bytes, never NUL-terminated text.
template <std::size_t N>
struct StreamConstant {
    std::array<char, N> bytes{};
    constexpr std::string_view View() const { return {bytes.data(), N}; }
    constexpr operator std::string_view() const { return View(); }
};

// Turns a captureless lambda returning a StreamWriter into a constant.
template <class Build>
consteval auto MakeStream(Build build)
{
    constexpr std::size_t size = Build{}().Bytes().size();
    StreamConstant<size> out;
    const StreamWriter writer = build();
    const std::string_view bytes = writer.Bytes();
    for (std::size_t i = 0; i < size; ++i) out.bytes[i] = bytes[i];
    return out;
}

}  // namespace fw
