// Builds session profiles (.ses) from readable descriptions: settings are
// named by their labels and placed at the offsets of this file's own copy
// of the profile layout, kept apart from the tool's table on purpose.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image_builder.h"

// How a setting is stored, as far as a test needs to know to write it.
enum class SessionFieldType {
    Text,        // NUL-terminated, in `room` bytes
    Byte,        // flag, choice index or 8-bit number
    U16,
    I32,
    PairI32,     // two signed 32-bit numbers
    ColorPair,   // a byte here and its partner 32 bytes further
    Swatch,      // 4 bytes
    PrintSetup,  // 51 bytes
    FindBit,     // one bit (`room` holds its mask) of the find byte
};

struct SessionField {
    const char* label;
    int offset;
    SessionFieldType type;
    int room;  // a text's bytes, a find flag's mask
};

// Every setting the listing shows, in file order.
const std::vector<SessionField>& SessionFields();
const SessionField& SessionFieldNamed(const std::string& label);

// Byte ranges of a profile that no setting occupies.
struct ByteRange {
    int offset;
    int count;
};
const std::vector<ByteRange>& UnreadSessionRanges();

class SessionBuilder {
public:
    // A profile holding only the version text "Tarnu Session V1.26 ".
    SessionBuilder();

    SessionBuilder& Text(const std::string& label, const std::string& text);
    // A flag byte, a choice index or a number, written in the setting's width.
    SessionBuilder& Set(const std::string& label, std::int64_t value);
    SessionBuilder& Pair(const std::string& label, std::int32_t first, std::int32_t second);
    // Bytes 0 to 3 of a swatch, in file order.
    SessionBuilder& Swatch(int number, std::array<std::uint8_t, 4> bytes);
    SessionBuilder& PrintSetup(const std::string& model, const std::string& name, std::uint8_t orient,
                               std::uint8_t twoup, std::array<std::uint8_t, 16> values);
    // The byte that holds the three find flags.
    SessionBuilder& FindByte(std::uint8_t value);

    // For bytes the descriptions above cannot reach.
    ImageBuilder& Image() { return image_; }
    const Bytes& Build() const { return image_.Build(); }

private:
    ImageBuilder image_;
};

// A profile with every kind of setting filled with a value of its own, and
// junk wherever the tool must not look: the header's spare bytes, the unread
// gaps, the unused colour slots, swatch bytes 3, bits 3 to 7 of the find
// byte, the top bit of the Icon Number and the room after a text's NUL.
SessionBuilder FullSessionProfile();
