// The process from start to exit status: start-up order, the file type, the
// stop sequence, who holds the menu bar, and what an exception leads to.

#include <QAction>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <stdexcept>
#include <unistd.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "Window.h"
#include "app/App.h"
#include "app/FileTypes.h"
#include "app/MenuBar.h"
#include "app/Startup.h"
#include "converter/Plumivard.h"

namespace {

enum class Ending { Quit, Close };

// Once the event loop runs, ends it as a user would: Quit from the main
// window's menu bar, or the window manager's close button, which asks the
// platform window to close and so sends the top-level widget a close event.
void EndSoon(Ending ending = Ending::Quit)
{
    QTimer::singleShot(0, qApp, [ending] {
        fw::Window* window = fw::RuntimeGetImplicitWindow("Plumivard.Plumivard");
        if (window == nullptr) std::_Exit(3);
        if (ending == Ending::Close) {
            window->Widget()->windowHandle()->close();
            return;
        }
        QAction* quit = testing_support::ActionOf(*window, QStringLiteral("Quit PLUMIVARD"));
        if (quit == nullptr) std::_Exit(4);
        quit->trigger();
    });
}

TEST(Startup, BuildsTheClassTableFrameworkFirstThenTheProgramsFourInOrder)
{
    program::initialize();
    const auto& records = fw::ClassTable::Instance().Records();
    std::vector<long> at;  // where each stands in the table
    for (std::string_view name : {"FileType", "Plumivard.Plumivard", "Menu.Menu", "aboutbox.aboutbox", "App"}) {
        at.push_back(std::find_if(records.begin(), records.end(), [&](auto* r) { return r->name == name; }) -
                     records.begin());
    }
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end()) && at.back() < static_cast<long>(records.size()));
    const auto count = records.size();
    program::initialize();
    EXPECT_EQ(records.size(), count) << "a record is built once";
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

// finalize lets the module's menu bar go before RuntimeExit lets the
// application object go; the application object's hold on the bar dangled.
TEST(Startup, RegistersTheFileTypeOnceAndReleasesInOrderLeavingNoMenuBarDangling)
{
    testing_support::ServicesScope scope;
    const auto logBefore = fw::FileTypeLog().size();

    EndSoon();
    QTimer watchdog;  // a quit that fails ends the loop anyway, and the test with a failure
    watchdog.callOnTimeout([] { ADD_FAILURE() << "the event loop did not end"; fw::RuntimeQuit(); });
    watchdog.start(10000);
    program::initialize();
    program::_Main();
    ASSERT_EQ(fw::RegisteredFileTypes().size(), 1u);
    const fw::FileTypeRegistration type = fw::RegisteredFileTypes().front();
    EXPECT_EQ((std::vector<std::string>{type.name, type.creator, type.type, type.extensions}),
              (std::vector<std::string>{"text", "R*ch", "TEXT", ""}));
    const std::weak_ptr<fw::MenuBar> bar = Menu::ImplicitInstance();
    EXPECT_EQ(fw::RuntimeAppObject()->GetMenuBar(), bar.lock()) << "the application's bar is the window's";

    program::finalize();

    const std::vector<std::string> log(fw::FileTypeLog().begin() + static_cast<long>(logBefore),
                                       fw::FileTypeLog().end());
    EXPECT_EQ(log, (std::vector<std::string>{"register text", "deregister text"}));
    EXPECT_FALSE(Menu::HasImplicitInstance());
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_EQ(fw::RuntimeAppObject()->GetMenuBar()->_Lookup("Filequit")->Text(), "Quit PLUMIVARD");
    fw::RuntimeRegisterAppObject(std::make_shared<App>());
    EXPECT_TRUE(bar.expired()) << "the application object held the last reference";
}

TEST(Startup, AnUnhandledExceptionIsReportedInOneLineThatNamesItsType)
{
    const std::pair<std::exception_ptr, std::string> rows[] = {
        {std::make_exception_ptr(std::out_of_range("index 7")), ": std::out_of_range: index 7"},
        {std::make_exception_ptr(fw::NilObjectException()), ": NilObjectException: a nil object was used"},
        {std::make_exception_ptr(42), " of unknown type"}};
    for (const auto& [exception, naming] : rows) {
        testing::internal::CaptureStderr();
        fw::RuntimeUnhandledException(exception);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "PLUMIVARD: unhandled exception" + naming + "\n");
    }
}

// Runs the whole program in the death test's child, which an alarm ends if it
// still runs after 20 s; without a file item for the application, building
// the main window fails.
[[noreturn]] void RunProgram(bool withApplicationFile, Ending ending = Ending::Quit)
{
    alarm(20);
    static testing_support::FakeServices services;
    if (!withApplicationFile) services.applicationFile.clear();
    fw::InstallServices(&services);
    EndSoon(ending);
    std::exit(program::main());
}

TEST(StartupDeathTest, QuitAfterStartExitsWithStatusZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunProgram(true), ::testing::ExitedWithCode(0), "");
}

TEST(StartupDeathTest, ClosingTheMainWindowThroughTheWindowManagerExitsWithStatusZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunProgram(true, Ending::Close), ::testing::ExitedWithCode(0), "");
}

// EndSoon exits with 3 if the event loop runs without a window.
TEST(StartupDeathTest, AnExceptionAtStartUpSkipsTheEventLoopAndExitsWithStatusOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunProgram(false), ::testing::ExitedWithCode(1), "unhandled exception: NilObjectException");
}

}  // namespace
