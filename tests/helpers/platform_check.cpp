// platform_check: the Windows backend of the platform layer, checked where
// no run of the tool can reach it (a failed allocation, a code without
// system text) or more directly than a run shows it. Run under Wine by the
// Windows suite; prints one line per failed check and a closing count, and
// ends with status 1 when any check failed.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/platform.h"

namespace {

int passed = 0;
int failed = 0;

void Check(bool ok, const char* what, const std::string& detail = "") {
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAILED: %s %s\n", what, detail.c_str());
    }
}

bool EndsInOneLf(const char* text) {
    std::size_t length = std::strlen(text);
    return length >= 2 && text[length - 1] == '\n' && !std::strchr(text, '\r');
}

constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;
constexpr int kNotEnoughMemory = 8;
constexpr int kSharingViolation = 32;
constexpr int kFilenameExceedsRange = 206;
// Bit 29 marks codes of applications: the system has no text for them.
constexpr int kCodeWithoutText = 0x2000ABCD;

void CheckBlocks() {
    std::uint8_t* block = AllocateZeroedBlock(100000);
    Check(block != nullptr, "a block of 100000 bytes is obtained");
    if (block) {
        bool zero = true;
        for (int i = 0; i < 100000; ++i) zero = zero && block[i] == 0;
        Check(zero, "the block is zero-filled");
        ReleaseBlock(block);
    }
    std::uint8_t* huge = AllocateZeroedBlock(SIZE_MAX / 2);
    Check(huge == nullptr, "an impossible block is refused");
    Check(LastErrorCode() == kNotEnoughMemory, "a refused block leaves the out-of-memory code",
          std::to_string(LastErrorCode()));
}

void CheckFiles() {
    FileHandle handle;
    Check(!OpenFileForRead("no such file.key", &handle), "a missing file is not opened");
    Check(LastErrorCode() == kFileNotFound, "a missing file gives code 2", std::to_string(LastErrorCode()));
    Check(!OpenFileForRead(".", &handle), "a folder is not opened");
    Check(LastErrorCode() == kAccessDenied, "a folder gives code 5", std::to_string(LastErrorCode()));

    const char* name = "platform_check.tmp";
    if (std::FILE* file = std::fopen(name, "wb")) {
        std::fputs("abc", file);
        std::fclose(file);
    }
    FileHandle first;
    FileHandle second;
    bool opened = OpenFileForRead(name, &first);
    Check(opened, "an existing file is opened");
    if (opened) {
        Check(!OpenFileForRead(name, &second), "a file held open is not opened again");
        Check(LastErrorCode() == kSharingViolation, "a file held open gives code 32",
              std::to_string(LastErrorCode()));
        std::uint8_t* block = AllocateZeroedBlock(100000);
        Check(block && ReadWholeFile(first, block, 100000), "a short file is read");
        Check(block && std::memcmp(block, "abc\0\0", 5) == 0, "its bytes come first, zeros after them");
        ReleaseBlock(block);
        CloseFile(first);
        Check(OpenFileForRead(name, &second), "a closed file opens again");
        CloseFile(second);
    }
    std::remove(name);
    Check(!OpenInstalledFile("c:\\no such folder\\key.lst", &handle) && LastErrorCode() == 3,
          "an installed file is opened by its Windows path (missing folder: code 3)",
          std::to_string(LastErrorCode()));
}

void CheckTexts() {
    Check(NameTooLongErrorCode() == kFilenameExceedsRange, "a name too long has code 206");
    for (int code : {kFileNotFound, kAccessDenied, kNotEnoughMemory, kSharingViolation, kFilenameExceedsRange}) {
        const char* text = SystemErrorText(code);
        Check(EndsInOneLf(text) && std::strlen(text) > 2, "the system text ends in one LF", text);
    }
    std::string unknown = SystemErrorText(kCodeWithoutText);
    Check(unknown == "Unknown error " + std::to_string(kCodeWithoutText) + "\n",
          "a code without system text says so", unknown);
}

}  // namespace

int main() {
    CheckBlocks();
    CheckFiles();
    CheckTexts();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}
