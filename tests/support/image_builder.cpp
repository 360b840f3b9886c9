#include "image_builder.h"

void ImageBuilder::Reach(std::size_t end) {
    if (bytes_.size() < end) bytes_.resize(end, 0);
}

ImageBuilder& ImageBuilder::Chars(std::size_t offset, const std::string& text) {
    Reach(offset + text.size());
    for (std::size_t i = 0; i < text.size(); ++i) bytes_[offset + i] = static_cast<std::uint8_t>(text[i]);
    return *this;
}

ImageBuilder& ImageBuilder::Text(std::size_t offset, const std::string& text) {
    Chars(offset, text);
    return U8(offset + text.size(), 0);
}

ImageBuilder& ImageBuilder::U8(std::size_t offset, std::uint8_t value) {
    Reach(offset + 1);
    bytes_[offset] = value;
    return *this;
}

ImageBuilder& ImageBuilder::U16(std::size_t offset, std::uint16_t value) {
    U8(offset, static_cast<std::uint8_t>(value & 0xFF));
    return U8(offset + 1, static_cast<std::uint8_t>(value >> 8));
}

ImageBuilder& ImageBuilder::I32(std::size_t offset, std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    U16(offset, static_cast<std::uint16_t>(bits & 0xFFFF));
    return U16(offset + 2, static_cast<std::uint16_t>(bits >> 16));
}

ImageBuilder& ImageBuilder::Raw(std::size_t offset, const Bytes& values) {
    Reach(offset + values.size());
    for (std::size_t i = 0; i < values.size(); ++i) bytes_[offset + i] = values[i];
    return *this;
}

ImageBuilder& ImageBuilder::Fill(std::size_t offset, std::size_t count, std::uint8_t value) {
    Reach(offset + count);
    for (std::size_t i = 0; i < count; ++i) bytes_[offset + i] = value;
    return *this;
}

ImageBuilder& ImageBuilder::Resize(std::size_t size) {
    bytes_.resize(size, 0);
    return *this;
}
