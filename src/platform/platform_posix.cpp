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
    int fd = DescriptorOf(handle);
    auto* out = static_cast<char*>(buffer);
    std::uint32_t done = 0;
    while (done < size) {
        ssize_t got = read(fd, out + done, size - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            return Fail(errno);
        }
        if (got == 0) break;
        done += static_cast<std::uint32_t>(got);
    }
    return true;
}

void CloseFile(FileHandle handle) { close(DescriptorOf(handle)); }

std::uint8_t* AllocateZeroedBlock(std::size_t size) {
    auto* block = static_cast<std::uint8_t*>(std::calloc(1, size));
    if (!block) Fail(ENOMEM);
    return block;
}

void ReleaseBlock(std::uint8_t* block) { std::free(block); }

int LastErrorCode() { return lastError; }

const char* SystemErrorText(int code) {
    static std::string text;
    text = std::strerror(code);
    text += '\n';
    return text.c_str();
}

int NameTooLongErrorCode() { return ENAMETOOLONG; }
