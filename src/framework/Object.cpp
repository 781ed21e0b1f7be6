#include "Object.h"

#include <algorithm>

namespace fw {

namespace {

// SetProperty checks a value's type by its variant index.
template <PropertyType T, class V>
constexpr bool kSlotIs = std::is_same_v<std::variant_alternative_t<static_cast<std::size_t>(T), PropertyValue>, V>;
static_assert(kSlotIs<PropertyType::Int32, std::int32_t> && kSlotIs<PropertyType::Boolean, bool> &&
              kSlotIs<PropertyType::Color, Color> && kSlotIs<PropertyType::String, std::string>);

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

constexpr std::string_view TypeName(PropertyType type)
{
    switch (type) {
    case PropertyType::Int32: return "Int32";
    case PropertyType::Boolean: return "Boolean";
    case PropertyType::Color: return "Color";
    case PropertyType::String: return "String";
    }
    return "?";
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
    if (!Contains(record)) records_.push_back(&record);
    return record;
}

bool ClassTable::Contains(const ClassRecord& record) const
{
    return std::find(records_.begin(), records_.end(), &record) != records_.end();
}

const ClassRecord* ClassTable::Find(std::string_view name) const
{
    const auto it = std::find_if(records_.begin(), records_.end(),
                                 [name](const ClassRecord* record) { return record->name == name; });
    return it == records_.end() ? nullptr : *it;
}

void Object::SetProperty(std::string_view name, const PropertyValue& value)
{
    const PropertyDecl& decl = RequireProperty(*this, name);
    // The setter would otherwise fail inside std::get with no useful message.
    if (value.index() != static_cast<std::size_t>(decl.type)) {
        throw RuntimeException("RuntimeException: " + std::string(Class().name) + "." + std::string(decl.name) +
                               " takes a " + std::string(TypeName(decl.type)) + " value");
    }
    decl.set(*this, value);
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
