// Names for the numbers of a binding: function types, shift states, keys.
#include "keys/binding_cell.h"

#include <string_view>

constexpr const char* const FunctionTypeNames[16] = {
    "Action", "Edit", "Char", "Oper", "Macro", "", "", "",
    "",       "",     "",     "",     "",      "", "", "<Shift>",
};

constexpr const char* const ShiftNames[kShiftStates] = {"Normal", "Shift", "Ctrl", "Alt"};

constexpr const char* const KeyNames[kKeyCount] = {
    "Escape",  "F1",       "F2",      "F3",       "F4",      "F5",       "F6",      "F7",
    "F8",      "F9",       "F10",     "F11",      "F12",     "Print",    "ScrLock", "Pause",
    "`",       "1",        "2",       "3",        "4",       "5",        "6",       "7",
    "8",       "9",        "0",       "-",        "=",       "BackSp",   "Insert",  "Home",
    "PageUp",  "NumLock",  "Num /",   "Num *",    "Num -",   "Tab",      "Q",       "W",
    "E",       "R",        "T",       "Y",        "U",       "I",        "O",       "P",
    "[",       "]",        "\\",      "Delete",   "End",     "PageDown", "Num-7",   "Num-8",
    "Num-9",   "Num +",    "CapsLock", "A",       "S",       "D",        "F",       "G",
    "H",       "J",        "K",       "L",        ";",       "'",        "Enter",   "Num-4",
    "Num-5",   "Num-6",    "Shift-L", "Z",        "X",       "C",        "V",       "B",
    "N",       "M",        ",",       ".",        "/",       "Shift-R",  "Up",      "Num-1",
    "Num-2",   "Num-3",    "Enter-R", "Ctrl-L",   "Alt-L",   "Space",    "Alt-R",   "Ctrl-R",
    "Left",    "Down",     "Right",   "Num-0",    "Num-Dot", "Click-L",  "Click-R", "Double-L",
    "Double-R", "Lock-7",  "Lock-8",  "Lock-9",   "Lock-4",  "Lock-5",   "Lock-6",  "Lock-1",
    "Lock-2",  "Lock-3",   "Lock-0",  "Lock-Dot", "Click-M", "Double-M", "Local",
};

namespace {

// The listings pad these names to eight places, and the files that first
// held them gave each name a fixed slot: a name that outgrew its slot, or a
// row missing from a table (a null entry), would shift every column after it.
template <std::size_t N>
consteval bool EveryNameFits(const char* const (&names)[N], std::size_t longest) {
    for (const char* name : names) {
        if (!name || std::string_view(name).size() > longest) return false;
    }
    return true;
}

static_assert(EveryNameFits(FunctionTypeNames, 7));
static_assert(EveryNameFits(ShiftNames, 7));
static_assert(EveryNameFits(KeyNames, 8));
static_assert(std::string_view(KeyNames[kKeyCount - 1]) == "Local");

}  // namespace
