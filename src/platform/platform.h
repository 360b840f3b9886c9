// Operating-system services the tool needs: open an existing file for
// reading with no sharing, read it in one call, close it, obtain and
// release a zero-filled block, and the last failure's code and text.
// Exactly one backend is linked: platform_win32.cpp or platform_posix.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

using FileHandle = void*;

// Opens an existing file for reading, allowing no other opener meanwhile.
// Returns false on failure; LastErrorCode() then tells why.
bool OpenFileForRead(const char* path, FileHandle* handle);

// Opens a file of the emulator's installation by its Windows path
// ("c:\..."), for reading with no sharing like OpenFileForRead.
bool OpenInstalledFile(const char* windowsPath, FileHandle* handle);

// Reads up to `size` bytes from the start of the file into `buffer`.
// Returns false when the read call itself fails (not for a short file).
bool ReadWholeFile(FileHandle handle, void* buffer, std::uint32_t size);

void CloseFile(FileHandle handle);

// A zero-filled block of `size` bytes, or nullptr with LastErrorCode()
// set to the out-of-memory code.
std::uint8_t* AllocateZeroedBlock(std::size_t size);
void ReleaseBlock(std::uint8_t* block);

// The code of the last failed call of this layer.
int LastErrorCode();
// The system's message for `code`, ending in a line end. The text stays
// valid for the rest of the run.
const char* SystemErrorText(int code);
// The system's code for a file name that is too long.
int NameTooLongErrorCode();

// A block that releases itself when its owner is done with it.
struct BlockRelease {
    void operator()(std::uint8_t* block) const { ReleaseBlock(block); }
};
using OwnedBlock = std::unique_ptr<std::uint8_t, BlockRelease>;
