#pragma once

#include "Runtime.h"

// The application object. It handles no event of its own: the framework's
// defaults serve them all.
class App : public fw::Application {
public:
    static const fw::ClassRecord& ClassInfo();
    static const fw::ClassRecord& Lookup();
    const fw::ClassRecord& Class() const override { return ClassInfo(); }
};
