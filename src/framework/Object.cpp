#include "Object.h"

#include <algorithm>

namespace fw {

namespace {

constexpr char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

const PropertyDecl& RequireProperty(const Object& object, std::string_view name)
{
    if (const PropertyDecl* decl = object.Class().FindProperty(name)) return *decl;
    throw RuntimeException("RuntimeException: " + std::string(object.Class().name) + " has no property named \"" +
                           std::string(name) + "\"");
}

}  // namespace

// ASCII only: property names are ASCII, and folding other bytes could make
// two different UTF-8 names equal.
bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

const PropertyDecl* ClassRecord::FindProperty(std::string_view propertyName) const
{
    for (const ClassRecord* record = this; record != nullptr; record = record->base) {
        for (const PropertyDecl& decl : record->properties)
            if (EqualsIgnoringCase(decl.name, propertyName)) return &decl;
    }
    return nullptr;
}

bool ClassRecord::RaisesEvent(std::string_view eventName) const
{
    for (const ClassRecord* record = this; record != nullptr; record = record->base) {
        if (std::find(record->events.begin(), record->events.end(), eventName) != record->events.end()) return true;
    }
    return false;
}

bool ClassRecord::IsA(const ClassRecord& other) const
{
    for (const ClassRecord* record = this; record != nullptr; record = record->base)
        if (record == &other) return true;
    return false;
}

ClassTable& ClassTable::Instance()
{
    static ClassTable table;
    return table;
}

const ClassRecord& ClassTable::Build(const ClassRecord& record)
{
    if (std::find(records_.begin(), records_.end(), &record) == records_.end()) records_.push_back(&record);
    return record;
}

PropertyValue Object::GetProperty(std::string_view name) const
{
    const PropertyDecl& decl = RequireProperty(*this, name);
    if (decl.get == nullptr) {
        throw RuntimeException("RuntimeException: " + std::string(Class().name) + "." + std::string(decl.name) +
                               " can only be set");
    }
    return decl.get(*this);
}

}  // namespace fw
