// The property-stream reader, fed good streams and bad ones, each in a heap
// block of exactly its size so that the sanitizers catch a read past the end.

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "PropertyStream.h"

using namespace std::literals;

namespace {

// Toggle redeclares Label's Int32 `Value` as a Boolean.
class Label : public fw::Object {
public:
    static const fw::ClassRecord& ClassInfo()
    {
        static constexpr fw::PropertyDecl properties[] = {
            fw::Field<&Label::name>("Name"),   fw::Field<&Label::text>("Text"),
            fw::Field<&Label::left>("Left"),   fw::Field<&Label::top>("Top"),
            fw::Field<&Label::value>("Value"), fw::Field<&Label::macProcId>("MacProcId"),
            fw::Field<&Label::visible>("Visible"), fw::Field<&Label::multiLine>("MultiLine"),
            fw::Field<&Label::textColor>("TextColor")};
        static const fw::ClassRecord record{"Label", nullptr, properties};
        return record;
    }
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    std::string name, text;
    std::int32_t left = 0, top = 0, value = 0, macProcId = 0;
    bool visible = false, multiLine = false;
    fw::Color textColor;
};

class Toggle : public Label {
public:
    static const fw::ClassRecord& ClassInfo()
    {
        static constexpr fw::PropertyDecl properties[] = {fw::Field<&Toggle::on>("Value")};
        static const fw::ClassRecord record{"Toggle", &Label::ClassInfo(), properties};
        return record;
    }
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    bool on = false;
};

void ApplyFromExactBlock(Label& target, std::string_view stream)
{
    const auto block = std::make_unique_for_overwrite<char[]>(stream.size());
    std::copy(stream.begin(), stream.end(), block.get());
    fw::RuntimeMassPropertySetter(target, std::string_view(block.get(), stream.size()));
}

struct GoodStream { const char* label; bool toggle; std::string_view stream;
                    std::vector<std::pair<std::string_view, fw::PropertyValue>> expected; };

class GoodStreamTest : public ::testing::TestWithParam<GoodStream> {};

TEST_P(GoodStreamTest, AppliesEveryRecord)
{
    Label label;
    Toggle toggle;
    Label& target = GetParam().toggle ? toggle : label;
    ApplyFromExactBlock(target, GetParam().stream);
    for (const auto& [name, value] : GetParam().expected) EXPECT_EQ(target.GetProperty(name), value) << name;
}

INSTANTIATE_TEST_SUITE_P(Reader, GoodStreamTest, ::testing::Values(
    GoodStream{"StringWithBlankAndNulIsReadByItsCount", false, "Text \0\0\0\x07Left \0\0Name \0\0\0\0Top \0\0\0\x05"sv,
               {{"Text", "Left \0\0"s}, {"Name", ""s}, {"Top", 5}}},
    GoodStream{"Int32SpellingARecordIsANumber", false, "Left Top Top \0\0\0\x01"sv, {{"Left", 0x546F7020}, {"Top", 1}}},
    GoodStream{"ColourIsThreeBytesInt32IsSigned", false, "TextColor \0\x20\xFFTop \xFF\xFF\xFF\xFELeft \x80\0\0\0"sv,
               {{"TextColor", fw::Color{0x0020FF}}, {"Top", -2}, {"Left", INT_MIN}}},
    GoodStream{"NamesMatchIgnoringCase", false, "Multiline \x01MacProcID \0\0\0\x07"sv,
               {{"MultiLine", true}, {"MacProcId", 7}}},
    GoodStream{"ValueIsFourBytesOnLabel", false, "Value \0\0\0\x2ALeft \0\0\0\x01"sv, {{"Value", 42}, {"Left", 1}}},
    GoodStream{"ValueIsOneByteOnToggle", true, "Value \x01Left \0\0\0\x01"sv, {{"Value", true}, {"Left", 1}}}),
    [](const auto& row) { return std::string(row.param.label); });

struct BadStream { const char* label; std::string_view stream; std::size_t offset; std::string_view property; };

class BadStreamTest : public ::testing::TestWithParam<BadStream> {};

TEST_P(BadStreamTest, RaisesWithOffsetAndName)
{
    Label label;
    try {
        ApplyFromExactBlock(label, GetParam().stream);
        ADD_FAILURE() << "no exception";
    } catch (const fw::PropertyStreamException& e) {
        EXPECT_EQ(e.Offset(), GetParam().offset) << e.what();
        EXPECT_EQ(e.Property(), GetParam().property) << e.what();
        EXPECT_NE(std::string(e.what()).find("at byte " + std::to_string(GetParam().offset)), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Reader, BadStreamTest, ::testing::Values(
    BadStream{"LastNameRunsToTheEnd", "Top \0\0\0\x01Left"sv, 8, "Left"},
    BadStream{"EndsInsideInt32", "Top \0\0\0\x01Left \0\0"sv, 8, "Left"},
    BadStream{"EndsInsideString", "Visible \x01Text \0\0\0\x05" "abc"sv, 9, "Text"},
    BadStream{"UnknownName", "Left \0\0\0\x01" "Bogus \x01"sv, 9, "Bogus"},
    BadStream{"LowercaseName", "left \0\0\0\x01"sv, 0, "left"}, BadStream{"ByteInName", "Le-ft \x01"sv, 0, "Le"},
    BadStream{"BlankForName", " Left \x01"sv, 0, ""}, BadStream{"BooleanByteTwo", "Visible \x02"sv, 0, "Visible"}),
    [](const auto& row) { return std::string(row.param.label); });

}  // namespace
