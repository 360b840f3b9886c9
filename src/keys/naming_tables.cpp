// Names for the numbers of a binding: function types, shift states, keys.
#include "keys/binding_cell.h"

const char* const FunctionTypeNames[16] = {
    "Action", "Edit", "Char", "Oper", "Macro", "", "", "",
    "",       "",     "",     "",     "",      "", "", "<Shift>",
};

const char* const ShiftNames[kShiftStates] = {"Normal", "Shift", "Ctrl", "Alt"};

const char* const KeyNames[kKeyCount] = {
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
