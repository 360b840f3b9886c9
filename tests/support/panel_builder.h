// Describes a toolbar or keypad file in readable terms and lays out its
// bytes: the 20-byte version text, the record count at 25, the macro list
// position (counted from 24) at 26, the records from 28 one after the
// other, then the macro names. For example
//
//   PanelBuilder::Toolbar()
//       .Add({.x = 10, .width = 40, .normal = Action(2)})
//       .Separator()
//       .Add({.normal = Macro(1)})
//       .Macros({"logon", "logoff"})
//       .Build();
//
// Anything the description cannot say (a damaged header, bytes past 100000)
// is set afterwards through Image(), at offsets written out in the test.
// Everything lives in namespace panels, so that the short names of cells
// and records cannot meet another builder's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image_builder.h"

namespace panels {

// One binding cell: first byte bit 0 I, bits 1-4 type, bit 6 R; second
// byte the index.
struct Cell {
    std::uint8_t type = 0;  // 0 Action, 1 Edit, 2 Char, 3 Oper, 4 Macro, 5-15 nothing behind them
    std::uint8_t index = 0;
    bool i = false;
    bool r = false;
    bool spareBits = false;  // bits 5 and 7, which no listing reads

    Cell WithI() const;
    Cell WithR() const;
    Cell WithSpareBits() const;
    std::uint8_t FirstByte() const;
};

Cell Action(std::uint8_t entry);
Cell Edit(std::uint8_t entry);
Cell Char(char character);
Cell Oper(std::uint8_t entry);
Cell Macro(std::uint8_t number);
Cell OfType(std::uint8_t type, std::uint8_t index = 0);

// One record, a button unless its kind is 4.
struct Button {
    std::int16_t x = 0;  // a toolbar's Loc
    std::int16_t y = 0;  // shown by keypads only
    std::int32_t width = 0;
    Cell normal = {}, shift = {}, ctrl = {}, alt = {};
    std::uint8_t kind = 0;
    std::size_t size = 24;                // bytes the record takes in the file, 24 or more
    std::optional<std::int16_t> length = {};  // stored length field; `size` when not given
};

inline constexpr std::uint8_t kSeparator = 4;

class PanelBuilder {
public:
    static PanelBuilder Toolbar();
    static PanelBuilder Keypad();

    PanelBuilder& Add(const Button& button);
    // A record of kind 4; its cells are stored but never listed.
    PanelBuilder& Separator(Button separator = {});
    PanelBuilder& Macros(const std::vector<std::string>& names);
    // Overrides the count byte (else the number of records added).
    PanelBuilder& Count(std::uint8_t count);
    // Overrides the field at 26 (else the list lies right after the records).
    PanelBuilder& MacroOffset(std::int16_t offset);

    Bytes Build() const;
    ImageBuilder Image() const;

private:
    explicit PanelBuilder(std::string version) : version_(std::move(version)) {}

    std::string version_;
    std::vector<Button> records_;
    std::vector<std::string> macros_;
    std::optional<std::uint8_t> count_;
    std::optional<std::int16_t> macroOffset_;
};

}  // namespace panels
