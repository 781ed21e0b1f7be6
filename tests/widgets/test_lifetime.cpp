// What a box or a dialog leaves behind once it has gone: no widget, and
// nothing in the style's cache of renderings.

#define Q_TEST_QPIXMAPCACHE  // declares QPixmapCache::totalUsed
#include <QColorDialog>
#include <QPixmapCache>
#include <QPushButton>
#include <QStyle>
#include <functional>

#include "about/AboutBox.h"
#include "test_converter_support.h"

namespace {

using Lifetime = converter_test::ConverterTest;

// After a warm-up, a thousand cycles leave the live widgets and the cache
// where they were. The cache starts empty, so no earlier test fills it to its
// limit and hides growth.
void ExpectNothingLeftBehind(const std::function<void()>& cycle)
{
    const auto footprint = [] { return std::pair(QApplication::allWidgets().size(), QPixmapCache::totalUsed()); };
    QPixmapCache::clear();
    for (int i = 0; i < 20; ++i) cycle();
    const auto before = footprint();
    for (int i = 0; i < 1000; ++i) cycle();
    EXPECT_EQ(footprint(), before);
}

TEST_F(Lifetime, RegressionEachAboutBoxLeftItsRenderingsInTheStylesCache)
{
    ExpectNothingLeftBehind([this] {
        Choose(QStringLiteral("About PLUMIVARD..."));
        aboutbox::aboutbox& about = aboutbox::ImplicitInstance();
        about.Widget()->grab();  // drawn, as on screen
        testing_support::Click(about.OKbutton());
        QCoreApplication::sendPostedEvents();  // the closed box goes once its handler has returned
    });
}

// The platform's colour dialog, built and drawn as the real one is, but
// answered at once instead of running modally.
class DrawnPicker : public testing_support::FakeServices {
    bool SelectColor(fw::Color& colour, std::string_view prompt) override
    {
        QColorDialog dialog(QApplication::activeWindow());
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        // Its buttons carry icons, as on a desktop whose theme shows them.
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            button->setIcon(dialog.style()->standardIcon(QStyle::SP_DialogOkButton));
        dialog.show();
        dialog.grab();
        return FakeServices::SelectColor(colour, prompt);
    }
};

TEST_F(Lifetime, RegressionEachColourDialogLeftItsRenderingsInTheStylesCache)
{
    DrawnPicker picker;
    fw::InstallServices(&picker);
    ExpectNothingLeftBehind([this] { testing_support::Click(W().choosecolor()); });
    fw::InstallServices(&services());
}

}  // namespace
