#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// The framework's exceptions. Program code never catches them; the runtime
// hands whatever escapes to RuntimeUnhandledException.
class RuntimeException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(const std::string& what = "NilObjectException: a nil object was used")
        : RuntimeException(what) {}
};

class IllegalCastException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
};

// A property stream that cannot be applied: names the byte offset of the
// record and the property concerned.
class PropertyStreamException : public RuntimeException {
public:
    PropertyStreamException(std::size_t offset, std::string property, const std::string& problem);
    std::size_t Offset() const { return offset_; }
    const std::string& Property() const { return property_; }

private:
    std::size_t offset_;
    std::string property_;
};

// A binding by an event name that the control does not raise.
class UnknownEventException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
};

[[noreturn]] void RaiseNilObjectException();

// Returns the reference, or raises NilObjectException for a null pointer.
template <class T>
T& NotNil(T* p)
{
    if (p == nullptr) RaiseNilObjectException();
    return *p;
}

}  // namespace fw
