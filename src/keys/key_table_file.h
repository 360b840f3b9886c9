// A key table file: a 20-byte version text, 4 bytes never read, then for
// each key four binding cells (Normal, Shift, Ctrl, Alt), then the
// MacroNameList. The version fixes the key count and so where the names begin.
#pragma once

#include <cstdint>

#include "app/file_image.h"
#include "app/run_state.h"
#include "funclist/function_list.h"
#include "keys/binding_cell.h"

struct KeyTableVersion {
    char text[21];  // compared on its 20 characters, no terminator in the file
    int keyCount;
};

// Tried in this order; the first match wins.
inline constexpr KeyTableVersion kKeyTableVersions[] = {
    {"Tarnu Keytable V1.00", 116},
    {"Tarnu Keytable V1.01", 119},
    {"Tarnu Keytable V1.26", 119},
};

inline constexpr std::int64_t kKeyBindingsOffset = 24;
inline constexpr std::int64_t kKeyBindingSize = 2 * kShiftStates;

consteval bool VersionsFitTheKeyNames() {
    for (const KeyTableVersion& version : kKeyTableVersions) {
        if (version.keyCount <= 0 || version.keyCount > kKeyCount) return false;
        if (version.text[20] != '\0' || version.text[19] == '\0') return false;
    }
    return true;
}
static_assert(VersionsFitTheKeyNames());

constexpr std::int64_t KeyCellOffset(int key, int shift) {
    return kKeyBindingsOffset + kKeyBindingSize * key + 2 * shift;
}

constexpr std::int64_t KeyMacroListStart(int keyCount) {
    return kKeyBindingsOffset + kKeyBindingSize * keyCount;
}
static_assert(KeyMacroListStart(116) == 952 && KeyMacroListStart(119) == 976);

// The steps both key table reports open with: the function list, the
// heading and the first file's version. A keyCount of 0 means the report
// ends here with `status`.
struct KeyTableStart {
    int keyCount;
    int status;
};
KeyTableStart BeginKeyTableReport(const RunState& run, FunctionList& list);

// One cell as every key table row shows it, "%-8s  %d  %d  %-24s": type
// name, I flag, R flag and the function text, padded but never cut. The
// longest text is a macro name running to the end of its image.
inline constexpr int kCellTextRoom = 8 + 2 + 1 + 2 + 1 + 2 + static_cast<int>(kImageSize) + 4;

struct CellText {
    char chars[kCellTextRoom];
    int length;
};

// Renders the cell at `offset` of `image`, whose MacroNameList starts at
// `macroListStart`, into `text`.
void RenderKeyCell(const FunctionList& list, FileImage image, std::int64_t offset,
                   std::int64_t macroListStart, CellText& text);
