// Builds key table files from readable descriptions. A V1.26 table where
// key 37 Ctrl is Oper 5 and macro 0 is logon:
//
//     KeyTableBuilder(KeyVersion::V1_26).Bind(37, Shift::Ctrl, Oper(5)).Macros({"logon"}).Build()
//
// Keys not bound keep eight zero bytes. The file ends right after the
// MacroNameList (or the bindings when there are no macros).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tool_runner.h"

enum class KeyVersion { V1_00, V1_01, V1_26 };
enum class Shift { Normal, Shift, Ctrl, Alt };

// One binding cell: first byte (bit 0 I, bits 1-4 type, bit 6 R; bits 5 and
// 7 unused) and the index byte.
struct Cell {
    std::uint8_t first;
    std::uint8_t index;

    Cell WithI() const { return {static_cast<std::uint8_t>(first | 0x01), index}; }
    Cell WithR() const { return {static_cast<std::uint8_t>(first | 0x40), index}; }
    // Sets bits of the first byte directly, e.g. the unused 0x20 and 0x80.
    Cell WithBits(std::uint8_t bits) const { return {static_cast<std::uint8_t>(first | bits), index}; }
};

Cell OfType(int type, std::uint8_t index = 0);
inline Cell Action(std::uint8_t entry) { return OfType(0, entry); }
inline Cell Edit(std::uint8_t entry) { return OfType(1, entry); }
inline Cell Char(std::uint8_t character) { return OfType(2, character); }
inline Cell Oper(std::uint8_t entry) { return OfType(3, entry); }
inline Cell Macro(std::uint8_t number) { return OfType(4, number); }

class KeyTableBuilder {
public:
    explicit KeyTableBuilder(KeyVersion version = KeyVersion::V1_26);

    // Throws std::out_of_range for a key the version does not hold.
    KeyTableBuilder& Bind(int key, Shift shift, Cell cell);
    // The MacroNameList; each name is followed by one NUL.
    KeyTableBuilder& Macros(const std::vector<std::string>& names);
    // Replaces the version text: the first 20 bytes, zero-padded.
    KeyTableBuilder& VersionText(const std::string& text);
    // Bytes 20 to 23, which no reader looks at.
    KeyTableBuilder& Unread(const std::string& fourBytes);

    int KeyCount() const { return keyCount_; }
    std::size_t MacroListStart() const { return 24 + 8 * static_cast<std::size_t>(keyCount_); }
    Bytes Build() const;

private:
    int keyCount_;
    std::string versionText_;
    std::string unread_;
    Bytes bindings_;
    std::vector<std::string> macros_;
};
