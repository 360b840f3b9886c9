// Windows backend of the platform layer: the Win32 file, memory and error
// text calls, with the flags the tool has always used. A file is opened with
// no sharing, so a file another program holds open is refused (code 32,
// ERROR_SHARING_VIOLATION), and so is a directory (code 5).
#include "platform/platform.h"

#include <windows.h>

#include <string>

namespace {

constexpr DWORD kMessageFlags =
    FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;
static_assert(kMessageFlags == 0x1300);
static_assert(LANG_USER_DEFAULT == 0x400);

// The code of the last failure of this layer, taken from GetLastError()
// right after the failing call, so that the calls made on the way to the
// message (a CloseHandle, the output itself) cannot change it.
DWORD lastError = 0;

bool Fail() {
    lastError = GetLastError();
    return false;
}

}  // namespace

bool OpenFileForRead(const char* path, FileHandle* handle) {
    HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail();
    *handle = file;
    return true;
}

// The emulator's installation path is a Windows path already.
bool OpenInstalledFile(const char* windowsPath, FileHandle* handle) { return OpenFileForRead(windowsPath, handle); }

bool ReadWholeFile(FileHandle handle, void* buffer, std::uint32_t size) {
    DWORD got = 0;
    if (!ReadFile(static_cast<HANDLE>(handle), buffer, size, &got, nullptr)) return Fail();
    return true;
}

void CloseFile(FileHandle handle) { CloseHandle(static_cast<HANDLE>(handle)); }

std::uint8_t* AllocateZeroedBlock(std::size_t size) {
    auto* block = static_cast<std::uint8_t*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, size));
    if (!block) {
        // Whatever the allocator left behind, the reason reported is the
        // lack of memory.
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        Fail();
    }
    return block;
}

void ReleaseBlock(std::uint8_t* block) { GlobalFree(block); }

int LastErrorCode() { return static_cast<int>(lastError); }

// The system's text for `code` in the user's language. The system ends its
// texts with CR LF; the CR is dropped, so that once standard output (text
// mode) has turned the LF into CR LF the line ends like every other. The
// buffer the system allocates is kept for the rest of the run.
const char* SystemErrorText(int code) {
    static std::string fallback;
    char* text = nullptr;
    DWORD length = FormatMessageA(kMessageFlags, nullptr, static_cast<DWORD>(code), LANG_USER_DEFAULT,
                                  reinterpret_cast<LPSTR>(&text), 0, nullptr);
    if (length == 0 || !text) {
        fallback = "Unknown error " + std::to_string(code) + "\n";
        return fallback.c_str();
    }
    if (length >= 2 && text[length - 2] == '\r' && text[length - 1] == '\n') {
        text[length - 2] = '\n';
        text[length - 1] = '\0';
        return text;
    }
    if (text[length - 1] == '\n') return text;
    fallback = std::string(text, length) + "\n";
    return fallback.c_str();
}

int NameTooLongErrorCode() { return ERROR_FILENAME_EXCED_RANGE; }
