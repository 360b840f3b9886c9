#include "panel_builder.h"

#include <stdexcept>

namespace panels {

namespace {

constexpr std::size_t kCountOffset = 25;
constexpr std::size_t kMacroOffsetField = 26;
constexpr std::size_t kMacroOffsetBase = 24;
constexpr std::size_t kFirstRecord = 28;
constexpr std::size_t kRecordHead = 24;

Cell Typed(std::uint8_t type, std::uint8_t index) {
    Cell cell;
    cell.type = type;
    cell.index = index;
    return cell;
}

}  // namespace

Cell Cell::WithI() const {
    Cell cell = *this;
    cell.i = true;
    return cell;
}

Cell Cell::WithR() const {
    Cell cell = *this;
    cell.r = true;
    return cell;
}

Cell Cell::WithSpareBits() const {
    Cell cell = *this;
    cell.spareBits = true;
    return cell;
}

std::uint8_t Cell::FirstByte() const {
    return static_cast<std::uint8_t>((i ? 0x01 : 0) | (type & 15) << 1 | (spareBits ? 0xA0 : 0) | (r ? 0x40 : 0));
}

Cell Action(std::uint8_t entry) { return Typed(0, entry); }
Cell Edit(std::uint8_t entry) { return Typed(1, entry); }
Cell Char(char character) { return Typed(2, static_cast<std::uint8_t>(character)); }
Cell Oper(std::uint8_t entry) { return Typed(3, entry); }
Cell Macro(std::uint8_t number) { return Typed(4, number); }
Cell OfType(std::uint8_t type, std::uint8_t index) { return Typed(type, index); }

PanelBuilder PanelBuilder::Toolbar() { return PanelBuilder("Tarnu Toolbar V1.26 "); }
PanelBuilder PanelBuilder::Keypad() { return PanelBuilder("Tarnu KeyPad V1.26  "); }

PanelBuilder& PanelBuilder::Add(const Button& button) {
    if (button.size < kRecordHead) throw std::invalid_argument("a record takes at least 24 bytes");
    records_.push_back(button);
    return *this;
}

PanelBuilder& PanelBuilder::Separator(Button separator) {
    separator.kind = kSeparator;
    return Add(separator);
}

PanelBuilder& PanelBuilder::Macros(const std::vector<std::string>& names) {
    macros_ = names;
    return *this;
}

PanelBuilder& PanelBuilder::Count(std::uint8_t count) {
    count_ = count;
    return *this;
}

PanelBuilder& PanelBuilder::MacroOffset(std::int16_t offset) {
    macroOffset_ = offset;
    return *this;
}

ImageBuilder PanelBuilder::Image() const {
    ImageBuilder image;
    image.Chars(0, version_).Resize(kFirstRecord);
    std::size_t at = kFirstRecord;
    for (const Button& record : records_) {
        image.U8(at, record.kind)
            .I16(at + 2, record.x)
            .I16(at + 4, record.y)
            .I16(at + 6, record.length.value_or(static_cast<std::int16_t>(record.size)))
            .I32(at + 20, record.width)
            .Resize(at + record.size);
        const Cell cells[] = {record.normal, record.shift, record.ctrl, record.alt};
        for (std::size_t shift = 0; shift < 4; ++shift) {
            image.U8(at + 8 + 2 * shift, cells[shift].FirstByte()).U8(at + 9 + 2 * shift, cells[shift].index);
        }
        at += record.size;
    }
    const std::size_t listStart = at;
    for (const std::string& name : macros_) {
        image.Text(at, name);
        at += name.size() + 1;
    }
    image.U8(kCountOffset, count_.value_or(static_cast<std::uint8_t>(records_.size())));
    image.I16(kMacroOffsetField, macroOffset_.value_or(static_cast<std::int16_t>(listStart - kMacroOffsetBase)));
    return image;
}

Bytes PanelBuilder::Build() const { return Image().Build(); }

}  // namespace panels
