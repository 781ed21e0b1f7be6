#pragma once

#include <memory>

#include "Runtime.h"

// The program's one document file type.
namespace FileTypes {

extern std::unique_ptr<fw::FileType> pText;

// Creates pText and registers it.
void _Initialize();

}  // namespace FileTypes
