#include "app/reports.h"

int PrintToolbarListing(const RunState&) { return kStatusOk; }
int PrintKeypadListing(const RunState&) { return kStatusOk; }
