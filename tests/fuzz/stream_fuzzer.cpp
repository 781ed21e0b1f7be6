// Arbitrary bytes as a property stream: the reader may only succeed or raise
// PropertyStreamException. Then a stream written from the same bytes must
// read back as written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "PropertyStream.h"

namespace {

class Base : public fw::Object {
public:
    static const fw::ClassRecord& ClassInfo()
    {
        static constexpr fw::PropertyDecl properties[] = {
            fw::Field<&Base::left>("Left"), fw::Field<&Base::visible>("Visible"),
            fw::Field<&Base::name>("Name"), fw::Field<&Base::back>("BackColor"),
            fw::Field<&Base::value>("Value"),
        };
        static const fw::ClassRecord record{"Base", nullptr, properties};
        return record;
    }
    const fw::ClassRecord& Class() const override { return ClassInfo(); }

    std::int32_t left = 0;
    bool visible = false;
    std::string name;
    fw::Color back;
    std::int32_t value = 0;
};

class Leaf : public Base {
public:
    static const fw::ClassRecord& ClassInfo()
    {
        static constexpr fw::PropertyDecl properties[] = {
            fw::Field<&Leaf::index>("Index"), fw::Field<&Leaf::multiLine>("MultiLine"),
            fw::Field<&Leaf::text>("Text"),   fw::Field<&Leaf::fill>("FillColor"),
            fw::Field<&Leaf::on>("Value"),
        };
        static const fw::ClassRecord record{"Leaf", &Base::ClassInfo(), properties};
        return record;
    }
    const fw::ClassRecord& Class() const override { return ClassInfo(); }

    std::int32_t index = 0;
    bool multiLine = false;
    std::string text;
    fw::Color fill;
    bool on = false;
};

// Spellings the writer may use, several differing from the declarations in case.
constexpr std::string_view kSpellings[] = {"Left", "LEFT",      "Visible",   "Name",  "BackColor", "Value",
                                           "Index", "Multiline", "MultiLine", "Text", "FILLCOLOR", "VALUE"};

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return pos_ == size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string Bytes(std::size_t count)
    {
        if (count > size_ - pos_) count = size_ - pos_;
        std::string out(reinterpret_cast<const char*>(data_ + pos_), count);
        pos_ += count;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void CheckWrittenStreamReadsBack(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    fw::StreamWriter writer;
    std::map<std::string_view, fw::PropertyValue> expected;  // by declared name: the last record wins
    while (!in.Empty()) {
        const std::string_view spelling = kSpellings[in.Byte() % std::size(kSpellings)];
        const fw::PropertyDecl& decl = *Leaf::ClassInfo().FindProperty(spelling);
        switch (decl.type) {
        case fw::PropertyType::Int32: {
            const auto v = static_cast<std::int32_t>(std::uint32_t{in.Byte()} << 24 | std::uint32_t{in.Byte()} << 16 |
                                                     std::uint32_t{in.Byte()} << 8 | in.Byte());
            writer.Int32(spelling, v);
            expected[decl.name] = v;
            break;
        }
        case fw::PropertyType::Boolean: {
            const bool v = (in.Byte() & 1) != 0;
            writer.Boolean(spelling, v);
            expected[decl.name] = v;
            break;
        }
        case fw::PropertyType::Color: {
            const std::uint8_t r = in.Byte(), g = in.Byte(), b = in.Byte();
            writer.Colour(spelling, r, g, b);
            expected[decl.name] = fw::Color{std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b};
            break;
        }
        case fw::PropertyType::String: {
            std::string v = in.Bytes(in.Byte());
            writer.String(spelling, v);
            expected[decl.name] = std::move(v);
            break;
        }
        }
    }
    Leaf leaf;
    fw::RuntimeMassPropertySetter(leaf, writer.Bytes());  // a well-formed stream: any exception is a fault
    for (const auto& [name, value] : expected)
        if (leaf.GetProperty(name) != value) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view stream(reinterpret_cast<const char*>(data), size);
    Leaf leaf;
    try {
        fw::RuntimeMassPropertySetter(leaf, stream);
    } catch (const fw::PropertyStreamException&) {
    }
    CheckWrittenStreamReadsBack(data, size);
    return 0;
}
