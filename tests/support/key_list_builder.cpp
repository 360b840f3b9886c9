#include "key_list_builder.h"

#include <stdexcept>

#include "image_builder.h"

namespace {

constexpr std::size_t kEntrySize = 160;

}  // namespace

KeyListBuilder& KeyListBuilder::Action(const std::vector<std::string>& names) {
    tables_[0] = names;
    return *this;
}

KeyListBuilder& KeyListBuilder::Edit(const std::vector<std::string>& names) {
    tables_[1] = names;
    return *this;
}

KeyListBuilder& KeyListBuilder::Oper(const std::vector<std::string>& names) {
    tables_[2] = names;
    return *this;
}

KeyListBuilder& KeyListBuilder::Magic(const std::string& text) {
    if (text.size() > 24) throw std::length_error("the magic area has 24 bytes");
    magic_ = text;
    return *this;
}

Bytes KeyListBuilder::Build() const {
    ImageBuilder file(35);
    file.Chars(0, magic_);
    std::size_t at = 35;
    for (int table = 0; table < 3; ++table) {
        const std::vector<std::string>& names = tables_[table];
        file.U16(26 + 2 * static_cast<std::size_t>(table), static_cast<std::uint16_t>(kEntrySize * names.size()));
        file.U8(32 + static_cast<std::size_t>(table), static_cast<std::uint8_t>(names.size()));
        for (std::size_t index = 0; index < names.size(); ++index) {
            file.Fill(at, kEntrySize, 0).U16(at, static_cast<std::uint16_t>(index)).Text(at + 2, names[index]);
            at += kEntrySize;
        }
    }
    return file.Build();
}
