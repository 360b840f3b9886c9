// Key table listings of every version, with key.lst missing, valid or
// damaged.
#include "app/reports.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char kVersions[3][21] = {"Tarnu Keytable V1.00", "Tarnu Keytable V1.01", "Tarnu Keytable V1.26"};
    FuzzRun fuzz(data, size, false, kVersions, 3);
    PrintKeyTableListing(fuzz.run);
    return 0;
}
