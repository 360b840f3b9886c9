// What the key table listing and comparison share: their opening steps and
// the text of one binding cell. The function list comes first, so its
// messages stand before the heading even when the key table is unreadable.
#include "keys/key_table_file.h"

#include <cstdio>
#include <cstring>

namespace {

// The key count of the image's version, or 0 when no version matches.
int KeyCountOf(FileImage image) {
    for (const KeyTableVersion& version : kKeyTableVersions) {
        if (HasVersionText(image, version.text)) return version.keyCount;
    }
    return 0;
}

}  // namespace

KeyTableStart BeginKeyTableReport(const RunState& run, FunctionList& list) {
    if (int status = LoadFunctionList(run, list); status != kStatusOk) return {0, status};
    if (run.compareMode) {
        std::fprintf(run.out, "\nComparing KEY files %s : %s\n\n", run.firstName, run.secondName);
    } else {
        std::fprintf(run.out, "\nFormat of KEY file %s\n\n", run.firstName);
    }
    int keyCount = KeyCountOf(run.first);
    if (keyCount == 0) {
        // No line end: the message is the last thing the run prints. An
        // unknown version is a failure like any other, whatever the mode.
        std::fprintf(run.out, "Error, Keyfile version not known for %s", run.firstName);
        return {0, kStatusError};
    }
    return {keyCount, kStatusOk};
}

void RenderKeyCell(const FunctionList& list, FileImage image, std::int64_t offset,
                   std::int64_t macroListStart, CellText& text) {
    // "%-8s  %d  %d  %-24s", laid out by hand: this runs for every cell of
    // every listing, and the flags are single digits.
    BindingCell cell = ReadBindingCell(image, offset);
    TextView function = LookupFunctionName(list, cell.type, cell.index, image, macroListStart);
    char* at = text.chars;
    auto put = [&at](const char* data, std::size_t length, std::size_t width) {
        std::memcpy(at, data, length);
        at += length;
        if (length < width) {
            std::memset(at, ' ', width - length);
            at += width - length;
        }
    };
    const char* type = FunctionTypeNames[cell.type];
    put(type, std::strlen(type), 8);
    const char flags[] = {' ', ' ', static_cast<char>('0' + cell.iFlag), ' ', ' ',
                          static_cast<char>('0' + cell.rFlag), ' ', ' '};
    put(flags, sizeof flags, 0);
    put(function.data, static_cast<std::size_t>(function.length), 24);
    text.length = static_cast<int>(at - text.chars);
}
