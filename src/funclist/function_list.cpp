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

enum class ListFile { Unopened, Read, NoMemory };

// Reads key.lst into `block`. A read that fails counts as a failed open:
// the built-in list takes the file's place.
ListFile ReadInstalledList(const RunState& run, OwnedBlock& block) {
    const FunctionListSource& source = run.functionListSource;
    if (source.origin == FunctionListSource::Missing) return ListFile::Unopened;
    if (source.origin == FunctionListSource::Bytes) {
        block.reset(AllocateZeroedBlock(kImageSize));
        if (!block) return ListFile::NoMemory;
        if (source.size) {
            std::memcpy(block.get(), source.bytes,
                        source.size < std::size_t(kImageSize) ? source.size : std::size_t(kImageSize));
        }
        return ListFile::Read;
    }
    FileHandle handle;
    if (!OpenInstalledFile(kFunctionListPath, &handle)) return ListFile::Unopened;
    block.reset(AllocateZeroedBlock(kImageSize));
    if (!block) {
        CloseFile(handle);
        return ListFile::NoMemory;
    }
    bool read = ReadWholeFile(handle, block.get(), kImageSize);
    CloseFile(handle);
    if (!read) block.reset();
    return read ? ListFile::Read : ListFile::Unopened;
}

int RefuseWithoutMemory(const RunState& run) {
    int code = LastErrorCode();
    std::fprintf(run.out, "Error opening file %s\nrc=%d msg=%s", kFunctionListPath, code, SystemErrorText(code));
    return kStatusError;
}

TextView TableName(const FunctionList& list, std::int64_t tableStart, std::uint8_t index) {
    return ReadText(list.image, tableStart + kEntrySize * index + kNameOffset);
}

}  // namespace

int LoadFunctionList(const RunState& run, FunctionList& list) {
    OwnedBlock block;
    switch (ReadInstalledList(run, block)) {
        case ListFile::Read:
            if (!HasVersionText(FileImage{block.get()}, kFunctionListVersion)) {
                std::fprintf(run.out, "Invalid KEY.LST key table\n");
                return kStatusError;
            }
            break;
        case ListFile::NoMemory:
            return RefuseWithoutMemory(run);
        case ListFile::Unopened:
            std::fprintf(run.out, "Error opening file %s\n", kFunctionListPath);
            block.reset(AllocateZeroedBlock(kImageSize));
            if (!block) return RefuseWithoutMemory(run);
            BuildBuiltinFunctionList(block.get());
            break;
    }
    list.block = std::move(block);
    list.image.bytes = list.block.get();
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
