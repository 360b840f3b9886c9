// Comparisons of two key tables or two session profiles: bits 4-5 of the
// option byte choose the kind (and the key table version).
#include "app/reports.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char kVersions[4][21] = {"Tarnu Session V1.26 ", "Tarnu Keytable V1.00", "Tarnu Keytable V1.01",
                                          "Tarnu Keytable V1.26"};
    FuzzRun fuzz(data, size, true, kVersions, 4);
    if (fuzz.versionChoice == 0) {
        PrintSessionReport(fuzz.run);
    } else {
        PrintKeyTableComparison(fuzz.run);
    }
    return 0;
}
