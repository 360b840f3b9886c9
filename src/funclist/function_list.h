// The emulator's function list: the names of the Action, Edit and Oper
// functions that bindings refer to by table position. It is read from the
// installed key.lst or, when that cannot be opened, built from the tool's
// own copy; a 35-byte header gives the byte sizes of the tables that follow.
#pragma once

#include <cstdint>

#include "app/file_image.h"
#include "app/run_state.h"
#include "platform/platform.h"

inline constexpr char kFunctionListPath[] = "c:\\Program Files (x86)\\Olverun\\TarnuTN3270\\key.lst";

struct FunctionList {
    OwnedBlock block;
    FileImage image;
    std::int64_t actionStart = 0;
    std::int64_t editStart = 0;
    std::int64_t operStart = 0;
};

// Makes `list` from key.lst (or the built-in list when key.lst cannot be
// opened or read, after the line "Error opening file %s\n"). Returns kStatusError
// after "Invalid KEY.LST key table\n", else kStatusOk.
int LoadFunctionList(const RunState& run, FunctionList& list);

// Writes the built-in function list into a zero-filled block of
// kImageSize bytes.
void BuildBuiltinFunctionList(std::uint8_t* block);

// The text shown for a binding of `type` (0-15) and `index`: a table name,
// a one-character text, a macro name with ".mac", or "". `macros` and
// `macroListStart` locate the MacroNameList of the file being listed. A
// Char or Macro result is overwritten by the next lookup of its kind.
TextView LookupFunctionName(const FunctionList& list, std::uint8_t type, std::uint8_t index,
                            FileImage macros, std::int64_t macroListStart);
