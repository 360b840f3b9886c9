// The two-byte binding cell shared by key table, toolbar and keypad files,
// and the constant names listings put on its numbers. First byte: bit 0 the
// I flag, bits 1-4 the function type, bit 6 the R flag (bits 5 and 7 mean
// nothing); second byte: the index (entry number, character or macro).
#pragma once

#include <cstdint>

#include "app/file_image.h"

enum FunctionType : std::uint8_t {
    kTypeAction = 0,
    kTypeEdit = 1,
    kTypeChar = 2,
    kTypeOper = 3,
    kTypeMacro = 4,
};

struct BindingCell {
    int iFlag;
    std::uint8_t type;
    int rFlag;
    std::uint8_t index;
};

inline BindingCell ReadBindingCell(FileImage image, std::int64_t offset) {
    std::uint8_t b = ReadU8(image, offset);
    return {b & 1, static_cast<std::uint8_t>((b >> 1) & 15), (b >> 6) & 1, ReadU8(image, offset + 1)};
}

inline constexpr int kShiftStates = 4;
inline constexpr int kKeyCount = 119;

extern const char* const FunctionTypeNames[16];
extern const char* const ShiftNames[kShiftStates];
extern const char* const KeyNames[kKeyCount];
