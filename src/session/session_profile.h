// Session profile (.ses), version V1.26: the 20-byte version text, four
// bytes never read, then the profile record from offset 24. Every setting
// sits at a fixed file offset; numbers are little-endian, 8- and 16-bit ones
// unsigned, 32-bit ones signed; a flag byte is Yes when it is not zero.
#pragma once

#include <cstdint>
#include <iterator>

inline constexpr char kSessionVersion[21] = "Tarnu Session V1.26 ";
inline constexpr int kSessionProfileStart = 24;

// The longest value text a setting line shows.
inline constexpr int kMaxValueText = 255;
// The last text of the record has no later field to bound it: it shows up to
// its NUL, at most kMaxValueText characters, so it reaches no further than this.
inline constexpr int kUnboundedRoom = kMaxValueText + 1;
// Nothing the listing reads lies at or beyond this offset.
inline constexpr int kSessionFieldsEnd = 6605;

// Labels are padded to this many columns, colon included, and never cut.
inline constexpr int kLabelColumns = 30;

// The seven ways a setting's stored value is shown.
enum class SettingKind : std::uint8_t { Text, YesNo, Number, Choice, Pair, Color, PrintSetup };

// The sixteen swatches: 4 bytes each, shown as bytes 2, 1, 0; byte 3 unused.
inline constexpr int kSwatchesStart = 24;
inline constexpr int kSwatchSize = 4;

// Two arrays of 32 colour numbers, one byte per colour slot; a slot's entry
// in each array makes the pair shown under its name.
inline constexpr int kFirstColorNumbers = 786;
inline constexpr int kSecondColorNumbers = 818;
inline constexpr int kColorSlots = 25;

// Slots 8 to 15 have no name and are never shown.
inline constexpr char ColorSlotNames[kColorSlots][20] = {
    "Black",             // 0
    "Blue",              // 1
    "Red",               // 2
    "Pink",              // 3
    "Green",             // 4
    "Turquoise",         // 5
    "Yellow",            // 6
    "White",             // 7
    "",                  // 8
    "",                  // 9
    "",                  // 10
    "",                  // 11
    "",                  // 12
    "",                  // 13
    "",                  // 14
    "",                  // 15
    "Low Unprotected",   // 16
    "High Unprotected",  // 17
    "Low Protected",     // 18
    "High Protected",    // 19
    "Default Color",     // 20
    "Status Bar",        // 21
    "Horizontal Rule",   // 22
    "Vertical Rule",     // 23
    "Screen Border",     // 24
};

// One printer setup per terminal model, six records of 51 bytes in a row.
struct PrintSetup {
    static constexpr int name = 0;
    static constexpr int nameRoom = 33;
    static constexpr int nameLimit = 32;  // characters shown at most
    static constexpr int orient = 33;
    static constexpr int twoup = 34;
    static constexpr int values = 35;  // sixteen bytes, shown in groups of four
    static constexpr int valueCount = 16;
    static constexpr int size = 51;
};
static_assert(PrintSetup::name + PrintSetup::nameRoom == PrintSetup::orient);
static_assert(PrintSetup::nameLimit < PrintSetup::nameRoom);
static_assert(PrintSetup::twoup + 1 == PrintSetup::values);
static_assert(PrintSetup::values + PrintSetup::valueCount == PrintSetup::size);

inline constexpr int kPrintSetupsStart = 2073;
inline constexpr int kPrintSetupCount = 6;

inline constexpr char ModelNames[kPrintSetupCount][10] = {
    "Mod 2",
    "Mod 3",
    "Mod 4",
    "Mod 5",
    "User",
    "PC",
};

// A section header is printed as it stands: an empty line, the title line
// of 56 characters, an empty line.
inline constexpr int kSectionCount = 13;
inline constexpr int kHeaderLength = 59;
inline constexpr const char* SectionHeaders[kSectionCount] = {
    "\nWindow Items -------------------------------------------\n\n",
    "\nGeneral Options ----------------------------------------\n\n",
    "\nDisplay Options ----------------------------------------\n\n",
    "\nCursor Options -----------------------------------------\n\n",
    "\nFont Options -------------------------------------------\n\n",
    "\nColor Options ------------------------------------------\n\n",
    "\nCut/Paste ----------------------------------------------\n\n",
    "\nPrint --------------------------------------------------\n\n",
    "\nMisc ---------------------------------------------------\n\n",
    "\nUpload Options -----------------------------------------\n\n",
    "\nDownload Options ---------------------------------------\n\n",
    "\nKeypad Options -----------------------------------------\n\n",
    "\nFind Options -------------------------------------------\n\n",
};

// One line of the session report: a section start, a setting, or a blank
// line that only the one-file listing prints.
enum class EntryType : std::uint8_t { Section, Setting, Blank };

struct SessionEntry {
    EntryType type;
    const char* label;          // a setting's label without its colon; a section's header
    std::int32_t offset;        // file offset of the field (of the first number of a pair)
    SettingKind kind;
    std::int32_t width;         // a number's bytes, a text's room, a pair's bytes per number
    const char* choices;        // comma-separated items, counted from 0; empty but for choices
    std::uint8_t mask;          // the bits of a byte that count
    std::int32_t secondOffset;  // where a pair's second number lies
};

// Row makers, so that each row reads like a line of the file layout.
constexpr SessionEntry Section(int number) {
    return {EntryType::Section, SectionHeaders[number], 0, SettingKind::Text, 0, "", 0, 0};
}
constexpr SessionEntry Blank() { return {EntryType::Blank, "", 0, SettingKind::Text, 0, "", 0, 0}; }
constexpr SessionEntry Text(const char* label, int offset, int room) {
    return {EntryType::Setting, label, offset, SettingKind::Text, room, "", 0xFF, 0};
}
constexpr SessionEntry YesNo(const char* label, int offset) {
    return {EntryType::Setting, label, offset, SettingKind::YesNo, 1, "", 0xFF, 0};
}
// One bit of a byte that holds several flags.
constexpr SessionEntry FlagBit(const char* label, int offset, std::uint8_t mask) {
    return {EntryType::Setting, label, offset, SettingKind::YesNo, 1, "", mask, 0};
}
constexpr SessionEntry Number(const char* label, int offset, int width) {
    return {EntryType::Setting, label, offset, SettingKind::Number, width, "", 0xFF, 0};
}
// A one-byte number held in the low bits of its byte.
constexpr SessionEntry MaskedNumber(const char* label, int offset, std::uint8_t mask) {
    return {EntryType::Setting, label, offset, SettingKind::Number, 1, "", mask, 0};
}
constexpr SessionEntry Choice(const char* label, int offset, const char* choices) {
    return {EntryType::Setting, label, offset, SettingKind::Choice, 1, choices, 0xFF, 0};
}
// Two signed 32-bit numbers, one after the other.
constexpr SessionEntry Pair(const char* label, int offset) {
    return {EntryType::Setting, label, offset, SettingKind::Pair, 4, "", 0xFF, offset + 4};
}
// A slot's entries in the two colour number arrays, widened to 32 bits.
constexpr SessionEntry ColorPair(int slot) {
    return {EntryType::Setting, ColorSlotNames[slot], kFirstColorNumbers + slot,
            SettingKind::Pair,  1,                    "",
            0xFF,               kSecondColorNumbers + slot};
}
constexpr SessionEntry Swatch(const char* label, int number) {
    return {EntryType::Setting, label, kSwatchesStart + kSwatchSize * number, SettingKind::Color, kSwatchSize, "",
            0xFF,               0};
}
constexpr SessionEntry Setup(int model) {
    return {EntryType::Setting, ModelNames[model], kPrintSetupsStart + PrintSetup::size * model,
            SettingKind::PrintSetup, PrintSetup::size, "", 0xFF, 0};
}

inline constexpr char kCursorShapes[] = "Horizontal,Vertical";
inline constexpr char kCursorSizes[] = "1 Line,2 Line,3 Lines,1/8,1/4,Half,Block";
inline constexpr char kCursorBlinks[] = "None,Slow,Fast";
inline constexpr char kBackspaces[] = "Move Left,Delete,Destruct";
inline constexpr char kDataModes[] = "Text,Binary";
inline constexpr char kHostTypes[] = "TSO,CMS,CICS";

// The session report, line by line in the order it prints them: each
// setting with its label, file offset, kind and width or choice list.
inline constexpr SessionEntry SessionProfile[] = {
    Section(0),  // Window Items
    Choice("Window Placement Style",            88, "Window,Minimized,Maximized"),
    Blank(),
    Number("Window Location X",                 90, 2),
    Number("Window Location Y",                 92, 2),
    Number("Window Height",                     94, 2),
    Number("Window Width",                      96, 2),
    Blank(),
    Number("Debug Window Location X",         2380, 2),
    Number("Debug Window Location Y",         2382, 2),
    Number("Debug Window Height",             2384, 2),
    Number("Debug Window Width",              2386, 2),
    Blank(),
    Pair("Transfer Dialog Position",          2904),
    Pair("Find Dialog Position",              2912),
    Pair("Macro Edit Box Position",           2920),
    Pair("Options Dialog Position",           2928),
    Pair("Key Edit Dialog Position",          2936),
    Pair("Session Dialog Position",           2944),
    Pair("Tranfer Log Dialog Position",       2952),
    Pair("Transfer Log Size",                 2960),
    Blank(),
    YesNo("Show Tool Bar",                    1960),
    YesNo("Show Menu Bar",                    1961),

    Section(1),  // General Options
    Text("Session File Name",                 2968, 260),
    Text("Session Name",                       301, 41),
    Text("Last Used Host Name",                342, 65),
    Number("Last Used Port",                    98, 2),
    Text("Last Used LUName",                  2883, 20),
    Choice("Last Used TN3270E",               2453, "TN3270,TN3270E"),
    Text("Last Used IP Name",                 2388, 65),
    Choice("Last Used SSL Mode",              6348, "None,SSLV2,SSLV3,TLS1.0,TLS1.1,TLS1.2"),
    Blank(),
    Text("Window Title",                       407, 129),
    Text("Status Line",                        536, 171),
    Text("Screen Save File Name",             3748, 260),
    Choice("Save Screen Action",               707, "Overwrite,Append"),
    Text("Key File Name",                     3228, 260),
    Text("Toolbar File Name",                 3488, 260),
    Text("Key Pad Filename",                  5308, 260),
    Number("Connection Timeout",               100, 2),
    Text("Startup Macro",                     4008, 260),
    YesNo("Show Window on Update",             722),
    YesNo("Ask Before Closing",                723),
    YesNo("Show Tool Tips",                    724),
    YesNo("Save Dialog Positions",            2903),
    MaskedNumber("Icon Number",               1959, 0x7F),
    YesNo("Auto Reconnect",                   1912),
    YesNo("Use Alt for Menu",                 1911),

    Section(2),  // Display Options
    Choice("Terminal Type",                    725, "Mod-2,Mod-3,Mod-4,Mod-5,User Specified"),
    Number("User Specified Screen Width",     2468, 1),
    Number("User Specified Screen Height",    2469, 1),
    YesNo("Alarm",                             727),
    YesNo("Keyclick on Error",                 726),
    YesNo("Update Notification",               728),
    Number("Update Notification Time",        2464, 2),
    Text("Alarm Sound File",                  5568, 260),
    Text("Keyclick Sound File",               5828, 260),
    Text("Update Sound File",                 6088, 260),
    Choice("Blinking Text",                    729, "Blink,Show as Italic,Normal Text"),
    Blank(),
    YesNo("Auto Keyboard Unlock",              730),
    YesNo("Reset Insert on Action Key",        731),
    YesNo("Toggle Insert Key",                 732),
    YesNo("Row/Col on Status Line",            733),
    YesNo("Modify Col in ISPF Edit",           734),
    YesNo("Prefix Input with Spaces",          735),
    YesNo("Convert Nulls to Blanks",           736),
    YesNo("Enable Auto Skip",                  737),
    YesNo("Skip at End of Field",             1957),
    YesNo("Move Cursor on Activate",          1956),
    YesNo("All Upper Case",                    739),
    YesNo("Type Ahead",                        740),
    YesNo("Numeric Field Lock",                738),
    YesNo("Toggle Shift/Caps",                1958),

    Section(3),  // Cursor Options
    Choice("Normal Cursor",                    742, kCursorShapes),
    Choice("Normal Cursor Size",               743, kCursorSizes),
    Choice("Normal Cursor Blink",              744, kCursorBlinks),
    Choice("Normal Mode Backspace",           2777, kBackspaces),
    Choice("Insert Cursor",                    745, kCursorShapes),
    Choice("Insert Cursor Size",               746, kCursorSizes),
    Choice("Insert Cursor Blink",              747, kCursorBlinks),
    Choice("Insert Mode Backspace",           2778, kBackspaces),
    Choice("Ruler",                            748, "None,Horizontal Line,Vertical Line,Crosshairs"),
    Choice("Locate Cursor",                    749, "Blink,Explode"),
    Choice("Cursor Color",                    2600, "Reverse Video,Character Color with Black Text,"
                                                    "Field Color with Black Text,White with Black Text,"
                                                    "Black with White Text"),

    Section(4),  // Font Options
    Text("Raster Font Name",                   750, 34),
    YesNo("Size Window to Font",               784),
    YesNo("Keep Font Constant",                785),
    YesNo("Do not Allow Font Size Change",    2872),
    Number("Window Border Size",               102, 2),

    Section(5),  // Color Options
    ColorPair(16),  // Low Unprotected
    ColorPair(17),  // High Unprotected
    ColorPair(18),  // Low Protected
    ColorPair(19),  // High Protected
    ColorPair(0),   // Black
    ColorPair(1),   // Blue
    ColorPair(2),   // Red
    ColorPair(3),   // Pink
    ColorPair(4),   // Green
    ColorPair(5),   // Turquoise
    ColorPair(6),   // Yellow
    ColorPair(7),   // White
    ColorPair(20),  // Default Color
    ColorPair(21),  // Status Bar
    ColorPair(22),  // Horizontal Rule
    ColorPair(23),  // Vertical Rule
    ColorPair(24),  // Screen Border
    Blank(),
    Number("Brightness",                      1913, 1),
    Blank(),
    Swatch("Color swatch 0",                     0),
    Swatch("Color swatch 1",                     1),
    Swatch("Color swatch 2",                     2),
    Swatch("Color swatch 3",                     3),
    Swatch("Color swatch 4",                     4),
    Swatch("Color swatch 5",                     5),
    Swatch("Color swatch 6",                     6),
    Swatch("Color swatch 7",                     7),
    Swatch("Color swatch 8",                     8),
    Swatch("Color swatch 9",                     9),
    Swatch("Color swatch 10",                   10),
    Swatch("Color swatch 11",                   11),
    Swatch("Color swatch 12",                   12),
    Swatch("Color swatch 13",                   13),
    Swatch("Color swatch 14",                   14),
    Swatch("Color swatch 15",                   15),

    Section(6),  // Cut/Paste
    Choice("Cut and Delete",                   850, "Replace with Nulls,Replace with Spaces"),
    Number("Number of Copy Buffers",           104, 2),
    Number("Mouse Move Before Selection",      854, 1),
    Choice("Paste",                            851, "Overlay Input Fields,Insert into Existing Text,"
                                                    "Overlay/Insert Depending on Mode,"
                                                    "Paste Each Line to Each Field"),
    YesNo("Notify on Insert Overflow",        2072),
    YesNo("Move Cursor to End on Paste",      2762),
    YesNo("Enable Drag and Drop",             2859),
    YesNo("Enable Auto Copy",                 2860),

    Section(7),  // Print
    Text("Print User Name",                   1914, 42),
    Choice("Print Hilite Mode",               2776, "Hilite,Regular,Bold"),
    Blank(),
    Setup(0),  // Mod 2
    Setup(1),  // Mod 3
    Setup(2),  // Mod 4
    Setup(3),  // Mod 5
    Setup(4),  // User
    Setup(5),  // PC
    Blank(),
    Text("Last Used Printer Name",            6349, kUnboundedRoom),

    Section(8),  // Misc
    Text("Screen Code Page",                  1962, 32),
    Text("Keyboard Modifications",            2026, 46),
    Blank(),
    Text("Upload Program",                    1612, 21),
    Text("Upload Parms",                      1633, 128),
    Text("Download Program",                  1762, 21),
    Text("Download Parms",                    1783, 128),
    Text("PC Code Page",                      1994, 32),
    Number("File Transfer Blocksize",         2466, 2),
    YesNo("Transfer DFT Mode",                2861),
    Number("User Specified Default Width",    2864, 1),
    Number("User Specified Default Height",   2868, 1),

    Section(9),  // Upload Options
    Text("Source PC Directory",               4528, 260),
    Text("Source PC File",                    4268, 260),
    Text("Target Host File",                   855, 316),
    Choice("Upload Data Mode",                1171, kDataModes),
    Choice("Upload Host Type",                1172, kHostTypes),
    YesNo("Upload Append",                    1611),

    Section(10),  // Download Options
    Text("Source Host File",                  1233, 316),
    Text("Target PC Directory",               5048, 260),
    Text("Target PC Filename",                4788, 260),
    Choice("Download Data Mode",              1549, kDataModes),
    Choice("Download Host Type",              1550, kHostTypes),
    YesNo("Download Append",                  1761),

    Section(11),  // Keypad Options
    YesNo("Show Keypad at Session Start",     2763),
    YesNo("Show Keypad at Prev Position",     2764),
    Number("Keypad Location X",               2768, 4),
    Number("Keypad Location Y",               2772, 4),

    Section(12),  // Find Options: three flags in one byte, its other bits unused
    FlagBit("Find Words",                     2863, 0x01),
    FlagBit("Find Match CAse",                2863, 0x02),
    FlagBit("Find Auto Find",                 2863, 0x04),
};

// Compile-time checks of the table against the rules of the file layout.
namespace session_profile_checks {

constexpr int Length(const char* text) {
    int length = 0;
    while (text[length]) ++length;
    return length;
}

constexpr bool SameText(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

constexpr int CountOf(EntryType type) {
    int count = 0;
    for (const SessionEntry& entry : SessionProfile) count += entry.type == type;
    return count;
}

// Sections come in order, each opening with a setting, so that in the
// listing every header stands right above its section's first line.
constexpr bool SectionsInOrder() {
    int next = 0;
    for (const SessionEntry* entry = SessionProfile; entry != std::end(SessionProfile); ++entry) {
        if (entry->type != EntryType::Section) continue;
        if (!SameText(entry->label, SectionHeaders[next++])) return false;
        if (entry + 1 == std::end(SessionProfile) || entry[1].type != EntryType::Setting) return false;
    }
    return SessionProfile[0].type == EntryType::Section && next == kSectionCount;
}

constexpr bool HeadersHaveTheirLength() {
    for (const char* header : SectionHeaders) {
        if (Length(header) != kHeaderLength) return false;
    }
    return true;
}

// The bytes a setting reads: one span, or two for a pair.
struct Span {
    int start;
    int size;
};

constexpr int SpanCount(const SessionEntry& entry) { return entry.kind == SettingKind::Pair ? 2 : 1; }

constexpr Span SpanOf(const SessionEntry& entry, int which) {
    switch (entry.kind) {
        case SettingKind::Text: return {entry.offset, entry.width};
        case SettingKind::YesNo:
        case SettingKind::Choice: return {entry.offset, 1};
        case SettingKind::Number: return {entry.offset, entry.width};
        case SettingKind::Pair: return {which == 0 ? entry.offset : entry.secondOffset, entry.width};
        case SettingKind::Color: return {entry.offset, kSwatchSize};
        case SettingKind::PrintSetup: return {entry.offset, PrintSetup::size};
    }
    return {0, 0};
}

constexpr bool SettingIsWellFormed(const SessionEntry& entry) {
    if (Length(entry.label) == 0 || Length(entry.label) + 1 > kLabelColumns) return false;
    if (entry.mask == 0) return false;
    if (entry.mask != 0xFF && !(entry.width == 1 && (entry.kind == SettingKind::YesNo ||
                                                     entry.kind == SettingKind::Number))) {
        return false;
    }
    if (entry.kind == SettingKind::Number && entry.width != 1 && entry.width != 2 && entry.width != 4) return false;
    if (entry.kind == SettingKind::Pair && entry.width != 1 && entry.width != 4) return false;
    if ((entry.kind == SettingKind::Choice) != (entry.choices[0] != 0)) return false;
    for (int which = 0; which < SpanCount(entry); ++which) {
        Span span = SpanOf(entry, which);
        if (span.size <= 0 || span.start < kSessionProfileStart || span.start + span.size > kSessionFieldsEnd) {
            return false;
        }
    }
    return true;
}

constexpr bool SettingsAreWellFormed() {
    for (const SessionEntry& entry : SessionProfile) {
        if (entry.type == EntryType::Setting && !SettingIsWellFormed(entry)) return false;
    }
    return true;
}

// Choice items are copied whole into a value text and none is empty.
constexpr bool ChoiceListsFit() {
    for (const SessionEntry& entry : SessionProfile) {
        if (entry.type != EntryType::Setting || entry.kind != SettingKind::Choice) continue;
        int item = 0;
        for (const char* c = entry.choices;; ++c) {
            if (*c == ',' || *c == 0) {
                if (item == 0 || item > kMaxValueText) return false;
                if (*c == 0) break;
                item = 0;
            } else {
                ++item;
            }
        }
    }
    return true;
}

// No two settings read the same byte, but for flags kept in distinct bits
// of one byte.
constexpr bool Overlap(const SessionEntry& a, Span x, const SessionEntry& b, Span y) {
    if (x.start + x.size <= y.start || y.start + y.size <= x.start) return false;
    bool bitsOfOneByte = x.size == 1 && y.size == 1 && a.kind == SettingKind::YesNo &&
                         b.kind == SettingKind::YesNo && (a.mask & b.mask) == 0;
    return !bitsOfOneByte;
}

constexpr bool NoFieldsOverlap() {
    for (const SessionEntry* a = SessionProfile; a != std::end(SessionProfile); ++a) {
        if (a->type != EntryType::Setting) continue;
        for (const SessionEntry* b = a + 1; b != std::end(SessionProfile); ++b) {
            if (b->type != EntryType::Setting) continue;
            if (SameText(a->label, b->label)) return false;
            for (int i = 0; i < SpanCount(*a); ++i) {
                for (int j = 0; j < SpanCount(*b); ++j) {
                    if (Overlap(*a, SpanOf(*a, i), *b, SpanOf(*b, j))) return false;
                }
            }
        }
    }
    return true;
}

// A text's room runs from its offset up to the next field read.
constexpr bool TextRoomsReachTheNextField() {
    for (const SessionEntry& text : SessionProfile) {
        if (text.type != EntryType::Setting || text.kind != SettingKind::Text) continue;
        if (text.width == kUnboundedRoom) continue;
        int end = text.offset + text.width;
        bool found = false;
        for (const SessionEntry& other : SessionProfile) {
            if (other.type != EntryType::Setting) continue;
            for (int which = 0; which < SpanCount(other); ++which) found |= SpanOf(other, which).start == end;
        }
        if (!found) return false;
    }
    return true;
}

static_assert(CountOf(EntryType::Setting) == 165);
static_assert(CountOf(EntryType::Blank) == 11);
static_assert(CountOf(EntryType::Section) == kSectionCount);
static_assert(SectionsInOrder());
static_assert(HeadersHaveTheirLength());
static_assert(SettingsAreWellFormed());
static_assert(ChoiceListsFit());
static_assert(NoFieldsOverlap());
static_assert(TextRoomsReachTheNextField());
static_assert(kPrintSetupsStart + kPrintSetupCount * PrintSetup::size == 2379);
static_assert(kSwatchesStart + 16 * kSwatchSize == 88);
static_assert(kFirstColorNumbers + 32 == kSecondColorNumbers);

}  // namespace session_profile_checks
