// Loading key.lst and turning a binding's type and index into its text.
// The header's sizes are trusted as the file gives them; a table position
// that lands outside the block reads as zeros, an empty name.
#include "funclist/function_list.h"

#include <cstring>

#include "keys/binding_cell.h"

namespace {

constexpr char kFunctionListVersion[21] = "Tarnu Keylist V1.00 ";
constexpr std::int64_t kFirstTableOffset = 35;
constexpr std::int64_t kEntrySize = 160;
constexpr std::int64_t kNameOffset = 2;

// Reads key.lst into `block`; false when it cannot be opened or read.
bool ReadInstalledList(const RunState& run, OwnedBlock& block) {
    const FunctionListSource& source = run.functionListSource;
    if (source.origin == FunctionListSource::Missing) return false;
    if (source.origin == FunctionListSource::Bytes) {
        block.reset(AllocateZeroedBlock(kImageSize));
        if (!block) return false;
        if (source.size) {
            std::memcpy(block.get(), source.bytes,
                        source.size < std::size_t(kImageSize) ? source.size : std::size_t(kImageSize));
        }
        return true;
    }
    FileHandle handle;
    if (!OpenInstalledFile(kFunctionListPath, &handle)) return false;
    block.reset(AllocateZeroedBlock(kImageSize));
    bool read = block && ReadWholeFile(handle, block.get(), kImageSize);
    CloseFile(handle);
    if (!read) block.reset();
    return read;
}

TextView TableName(const FunctionList& list, std::int64_t tableStart, std::uint8_t index) {
    return ReadText(list.image, tableStart + kEntrySize * index + kNameOffset);
}

}  // namespace

int LoadFunctionList(const RunState& run, FunctionList& list) {
    OwnedBlock block;
    if (ReadInstalledList(run, block)) {
        list.image.bytes = block.get();
        if (!HasVersionText(list.image, kFunctionListVersion)) {
            std::fprintf(run.out, "Invalid KEY.LST key table\n");
            return kStatusError;
        }
    } else {
        std::fprintf(run.out, "Error opening file %s\n", kFunctionListPath);
        block.reset(AllocateZeroedBlock(kImageSize));
        if (!block) {
            int code = LastErrorCode();
            std::fprintf(run.out, "Error opening file %s\nrc=%d msg=%s", kFunctionListPath, code,
                         SystemErrorText(code));
            return kStatusError;
        }
        BuildBuiltinFunctionList(block.get());
        list.image.bytes = block.get();
    }
    list.block = std::move(block);
    list.actionStart = kFirstTableOffset;
    list.editStart = list.actionStart + ReadI16(list.image, 26);
    list.operStart = list.editStart + ReadI16(list.image, 28);
    return kStatusOk;
}

TextView LookupFunctionName(const FunctionList& list, std::uint8_t type, std::uint8_t index,
                            FileImage macros, std::int64_t macroListStart) {
    // The macro name with ".mac" never needs cutting: a name ends at the
    // latest where its image does.
    static char characterBuffer[2];
    static char macroNameBuffer[kImageSize + sizeof(".mac")];
    switch (type) {
        case kTypeAction:
            return TableName(list, list.actionStart, index);
        case kTypeEdit:
            return TableName(list, list.editStart, index);
        case kTypeOper:
            return TableName(list, list.operStart, index);
        case kTypeChar:
            characterBuffer[0] = static_cast<char>(index);
            return {characterBuffer, index ? 1 : 0};
        case kTypeMacro: {
            std::int64_t position = macroListStart;
            for (int skipped = 0; skipped < index; ++skipped) position = NextTextStart(macros, position);
            TextView name = ReadText(macros, position);
            std::memcpy(macroNameBuffer, name.data, static_cast<std::size_t>(name.length));
            std::memcpy(macroNameBuffer + name.length, ".mac", sizeof(".mac"));
            return {macroNameBuffer, name.length + 4};
        }
        default:
            return {"", 0};
    }
}
