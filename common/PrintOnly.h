#pragma once

#include <cstring>
#include <initializer_list>

// Whether the command line asks only for --help or --version: those print
// and end, and must work without a display.
inline bool onlyPrints(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : { "-h", "--help", "--help-all", "-v", "--version" }) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}
