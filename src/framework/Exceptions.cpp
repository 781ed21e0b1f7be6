#include "Exceptions.h"

#include <utility>

namespace fw {

namespace {

std::string DescribeStreamProblem(std::size_t offset, const std::string& property, const std::string& problem)
{
    std::string text = "PropertyStreamException at byte " + std::to_string(offset);
    // A record cut short before its name is complete has no property to name.
    if (!property.empty()) text += " (property \"" + property + "\")";
    text += ": " + problem;
    return text;
}

}  // namespace

PropertyStreamException::PropertyStreamException(std::size_t offset, std::string property,
                                                 const std::string& problem)
    : RuntimeException(DescribeStreamProblem(offset, property, problem)),
      offset_(offset),
      property_(std::move(property))
{
}

void RaiseNilObjectException() { throw NilObjectException(); }

}  // namespace fw
