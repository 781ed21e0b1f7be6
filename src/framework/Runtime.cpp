#include "Runtime.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QPixmapCache>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <typeinfo>
#if __has_include(<cxxabi.h>)
#include <cxxabi.h>
#endif

#include "Controls.h"
#include "Platform.h"
#include "Window.h"

namespace fw {

namespace {

std::exception_ptr g_pending;
bool g_unhandled = false;
std::shared_ptr<Application> g_app;
std::unique_ptr<QApplication> g_qapp;

std::vector<FileTypeRegistration>& FileTypes()
{
    static std::vector<FileTypeRegistration> types;
    return types;
}

std::vector<std::string>& FileLog()
{
    static std::vector<std::string> log;
    return log;
}

// Runs the window's menu-enabling step before a shortcut is looked up, so a
// shortcut reaches exactly the items a menu would show enabled.
class ShortcutGate : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
                if (Window* window = WindowOf(static_cast<QWidget*>(watched))) {
                    if (window->GetMenuBar() != nullptr) Dispatch([window] { window->_EnableMenuItems(); });
                }
            }
        }
        return false;
    }
};

// The type's name as the source spells it, where the compiler can tell.
std::string TypeName(const std::type_info& type)
{
#if __has_include(<cxxabi.h>)
    int status = -1;
    const std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    if (status == 0) return demangled.get();
#endif
    // Elsewhere the name is readable already, perhaps after a "class " or "struct ".
    std::string_view name = type.name();
    for (std::string_view tag : {"class ", "struct "}) {
        if (name.starts_with(tag)) name.remove_prefix(tag.size());
    }
    return std::string(name);
}

}  // namespace

void Dispatch(const std::function<void()>& handler)
{
    if (g_pending) return;  // the loop is already ending on an earlier failure
    try {
        handler();
    } catch (...) {
        g_pending = std::current_exception();
        QCoreApplication::exit(1);
    }
}

void ThrowIfPending()
{
    if (g_pending) {
        std::exception_ptr pending = std::exchange(g_pending, nullptr);
        std::rethrow_exception(pending);
    }
}

const ClassRecord& Application::ClassInfo()
{
    static const ClassRecord record{"Application"};
    return record;
}

void RuntimeInit()
{
    if (g_qapp) return;
    // The program reads no command line; the toolkit gets only a name.
    static int argc = 1;
    static char name[] = "plumivard";
    static char* argv[] = {name, nullptr};
    g_qapp = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PLUMIVARD"));
    QApplication::setQuitOnLastWindowClosed(false);
    // No cache of the style's renderings: it keys them by each widget's
    // palette and icons, so every box or dialog built anew adds entries that
    // nothing uses again (16 kB an about box, up to 10 MB), and even a cleared
    // entry leaves its key behind. Our few controls draw afresh in under 1 ms.
    QPixmapCache::setCacheLimit(0);
    static ShortcutGate gate;
    g_qapp->installEventFilter(&gate);
    g_unhandled = false;
}

void RunFrameworkInitialization(const std::function<void()>& startup)
{
    if (startup) startup();
}

void RuntimeInitExternalClasses() {}

void RuntimeRun()
{
    ThrowIfPending();
    QApplication::exec();
    ThrowIfPending();
}

void RuntimeThrowPendingException()
{
    ThrowIfPending();
}

void RuntimeQuit()
{
    QCoreApplication::exit(0);
}

void RuntimeUnhandledException(std::exception_ptr exception)
{
    g_unhandled = true;
    try {
        if (exception) std::rethrow_exception(exception);
    } catch (const std::exception& e) {
        const std::string type = TypeName(typeid(e));
        const std::string_view message = e.what();
        // The framework's own messages begin with their type's name.
        const std::string_view bare = std::string_view(type).substr(type.rfind(':') + 1);
        if (message.starts_with(type) || message.starts_with(bare)) {
            std::fprintf(stderr, "PLUMIVARD: unhandled exception: %s\n", e.what());
        } else {
            std::fprintf(stderr, "PLUMIVARD: unhandled exception: %s: %s\n", type.c_str(), e.what());
        }
    } catch (...) {
        std::fprintf(stderr, "PLUMIVARD: unhandled exception of unknown type\n");
    }
}

std::int32_t RuntimeExit()
{
    ReleaseWindows();
    g_app.reset();
    g_pending = nullptr;
    g_qapp.reset();
    const std::int32_t status = g_unhandled ? 1 : 0;
    g_unhandled = false;
    return status;
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> app)
{
    NotNil(app.get());
    g_app = std::move(app);
}

std::shared_ptr<Application> RuntimeAppObject()
{
    return g_app;
}

namespace {
using EntryTable = std::map<std::string_view, PluginEntryPoint>;

template <auto F>
PluginEntryPoint Entry()
{
    return reinterpret_cast<PluginEntryPoint>(F);
}

const EntryTable& PluginEntries()
{
    // The plug-in members this framework implements; other names resolve to null.
    static const EntryTable table{
        {"BevelButton.Icon.Set", Entry<&BevelButtonIconSet>()},
        {"BevelButton.TextUnit.Set", Entry<&BevelButtonTextUnitSet>()},
    };
    return table;
}
}  // namespace

std::vector<PluginEntryPoint> RuntimeAllocatePluginEntrypointsTable(std::size_t count)
{
    return std::vector<PluginEntryPoint>(count, nullptr);
}

PluginEntryPoint RuntimeLookupPluginEntrypoint(std::string_view name)
{
    const auto& table = PluginEntries();
    const auto it = table.find(name);
    return it == table.end() ? nullptr : it->second;
}

void RuntimeRegisterFileType(std::string_view name, std::string_view creator, std::string_view type,
                             std::string_view extensions)
{
    RuntimeDeregisterFileType(name);
    FileTypes().push_back({std::string(name), std::string(creator), std::string(type), std::string(extensions)});
    FileLog().push_back("register " + std::string(name));
}

void RuntimeDeregisterFileType(std::string_view name)
{
    auto& types = FileTypes();
    const auto before = types.size();
    std::erase_if(types, [name](const FileTypeRegistration& t) { return t.name == name; });
    if (types.size() != before) FileLog().push_back("deregister " + std::string(name));
}

std::vector<FileTypeRegistration> RegisteredFileTypes()
{
    return FileTypes();
}

const std::vector<std::string>& FileTypeLog()
{
    return FileLog();
}

const ClassRecord& FileType::ClassInfo()
{
    static const PropertyDecl properties[] = {
        Property<&FileType::SetName, &FileType::Name>("Name"),
        Property<&FileType::SetExtensions, &FileType::Extensions>("Extensions"),
        Property<&FileType::SetMacType, &FileType::MacType>("MacType"),
        Property<&FileType::SetMacCreator, &FileType::MacCreator>("MacCreator"),
    };
    static const ClassRecord record{"FileType", nullptr, properties};
    return record;
}

FileType::~FileType()
{
    Withdraw();
}

void FileType::Withdraw()
{
    if (registered_) {
        RuntimeDeregisterFileType(name_);
        registered_ = false;
    }
}

void FileType::SetName(std::string v)
{
    Withdraw();
    name_ = std::move(v);
}

void FileType::SetExtensions(std::string v)
{
    Withdraw();
    extensions_ = std::move(v);
}

void FileType::SetMacType(std::string v)
{
    Withdraw();
    macType_ = std::move(v);
}

void FileType::SetMacCreator(std::string v)
{
    Withdraw();
    macCreator_ = std::move(v);
}

std::string FileType::Operator_Convert()
{
    if (!registered_) {
        RuntimeRegisterFileType(name_, macCreator_, macType_, extensions_);
        registered_ = true;
    }
    return name_;
}

}  // namespace fw

namespace fw {

void InitializeFrameworkClasses()
{
    ClassTable& table = ClassTable::Instance();
    for (const ClassRecord* record :
         {&Control::ClassInfo(), &RectControl::ClassInfo(), &TextField::ClassInfo(), &Rectangle::ClassInfo(),
          &GroupBox::ClassInfo(), &PushButton::ClassInfo(), &StaticText::ClassInfo(), &Slider::ClassInfo(),
          &BevelButton::ClassInfo(), &CheckBox::ClassInfo(), &UpDownArrows::ClassInfo(), &Window::ClassInfo(),
          &MenuItem::ClassInfo(), &MenuBar::ClassInfo(), &QuitMenuItem::ClassInfo(), &AppleMenuItem::ClassInfo(),
          &Application::ClassInfo(), &FileType::ClassInfo()}) {
        table.Build(*record);
    }
}

}  // namespace fw
