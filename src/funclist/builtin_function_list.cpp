// The tool's own copy of the function list, used when key.lst cannot be
// opened. The finished block has exactly the layout of a key.lst file: the
// header, then 50 Action, 66 Edit and 64 Oper entries of 160 bytes (code,
// 30-byte name, 128-byte description), back to back, the rest zero.
#include <cstring>
#include <iterator>
#include <string>

#include "funclist/function_list.h"

namespace {

struct BuiltinEntry {
    std::uint16_t code;
    const char* name;
    const char* description;
};

constexpr BuiltinEntry kBuiltinAction[] = {
    {256,  "Attention",   "Send an Attention Interrupt to the host.  Typically used to stop current process"},
    {1,    "Clear",       "Clears the screen and tells the host about it"},
    {2,    "Enter",       "Sends Enter code to the host, along with the data from any modified fields"},
    {3,    "PA1",         "Function defined by application.  For example, in ISPF PA1 refreshes display"},
    {4,    "PA2",         "Function defined by application"},
    {5,    "PA3",         "Function defined by application"},
    {6,    "PF1",         "Function Key 1"},
    {7,    "PF2",         "Function Key 2"},
    {8,    "PF3",         "Function Key 3"},
    {9,    "PF4",         "Function Key 4"},
    {10,   "PF5",         "Function Key 5"},
    {11,   "PF6",         "Function Key 6"},
    {12,   "PF7",         "Function Key 7"},
    {13,   "PF8",         "Function Key 8"},
    {14,   "PF9",         "Function Key 9"},
    {15,   "PF10",        "Function Key 10"},
    {16,   "PF11",        "Function Key 11"},
    {17,   "PF12",        "Function Key 12"},
    {18,   "PF13",        "Function Key 13"},
    {19,   "PF14",        "Function Key 14"},
    {20,   "PF15",        "Function Key 15"},
    {21,   "PF16",        "Function Key 16"},
    {22,   "PF17",        "Function Key 17"},
    {23,   "PF18",        "Function Key 18"},
    {24,   "PF19",        "Function Key 19"},
    {25,   "PF20",        "Function Key 20"},
    {26,   "PF21",        "Function Key 21"},
    {27,   "PF22",        "Function Key 22"},
    {28,   "PF23",        "Function Key 23"},
    {29,   "PF24",        "Function Key 24"},
    {286,  "SysRequest",  "Send a System Request sequence to the host"},
    {31,   "PA4",         "Specify function in tarnu.ini"},
    {32,   "PA5",         "Specify function in tarnu.ini"},
    {33,   "PA6",         "Specify function in tarnu.ini"},
    {34,   "PA7",         "Specify function in tarnu.ini"},
    {35,   "PA8",         "Specify function in tarnu.ini"},
    {36,   "PA9",         "Specify function in tarnu.ini"},
    {37,   "PA10",        "Specify function in tarnu.ini"},
    {38,   "PF25",        "Specify function in tarnu.ini"},
    {39,   "PF26",        "Specify function in tarnu.ini"},
    {40,   "PF27",        "Specify function in tarnu.ini"},
    {41,   "PF28",        "Specify function in tarnu.ini"},
    {42,   "PF29",        "Specify function in tarnu.ini"},
    {43,   "PF30",        "Specify function in tarnu.ini"},
    {44,   "PF31",        "Specify function in tarnu.ini"},
    {45,   "PF32",        "Specify function in tarnu.ini"},
    {46,   "PF33",        "Specify function in tarnu.ini"},
    {47,   "PF34",        "Specify function in tarnu.ini"},
    {48,   "PF35",        "Specify function in tarnu.ini"},
    {49,   "PF36",        "Specify function in tarnu.ini"},
};

constexpr BuiltinEntry kBuiltinEdit[] = {
    {512,  "Backspace",        "Blank out the current character and move the cursor back 1 position"},
    {513,  "BackTab",          "Move the cursor back to the previous input field"},
    {258,  "CapsLock",         "This function enables the Caps Lock key"},
    {259,  "Copy",             "Copy selected text to clipboard"},
    {4,    "Cut",              "Copy selected text to clipboard and delete"},
    {517,  "Delete",           "Delete single character or selected text"},
    {518,  "DeleteWord",       "Delete word at cursor position"},
    {519,  "Down",             "Move cursor down one line"},
    {520,  "Down2",            "Move cursor down two lines"},
    {521,  "Dup",              "3270 Dup key"},
    {10,   "End",              "Move cursor to end of text in input field"},
    {11,   "EraseEndofField",  "Erase text from cursor position to end of field"},
    {524,  "EraseInput",       "Erase all input fields"},
    {525,  "FieldMark",        "Type a FieldMark (sometimes used to separate multiple commands)"},
    {14,   "Home",             "Move cursor to the upper left input field on screen"},
    {15,   "Insert",           "Set or toggle insert mode, depending on 'Toggle Insert Mode' display option"},
    {528,  "Left",             "Move cursor to the left one character"},
    {529,  "Left2",            "Move cursor to the left two characters"},
    {530,  "NewLine",          "Move cursor to the leftmost input field on the next line"},
    {19,   "NullKey",          "Set key to do nothing, or for alt keys pass key through to menu selection"},
    {20,   "PasteOverlay",     "Paste data and overlay any input fields"},
    {277,  "Reset",            "Reset the emulator"},
    {534,  "Right",            "Move cursor to the right one character"},
    {535,  "Right2",           "Move cursor to the right two characters"},
    {280,  "SelectAll",        "Select all text on screen (including blank areas)"},
    {281,  "SelectField",      "Select current field"},
    {282,  "SelectLine",       "Select current line"},
    {283,  "SelectWord",       "Select current word"},
    {540,  "Substitute",       "Substitute"},
    {541,  "Tab",              "Tab to the beginning of the next input field"},
    {542,  "Up",               "Move cursor up one line"},
    {543,  "Up2",              "Move cursor up two lines"},
    {544,  "WordLeft",         "Move cursor left one word"},
    {545,  "WordRight",        "Move cursor right one word"},
    {34,   "BottomHome",       "Move cursor to the lower left input field on the screen"},
    {547,  "BackNewLine",      "Move cursor to the leftmost input field on the previous line"},
    {36,   "Undo",             "Revert back to the last screen sent by the host"},
    {37,   "ClearBuffers",     "Clear all copy/paste buffers, including the clipboard"},
    {38,   "NumLock",          "This function enables the Numeric Lock key"},
    {39,   "PasteRepeat",      "Paste data and repeat on any lines below cursor"},
    {40,   "PasteField",       "Paste data and repeat on any lines below cursor"},
    {41,   "Paste",            "Paste Overlay, Insert, or Fields, depending on Option settings"},
    {298,  "SelectLocation1",  "Start a Select Box at the current cursor location"},
    {299,  "SelectLocation2",  "End a Select Box at the current cursor location"},
    {44,   "PasteContinue",    "Continue Pasting from the last used buffer location"},
    {45,   "PasteWindow",      "Paste and wrap free-form text into a specified window area"},
    {46,   "CopyAppend",       "Append selected text to Clipboard"},
    {303,  "PopupMenu",        "Display popup menu with edit functions"},
    {816,  "SelectWinUp",      "Nudge select location 2 up 1 character"},
    {817,  "SelectWinDown",    "Nudge select location 2 down 1 character"},
    {818,  "SelectWinLeft",    "Nudge select location 2 left 1 character"},
    {819,  "SelectWinRight",   "Nudge select location 2 right 1 character"},
    {308,  "SelectJCL",        "Select logically by mouse position, especially made for JCL text"},
    {309,  "SelectText",       "Select all text in a field, trimming leading and trailing spaces"},
    {54,   "PasteJCL",         "Paste and replace logically by mouse position"},
    {55,   "LeftField",        "Move the cursor to the leftmost field in the current line"},
    {56,   "PasteInsert",      "Paste and insert into current text"},
    {57,   "CopyFields",       "Copy to clipboard with tabs between horizontal fields"},
    {314,  "Find",             "Find text on the screen"},
    {315,  "FindRepeat",       "Find again without asking for text"},
    {316,  "FindClear",        "Clear any marked text and disable FindRepeat"},
    {61,   "PasteFlow",        "Paste and wrap text into a specified window, ignoring CR's"},
    {62,   "PasteByTyping",    "Paste by simulating keystrokes for each character"},
    {63,   "CopyAppendNoCR",   "Append to clipboard with no CRLF between appends"},
    {64,   "WordWrap",         "Enable temporary word wrapping"},
    {65,   "CopyTruncate",     "Copy to clipboard and truncate trailing spaces"},
};

constexpr BuiltinEntry kBuiltinOper[] = {
    {256,  "Capture",            "Enable/disable capturing screens to disk file"},
    {257,  "ReceiveFile",        "Transfer a file from host to PC"},
    {258,  "EditProfile",        "Edit session profile"},
    {259,  "ExitEmulator",       "Interrupt the session and exit the emulator program"},
    {260,  "FontLarger",         "Change to next larger font"},
    {261,  "FontNarrower",       "Change to next narrower font"},
    {262,  "FontSelect",         "Display font selection dialog"},
    {263,  "FontShorter",        "Change to next shorter font"},
    {264,  "FontSmaller",        "Change to next smaller font"},
    {265,  "FontTaller",         "Change to next taller font"},
    {266,  "FontThicker",        "Change to next thicker font"},
    {267,  "FontThinner",        "Change to next thinner font"},
    {268,  "FontWider",          "Change to next wider font"},
    {269,  "MoveCursor",         "Move cursor to mouse position"},
    {14,   "MoveCursorEnter",    "Move cursor to mouse position, then press enter"},
    {271,  "NewSession",         "Start a new terminal session, the same as the current one"},
    {272,  "NewSessionAsk",      "Start a new terminal session"},
    {273,  "PrintScreen",        "Print the screen"},
    {274,  "PrintScreenAsk",     "Display print screen dialog"},
    {275,  "ResetKeyBuffer",     "Clear the keyboard type-ahead buffer"},
    {276,  "SaveScreen",         "Save the current screen to a file"},
    {277,  "SaveScreenAppend",   "Append current screen to a file"},
    {278,  "SaveSession",        "Save the current session profile"},
    {279,  "ShowAttributes",     "Show/Hide attribute bytes on screen"},
    {280,  "PlayStartUp",        "Play the default startup macro"},
    {281,  "SendFile",           "Transfer a file from PC to host"},
    {282,  "EditKeyboard",       "Edit the keyboard layout and functions"},
    {283,  "EditToolbar",        "Edit the toolbar layout and functions"},
    {284,  "Reconnect",          "End current session (if any) and attempt to reconnect"},
    {285,  "Cascade",            "Cascade all open session windows"},
    {286,  "MinimizeAll",        "Minimize all open session windows"},
    {287,  "ExitAll",            "Exit all open sessions"},
    {288,  "MaximizeAll",        "Maximize all open sessions"},
    {289,  "PrevSession",        "Select previous session"},
    {290,  "NextSession",        "Select next session"},
    {291,  "LocateCursor",       "Flash the cursor so you can find it"},
    {292,  "ReconnectAsk",       "End current session (if any) and ask for reconnect"},
    {293,  "Record",             "Begin recording a new macro"},
    {294,  "Play",               "Playback a previously recorded macro"},
    {295,  "Stop",               "Stop recording and save macro"},
    {296,  "Pause",              "Pause macro recording (press again to continue)"},
    {297,  "HelpContents",       "Show help contents page"},
    {298,  "HelpIndex",          "Show help index"},
    {299,  "TransferLog",        "Open file transfer log window"},
    {300,  "Disconnect",         "Disconnect the current session from the host"},
    {301,  "DebugFile",          "Load a screen file (for debugging only)"},
    {302,  "ShowToolBar",        "Show or remove the toolbar from the screen"},
    {303,  "ShowMenuBar",        "Show or remove the menu bar from the screen"},
    {304,  "EditKeypad",         "Edit or create a popup keypad"},
    {305,  "ShowKeyPad",         "Display popup keypad"},
    {306,  "PrintFile",          "Reprint the last file obtained with PCPRINT command"},
    {307,  "DebugWindow",        "Display the macro debug window"},
    {308,  "CascadeFromHere",    "Cascade all sessions from the current position"},
    {309,  "ShowMinimize",       "Minimize the current window"},
    {310,  "ShowMaximize",       "Maximize the current window"},
    {311,  "ShowRestore",        "Restores the current window to it's previous setting"},
    {312,  "ShowNormal",         "Shows the session as a normal resizable window"},
    {313,  "ShowAscii",          "Toggles ECBDIC to ASCII translation off and on"},
    {314,  "NextActiveSession",  "Select next non-minimized Session"},
    {315,  "PrevActiveSession",  "Select previous non-minimized Session"},
    {316,  "SaveScreenAsk",      "Save the screen to a specified file"},
    {317,  "RestoreAll",         "Restores all open session windows"},
    {318,  "PrevScreen",         "Display previous saved screen"},
    {319,  "NextScreen",         "Display next saved screen"},
};

constexpr std::int64_t kEntrySize = 160;
constexpr std::size_t kNameField = 30;
constexpr std::size_t kDescriptionField = 128;

static_assert(std::size(kBuiltinAction) == 50);
static_assert(std::size(kBuiltinEdit) == 66);
static_assert(std::size(kBuiltinOper) == 64);

constexpr std::int64_t kActionBytes = kEntrySize * std::ssize(kBuiltinAction);
constexpr std::int64_t kEditBytes = kEntrySize * std::ssize(kBuiltinEdit);
constexpr std::int64_t kOperBytes = kEntrySize * std::ssize(kBuiltinOper);
static_assert(35 + kActionBytes + kEditBytes + kOperBytes == 28835);

consteval bool TextsFitTheirFields() {
    auto fits = [](const BuiltinEntry& entry) {
        return std::char_traits<char>::length(entry.name) < kNameField &&
               std::char_traits<char>::length(entry.description) < kDescriptionField;
    };
    for (const auto& entry : kBuiltinAction) if (!fits(entry)) return false;
    for (const auto& entry : kBuiltinEdit) if (!fits(entry)) return false;
    for (const auto& entry : kBuiltinOper) if (!fits(entry)) return false;
    return true;
}
static_assert(TextsFitTheirFields());

void PutU16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

template <std::size_t N>
std::uint8_t* PutTable(std::uint8_t* at, const BuiltinEntry (&table)[N]) {
    for (const BuiltinEntry& entry : table) {
        PutU16(at, entry.code);
        std::memcpy(at + 2, entry.name, std::strlen(entry.name));
        std::memcpy(at + 2 + kNameField, entry.description, std::strlen(entry.description));
        at += kEntrySize;
    }
    return at;
}

}  // namespace

void BuildBuiltinFunctionList(std::uint8_t* block) {
    std::memcpy(block, "Tarnu Keylist V1.00     ", 24);
    PutU16(block + 24, 28830);
    PutU16(block + 26, static_cast<std::uint16_t>(kActionBytes));
    PutU16(block + 28, static_cast<std::uint16_t>(kEditBytes));
    PutU16(block + 30, static_cast<std::uint16_t>(kOperBytes));
    block[32] = static_cast<std::uint8_t>(std::size(kBuiltinAction));
    block[33] = static_cast<std::uint8_t>(std::size(kBuiltinEdit));
    block[34] = static_cast<std::uint8_t>(std::size(kBuiltinOper));
    std::uint8_t* at = PutTable(block + 35, kBuiltinAction);
    at = PutTable(at, kBuiltinEdit);
    PutTable(at, kBuiltinOper);
}
