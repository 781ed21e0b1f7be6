#pragma once

#include <cstdint>
#include <vector>

#include "Runtime.h"

// The process from its entry to its exit status.
namespace program {

// The process's main routine; its result is the exit status.
std::int32_t main();
// Builds the record of every class: the framework's, then the program's.
void initialize();
// Runs start-up inside the framework's initialisation, then the event loop;
// the one routine that catches exceptions.
void _Main();
// The start-up routine.
void _Startup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _MakeDefaultView();
// Fills the plug-in entry-point table by name.
void FillPluginEntrypoints();
// Releases the module-level objects; the menu bar goes last.
void finalize();

// Entry points of the plug-in controls, in the order of their names.
inline constexpr std::size_t kPluginEntrypointCount = 29;
inline constexpr std::size_t kBevelButtonIconSet = 15;
inline constexpr std::size_t kBevelButtonTextUnitSet = 24;
extern std::vector<fw::PluginEntryPoint> plugin_entrypoints;
// The entry at that index; null while the table is not filled.
fw::PluginEntryPoint PluginEntry(std::size_t index);
extern const char* const kPluginEntrypointNames[kPluginEntrypointCount];

}  // namespace program
