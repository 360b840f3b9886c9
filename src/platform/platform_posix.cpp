// POSIX backend of the platform layer. It behaves as the Windows calls do
// for this tool: an open refuses directories, a read fills as much of the
// buffer as the file holds, and the emulator's installation drive c: lies
// where Wine keeps it, in $WINEPREFIX/drive_c (default $HOME/.wine).
#include "platform/platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int lastError = 0;

bool Fail(int code) {
    lastError = code;
    return false;
}

int DescriptorOf(FileHandle handle) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(handle)) - 1;
}

}  // namespace

bool OpenFileForRead(const char* path, FileHandle* handle) {
    // POSIX has no share modes: unlike the Windows open, this takes no lock,
    // so a file held open by another program is still read.
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Fail(errno);
    struct stat status;
    if (fstat(fd, &status) != 0) {
        int code = errno;
        close(fd);
        return Fail(code);
    }
    if (S_ISDIR(status.st_mode)) {
        close(fd);
        return Fail(EISDIR);
    }
    *handle = reinterpret_cast<FileHandle>(static_cast<std::intptr_t>(fd) + 1);
    return true;
}

bool OpenInstalledFile(const char* windowsPath, FileHandle* handle) {
    std::string path;
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) {
        path = prefix;
    } else {
        const char* home = std::getenv("HOME");
        path = std::string(home ? home : "") + "/.wine";
    }
    // "c:\dir\file" becomes "drive_c/dir/file"; only the drive letter is
    // folded to lower case, the rest keeps its case.
    char drive = windowsPath[0];
    if (drive >= 'A' && drive <= 'Z') drive = static_cast<char>(drive - 'A' + 'a');
    path += "/drive_";
    path += drive;
    for (const char* p = windowsPath + 2; *p; ++p) path += *p == '\\' ? '/' : *p;
    return OpenFileForRead(path.c_str(), handle);
}

bool ReadWholeFile(FileHandle handle, void* buffer, std::uint32_t size) {
    // One read, as on Windows: a regular file gives all it holds, up to
    // `size`, at once.
    ssize_t got;
    do {
        got = read(DescriptorOf(handle), buffer, size);
    } while (got < 0 && errno == EINTR);
    return got >= 0 || Fail(errno);
}

void CloseFile(FileHandle handle) { close(DescriptorOf(handle)); }

#if defined(__SANITIZE_ADDRESS__)
#define RAREDUZUVER_HEAP_BLOCKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RAREDUZUVER_HEAP_BLOCKS 1
#endif
#endif

#ifdef RAREDUZUVER_HEAP_BLOCKS
// Under AddressSanitizer blocks come from the heap, where a read one byte
// outside a block is caught; whole pages would hide it.
std::uint8_t* AllocateZeroedBlock(std::size_t size) {
    auto* block = static_cast<std::uint8_t*>(std::calloc(1, size));
    if (!block) Fail(ENOMEM);
    return block;
}

void ReleaseBlock(std::uint8_t* block) { std::free(block); }
#else
// Anonymous pages come zero-filled from the system and cost nothing until
// touched: a block of which a short file fills one page costs one page.
std::uint8_t* AllocateZeroedBlock(std::size_t size) {
    void* block = mmap(nullptr, size + sizeof(std::size_t), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) {
        Fail(ENOMEM);
        return nullptr;
    }
    // The size goes in front of the block, for its release.
    *static_cast<std::size_t*>(block) = size + sizeof(std::size_t);
    return static_cast<std::uint8_t*>(block) + sizeof(std::size_t);
}

void ReleaseBlock(std::uint8_t* block) {
    if (!block) return;
    void* start = block - sizeof(std::size_t);
    munmap(start, *static_cast<std::size_t*>(start));
}
#endif

int LastErrorCode() { return lastError; }

const char* SystemErrorText(int code) {
    static std::string text;
    text = std::strerror(code);
    text += '\n';
    return text.c_str();
}

int NameTooLongErrorCode() { return ENAMETOOLONG; }
