// The property-stream reader, fed good streams and bad ones.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "PropertyStream.h"

using namespace std::literals;

namespace {

// Toggle redeclares Label's Int32 `Value` as a Boolean.
class Label : public fw::Object {
public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    void SetParent(std::string p) { parent = std::move(p); }
    void SetText(std::string t) { text = std::move(t); }
    const std::string& Text() const { return text; }

    std::string name, parent, text;
    std::int32_t left = 0, top = 0, macProcId = 0, value = 0;
    bool visible = false, multiLine = false;
    fw::Color textColor;
};

class Toggle : public Label {
public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    bool on = false;
};

const fw::ClassRecord& Label::ClassInfo()
{
    static constexpr fw::PropertyDecl properties[] = {
        fw::Field<&Label::name>("Name"),           fw::Field<&Label::left>("Left"),
        fw::Field<&Label::top>("Top"),             fw::Field<&Label::visible>("Visible"),
        fw::Field<&Label::value>("Value"),         fw::Field<&Label::macProcId>("MacProcId"),
        fw::Field<&Label::textColor>("TextColor"), fw::Field<&Label::multiLine>("MultiLine"),
        fw::Property<&Label::SetText, &Label::Text>("Text"),
        fw::WriteOnlyProperty<&Label::SetParent>("InitialParent"),
    };
    static const fw::ClassRecord record{"Label", nullptr, properties};
    return record;
}

const fw::ClassRecord& Toggle::ClassInfo()
{
    static constexpr fw::PropertyDecl properties[] = {fw::Field<&Toggle::on>("Value")};
    static const fw::ClassRecord record{"Toggle", &Label::ClassInfo(), properties};
    return record;
}

struct GoodStream { const char* label; bool toggle; std::string_view stream;
                    std::vector<std::pair<std::string_view, fw::PropertyValue>> expected; };

const GoodStream kGoodStreams[] = {
    {"EmptyStreamSetsNothing", false, ""sv, {{"Left", 0}, {"Text", ""s}}},
    {"StringHoldsBlanks", false, "Text \x00\x00\x00\x11" "Donate via PayPalName \x00\x00\x00\x05" "Hex #Top \x00\x00\x00\x03"sv,
     {{"Text", "Donate via PayPal"s}, {"Name", "Hex #"s}, {"Top", 3}}},
    {"StringSpellingARecordIsText", false, "Text \x00\x00\x00\x07Left \x00\x00Top \x00\x00\x00\x05"sv,
     {{"Text", "Left \0\0"s}, {"Left", 0}, {"Top", 5}}},
    {"Int32SpellingARecordIsANumber", false, "Left Top Top \x00\x00\x00\x01"sv, {{"Left", 0x546F7020}, {"Top", 1}}},
    {"ColourHoldsBlankAndNul", false, "TextColor \x00\x20\xFFVisible \x01"sv,
     {{"TextColor", fw::Color{0x0020FF}}, {"Visible", true}}},
    {"TwoByteCharacterCountsTwo", false, "Text \x00\x00\x00\x02\xC3\xA9" "Visible \x01"sv,
     {{"Text", "\xC3\xA9"s}, {"Visible", true}}},
    {"SignedInt32", false, "Top \xFF\xFF\xFF\xFELeft \x80\x00\x00\x00"sv, {{"Top", -2}, {"Left", INT32_MIN}}},
    {"NamesMatchIgnoringCase", false, "Multiline \x01MacProcID \x00\x00\x00\x07"sv,
     {{"MultiLine", true}, {"MacProcId", 7}}},
    {"ValueIsFourBytesOnLabel", false, "Value \x00\x00\x00\x2ALeft \x00\x00\x00\x01"sv, {{"Value", 42}, {"Left", 1}}},
    {"ValueIsOneByteOnToggle", true, "Value \x01Left \x00\x00\x00\x01"sv, {{"Value", true}, {"Left", 1}}},
};

class GoodStreamTest : public ::testing::TestWithParam<GoodStream> {};

TEST_P(GoodStreamTest, AppliesEveryRecord)
{
    const GoodStream& row = GetParam();
    Label label;
    Toggle toggle;
    Label& target = row.toggle ? toggle : label;
    fw::RuntimeMassPropertySetter(target, row.stream);
    for (const auto& [name, value] : row.expected) EXPECT_EQ(target.GetProperty(name), value) << name;
}

INSTANTIATE_TEST_SUITE_P(Reader, GoodStreamTest, ::testing::ValuesIn(kGoodStreams),
                         [](const auto& row) { return std::string(row.param.label); });

struct BadStream { const char* label; std::string_view stream; std::size_t offset; std::string_view property; };

const BadStream kBadStreams[] = {
    {"UnknownName", "Left \x00\x00\x00\x01" "Bogus \x01"sv, 9, "Bogus"},
    {"CutShortInt32", "Top \x00\x00\x00\x01Left \x00\x00"sv, 8, "Left"},
    {"CutShortColour", "TextColor \x01\x02"sv, 0, "TextColor"},
    {"CutShortStringCount", "Text \x00\x00"sv, 0, "Text"},
    {"CutShortStringBytes", "Visible \x01Text \x00\x00\x00\x05" "abc"sv, 9, "Text"},
    {"HugeStringCount", "Text \xFF\xFF\xFF\xFF" "abc"sv, 0, "Text"},
    {"MissingBlankAtEnd", "Top \x00\x00\x00\x01Left"sv, 8, "Left"},
    {"LowercaseName", "left \x00\x00\x00\x01"sv, 0, "left"},
    {"ByteOutsideName", "Le-ft \x00\x00\x00\x01"sv, 0, "Le"},
    {"BlankInsteadOfName", " Left \x00\x00\x00\x01"sv, 0, ""},
    {"BooleanByteTwo", "Visible \x02"sv, 0, "Visible"},
};

class BadStreamTest : public ::testing::TestWithParam<BadStream> {};

TEST_P(BadStreamTest, RaisesWithOffsetAndName)
{
    const BadStream& row = GetParam();
    Label label;
    try {
        fw::RuntimeMassPropertySetter(label, row.stream);
        FAIL() << "no exception";
    } catch (const fw::PropertyStreamException& e) {
        EXPECT_EQ(e.Offset(), row.offset) << e.what();
        EXPECT_EQ(e.Property(), row.property) << e.what();
        EXPECT_NE(std::string(e.what()).find("at byte " + std::to_string(row.offset)), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Reader, BadStreamTest, ::testing::ValuesIn(kBadStreams),
                         [](const auto& row) { return std::string(row.param.label); });

TEST(Reader, RecordsBeforeAnErrorStayAppliedWriteOnlyOnesIncluded)
{
    Label label;
    EXPECT_THROW(fw::RuntimeMassPropertySetter(label, "InitialParent \x00\x00\x00\x09GroupBox1Top \x00\x00\x00\x04"
                                                      "Bogus \x01"sv),
                 fw::PropertyStreamException);
    EXPECT_EQ(label.parent, "GroupBox1");
    EXPECT_EQ(label.top, 4);
}

// A fold by OR-ing 0x20 would equate "@" and "`"; folding beyond ASCII could
// equate two different UTF-8 names.
TEST(ClassRecord, NamesFoldAsciiLettersOnly)
{
    EXPECT_TRUE(fw::EqualsIgnoringCase("Multiline", "MultiLine"));
    EXPECT_FALSE(fw::EqualsIgnoringCase("Width", "Widths"));
    EXPECT_FALSE(fw::EqualsIgnoringCase("A@", "a`"));
    EXPECT_FALSE(fw::EqualsIgnoringCase("\xC3\xA9", "\xC3\x89"));
}

}  // namespace
