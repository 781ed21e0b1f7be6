// The about box as the user reaches it, from the converter's Edit menu.

#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "about/AboutBox.h"
#include "test_converter_support.h"

namespace {

TEST(AboutStreams, HaveTheirSizesAndTheTextItsFourLinesJoinedByCarriageReturns)
{
    EXPECT_EQ(aboutbox::kWindowStream.size(), 282u);
    EXPECT_EQ(aboutbox::kOKbuttonStream.size(), 286u);
    EXPECT_EQ(aboutbox::kStaticText1Stream.size(), 325u + aboutbox::kAboutText.size());
    EXPECT_EQ(aboutbox::kBevelButton1Stream.size(), 490u);
    const std::string_view text = aboutbox::kAboutText;
    EXPECT_TRUE(text.starts_with("PLUMIVARD  v3.0\r"));
    EXPECT_TRUE(text.ends_with("\r\rIf you like this software, please consider sending us a small donation to help "
                               "fund the development of Plumivard and other projects. "));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 3);
    EXPECT_EQ(text.find('\n'), std::string_view::npos);
}

// Notes whether the about box was still open when the page was asked for.
struct RecordingServices : testing_support::FakeServices {
    std::vector<bool> openWhenAsked;
    void ShowURL(std::string_view address) override
    {
        openWhenAsked.push_back(fw::RuntimeGetImplicitWindow("aboutbox.aboutbox") != nullptr);
        FakeServices::ShowURL(address);
    }
};

// The contrast of a control's text against what it sits on, read from what the
// window shows: the control's place is grabbed with and without its text, and
// the pixels that differ are the text's.
double TextContrast(QWidget* widget)
{
    const char* property = qobject_cast<QGroupBox*>(widget) != nullptr ? "title" : "text";
    const QVariant text = widget->property(property);
    const QImage with = widget->parentWidget()->grab(widget->geometry()).toImage();
    widget->setProperty(property, QString());
    const QImage without = widget->parentWidget()->grab(widget->geometry()).toImage();
    widget->setProperty(property, text);
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    double best = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            const double a = luminance(with.pixelColor(x, y)), b = luminance(without.pixelColor(x, y));
            best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
        }
    }
    return best;
}

class AboutBox : public converter_test::ConverterTest {
protected:
    AboutBox() { fw::InstallServices(&services_); }
    void TearDown() override { QApplication::setPalette(light_); }
    aboutbox::aboutbox& Open()
    {
        Choose(QStringLiteral("About PLUMIVARD..."));
        return aboutbox::ImplicitInstance();
    }
    RecordingServices services_;
    const QPalette light_ = QApplication::palette();
};

// Regression: the box belonged to no window and opened in the screen's corner.
TEST_F(AboutBox, IsAFixedModalDialogOwnedByTheActiveWindowCentredOverItWithItsTextWhole)
{
    struct Row { const char* name; QPoint converterAt; bool centred; };
    for (const Row& row : {Row{"room around", {250, 150}, true}, Row{"near the screen's corner", {620, 400}, false}}) {
        SCOPED_TRACE(row.name);
        W().Widget()->move(row.converterAt);
        aboutbox::aboutbox& about = Open();
        QWidget* box = about.Widget();
        EXPECT_EQ(box->windowHandle()->transientParent(), W().Widget()->windowHandle());
        EXPECT_TRUE(box->screen()->availableGeometry().contains(box->geometry()));
        const QPoint off = box->geometry().center() - W().Widget()->geometry().center();
        EXPECT_TRUE(!row.centred || off.manhattanLength() <= 1) << off.x() << "," << off.y();
        EXPECT_EQ(about.Content()->size(), QSize(298, 190));
        EXPECT_EQ(box->minimumSize(), box->maximumSize());
        EXPECT_FALSE(box->windowFlags().testAnyFlags(Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                                     Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        about.OKbutton().SetFocus();
        fw::ClearFocus();
        EXPECT_NE(box->focusWidget(), about.OKbutton().Widget()) << "ClearFocus reaches every window";

        const auto* label = static_cast<QLabel*>(about.StaticText1().Widget());
        EXPECT_EQ(label->geometry(), QRect(20, 14, 258, 78));
        EXPECT_TRUE(label->wordWrap() && label->alignment().testFlag(Qt::AlignHCenter));
        EXPECT_LE(label->heightForWidth(258), 78) << "the about text is cut off";
        EXPECT_EQ(label->font().pixelSize(), 10);
        EXPECT_EQ(about.OKbutton().Widget()->font().pixelSize(), 12);
        QWidget* donate = about.BevelButton1().Widget();
        EXPECT_EQ(donate->font().toString(), QApplication::font(donate).toString());
        about.OKbutton().Push();
        testing_support::ShowAndActivate(W());
    }
}

TEST_F(AboutBox, EachWayOutClosesTheBoxAndTheNextIsBuiltAfresh)
{
    enum class Way { ClickOK, PressReturn, ClickDonate };
    for (const Way way : {Way::ClickOK, Way::PressReturn, Way::ClickDonate}) {
        SCOPED_TRACE(static_cast<int>(way));
        services_ = RecordingServices();
        aboutbox::aboutbox& about = Open();
        about.StaticText1().SetText("stale");
        if (way == Way::ClickOK) testing_support::Click(about.OKbutton());
        if (way == Way::ClickDonate) testing_support::Click(about.BevelButton1());
        if (way == Way::PressReturn) QTest::keyClick(about.Widget()->windowHandle(), Qt::Key_Return);
        fw::RuntimeThrowPendingException();
        EXPECT_EQ(fw::RuntimeGetImplicitWindow("aboutbox.aboutbox"), nullptr);
        const std::vector<std::string> page{"https://plumivard.example/plumivard.html"};
        EXPECT_EQ(services_.urls, way == Way::ClickDonate ? page : std::vector<std::string>());
        EXPECT_EQ(services_.openWhenAsked, std::vector<bool>(services_.urls.size(), true)) << "asked before closing";
        EXPECT_EQ(Open().StaticText1().Text(), aboutbox::kAboutText);
        aboutbox::ImplicitInstance().OKbutton().Push();
    }
}

// Regression: under a dark desktop palette the labels were black on dark grey.
TEST_F(AboutBox, EveryTextOfBothWindowsReadsWellOnADarkDesktopAndLabelsStayBlackOnALightOne)
{
    // The converter follows the switch; the about box is built under it.
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
    QCoreApplication::sendPostedEvents();
    fw::Window* windows[] = {&W(), &Open()};
    int texts = 0;
    for (fw::Window* window : windows) {
        for (const auto& control : window->Controls()) {
            QWidget* widget = control->Widget();
            const QString text = widget->property("text").toString() + widget->property("title").toString();
            if (!widget->isVisible() || text.isEmpty()) continue;
            ++texts;
            EXPECT_GE(TextContrast(widget), 4.5) << control->Name();
        }
    }
    EXPECT_EQ(texts, 17 + 3);
    QApplication::setPalette(light_);
    QCoreApplication::sendPostedEvents();
    for (fw::Window* window : windows) {
        for (const auto& control : window->Controls()) {
            if (dynamic_cast<fw::StaticText*>(control.get()) == nullptr) continue;
            EXPECT_EQ(control->Widget()->palette().color(QPalette::WindowText), QColor(Qt::black)) << control->Name();
        }
    }
}

}  // namespace
