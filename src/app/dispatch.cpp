// Chooses the report for the run's kind, the upper-cased extension of the
// first name, after refusing kinds the tool does not read and comparisons
// of kinds it cannot compare.
#include <cstring>

#include "app/entry.h"
#include "app/reports.h"

namespace {

using Report = int (*)(const RunState&);

struct FileKind {
    const char* extension;
    Report listing;
    Report comparison;  // nullptr: this kind is never compared
};

constexpr FileKind kFileKinds[] = {
    {"SES", PrintSessionReport, PrintSessionReport},
    {"KEY", PrintKeyTableListing, PrintKeyTableComparison},
    {"BAR", PrintToolbarListing, nullptr},
    {"PAD", PrintKeypadListing, nullptr},
};

}  // namespace

int DispatchReport(const RunState& run) {
    const FileKind* kind = nullptr;
    for (const FileKind& candidate : kFileKinds) {
        if (std::strcmp(run.firstExtension, candidate.extension) == 0) kind = &candidate;
    }
    if (!kind) {
        std::fprintf(run.out, "This function can only format SES, KEY, BAR, and PAD files\n");
        return kStatusError;
    }
    if (run.compareMode && !kind->comparison) {
        std::fprintf(run.out, "This function can only compare SES and KEY files\n");
        return kStatusError;
    }
    return run.compareMode ? kind->comparison(run) : kind->listing(run);
}
