// One setting of a session profile rendered as text and printed as one
// line: always in a listing, in a comparison only when the two files render
// it differently.
#pragma once

#include "app/run_state.h"
#include "session/session_profile.h"

// The value of one setting in one file, as the report shows it.
struct ValueText {
    char text[kMaxValueText + 1];
    int length;
};

// What the report and its setting lines share while one report runs.
struct SessionReportState {
    const RunState& run;
    const char* PendingHeader = nullptr;  // the current section's header until its first line
    int DifferenceCount = 0;              // lines printed as differences so far
};

// Renders `setting` as stored in `image`, the same way in both modes.
void RenderSetting(const SessionEntry& setting, FileImage image, ValueText& value);

// Prints the setting's line (releasing a pending section header first), or
// in a comparison nothing when both files render it alike.
void PrintSetting(SessionReportState& state, const SessionEntry& setting);
