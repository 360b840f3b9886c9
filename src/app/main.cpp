// rareduzuver: lists a terminal emulator parameter file (.ses, .key, .bar,
// .pad) in readable form, or compares two files of one kind.
#include <cstdio>

#include "app/entry.h"

int main(int argc, char** argv) {
    // A report is a few kilobytes: written in one go, not a block at a time.
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    int status = RunTool(argc, argv, stdout);
    std::fflush(stdout);
    return status;
}
