// Files whose counts, sizes and offsets point outside what was read: every
// byte outside the 100000 bytes of a file or of the function list reads as
// zero, so such positions give empty names, and names are never cut.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "image_builder.h"
#include "key_table_builder.h"
#include "key_table_samples.h"
#include "tool_runner.h"

namespace {

// The whole listing of a V1.26 table named x.key, every row "Action 0 0
// <unbound>" but those given, each as its cell text without the padding.
std::string Listing(const std::string& before, const std::string& unbound,
                    const std::map<std::pair<int, int>, std::string>& rows) {
    static const char* const kKeys[119] = {
        "Escape", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "Print", "ScrLock",
        "Pause", "`", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=", "BackSp", "Insert", "Home",
        "PageUp", "NumLock", "Num /", "Num *", "Num -", "Tab", "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P",
        "[", "]", "\\", "Delete", "End", "PageDown", "Num-7", "Num-8", "Num-9", "Num +", "CapsLock", "A", "S",
        "D", "F", "G", "H", "J", "K", "L", ";", "'", "Enter", "Num-4", "Num-5", "Num-6", "Shift-L", "Z", "X",
        "C", "V", "B", "N", "M", ",", ".", "/", "Shift-R", "Up", "Num-1", "Num-2", "Num-3", "Enter-R", "Ctrl-L",
        "Alt-L", "Space", "Alt-R", "Ctrl-R", "Left", "Down", "Right", "Num-0", "Num-Dot", "Click-L", "Click-R",
        "Double-L", "Double-R", "Lock-7", "Lock-8", "Lock-9", "Lock-4", "Lock-5", "Lock-6", "Lock-1", "Lock-2",
        "Lock-3", "Lock-0", "Lock-Dot", "Click-M", "Double-M", "Local"};
    static const char* const kShifts[4] = {"Normal", "Shift", "Ctrl", "Alt"};
    std::string out = before + "\nFormat of KEY file x.key\n\n"
                      "Num  Key Name  Shift     Type      I  R  Function\n"
                      "---  --------  --------  --------  -  -  -----------------------\n\n";
    char line[200];
    for (int key = 0; key < 119; ++key) {
        for (int shift = 0; shift < 4; ++shift) {
            auto row = rows.find({key, shift});
            std::string cell = row != rows.end() ? row->second : "Action    0  0  " + unbound;
            if (cell.size() < 40) cell.resize(40, ' ');
            std::snprintf(line, sizeof line, "%3d  %-8s  %-8s  ", key, kKeys[key], kShifts[shift]);
            out += line + cell + "\n";
        }
        out += "\n";
    }
    return out;
}

// A key.lst whose sizes put the Edit table at 32802 and the Oper table at
// 65569, so that Oper entry 215 has its name at 99971, running without a
// NUL to the end of the 100000 bytes, and Oper entry 255 lies past them.
TEST(DamagedFunctionList, HugeSizesReachTheBlockEndAndBeyond) {
    Bytes list = ImageBuilder()
                     .Chars(0, "Tarnu Keylist V1.00 ").I16(26, 32767).I16(28, 32767)
                     .Text(35 + 2, "Attn")
                     .Text(32802 + 2, "EditZero")
                     .Fill(99971, 29, 'e')
                     .Build();
    ASSERT_EQ(list.size(), 100000u);
    Sandbox sandbox;
    sandbox.WriteKeyList(list);
    sandbox.Write("x.key", KeyTableBuilder()
                               .Bind(0, Shift::Shift, Edit(0))
                               .Bind(0, Shift::Ctrl, Oper(215))
                               .Bind(0, Shift::Alt, Oper(255))
                               .Build());
    ExpectRun(sandbox.Run({"x.key"}),
              Listing("", "Attn",
                      {{{0, 1}, "Edit      0  0  EditZero"},
                       {{0, 2}, "Oper      0  0  " + std::string(29, 'e')},
                       {{0, 3}, "Oper      0  0  "}}),
              0);
}

// Sizes of -32000 put the Edit table before the block, where it reads as
// zeros, and bring its entry 200 onto Action entry 0.
TEST(DamagedFunctionList, NegativeSizesLeaveTheBlockBehind) {
    Bytes list = ImageBuilder().Chars(0, "Tarnu Keylist V1.00 ").I16(26, -32000).I16(28, -32000)
                     .Text(35 + 2, "Attn").Build();
    Sandbox sandbox;
    sandbox.WriteKeyList(list);
    sandbox.Write("x.key", KeyTableBuilder()
                               .Bind(0, Shift::Shift, Edit(0))
                               .Bind(0, Shift::Ctrl, Edit(200))
                               .Bind(0, Shift::Alt, Oper(255))
                               .Build());
    ExpectRun(sandbox.Run({"x.key"}),
              Listing("", "Attn",
                      {{{0, 1}, "Edit      0  0  "}, {{0, 2}, "Edit      0  0  Attn"}, {{0, 3}, "Oper      0  0  "}}),
              0);
}

// A key table of exactly 100000 bytes whose one macro name has no NUL: the
// name runs to the end of what was read and is shown whole; every later
// macro number names an empty name.
TEST(DamagedKeyTable, MacroNameWithoutItsNulEndsWithTheFile) {
    Bytes table = KeyTableBuilder().Bind(37, Shift::Ctrl, Macro(0)).Bind(37, Shift::Alt, Macro(255)).Build();
    table.resize(100000, 'm');
    Sandbox sandbox;
    sandbox.Write("x.key", table);
    ExpectRun(sandbox.Run({"x.key"}),
              Listing(kNoKeyList, "Attention",
                      {{{37, 2}, "Macro     0  0  " + std::string(100000 - 976, 'm') + ".mac"},
                       {{37, 3}, "Macro     0  0  .mac"}}),
              0);
}

}  // namespace
