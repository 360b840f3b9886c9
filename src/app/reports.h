// The reports the dispatch hands a run to. Each prints to the run's output
// and returns the run's exit status.
#pragma once

#include "app/run_state.h"

int PrintSessionReport(const RunState& run);
int PrintKeyTableListing(const RunState& run);
int PrintKeyTableComparison(const RunState& run);
int PrintToolbarListing(const RunState& run);
int PrintKeypadListing(const RunState& run);
