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

// The implicit instance: built on first use; the module holds it until
// shut-down, and the caller gets a reference of its own.
std::shared_ptr<Menu> ImplicitInstance();
// Whether the module holds the implicit instance now.
bool HasImplicitInstance();
// Drops the module's reference; the last release of finalize. The bar goes
// when its last holder lets it go.
void ReleaseImplicitInstance();

}  // namespace Menu
