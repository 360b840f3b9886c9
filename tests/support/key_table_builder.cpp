#include "key_table_builder.h"

#include <stdexcept>

#include "image_builder.h"

Cell OfType(int type, std::uint8_t index) {
    if (type < 0 || type > 15) throw std::out_of_range("function type " + std::to_string(type));
    return {static_cast<std::uint8_t>(type << 1), index};
}

KeyTableBuilder::KeyTableBuilder(KeyVersion version) {
    switch (version) {
        case KeyVersion::V1_00: versionText_ = "Tarnu Keytable V1.00", keyCount_ = 116; break;
        case KeyVersion::V1_01: versionText_ = "Tarnu Keytable V1.01", keyCount_ = 119; break;
        case KeyVersion::V1_26: versionText_ = "Tarnu Keytable V1.26", keyCount_ = 119; break;
    }
    bindings_.assign(8 * static_cast<std::size_t>(keyCount_), 0);
}

KeyTableBuilder& KeyTableBuilder::Bind(int key, Shift shift, Cell cell) {
    if (key < 0 || key >= keyCount_) throw std::out_of_range("key " + std::to_string(key));
    std::size_t at = 8 * static_cast<std::size_t>(key) + 2 * static_cast<std::size_t>(shift);
    bindings_[at] = cell.first;
    bindings_[at + 1] = cell.index;
    return *this;
}

KeyTableBuilder& KeyTableBuilder::Macros(const std::vector<std::string>& names) {
    macros_ = names;
    return *this;
}

KeyTableBuilder& KeyTableBuilder::VersionText(const std::string& text) {
    if (text.size() > 20) throw std::length_error("a version text has 20 bytes");
    versionText_ = text;
    return *this;
}

KeyTableBuilder& KeyTableBuilder::Unread(const std::string& fourBytes) {
    if (fourBytes.size() != 4) throw std::length_error("bytes 20 to 23 are four bytes");
    unread_ = fourBytes;
    return *this;
}

Bytes KeyTableBuilder::Build() const {
    ImageBuilder file(MacroListStart());
    file.Chars(0, versionText_).Chars(20, unread_).Raw(24, bindings_);
    std::size_t at = MacroListStart();
    for (const std::string& name : macros_) {
        file.Text(at, name);
        at += name.size() + 1;
    }
    return file.Build();
}
