// A parameter file (or the function list) held whole in one block of
// exactly 100000 bytes. Every read of file bytes goes through the readers
// below: any offset outside the block reads as zero, whatever the file's
// counts, lengths and offsets say, so nothing outside it is ever touched.
#pragma once

#include <cstdint>
#include <cstring>

inline constexpr std::int64_t kImageSize = 100000;

struct FileImage {
    const std::uint8_t* bytes = nullptr;  // kImageSize bytes, or none
};

// A run of characters inside an image, ended by its first NUL, by a limit
// or by the end of the block. Printed with "%.*s".
struct TextView {
    const char* data;
    int length;
};

inline std::uint8_t ReadU8(FileImage image, std::int64_t offset) {
    if (!image.bytes || offset < 0 || offset >= kImageSize) return 0;
    return image.bytes[offset];
}

inline std::uint16_t ReadU16(FileImage image, std::int64_t offset) {
    return static_cast<std::uint16_t>(ReadU8(image, offset) | ReadU8(image, offset + 1) << 8);
}

inline std::int16_t ReadI16(FileImage image, std::int64_t offset) {
    return static_cast<std::int16_t>(ReadU16(image, offset));
}

inline std::int32_t ReadI32(FileImage image, std::int64_t offset) {
    std::uint32_t value = static_cast<std::uint32_t>(ReadU16(image, offset)) |
                          static_cast<std::uint32_t>(ReadU16(image, offset + 2)) << 16;
    return static_cast<std::int32_t>(value);
}

// The text at `offset`: its bytes up to the first NUL, at most `limit`
// bytes. A text that starts outside the block is empty (its first byte
// reads as zero); one that runs to the block's end stops there.
inline TextView ReadText(FileImage image, std::int64_t offset, std::int64_t limit = kImageSize) {
    static const char empty[1] = {0};
    if (!image.bytes || offset < 0 || offset >= kImageSize || limit <= 0) return {empty, 0};
    std::int64_t room = kImageSize - offset;
    if (limit < room) room = limit;
    const char* start = reinterpret_cast<const char*>(image.bytes + offset);
    const void* nul = std::memchr(start, 0, static_cast<std::size_t>(room));
    std::int64_t length = nul ? static_cast<const char*>(nul) - start : room;
    return {start, static_cast<int>(length)};
}

// True when the first 20 bytes of the image are exactly `version`
// (20 characters, trailing blanks included, no terminator).
inline bool HasVersionText(FileImage image, const char (&version)[21]) {
    for (int i = 0; i < 20; ++i) {
        if (ReadU8(image, i) != static_cast<std::uint8_t>(version[i])) return false;
    }
    return true;
}

// True when the first 20 bytes of two images are equal.
inline bool SameVersionText(FileImage first, FileImage second) {
    for (int i = 0; i < 20; ++i) {
        if (ReadU8(first, i) != ReadU8(second, i)) return false;
    }
    return true;
}

// The offset just behind the NUL that ends the text at `offset`. Past the
// block every byte is a zero, so each one ends an empty text.
inline std::int64_t NextTextStart(FileImage image, std::int64_t offset) {
    return offset + ReadText(image, offset).length + 1;
}
