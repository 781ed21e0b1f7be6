#pragma once

#include <memory>

#include "Menu.h"

namespace Menu {

// The program's only menu bar: File (Reset, Quit) and Edit.
class Menu : public fw::MenuBar {
public:
    Menu();
    static const fw::ClassRecord& ClassInfo();
    static const fw::ClassRecord& Lookup();
    const fw::ClassRecord& Class() const override { return ClassInfo(); }

    void Untitled1();
    void Untitled2();
};

// The implicit instance: built on first use and kept until shut-down.
Menu& ImplicitInstance();
// Whether the implicit instance exists now.
bool HasImplicitInstance();
// Drops the implicit instance; the last release of shut-down.
void ReleaseImplicitInstance();

}  // namespace Menu
