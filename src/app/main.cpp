#include "Startup.h"

int main()
{
    return program::main();
}
