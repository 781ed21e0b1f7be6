#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Runtime.h"
#include "TestSupport.h"
#include "about/AboutBox.h"
#include "app/Startup.h"

using namespace std::string_literals;

namespace {

constexpr std::string_view kClassName = "aboutbox.aboutbox";

std::string CountedText(std::string_view text)
{
    const auto n = static_cast<std::uint32_t>(text.size());
    std::string out;
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((n >> shift) & 0xFFu));
    return out.append(text);
}

TEST(AboutStreams, SizesAndKeyRecords)
{
    struct Row {
        const char* name;
        std::string_view stream;
        std::size_t size;
        std::vector<std::string> runs;  // byte runs the stream must hold
    };
    const Row rows[] = {
        {"window", aboutbox::kWindowStream, 282,
         {"Width \0\0\x01\x2a" "Height \0\0\0\xbe"s, "Frame \0\0\0\x01"s, "BackColor \xe7\xe8\xe7"s,
          "Title " + CountedText("About Plumivard"), "CloseButton \0Resizeable \0"s,
          "MaximizeButton \0MinimizeButton \0MacProcID \0\0\0\0"s}},
        {"OK button", aboutbox::kOKbuttonStream, 286,
         {"Name " + CountedText("OKbutton"), "Left \0\0\0\x68Top \0\0\0\xa0"s, "Caption " + CountedText("OK"),
          "Default \x01" "Cancel \0"s}},
        {"about text", aboutbox::kStaticText1Stream, 325 + aboutbox::kAboutText.size(),
         {"Name " + CountedText("StaticText1"), "Text " + CountedText(aboutbox::kAboutText),
          "TextAlign \0\0\0\x01TextColor \0\0\0Multiline \x01" "Enabled \x01"s}},
        {"donate button", aboutbox::kBevelButton1Stream, 490,
         {"Name " + CountedText("BevelButton1"), "Left \0\0\0\x3bTop \0\0\0\x6f"s,
          "Caption " + CountedText("Donate via PayPal"), "AcceptFocus \0TextFont "s}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.stream.size(), row.size);
        for (std::size_t i = 0; i < row.runs.size(); ++i)
            EXPECT_NE(row.stream.find(row.runs[i]), std::string_view::npos) << "run " << i;
    }
}

TEST(AboutStreams, AboutTextIsFourLinesJoinedByCarriageReturns)
{
    const std::string_view text = aboutbox::kAboutText;
    EXPECT_TRUE(text.starts_with("PLUMIVARD  v3.0\r"));
    EXPECT_TRUE(text.ends_with("\r\rIf you like this software, please consider sending us a small donation to help "
                               "fund the development of Plumivard and other projects. "));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 3);
    EXPECT_EQ(text.find('\n'), std::string_view::npos);
}

// Notes whether the about box was still open when the page was asked for.
class RecordingServices : public testing_support::FakeServices {
public:
    std::vector<bool> openWhenAsked;
    void ShowURL(std::string_view address) override
    {
        openWhenAsked.push_back(fw::RuntimeGetImplicitWindow(kClassName) != nullptr);
        FakeServices::ShowURL(address);
    }
};

class AboutBox : public ::testing::Test {
protected:
    AboutBox()
    {
        program::FillPluginEntrypoints();
        fw::InstallServices(&services);
    }
    RecordingServices services;
    testing_support::ServicesScope scope;  // destroyed first: the windows close before the services go
};

TEST_F(AboutBox, IsAFixedModalDialogWithoutTitleBarButtonsWhoseTextFits)
{
    aboutbox::aboutbox& about = aboutbox::ImplicitInstance();
    testing_support::ShowAndActivate(about);
    QWidget* window = about.Widget();
    EXPECT_EQ(about.Content()->size(), QSize(298, 190));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("About Plumivard"));
    EXPECT_FALSE(window->windowFlags().testAnyFlags(Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                                    Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());

    EXPECT_EQ(about.OKbutton().Widget()->font().pixelSize(), 12);
    EXPECT_EQ(about.StaticText1().Widget()->font().pixelSize(), 10);
    QWidget* donate = about.BevelButton1().Widget();
    EXPECT_EQ(donate->font().toString(), QApplication::font(donate).toString());
    const auto* label = qobject_cast<QLabel*>(about.StaticText1().Widget());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), QRect(20, 14, 258, 78));
    EXPECT_TRUE(label->wordWrap());
    EXPECT_TRUE(label->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_LE(label->heightForWidth(258), 78) << "the about text is cut off";
}

TEST_F(AboutBox, EachWayOutClosesTheBoxAndTheNextIsBuiltAfresh)
{
    enum class Way { ClickOK, PressReturn, ClickDonate };
    for (const Way way : {Way::ClickOK, Way::PressReturn, Way::ClickDonate}) {
        SCOPED_TRACE(static_cast<int>(way));
        services.urls.clear();
        services.openWhenAsked.clear();
        aboutbox::aboutbox& about = aboutbox::ImplicitInstance();
        testing_support::ShowAndActivate(about);
        about.StaticText1().SetText("stale");
        if (way == Way::ClickOK) testing_support::Click(about.OKbutton());
        if (way == Way::ClickDonate) testing_support::Click(about.BevelButton1());
        if (way == Way::PressReturn) QTest::keyClick(about.Widget()->windowHandle(), Qt::Key_Return);
        fw::RuntimeThrowPendingException();

        EXPECT_EQ(fw::RuntimeGetImplicitWindow(kClassName), nullptr);
        const std::vector<std::string> page{"https://plumivard.example/plumivard.html"};
        EXPECT_EQ(services.urls, way == Way::ClickDonate ? page : std::vector<std::string>());
        EXPECT_EQ(services.openWhenAsked, std::vector<bool>(services.urls.size(), true)) << "asked before closing";
        aboutbox::aboutbox& next = aboutbox::ImplicitInstance();
        EXPECT_TRUE(next.IsOpen());
        EXPECT_EQ(next.StaticText1().Text(), aboutbox::kAboutText);
        fw::ReleaseWindows();
    }
}

}  // namespace
