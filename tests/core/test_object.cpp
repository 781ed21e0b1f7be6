#include <gtest/gtest.h>

#include <string>

#include "Object.h"

using namespace std::literals;

namespace {

// Records for lookups only: their setters are never called.
constexpr std::string_view kBaseEvents[] = {"Open", "LostFocus"};
constexpr fw::PropertyDecl kBaseProperties[] = {
    {"Width", fw::PropertyType::Int32, nullptr, nullptr},
    {"Value", fw::PropertyType::Int32, nullptr, nullptr},
};
constexpr fw::ClassRecord kBase{"Base", nullptr, kBaseProperties, kBaseEvents};

constexpr std::string_view kDerivedEvents[] = {"Action"};
constexpr fw::PropertyDecl kDerivedProperties[] = {
    {"MultiLine", fw::PropertyType::Boolean, nullptr, nullptr},
    {"Value", fw::PropertyType::Boolean, nullptr, nullptr},
};
constexpr fw::ClassRecord kDerived{"Derived", &kBase, kDerivedProperties, kDerivedEvents};
constexpr fw::ClassRecord kOther{"Other"};

struct CaseRow {
    const char* label;
    std::string_view a, b;
    bool equal;
};

const CaseRow kCaseRows[] = {
    {"DifferentCase", "Multiline", "MultiLine", true},
    {"TrailingCapitals", "MacProcID", "MacProcId", true},
    {"Prefix", "Width", "Widths", false},
    // A fold by OR-ing 0x20 would equate these.
    {"AtSignIsNotBacktick", "A@", "a`", false},
    {"BracketIsNotBrace", "[", "{", false},
    {"NonAsciiIsNotFolded", "\xC3\xA9", "\xC3\x89", false},
};

class EqualsIgnoringCaseTest : public ::testing::TestWithParam<CaseRow> {};

TEST_P(EqualsIgnoringCaseTest, FoldsAsciiLettersOnly)
{
    const CaseRow& row = GetParam();
    EXPECT_EQ(fw::EqualsIgnoringCase(row.a, row.b), row.equal);
    EXPECT_EQ(fw::EqualsIgnoringCase(row.b, row.a), row.equal);
}

INSTANTIATE_TEST_SUITE_P(Object, EqualsIgnoringCaseTest, ::testing::ValuesIn(kCaseRows),
                         [](const auto& row) { return std::string(row.param.label); });

TEST(ClassRecord, FindPropertySearchesBasesAndNearestWins)
{
    EXPECT_EQ(kDerived.FindProperty("multiline"), &kDerivedProperties[0]);
    EXPECT_EQ(kDerived.FindProperty("WIDTH"), &kBaseProperties[0]);
    EXPECT_EQ(kDerived.FindProperty("Value")->type, fw::PropertyType::Boolean);
    EXPECT_EQ(kBase.FindProperty("Value")->type, fw::PropertyType::Int32);
    EXPECT_EQ(kBase.FindProperty("MultiLine"), nullptr);
    EXPECT_EQ(kDerived.FindProperty("Height"), nullptr);
}

TEST(ClassRecord, RaisesEventIsCaseSensitiveAndSearchesBases)
{
    EXPECT_TRUE(kDerived.RaisesEvent("Action"));
    EXPECT_TRUE(kDerived.RaisesEvent("LostFocus"));
    EXPECT_FALSE(kDerived.RaisesEvent("lostfocus"));
    EXPECT_FALSE(kBase.RaisesEvent("Action"));
}

TEST(ClassRecord, IsAFollowsBases)
{
    EXPECT_TRUE(kDerived.IsA(kBase));
    EXPECT_TRUE(kDerived.IsA(kDerived));
    EXPECT_FALSE(kBase.IsA(kDerived));
    EXPECT_FALSE(kDerived.IsA(kOther));
}

TEST(ClassTable, BuildsEachRecordOnceInOrder)
{
    fw::ClassTable table;
    EXPECT_EQ(&table.Build(kDerived), &kDerived);
    table.Build(kBase);
    EXPECT_EQ(&table.Build(kDerived), &kDerived);
    EXPECT_EQ(table.Records(), (std::vector<const fw::ClassRecord*>{&kDerived, &kBase}));
    EXPECT_TRUE(table.Contains(kBase));
    EXPECT_FALSE(table.Contains(kOther));
    EXPECT_EQ(table.Find("Base"), &kBase);
    EXPECT_EQ(table.Find("Other"), nullptr);
    EXPECT_EQ(&fw::ClassTable::Instance(), &fw::ClassTable::Instance());
}

class Gauge : public fw::Object {
public:
    static const fw::ClassRecord& ClassInfo()
    {
        static constexpr fw::PropertyDecl properties[] = {
            fw::Field<&Gauge::level>("Level"),
            fw::WriteOnlyProperty<&Gauge::SetTarget>("Target"),
        };
        static constexpr fw::ClassRecord record{"Gauge", nullptr, properties};
        return record;
    }
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
    void SetTarget(std::int32_t t) { target = t; }

    std::int32_t level = 0, target = 0;
};

TEST(Object, SetAndGetPropertyByName)
{
    Gauge gauge;
    gauge.SetProperty("level", 7);
    EXPECT_EQ(gauge.level, 7);
    EXPECT_EQ(gauge.GetProperty("LEVEL"), fw::PropertyValue(7));
    gauge.SetProperty("Target", 3);
    EXPECT_EQ(gauge.target, 3);
}

TEST(Object, MisuseRaisesRuntimeException)
{
    Gauge gauge;
    EXPECT_THROW(gauge.SetProperty("Height", 1), fw::RuntimeException);
    EXPECT_THROW(gauge.GetProperty("Height"), fw::RuntimeException);
    EXPECT_THROW(gauge.GetProperty("Target"), fw::RuntimeException);
    EXPECT_THROW(gauge.SetProperty("Level", true), fw::RuntimeException);
    EXPECT_EQ(gauge.level, 0);
}

}  // namespace
