#include "FileTypes.h"

namespace FileTypes {

std::unique_ptr<fw::FileType> pText;

void _Initialize()
{
    pText = std::make_unique<fw::FileType>();
    fw::FileType& type = fw::NotNil(pText.get());
    type.SetName("text");
    type.SetExtensions("");
    type.SetMacType("TEXT");
    type.SetMacCreator("R*ch");
    // Converting the type to its name is what registers it.
    static_cast<void>(type.Operator_Convert());
}

}  // namespace FileTypes
