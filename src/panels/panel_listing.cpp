// Toolbar (.bar) and popup keypad (.pad) files share one layout: a 20-byte
// version text, the button count at 25, the macro list position (counted
// from 24) at 26, and from 28 variable-length button records, each found
// through the length field of the one before. One walk lists both kinds.
#include <cstdint>
#include <cstdio>

#include "app/reports.h"
#include "funclist/function_list.h"
#include "keys/binding_cell.h"

namespace {

// The part of a button or separator record the listings read; the rest of
// the record (its bytes 1, 16-19 and 24 on) means nothing to them.
struct ButtonRecord {
    std::uint8_t kind;      // 4: separator
    std::int16_t x;         // the toolbar's Loc
    std::int16_t y;         // keypad only
    std::int16_t length;    // distance to the next record, trusted as stored
    std::int64_t cellsAt;   // Normal, Shift, Ctrl, Alt cells, 2 bytes each
    std::int32_t width;
};

constexpr std::uint8_t kSeparatorKind = 4;
constexpr std::int64_t kCountOffset = 25;
constexpr std::int64_t kMacroOffsetField = 26;
constexpr std::int64_t kMacroOffsetBase = 24;
constexpr std::int64_t kFirstRecord = 28;

// The start may lie anywhere, even outside the image: its fields then read
// as zeros, a button bound to Action entry 0 with a length that stays put.
ButtonRecord ReadButtonRecord(FileImage image, std::int64_t start) {
    return {ReadU8(image, start),        ReadI16(image, start + 2), ReadI16(image, start + 4),
            ReadI16(image, start + 6),   start + 8,                 ReadI32(image, start + 20)};
}

enum class PrefixField : std::uint8_t { Number, X, Y, Width, None };

struct PanelKind {
    char magic[21];
    const char* versionMessage;
    const char* firstHeading;
    const char* columnHeading;
    const char* ruleLine;
    // The row prefix: the format's conversions take these fields in order.
    const char* prefixFormat;
    PrefixField prefixFields[4];
    const char* separatorFormat;
    // Function names come back as counted texts, hence "%.*s".
    const char* bindingFormat;
};

constexpr PanelKind kToolbar = {
    .magic = "Tarnu Toolbar V1.26 ",
    .versionMessage = "Error, Toolbar file version not known",
    .firstHeading = "\nFormat of BAR file %s\n\n",
    .columnHeading = "Num  Loc  Width  Shift     Type      I  R  Function\n",
    .ruleLine = "---  ---  -----  --------  --------  -  -  -----------------------\n\n",
    .prefixFormat = "%02d  %4d  %5d",
    .prefixFields = {PrefixField::Number, PrefixField::X, PrefixField::Width, PrefixField::None},
    .separatorFormat = "%-16s <Separator>\n\n",
    .bindingFormat = "%-16s %-8s  %-8s  %d  %d  %.*s\n",
};

constexpr PanelKind kKeypad = {
    .magic = "Tarnu KeyPad V1.26  ",
    .versionMessage = "Error, KeyPad file version not known",
    .firstHeading = "\nFormat of PAD file %s\n\n",
    .columnHeading = "Num   X    Y  Width  Shift     Type      I  R  Function\n",
    .ruleLine = "---  ---  --- -----  --------  --------  -  -  -----------------------\n\n",
    .prefixFormat = "%02d   %3d  %3d %5d",
    .prefixFields = {PrefixField::Number, PrefixField::X, PrefixField::Y, PrefixField::Width},
    .separatorFormat = "%-20s <Separator>\n\n",
    .bindingFormat = "%-20s %-8s  %-8s  %d  %d  %.*s\n",
};

// Longest text a field can print: a record number below 255 (three
// digits), a signed 16-bit X or Y ("-32768"), a signed 32-bit Width
// ("-2147483648").
constexpr int WidestText(PrefixField field) {
    switch (field) {
        case PrefixField::Number: return 3;
        case PrefixField::X:
        case PrefixField::Y: return 6;
        case PrefixField::Width: return 11;
        default: return 0;
    }
}

// Longest row prefix a kind can produce: literal characters count once,
// each "%[0]Nd" the larger of N and its field's widest text.
constexpr int WidestPrefix(const PanelKind& kind) {
    int length = 0;
    int field = 0;
    for (const char* c = kind.prefixFormat; *c; ++c) {
        if (*c != '%') {
            ++length;
            continue;
        }
        int width = 0;
        for (++c; *c >= '0' && *c <= '9'; ++c) width = width * 10 + (*c - '0');
        int widest = WidestText(kind.prefixFields[field++]);
        length += width > widest ? width : widest;
    }
    return length;
}

constexpr int ConversionCount(const char* format) {
    int count = 0;
    for (; *format; ++format) count += *format == '%';
    return count;
}

constexpr int UsedFields(const PanelKind& kind) {
    int count = 0;
    for (PrefixField field : kind.prefixFields) count += field != PrefixField::None;
    return count;
}

// The prefix buffer holds the widest prefix of either kind (24 and 32
// characters) and its NUL, so no value is ever cut.
constexpr std::size_t kPrefixRoom = 33;

static_assert(WidestPrefix(kToolbar) == 24 && WidestPrefix(kKeypad) == 32);
static_assert(WidestPrefix(kToolbar) < kPrefixRoom && WidestPrefix(kKeypad) < kPrefixRoom);
static_assert(ConversionCount(kToolbar.prefixFormat) == UsedFields(kToolbar));
static_assert(ConversionCount(kKeypad.prefixFormat) == UsedFields(kKeypad));

// A version text is compared on all 20 bytes; a NUL inside would mean a
// trailing blank went missing.
constexpr bool FillsTwentyBytes(const char (&magic)[21]) {
    for (int i = 0; i < 20; ++i) {
        if (magic[i] == 0) return false;
    }
    return true;
}
static_assert(FillsTwentyBytes(kToolbar.magic) && FillsTwentyBytes(kKeypad.magic));

int FieldValue(PrefixField field, int number, const ButtonRecord& record) {
    switch (field) {
        case PrefixField::Number: return number;
        case PrefixField::X: return record.x;
        case PrefixField::Y: return record.y;
        case PrefixField::Width: return record.width;
        default: return 0;
    }
}

int PrintPanelListing(const RunState& run, const PanelKind& kind) {
    FunctionList functions;
    if (LoadFunctionList(run, functions) != kStatusOk) return kStatusError;

    const FileImage image = run.first;
    if (!HasVersionText(image, kind.magic)) {
        std::fprintf(run.out, "%s", kind.versionMessage);
        return kStatusError;
    }
    std::fprintf(run.out, kind.firstHeading, run.firstName);
    std::fprintf(run.out, "%s", kind.columnHeading);
    std::fprintf(run.out, "%s", kind.ruleLine);

    const std::int64_t macroListStart = kMacroOffsetBase + ReadI16(image, kMacroOffsetField);
    const int count = ReadU8(image, kCountOffset);
    std::int64_t start = kFirstRecord;
    for (int number = 0; number < count; ++number) {
        const ButtonRecord record = ReadButtonRecord(image, start);
        // All four fields are passed; a format with three conversions
        // leaves the last one unread.
        const PrefixField* fields = kind.prefixFields;
        char prefix[kPrefixRoom];
        std::snprintf(prefix, sizeof prefix, kind.prefixFormat, FieldValue(fields[0], number, record),
                      FieldValue(fields[1], number, record), FieldValue(fields[2], number, record),
                      FieldValue(fields[3], number, record));

        if (record.kind == kSeparatorKind) {
            std::fprintf(run.out, kind.separatorFormat, prefix);
        } else {
            for (int shift = 0; shift < kShiftStates; ++shift) {
                const BindingCell cell = ReadBindingCell(image, record.cellsAt + 2 * shift);
                const TextView function =
                    LookupFunctionName(functions, cell.type, cell.index, image, macroListStart);
                std::fprintf(run.out, kind.bindingFormat, shift == 0 ? prefix : "", ShiftNames[shift],
                             FunctionTypeNames[cell.type], cell.iFlag, cell.rFlag, function.length,
                             function.data);
            }
            std::fprintf(run.out, "\n");
        }
        start += record.length;
    }
    return kStatusOk;
}

}  // namespace

int PrintToolbarListing(const RunState& run) { return PrintPanelListing(run, kToolbar); }
int PrintKeypadListing(const RunState& run) { return PrintPanelListing(run, kKeypad); }
