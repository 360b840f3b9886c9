// The usage text, printed for any argument count other than one or two:
// six texts, each followed by one line end, 17 lines in all.
#include "app/entry.h"

namespace {

constexpr const char* kUsageLines[] = {
    "\nThis program formats Tarnu parameter files *.ses, *.key, *.bar, and *.pad",
    "so that they are in a human readable format.",
    "\nCommand format is:\n\n     RAREDUZUVER <filename>\n",
    "\n\nYou can also use this program to compare one file against another, such as:",
    "Command format is:\n\n     RAREDUZUVER <filename1> <filename2>\n",
    "         In this case we print out only the differences\n",
};

}  // namespace

void PrintUsage(std::FILE* out) {
    for (const char* line : kUsageLines) {
        std::fputs(line, out);
        std::fputc('\n', out);
    }
}
