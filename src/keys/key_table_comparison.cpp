// Compares two key tables of one version key by key and prints, side by
// side, only the bindings a reader would see differ. Each side names its
// macros from its own file's MacroNameList.
#include <cstring>

#include "app/reports.h"
#include "keys/key_table_file.h"

namespace {

void PrintComparisonHeading(std::FILE* out) {
    std::fprintf(out, "Num  Key Name  Shift     Type      I  R  Function                 Type      I  R  Function\n");
    std::fprintf(out, "---  --------  --------  --------  -  -  -----------------------  --------  -  -  "
                      "------------------------\n\n");
}

bool SameText(const CellText& a, const CellText& b) {
    return a.length == b.length && std::memcmp(a.chars, b.chars, static_cast<std::size_t>(a.length)) == 0;
}

}  // namespace

int PrintKeyTableComparison(const RunState& run) {
    FunctionList list;
    KeyTableStart start = BeginKeyTableReport(run, list);
    if (start.keyCount == 0) return start.status;
    if (!SameVersionText(run.first, run.second)) {
        std::fprintf(run.out, "Error, Keyfiles to compare are not at the same version\n");
        return kStatusError;
    }

    const std::int64_t macroListStart = KeyMacroListStart(start.keyCount);
    static CellText firstCell;
    static CellText secondCell;
    int differences = 0;
    // Keys whose bytes are equal are rendered too: the same macro number
    // can name different macros in the two files.
    for (int key = 0; key < start.keyCount; ++key) {
        for (int shift = 0; shift < kShiftStates; ++shift) {
            RenderKeyCell(list, run.first, KeyCellOffset(key, shift), macroListStart, firstCell);
            RenderKeyCell(list, run.second, KeyCellOffset(key, shift), macroListStart, secondCell);
            if (SameText(firstCell, secondCell)) continue;
            if (differences++ == 0) PrintComparisonHeading(run.out);
            std::fprintf(run.out, "%3d  %-8s  %-8s  %.*s %.*s\n", key, KeyNames[key], ShiftNames[shift],
                         firstCell.length, firstCell.chars, secondCell.length, secondCell.chars);
        }
    }
    if (differences == 0) std::fprintf(run.out, "Files are identical\n");
    return kStatusOk;
}
