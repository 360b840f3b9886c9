// Toolbar and keypad listings: bits 4-5 of the option byte choose the kind.
#include "app/reports.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char kVersions[2][21] = {"Tarnu Toolbar V1.26 ", "Tarnu KeyPad V1.26  "};
    FuzzRun fuzz(data, size, false, kVersions, 2);
    if (fuzz.versionChoice % 2 == 0) {
        PrintToolbarListing(fuzz.run);
    } else {
        PrintKeypadListing(fuzz.run);
    }
    return 0;
}
