// The whole run behind main: arguments, loading, refusals, dispatch.
#pragma once

#include <cstdio>

#include "app/run_state.h"

// Runs the tool on a command line (argv[0] is the program name), writing
// everything to `out`, and returns the exit status. `functionList` tells
// the reports where the function list comes from.
int RunTool(int argc, const char* const* argv, std::FILE* out,
            FunctionListSource functionList = {});

// Hands a filled run to the report of its kind; the refusals of unknown
// kinds and of comparing toolbars or keypads come first.
int DispatchReport(const RunState& run);

void PrintUsage(std::FILE* out);
