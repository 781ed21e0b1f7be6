#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "PropertyStream.h"

using namespace std::literals;

namespace {

// Widget is the base; Label, Knob and Toggle add their own properties, and
// Toggle redeclares Knob's Int32 `Value` as a Boolean.
class Widget : public fw::Object {
public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    void SetParent(std::string p) { parent = std::move(p); }

    std::string name;
    std::int32_t index = 0, left = 0, top = 0, macProcId = 0;
    bool visible = false;
    std::string parent;
};

class Label : public Widget {
public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    void SetText(std::string t) { text = std::move(t); }
    const std::string& Text() const { return text; }

    std::string text;
    fw::Color textColor;
    bool multiLine = false, enabled = false;
};

class Knob : public Widget {
public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    std::int32_t value = 0;
};

class Toggle : public Knob {
public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    bool on = false;
};

const fw::ClassRecord& Widget::ClassInfo()
{
    static constexpr fw::PropertyDecl properties[] = {
        fw::Field<&Widget::name>("Name"),          fw::Field<&Widget::index>("Index"),
        fw::Field<&Widget::left>("Left"),          fw::Field<&Widget::top>("Top"),
        fw::Field<&Widget::visible>("Visible"),    fw::Field<&Widget::macProcId>("MacProcId"),
        fw::WriteOnlyProperty<&Widget::SetParent>("InitialParent"),
    };
    static const fw::ClassRecord record{"Widget", nullptr, properties};
    return record;
}

const fw::ClassRecord& Label::ClassInfo()
{
    static constexpr fw::PropertyDecl properties[] = {
        fw::Property<&Label::SetText, &Label::Text>("Text"),
        fw::Field<&Label::textColor>("TextColor"),
        fw::Field<&Label::multiLine>("MultiLine"),
        fw::Field<&Label::enabled>("Enabled"),
    };
    static const fw::ClassRecord record{"Label", &Widget::ClassInfo(), properties};
    return record;
}

const fw::ClassRecord& Knob::ClassInfo()
{
    static constexpr fw::PropertyDecl properties[] = {fw::Field<&Knob::value>("Value")};
    static const fw::ClassRecord record{"Knob", &Widget::ClassInfo(), properties};
    return record;
}

const fw::ClassRecord& Toggle::ClassInfo()
{
    static constexpr fw::PropertyDecl properties[] = {fw::Field<&Toggle::on>("Value")};
    static const fw::ClassRecord record{"Toggle", &Knob::ClassInfo(), properties};
    return record;
}

enum class Target { Label, Knob, Toggle };

std::unique_ptr<Widget> Make(Target target)
{
    switch (target) {
    case Target::Label: return std::make_unique<Label>();
    case Target::Knob: return std::make_unique<Knob>();
    case Target::Toggle: return std::make_unique<Toggle>();
    }
    return nullptr;
}

struct GoodStream {
    const char* label;
    Target target;
    std::string_view stream;
    std::vector<std::pair<std::string_view, fw::PropertyValue>> expected;
};

const GoodStream kGoodStreams[] = {
    {"EmptyStreamSetsNothing", Target::Label, ""sv, {{"Left", 0}, {"Text", ""s}}},
    {"StringHoldsBlanks", Target::Label, "Text \x00\x00\x00\x11" "Donate via PayPalName \x00\x00\x00\x05" "Hex #Top \x00\x00\x00\x03"sv,
     {{"Text", "Donate via PayPal"s}, {"Name", "Hex #"s}, {"Top", 3}}},
    {"StringSpellingARecordIsText", Target::Label, "Text \x00\x00\x00\x07Left \x00\x00Top \x00\x00\x00\x05"sv,
     {{"Text", "Left \0\0"s}, {"Left", 0}, {"Top", 5}}},
    {"Int32SpellingARecordIsANumber", Target::Label, "Left Top Top \x00\x00\x00\x01"sv, {{"Left", 0x546F7020}, {"Top", 1}}},
    {"ColourHoldsBlankAndNul", Target::Label, "TextColor \x00\x20\xFFVisible \x01"sv,
     {{"TextColor", fw::Color{0x0020FF}}, {"Visible", true}}},
    {"TwoByteCharacterCountsTwo", Target::Label, "Text \x00\x00\x00\x02\xC3\xA9" "Enabled \x01"sv,
     {{"Text", "\xC3\xA9"s}, {"Enabled", true}}},
    {"EmptyStringIsFourZeroBytes", Target::Label, "Name \x00\x00\x00\x00Visible \x01"sv, {{"Name", ""s}, {"Visible", true}}},
    {"NegativeCoordinates", Target::Label, "Top \xFF\xFF\xFF\xFELeft \xFF\xFF\xFF\xFF"sv, {{"Top", -2}, {"Left", -1}}},
    {"IndexIsInt32Min", Target::Knob, "Index \x80\x00\x00\x00Left \x00\x00\x01\x02"sv, {{"Index", INT32_MIN}, {"Left", 258}}},
    {"NamesMatchIgnoringCase", Target::Label, "Multiline \x01MacProcID \x00\x00\x00\x07" "Enabled \x01Visible \x01"sv,
     {{"MultiLine", true}, {"MacProcId", 7}, {"Enabled", true}, {"Visible", true}}},
    {"ValueIsFourBytesOnKnob", Target::Knob, "Value \x00\x00\x00\x2ALeft \x00\x00\x00\x01"sv, {{"Value", 42}, {"Left", 1}}},
    {"ValueIsOneByteOnToggle", Target::Toggle, "Value \x01Left \x00\x00\x00\x01"sv, {{"Value", true}, {"Left", 1}}},
};

class GoodStreamTest : public ::testing::TestWithParam<GoodStream> {};

TEST_P(GoodStreamTest, AppliesEveryRecord)
{
    const GoodStream& row = GetParam();
    auto target = Make(row.target);
    fw::RuntimeMassPropertySetter(*target, row.stream);
    for (const auto& [name, value] : row.expected) EXPECT_EQ(target->GetProperty(name), value) << name;
}

INSTANTIATE_TEST_SUITE_P(Reader, GoodStreamTest, ::testing::ValuesIn(kGoodStreams),
                         [](const auto& row) { return std::string(row.param.label); });

struct BadStream {
    const char* label;
    Target target;
    std::string_view stream;
    std::size_t offset;
    std::string_view property;
};

const BadStream kBadStreams[] = {
    {"UnknownName", Target::Label, "Left \x00\x00\x00\x01Value \x01"sv, 9, "Value"},
    {"CutShortInt32", Target::Label, "Top \x00\x00\x00\x01Left \x00\x00"sv, 8, "Left"},
    {"CutShortBoolean", Target::Label, "Visible "sv, 0, "Visible"},
    {"CutShortColour", Target::Label, "TextColor \x01\x02"sv, 0, "TextColor"},
    {"CutShortStringCount", Target::Label, "Text \x00\x00"sv, 0, "Text"},
    {"CutShortStringBytes", Target::Label, "Visible \x01Text \x00\x00\x00\x05" "abc"sv, 9, "Text"},
    {"HugeStringCount", Target::Label, "Text \xFF\xFF\xFF\xFF" "abc"sv, 0, "Text"},
    {"MissingBlankAtEnd", Target::Label, "Top \x00\x00\x00\x01Left"sv, 8, "Left"},
    {"LowercaseName", Target::Label, "left \x00\x00\x00\x01"sv, 0, "left"},
    {"DigitFirstName", Target::Label, "9Left \x00\x00\x00\x01"sv, 0, "9Left"},
    {"ByteOutsideName", Target::Label, "Le-ft \x00\x00\x00\x01"sv, 0, "Le"},
    {"BlankInsteadOfName", Target::Label, " Left \x00\x00\x00\x01"sv, 0, ""},
    {"BooleanByteTwo", Target::Label, "Visible \x02"sv, 0, "Visible"},
    // Read as a Boolean, Knob's four-byte form leaves three bytes that cannot start a record.
    {"ToggleValueIsNotInt32", Target::Toggle, "Value \x00\x00\x00\x01"sv, 7, ""},
};

class BadStreamTest : public ::testing::TestWithParam<BadStream> {};

TEST_P(BadStreamTest, RaisesWithOffsetAndName)
{
    const BadStream& row = GetParam();
    auto target = Make(row.target);
    try {
        fw::RuntimeMassPropertySetter(*target, row.stream);
        FAIL() << "no exception";
    } catch (const fw::PropertyStreamException& e) {
        EXPECT_EQ(e.Offset(), row.offset) << e.what();
        EXPECT_EQ(e.Property(), row.property) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Reader, BadStreamTest, ::testing::ValuesIn(kBadStreams),
                         [](const auto& row) { return std::string(row.param.label); });

TEST(Reader, RecordsBeforeAnErrorStayApplied)
{
    Label label;
    EXPECT_THROW(fw::RuntimeMassPropertySetter(label, "Top \x00\x00\x00\x04" "Bogus \x01"sv), fw::PropertyStreamException);
    EXPECT_EQ(label.top, 4);
}

TEST(Reader, WriteOnlyPropertyIsSet)
{
    Label label;
    fw::RuntimeMassPropertySetter(label, "InitialParent \x00\x00\x00\x09GroupBox1"sv);
    EXPECT_EQ(label.parent, "GroupBox1");
}

constexpr auto kWritten = fw::MakeStream([] {
    fw::StreamWriter w;
    w.String("Name", "Hex #").Int32("Top", -2).Boolean("Visible", true).Colour("TextColor", 0x12, 0x00, 0xFF);
    w.Int32("Index", INT32_MIN).String("Text", "");
    return w;
});

TEST(Writer, MakeStreamWritesTheFormat)
{
    EXPECT_EQ(kWritten.View(), "Name \x00\x00\x00\x05Hex #Top \xFF\xFF\xFF\xFEVisible \x01TextColor \x12\x00\xFF"
                               "Index \x80\x00\x00\x00Text \x00\x00\x00\x00"sv);
}

}  // namespace
