#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Menu.h"
#include "Object.h"

namespace fw {

// The application object: one per process, held by the framework once
// registered. It holds its menu bar, so the bar lives as long as it does.
class Application : public Object {
public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }
    const std::shared_ptr<MenuBar>& GetMenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<MenuBar> bar) { menuBar_ = std::move(bar); }

private:
    std::shared_ptr<MenuBar> menuBar_;
};

// Brings the framework up; the process's first call into it.
void RuntimeInit();
// Initialises the framework and runs the start-up routine once, on this
// thread. Null runs nothing.
void RunFrameworkInitialization(const std::function<void()>& startup);
void RuntimeInitExternalClasses();
// The event loop; returns when the application quits. An exception that a
// handler let escape ends the loop and is thrown again from here.
void RuntimeRun();
// Ends the event loop.
void RuntimeQuit();
// Throws the exception that a handler let escape from an event that came
// while no event loop ran (tests drive events that way); nothing if none.
void RuntimeThrowPendingException();
// Reports an exception that escaped; the exit status becomes 1.
void RuntimeUnhandledException(std::exception_ptr exception);
// Shuts the framework down; the result is the process's exit status.
std::int32_t RuntimeExit();

// The framework keeps its reference until RuntimeExit.
void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
std::shared_ptr<Application> RuntimeAppObject();

// Plug-in entry points: type-erased code pointers looked up by name.
using PluginEntryPoint = void (*)();
std::vector<PluginEntryPoint> RuntimeAllocatePluginEntrypointsTable(std::size_t count);
// Null for a name the framework does not know.
PluginEntryPoint RuntimeLookupPluginEntrypoint(std::string_view name);

// Calls through an entry point as the signature it was registered with; a
// null entry raises NilObjectException.
template <class Signature, class... Args>
decltype(auto) PluginCall(PluginEntryPoint entry, Args&&... args)
{
    if (entry == nullptr) RaiseNilObjectException();
    return reinterpret_cast<Signature*>(entry)(std::forward<Args>(args)...);
}

// Document file types, kept in the framework's own registry.
void RuntimeRegisterFileType(std::string_view name, std::string_view creator, std::string_view type,
                             std::string_view extensions);
void RuntimeDeregisterFileType(std::string_view name);

struct FileTypeRegistration {
    std::string name, creator, type, extensions;
};
// What is registered now.
std::vector<FileTypeRegistration> RegisteredFileTypes();
// Every registration and withdrawal so far, as "register NAME" or
// "deregister NAME"; lets tests check the order of start and stop.
const std::vector<std::string>& FileTypeLog();

class FileType : public Object {
public:
    FileType() = default;
    ~FileType() override;
    static const ClassRecord& ClassInfo();
    const ClassRecord& Class() const override { return ClassInfo(); }

    const std::string& Name() const { return name_; }
    void SetName(std::string v);
    const std::string& Extensions() const { return extensions_; }
    void SetExtensions(std::string v);
    const std::string& MacType() const { return macType_; }
    void SetMacType(std::string v);
    const std::string& MacCreator() const { return macCreator_; }
    void SetMacCreator(std::string v);
    bool Registered() const { return registered_; }
    // Registers the type if it is not yet, and yields its name.
    std::string Operator_Convert();

private:
    void Withdraw();
    std::string name_, extensions_, macType_, macCreator_;
    bool registered_ = false;
};

}  // namespace fw
