#include "app/reports.h"

int PrintKeyTableListing(const RunState&) { return kStatusOk; }
int PrintKeyTableComparison(const RunState&) { return kStatusOk; }
