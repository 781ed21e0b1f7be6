#pragma once

#include <string_view>

// The design-time settings of the converter window and its 29 controls, as
// property streams: counted bytes, never NUL-terminated text.
namespace Plumivard {

std::string_view WindowStream();
// The stream of the control of that name; std::out_of_range for a name the
// window has no control of.
std::string_view ControlStream(std::string_view name);

}  // namespace Plumivard
