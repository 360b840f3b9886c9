// rareduzuver: lists a terminal emulator parameter file (.ses, .key, .bar,
// .pad) in readable form, or compares two files of one kind.
#include <cstdio>

#include "app/entry.h"

int main(int argc, char** argv) {
    int status = RunTool(argc, argv, stdout);
    std::fflush(stdout);
    return status;
}
