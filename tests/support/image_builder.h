// Builds the bytes of a test file by placing values at offsets written out
// in the test, little-endian, growing the file as needed.
#pragma once

#include <cstdint>
#include <string>

#include "tool_runner.h"

class ImageBuilder {
public:
    explicit ImageBuilder(std::size_t size = 0) : bytes_(size, 0) {}

    // Raw characters, with no terminator.
    ImageBuilder& Chars(std::size_t offset, const std::string& text);
    // Characters followed by one NUL.
    ImageBuilder& Text(std::size_t offset, const std::string& text);
    ImageBuilder& U8(std::size_t offset, std::uint8_t value);
    ImageBuilder& U16(std::size_t offset, std::uint16_t value);
    ImageBuilder& I16(std::size_t offset, std::int16_t value) { return U16(offset, static_cast<std::uint16_t>(value)); }
    ImageBuilder& I32(std::size_t offset, std::int32_t value);
    ImageBuilder& Raw(std::size_t offset, const Bytes& values);
    ImageBuilder& Fill(std::size_t offset, std::size_t count, std::uint8_t value);
    // Makes the file exactly `size` bytes long (cutting or zero-padding).
    ImageBuilder& Resize(std::size_t size);

    std::size_t Size() const { return bytes_.size(); }
    const Bytes& Build() const { return bytes_; }

private:
    void Reach(std::size_t end);
    Bytes bytes_;
};
