// Session profile listings.
#include "app/reports.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char kVersions[1][21] = {"Tarnu Session V1.26 "};
    FuzzRun fuzz(data, size, false, kVersions, 1);
    PrintSessionReport(fuzz.run);
    return 0;
}
