// hold_file <name>: opens a file the way the tool does (for reading, with no
// sharing) and keeps it open until its standard input ends, so that a test
// can show what the tool makes of a file another program holds. Prints
// "held" once the file is open, or "not held rc=<code>" when it cannot be.
#include <cstdio>

#include "platform/platform.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::puts("usage: hold_file <name>");
        return 2;
    }
    FileHandle handle;
    if (!OpenFileForRead(argv[1], &handle)) {
        std::printf("not held rc=%d\n", LastErrorCode());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    CloseFile(handle);
    return 0;
}
