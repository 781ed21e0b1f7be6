#include "PropertyStream.h"

#include <cstdio>
#include <string>

namespace fw {

namespace {

constexpr bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

constexpr bool IsNameChar(char c)
{
    return IsUpper(c) || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string ByteText(char c)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    return text;
}

class StreamReader {
public:
    StreamReader(Object& target, std::string_view stream) : target_(target), stream_(stream) {}

    void ApplyAll()
    {
        while (pos_ < stream_.size()) ApplyRecord();
    }

private:
    [[noreturn]] void Fail(const std::string& problem) const
    {
        throw PropertyStreamException(recordStart_, std::string(name_), problem);
    }

    std::size_t Remaining() const { return stream_.size() - pos_; }

    // The next `count` bytes of the value being read, or an error naming what
    // the stream ended inside of.
    std::string_view Take(std::size_t count, std::string_view what)
    {
        if (count > Remaining()) {
            Fail("the stream ends inside " + std::string(what) + ": " + std::to_string(count) + " bytes needed, " +
                 std::to_string(Remaining()) + " left");
        }
        const std::string_view bytes = stream_.substr(pos_, count);
        pos_ += count;
        return bytes;
    }

    std::uint32_t ReadUInt32(std::string_view what)
    {
        std::uint32_t value = 0;
        for (const char c : Take(4, what)) value = (value << 8) | static_cast<unsigned char>(c);
        return value;
    }

    void ReadName()
    {
        std::size_t end = pos_;
        while (end < stream_.size() && IsNameChar(stream_[end])) ++end;
        name_ = stream_.substr(pos_, end - pos_);
        if (end == stream_.size()) Fail("the stream ends without the blank after the property name");
        if (stream_[end] != ' ') {
            Fail("byte " + ByteText(stream_[end]) + " at offset " + std::to_string(end) +
                 " cannot stand in a property name");
        }
        if (name_.empty()) Fail("a blank stands where a property name should begin");
        if (!IsUpper(name_.front())) Fail("a property name must begin with a capital letter");
        pos_ = end + 1;
    }

    PropertyValue ReadValue(PropertyType type)
    {
        switch (type) {
        case PropertyType::Int32:
            return static_cast<std::int32_t>(ReadUInt32("the Int32 value"));
        case PropertyType::Boolean: {
            const char byte = Take(1, "the Boolean value").front();
            if (byte != '\x00' && byte != '\x01') Fail("the Boolean value is " + ByteText(byte) + ", not 0x00 or 0x01");
            return byte == '\x01';
        }
        case PropertyType::Color: {
            std::uint32_t rgb = 0;
            for (const char c : Take(3, "the Colour value")) rgb = (rgb << 8) | static_cast<unsigned char>(c);
            return Color{rgb};
        }
        case PropertyType::String: {
            const std::uint32_t count = ReadUInt32("the String's byte count");
            return std::string(Take(count, "the String value"));
        }
        }
        Fail("the property has a type that streams cannot hold");
    }

    void ApplyRecord()
    {
        recordStart_ = pos_;
        name_ = {};
        ReadName();
        const PropertyDecl* decl = target_.Class().FindProperty(name_);
        if (decl == nullptr) Fail(std::string(target_.Class().name) + " has no property of this name");
        decl->set(target_, ReadValue(decl->type));
    }

    Object& target_;
    std::string_view stream_;
    std::size_t pos_ = 0;
    std::size_t recordStart_ = 0;
    std::string_view name_;
};

}  // namespace

// Records take effect one by one as they are read: a stream that turns out
// malformed part-way leaves the records before the bad one applied.
void RuntimeMassPropertySetter(Object& target, std::string_view stream)
{
    StreamReader(target, stream).ApplyAll();
}

}  // namespace fw
