#include "Startup.h"

#include <functional>

#include "App.h"
#include "FileTypes.h"
#include "MenuBar.h"
#include "Window.h"
#include "about/AboutBox.h"
#include "converter/Plumivard.h"

namespace program {

std::vector<fw::PluginEntryPoint> plugin_entrypoints;

const char* const kPluginEntrypointNames[kPluginEntrypointCount] = {
    "_",
    "BevelButton.DeleteAllRows",
    "BevelButton.AddRow(text As String)",
    "BevelButton.AddSeparator",
    "BevelButton.RemoveRow(row As Integer)",
    "BevelButton.InsertRow(row As Integer, text As String)",
    "BevelButton.List(row As Integer) As String",
    "BevelButton.addActionNotificationReceiver(receiver As actionNotificationReceiver)",
    "BevelButton.removeActionNotificationReceiver(receiver As actionNotificationReceiver)",
    "BevelButton.List(row As Integer) As String.Set",
    "BevelButton.Caption.Get",
    "BevelButton.Caption.Set",
    "BevelButton.CaptionAlign.Set",
    "BevelButton.CaptionPlacement.Set",
    "BevelButton.CaptionDelta.Set",
    "BevelButton.Icon.Set",
    "BevelButton.IconAlign.Set",
    "BevelButton.IconDX.Set",
    "BevelButton.IconDY.Set",
    "BevelButton.Value.Set",
    "BevelButton.MenuValue.Get",
    "BevelButton.MenuValue.Set",
    "BevelButton.TextFont.Set",
    "BevelButton.TextUnit.Get",
    "BevelButton.TextUnit.Set",
    "Placard.Value.Set",
    "DisclosureTriangle.Value.Set",
    "DisclosureTriangle.AcceptFocus.Set",
    "ImageWell.Image.Set",
};

std::int32_t main()
{
    fw::RuntimeInit();
    initialize();
    _Main();
    finalize();
    return fw::RuntimeExit();
}

void initialize()
{
    fw::InitializeFrameworkClasses();
    Plumivard::Plumivard::Lookup();
    Menu::Menu::Lookup();
    aboutbox::aboutbox::Lookup();
    App::Lookup();
}

void _Main()
{
    try {
        std::function<void()> startup = _Startup;
        fw::RunFrameworkInitialization(startup);
        startup = nullptr;
        fw::RuntimeRun();
    } catch (...) {
        fw::RuntimeUnhandledException(std::current_exception());
    }
}

void _Startup()
{
    fw::RuntimeInitExternalClasses();
    FillPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void FillPluginEntrypoints()
{
    plugin_entrypoints = fw::RuntimeAllocatePluginEntrypointsTable(kPluginEntrypointCount);
    // Stored as found: an unknown name fails only when its entry is called.
    for (std::size_t i = 0; i < kPluginEntrypointCount; ++i) {
        plugin_entrypoints[i] = fw::RuntimeLookupPluginEntrypoint(kPluginEntrypointNames[i]);
    }
}

fw::PluginEntryPoint PluginEntry(std::size_t index)
{
    return index < plugin_entrypoints.size() ? plugin_entrypoints[index] : nullptr;
}

void _InitFileTypes()
{
    FileTypes::_Initialize();
}

void _NewAppInstance()
{
    auto app = std::make_shared<App>();
    app->SetMenuBar(Menu::ImplicitInstance());
    fw::RuntimeRegisterAppObject(std::move(app));
}

void _ApplicationAddMenuHandlers()
{
    // The application object binds no menu handler of its own.
}

void _MakeDefaultView()
{
    Plumivard::ImplicitInstance();
}

void finalize()
{
    fw::ReleaseWindows();
    FileTypes::pText.reset();
    Menu::ReleaseImplicitInstance();
}

}  // namespace program
