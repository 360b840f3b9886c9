// Key tables and a function list shared by the key table end-to-end tests.
#pragma once

#include <string>

#include "key_list_builder.h"
#include "key_table_builder.h"

// A full keyboard for the built-in function list: PF keys, editing keys,
// characters, macros and every kind of cell a listing can meet. Tests may
// bind more before they build it.
inline KeyTableBuilder OfficeKeyTable(KeyVersion version = KeyVersion::V1_26) {
    KeyTableBuilder table(version);
    table.Bind(0, Shift::Normal, Action(1))   // Escape: Clear
        .Bind(0, Shift::Shift, Edit(21));     // Reset
    for (int f = 1; f <= 12; ++f) {
        table.Bind(f, Shift::Normal, Action(static_cast<std::uint8_t>(5 + f)))    // PF1-PF12
            .Bind(f, Shift::Shift, Action(static_cast<std::uint8_t>(17 + f)));    // PF13-PF24
    }
    table.Bind(1, Shift::Alt, Macro(0))       // logon.mac
        .Bind(2, Shift::Alt, Macro(1))        // logoff.mac
        .Bind(3, Shift::Alt, Macro(2))        // the empty name: .mac
        .Bind(4, Shift::Alt, Macro(3))        // a name wider than its column
        .Bind(5, Shift::Alt, Macro(9))        // past the last name: .mac
        .Bind(13, Shift::Normal, Oper(17))    // Print: PrintScreen
        .Bind(13, Shift::Ctrl, Oper(18))      // PrintScreenAsk
        .Bind(14, Shift::Normal, Action(50))  // past the Action table: Edit 0, Backspace
        .Bind(14, Shift::Shift, Edit(66))     // past the Edit table: Oper 0, Capture
        .Bind(14, Shift::Ctrl, Oper(64))      // past the Oper table: empty
        .Bind(14, Shift::Alt, Action(255))    // empty
        .Bind(15, Shift::Normal, Action(0).WithI())
        .Bind(29, Shift::Normal, Edit(0))     // BackSp: Backspace
        .Bind(30, Shift::Normal, Edit(15))    // Insert
        .Bind(31, Shift::Normal, Edit(14))    // Home
        .Bind(37, Shift::Normal, Edit(29))    // Tab: Tab
        .Bind(37, Shift::Shift, Edit(1))      // BackTab
        .Bind(37, Shift::Ctrl, Oper(5))       // FontNarrower
        .Bind(37, Shift::Alt, Action(30).WithR())
        .Bind(51, Shift::Normal, Edit(5))     // Delete
        .Bind(51, Shift::Ctrl, Edit(6))       // DeleteWord
        .Bind(59, Shift::Normal, Char('a'))
        .Bind(59, Shift::Shift, Char('A'))
        .Bind(59, Shift::Ctrl, Char(0))       // the empty text
        .Bind(59, Shift::Alt, Char('@').WithI().WithR())
        .Bind(70, Shift::Normal, Action(2))   // Enter
        .Bind(70, Shift::Shift, Edit(18))     // NewLine
        .Bind(85, Shift::Normal, OfType(15, 0x7F))
        .Bind(86, Shift::Normal, Edit(30))    // Up
        .Bind(90, Shift::Normal, Action(2).WithBits(0xA0))  // unused bits show nothing
        .Bind(91, Shift::Normal, Action(2).WithR())
        .Bind(93, Shift::Normal, Char(' '))
        .Bind(96, Shift::Normal, Edit(16))    // Left
        .Bind(97, Shift::Normal, Edit(7))     // Down
        .Bind(98, Shift::Normal, Edit(22))    // Right
        .Bind(101, Shift::Normal, Oper(13))   // Click-L: MoveCursor
        .Bind(102, Shift::Normal, Edit(47))   // Click-R: PopupMenu
        .Bind(103, Shift::Normal, Oper(14));  // Double-L: MoveCursorEnter
    for (Shift shift : {Shift::Normal, Shift::Shift, Shift::Ctrl, Shift::Alt}) {
        table.Bind(74, shift, OfType(15));    // Shift-L
    }
    // Types 5 to 14 on Lock-7 to Lock-0, with assorted flags and indexes.
    for (int type = 5; type <= 14; ++type) {
        Cell cell = OfType(type, static_cast<std::uint8_t>(type * 17));
        if (type % 2) cell = cell.WithI();
        if (type % 3 == 0) cell = cell.WithR();
        table.Bind(100 + type, Shift::Normal, cell);
    }
    if (version != KeyVersion::V1_00) {
        table.Bind(116, Shift::Normal, Edit(3))   // Click-M: Copy
            .Bind(117, Shift::Normal, Edit(41))   // Double-M: Paste
            .Bind(118, Shift::Normal, Oper(63))   // Local: NextScreen
            .Bind(118, Shift::Alt, Oper(58));     // NextActiveSession
    }
    return table.Macros({"logon", "logoff", "", "a_macro_name_much_wider_than_its_column"});
}

// A function list of eight entries; its bytes 20 to 23 are not blanks,
// which no reader minds.
inline Bytes SmallKeyList() {
    return KeyListBuilder()
        .Magic("Tarnu Keylist V1.00 XYZ!")
        .Action({"Enter", "Clear", "PA1"})
        .Edit({"Tab", "BackTab", "ThisEditNameRunsPastItsThirtyByteField"})
        .Oper({"Print", "Quit"})
        .Build();
}

// A V1.00 table read with SmallKeyList: names from the loaded list, table
// positions past their table, and macros found from offset 952.
inline KeyTableBuilder SmallV100KeyTable() {
    return KeyTableBuilder(KeyVersion::V1_00)
        .Bind(0, Shift::Normal, Action(1))    // Clear
        .Bind(13, Shift::Normal, Oper(0))     // Print
        .Bind(13, Shift::Ctrl, Oper(1))       // Quit
        .Bind(13, Shift::Alt, Oper(2))        // past the Oper table: empty
        .Bind(14, Shift::Normal, Action(7))   // seven entries on: Oper 1, Quit
        .Bind(14, Shift::Shift, Action(8))    // past the last table: empty
        .Bind(37, Shift::Normal, Edit(0))     // Tab
        .Bind(37, Shift::Shift, Edit(1))      // BackTab
        .Bind(37, Shift::Ctrl, Edit(2))       // runs on to its NUL, uncut
        .Bind(37, Shift::Alt, Action(3))      // Edit 0, Tab
        .Bind(115, Shift::Normal, Macro(0))   // Lock-Dot, the last key of V1.00
        .Bind(115, Shift::Shift, Macro(1))
        .Bind(115, Shift::Alt, Char('.'))
        .Macros({"logon", "logoff"});
}
