// Prints the name of every function sdk/ZephyrinAddon.h declares, one a line: the list an export
// table must hold.
#include "sdk/ZephyrinAddon.h"

#include <cstdio>

int main() {
#define PRINT_NAME(result, name, parameters) std::puts(#name);
    ZEPHYRIN_EXPORTS(PRINT_NAME)
#undef PRINT_NAME
    return 0;
}
