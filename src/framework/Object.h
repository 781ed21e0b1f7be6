#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "Exceptions.h"
#include "Text.h"

namespace fw {

class Object;

enum class PropertyType : std::uint8_t { Int32, Boolean, Color, String };

using PropertyValue = std::variant<std::int32_t, bool, Color, std::string>;

// One property that a class declares: the single table that both the
// program's calls and the property-stream reader go through.
struct PropertyDecl {
    std::string_view name;
    PropertyType type;
    void (*set)(Object&, const PropertyValue&);
    PropertyValue (*get)(const Object&);  // null for write-only properties
};

// The record of one class: its name, base, declared properties and the
// events its objects raise.
struct ClassRecord {
    std::string_view name;
    const ClassRecord* base = nullptr;
    std::span<const PropertyDecl> properties{};
    std::span<const std::string_view> events{};

    // Case-insensitive, searching this class and then its bases.
    const PropertyDecl* FindProperty(std::string_view propertyName) const;
    bool RaisesEvent(std::string_view eventName) const;
    bool IsA(const ClassRecord& other) const;
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The table of every class record, in the order the records were built.
// Building a record twice does nothing the second time.
class ClassTable {
public:
    static ClassTable& Instance();
    const ClassRecord& Build(const ClassRecord& record);
    const std::vector<const ClassRecord*>& Records() const { return records_; }

private:
    std::vector<const ClassRecord*> records_;
};

// Registers the framework's own class records; the first step of start-up's
// class-table initialisation.
void InitializeFrameworkClasses();

class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;
    virtual const ClassRecord& Class() const = 0;

    PropertyValue GetProperty(std::string_view name) const;
};

template <class T>
T& RuntimeCheckCast(Object& object)
{
    if (auto* cast = dynamic_cast<T*>(&object)) return *cast;
    throw IllegalCastException("IllegalCastException: " + std::string(object.Class().name) +
                               " is not a " + std::string(T::ClassInfo().name));
}

template <class T>
T& RuntimeCheckCast(Object* object)
{
    return RuntimeCheckCast<T>(NotNil(object));
}

namespace detail {
template <class T> struct PropertyTypeOf;
template <> struct PropertyTypeOf<std::int32_t> { static constexpr PropertyType value = PropertyType::Int32; };
template <> struct PropertyTypeOf<bool> { static constexpr PropertyType value = PropertyType::Boolean; };
template <> struct PropertyTypeOf<Color> { static constexpr PropertyType value = PropertyType::Color; };
template <> struct PropertyTypeOf<std::string> { static constexpr PropertyType value = PropertyType::String; };

template <class M> struct SetterTraits;
template <class C, class A> struct SetterTraits<void (C::*)(A)> {
    using Class = C;
    using Value = std::remove_cvref_t<A>;
};
template <class M> struct GetterTraits;
template <class C, class R> struct GetterTraits<R (C::*)() const> {
    using Class = C;
};
}  // namespace detail

// A property that can only be set.
template <auto Setter>
constexpr PropertyDecl WriteOnlyProperty(std::string_view name)
{
    using Traits = detail::SetterTraits<decltype(Setter)>;
    using C = typename Traits::Class;
    using V = typename Traits::Value;
    return PropertyDecl{
        name, detail::PropertyTypeOf<V>::value,
        [](Object& o, const PropertyValue& v) { (static_cast<C&>(o).*Setter)(std::get<V>(v)); }, nullptr};
}

// A property backed by a setter and a getter member function.
template <auto Setter, auto Getter>
constexpr PropertyDecl Property(std::string_view name)
{
    PropertyDecl decl = WriteOnlyProperty<Setter>(name);
    decl.get = [](const Object& o) -> PropertyValue {
        using V = typename detail::SetterTraits<decltype(Setter)>::Value;
        using G = typename detail::GetterTraits<decltype(Getter)>::Class;
        return V((static_cast<const G&>(o).*Getter)());
    };
    return decl;
}

namespace detail {
template <class M> struct MemberTraits;
template <class C, class V> struct MemberTraits<V C::*> {
    using Class = C;
    using Value = V;
};
}  // namespace detail

// A plain data member exposed as a property.
template <auto Member>
constexpr PropertyDecl Field(std::string_view name)
{
    using Traits = detail::MemberTraits<decltype(Member)>;
    using C = typename Traits::Class;
    using V = typename Traits::Value;
    return PropertyDecl{
        name, detail::PropertyTypeOf<V>::value,
        [](Object& o, const PropertyValue& v) { static_cast<C&>(o).*Member = std::get<V>(v); },
        [](const Object& o) -> PropertyValue { return static_cast<const C&>(o).*Member; }};
}

}  // namespace fw
