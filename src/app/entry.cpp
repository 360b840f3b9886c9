// The run's spine: argument count, names, extensions and compare mode,
// loading each file whole into a zero-filled block, then the dispatch.
// The order of the steps decides which message a faulty command line gets.
#include "app/entry.h"

#include <cstring>
#include "platform/platform.h"

namespace {

constexpr std::size_t kNameRoom = sizeof(RunState::firstName) - 1;
constexpr std::size_t kExtensionRoom = sizeof(RunState::firstExtension) - 1;

// The text after the last "." of a name, anywhere in it; empty without one.
const char* ExtensionOf(const char* name) {
    const char* dot = std::strrchr(name, '.');
    return dot ? dot + 1 : "";
}

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Extensions are compared in full after upper-casing, however long.
bool SameExtension(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (UpperCase(*a) != UpperCase(*b)) return false;
    }
    return *a == *b;
}

// An extension too long for its buffer stays empty, so it is never taken
// for a supported kind.
void StoreExtension(const char* extension, char (&buffer)[20]) {
    if (std::strlen(extension) > kExtensionRoom) return;
    for (std::size_t i = 0; extension[i]; ++i) buffer[i] = UpperCase(extension[i]);
}

void StoreName(const char* name, char (&buffer)[256]) {
    if (std::strlen(name) <= kNameRoom) std::strcpy(buffer, name);
}

enum class LoadFailure { None, NameTooLong, Open, Memory, Read };

// Opens, allocates, reads and closes, in the order of the Windows calls.
// On failure LastErrorCode() holds the reason (but for NameTooLong).
LoadFailure LoadFileImage(const char* name, OwnedBlock& block) {
    if (std::strlen(name) > kNameRoom) return LoadFailure::NameTooLong;
    FileHandle handle;
    if (!OpenFileForRead(name, &handle)) return LoadFailure::Open;
    block.reset(AllocateZeroedBlock(kImageSize));
    LoadFailure failure = LoadFailure::None;
    if (!block) {
        failure = LoadFailure::Memory;
    } else if (!ReadWholeFile(handle, block.get(), kImageSize)) {
        failure = LoadFailure::Read;
    }
    CloseFile(handle);
    return failure;
}

// "Error opening file %s\nrc=%d msg=%s": the first file's open message, and
// the message of any file whose block cannot be had.
int RefuseWithSystemError(std::FILE* out, const char* name, LoadFailure failure) {
    int code = failure == LoadFailure::NameTooLong ? NameTooLongErrorCode() : LastErrorCode();
    std::fprintf(out, "Error opening file %s\nrc=%d msg=%s", name, code, SystemErrorText(code));
    return kStatusError;
}

}  // namespace

int RunTool(int argc, const char* const* argv, std::FILE* out, FunctionListSource functionList) {
    if (argc != 2 && argc != 3) {
        PrintUsage(out);
        return kStatusOk;
    }
    RunState run;
    run.out = out;
    run.functionListSource = functionList;
    const char* firstName = argv[1];
    const char* secondName = argc == 3 ? argv[2] : "";

    StoreName(firstName, run.firstName);
    StoreName(secondName, run.secondName);
    StoreExtension(ExtensionOf(firstName), run.firstExtension);

    if (*secondName) {
        StoreExtension(ExtensionOf(secondName), run.secondExtension);
        if (!SameExtension(ExtensionOf(firstName), ExtensionOf(secondName))) {
            std::fprintf(out, "When comparing files, both need to be the same type\n");
            return kStatusError;
        }
        run.compareMode = true;
    }

    OwnedBlock firstBlock;
    if (LoadFailure failure = LoadFileImage(firstName, firstBlock); failure != LoadFailure::None) {
        return RefuseWithSystemError(out, firstName, failure);
    }
    run.first.bytes = firstBlock.get();

    OwnedBlock secondBlock;
    if (run.compareMode) {
        LoadFailure failure = LoadFileImage(secondName, secondBlock);
        if (failure == LoadFailure::Memory) return RefuseWithSystemError(out, secondName, failure);
        if (failure != LoadFailure::None) {
            std::fprintf(out, "Error opening file2 %s\n", secondName);
            return kStatusError;
        }
        run.second.bytes = secondBlock.get();
    }

    return DispatchReport(run);
}
