#include <gtest/gtest.h>

#include "Object.h"
#include "Runtime.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit();
    fw::InitializeFrameworkClasses();
    const int result = RUN_ALL_TESTS();
    fw::RuntimeExit();
    return result;
}
