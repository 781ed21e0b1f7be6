#include "App.h"

const fw::ClassRecord& App::ClassInfo()
{
    static const fw::ClassRecord record{"App", &fw::Application::ClassInfo()};
    return record;
}

const fw::ClassRecord& App::Lookup()
{
    return fw::ClassTable::Instance().Build(ClassInfo());
}
