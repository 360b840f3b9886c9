// Lists a whole key table: every key of its version, in its four shift
// states, one row each, and an empty line after each key. A key table holds
// no count of its own; the version text alone says how many keys follow.
#include "app/reports.h"
#include "keys/key_table_file.h"

int PrintKeyTableListing(const RunState& run) {
    FunctionList list;
    KeyTableStart start = BeginKeyTableReport(run, list);
    if (start.keyCount == 0) return start.status;

    std::fprintf(run.out, "Num  Key Name  Shift     Type      I  R  Function\n");
    std::fprintf(run.out, "---  --------  --------  --------  -  -  -----------------------\n\n");
    const std::int64_t macroListStart = KeyMacroListStart(start.keyCount);
    static CellText cell;
    for (int key = 0; key < start.keyCount; ++key) {
        for (int shift = 0; shift < kShiftStates; ++shift) {
            RenderKeyCell(list, run.first, KeyCellOffset(key, shift), macroListStart, cell);
            std::fprintf(run.out, "%3d  %-8s  %-8s  %.*s\n", key, KeyNames[key], ShiftNames[shift], cell.length,
                         cell.chars);
        }
        std::fprintf(run.out, "\n");
    }
    return kStatusOk;
}
