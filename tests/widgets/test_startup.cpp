// The process from start to exit status: start-up order, the file type, the
// stop sequence and what an exception at start-up leads to.

#include <QAction>
#include <QMenuBar>
#include <QTimer>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "Window.h"
#include "app/App.h"
#include "app/FileTypes.h"
#include "app/MenuBar.h"
#include "app/Startup.h"
#include "converter/Plumivard.h"

namespace {

using testing_support::ServicesScope;

// Chooses the Quit item of the open main window's menu bar, as a user would.
void ChooseQuitSoon()
{
    QTimer::singleShot(0, qApp, [] {
        fw::Window* window = fw::RuntimeGetImplicitWindow("Plumivard.Plumivard");
        if (window == nullptr) std::_Exit(3);
        for (QAction* action : window->Widget()->findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("Quit PLUMIVARD")) {
                action->trigger();
                return;
            }
        }
        std::_Exit(4);
    });
}

TEST(Startup, BuildsTheClassTableFrameworkFirstThenTheProgramsFourInOrder)
{
    program::initialize();
    const auto& records = fw::ClassTable::Instance().Records();
    std::vector<std::string_view> names;
    for (const auto* record : records) names.push_back(record->name);
    const auto at = [&](std::string_view name) { return std::find(names.begin(), names.end(), name) - names.begin(); };
    ASSERT_LT(at("App"), static_cast<long>(names.size()));
    EXPECT_LT(at("FileType"), at("Plumivard.Plumivard"));
    EXPECT_LT(at("Plumivard.Plumivard"), at("Menu.Menu"));
    EXPECT_LT(at("Menu.Menu"), at("aboutbox.aboutbox"));
    EXPECT_LT(at("aboutbox.aboutbox"), at("App"));
    const auto count = names.size();
    program::initialize();
    EXPECT_EQ(fw::ClassTable::Instance().Records().size(), count) << "a record is built once";
}

TEST(Startup, FillsThePluginTableByNameAndKeepsUnknownNamesAsNull)
{
    program::FillPluginEntrypoints();
    ASSERT_EQ(program::plugin_entrypoints.size(), 29u);
    EXPECT_EQ(program::plugin_entrypoints[0], nullptr) << "\"_\" names no member";
    EXPECT_NE(program::plugin_entrypoints[program::kBevelButtonIconSet], nullptr);
    EXPECT_NE(program::plugin_entrypoints[program::kBevelButtonTextUnitSet], nullptr);
    EXPECT_EQ(program::plugin_entrypoints[28], nullptr);
    EXPECT_THROW(fw::PluginCall<void()>(program::plugin_entrypoints[0]), fw::NilObjectException);
}

TEST(Startup, RegistersTheFileTypeOnceAndTheStopSequenceReleasesEverything)
{
    ServicesScope scope;
    const auto logBefore = fw::FileTypeLog().size();

    ChooseQuitSoon();
    program::initialize();
    program::_Main();
    ASSERT_EQ(fw::RegisteredFileTypes().size(), 1u);
    const fw::FileTypeRegistration type = fw::RegisteredFileTypes().front();
    EXPECT_EQ(type.name, "text");
    EXPECT_EQ(type.creator, "R*ch");
    EXPECT_EQ(type.type, "TEXT");
    EXPECT_EQ(type.extensions, "");
    EXPECT_EQ(fw::RuntimeAppObject()->GetMenuBar(), &Menu::ImplicitInstance())
        << "the application's menu bar and the window's are one object";

    program::finalize();

    const std::vector<std::string> log(fw::FileTypeLog().begin() + static_cast<long>(logBefore),
                                       fw::FileTypeLog().end());
    EXPECT_EQ(log, (std::vector<std::string>{"register text", "deregister text"}));
    EXPECT_FALSE(Menu::HasImplicitInstance());
    EXPECT_TRUE(fw::OpenWindows().empty());
}

TEST(StartupDeathTest, QuitAfterStartExitsWithStatusZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            static testing_support::FakeServices services;
            fw::InstallServices(&services);
            ChooseQuitSoon();
            std::exit(program::main());
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(StartupDeathTest, AnExceptionAtStartUpSkipsTheEventLoopAndExitsWithStatusOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            static testing_support::FakeServices services;
            // No file item for the application: building the main window fails.
            services.applicationFile.clear();
            fw::InstallServices(&services);
            QTimer::singleShot(0, qApp, [] { std::_Exit(5); });  // the event loop must not run
            std::exit(program::main());
        },
        ::testing::ExitedWithCode(1), "unhandled exception: NilObjectException");
}

}  // namespace
