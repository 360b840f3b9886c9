// Session profile (.ses) listing and comparison. The file must start with
// the version text "Tarnu Session V1.26 "; the profile's settings are then
// shown section by section, in the order of the SessionProfile table.
#include "app/reports.h"
#include "session/setting_printer.h"

int PrintSessionReport(const RunState& run) {
    if (!HasVersionText(run.first, kSessionVersion)) {
        std::fprintf(run.out, "Error, Session file version not known");
        return kStatusError;
    }
    // The second file must carry the very same version text as the first.
    if (run.compareMode && !SameVersionText(run.first, run.second)) {
        std::fprintf(run.out, "Error, Session files to compare are not at the same version\n");
        return kStatusError;
    }
    if (run.compareMode) {
        std::fprintf(run.out, "\nComparing SES files %s : %s\n", run.firstName, run.secondName);
    } else {
        std::fprintf(run.out, "\nFormat of SES file %s\n", run.firstName);
    }

    SessionReportState state{run};
    for (const SessionEntry& entry : SessionProfile) {
        switch (entry.type) {
            case EntryType::Section:
                // Held back until a line of this section is printed; a
                // comparison with no difference here never shows it.
                state.PendingHeader = entry.label;
                break;
            case EntryType::Blank:
                if (!run.compareMode) std::fprintf(run.out, "\n");
                break;
            case EntryType::Setting:
                PrintSetting(state, entry);
                break;
        }
    }
    if (run.compareMode && state.DifferenceCount == 0) std::fprintf(run.out, "\nFiles are identical\n");
    return kStatusOk;
}
