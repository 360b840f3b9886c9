// The example files, each described below in the words of the test
// builders. `example_writer DIR` writes them into DIR; `example_writer
// --check DIR` fails when a committed file differs from its description.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "key_table_builder.h"
#include "panel_builder.h"
#include "session_builder.h"

namespace {

namespace P = panels;

// A profile of the head office: a Mod-4 session to MVS1 over TLS, with the
// office's key table, toolbar and keypad.
SessionBuilder OfficeProfile() {
    SessionBuilder profile;
    profile.Set("Window Placement Style", 0)
        .Set("Window Location X", 40).Set("Window Location Y", 30)
        .Set("Window Height", 720).Set("Window Width", 1024)
        .Set("Debug Window Location X", 600).Set("Debug Window Location Y", 80)
        .Set("Debug Window Height", 300).Set("Debug Window Width", 420)
        .Pair("Transfer Dialog Position", 120, 90).Pair("Find Dialog Position", 200, 150)
        .Pair("Macro Edit Box Position", 160, 120).Pair("Options Dialog Position", 100, 80)
        .Pair("Key Edit Dialog Position", 140, 100).Pair("Session Dialog Position", 100, 60)
        .Pair("Tranfer Log Dialog Position", 300, 200).Pair("Transfer Log Size", 480, 260)
        .Set("Show Tool Bar", 1).Set("Show Menu Bar", 1);
    profile.Text("Session File Name", "C:\\Users\\Public\\Tarnu\\office.ses")
        .Text("Session Name", "Office")
        .Text("Last Used Host Name", "mvs1.example.org").Set("Last Used Port", 992)
        .Text("Last Used LUName", "OFFLU042").Set("Last Used TN3270E", 1)
        .Text("Last Used IP Name", "192.0.2.17").Set("Last Used SSL Mode", 5)
        .Text("Window Title", "Office - MVS1").Text("Status Line", "Head office")
        .Text("Screen Save File Name", "C:\\Users\\Public\\Tarnu\\screens.txt").Set("Save Screen Action", 1)
        .Text("Key File Name", "office.key").Text("Toolbar File Name", "office.bar")
        .Text("Key Pad Filename", "office.pad").Set("Connection Timeout", 30)
        .Text("Startup Macro", "logon.mac")
        .Set("Show Window on Update", 1).Set("Ask Before Closing", 1).Set("Show Tool Tips", 1)
        .Set("Save Dialog Positions", 1).Set("Icon Number", 3).Set("Auto Reconnect", 0).Set("Use Alt for Menu", 1);
    profile.Set("Terminal Type", 2).Set("Alarm", 1).Set("Keyclick on Error", 0).Set("Update Notification", 1)
        .Set("Update Notification Time", 5)
        .Text("Alarm Sound File", "C:\\Windows\\Media\\chord.wav")
        .Set("Blinking Text", 1).Set("Auto Keyboard Unlock", 1).Set("Toggle Insert Key", 1)
        .Set("Row/Col on Status Line", 1).Set("Convert Nulls to Blanks", 1).Set("Enable Auto Skip", 1)
        .Set("Type Ahead", 1);
    profile.Set("Normal Cursor", 0).Set("Normal Cursor Size", 6).Set("Normal Cursor Blink", 1)
        .Set("Normal Mode Backspace", 0).Set("Insert Cursor", 1).Set("Insert Cursor Size", 1)
        .Set("Insert Mode Backspace", 1).Set("Ruler", 0).Set("Locate Cursor", 1).Set("Cursor Color", 0);
    profile.Text("Raster Font Name", "Terminal 10x18").Set("Size Window to Font", 1).Set("Window Border Size", 2);
    profile.Pair("Low Unprotected", 4, 0).Pair("High Unprotected", 2, 0).Pair("Low Protected", 1, 0)
        .Pair("High Protected", 7, 0).Pair("Black", 0, 0).Pair("Blue", 1, 0).Pair("Red", 2, 0)
        .Pair("Pink", 3, 0).Pair("Green", 4, 0).Pair("Turquoise", 5, 0).Pair("Yellow", 6, 0)
        .Pair("White", 7, 0).Pair("Default Color", 4, 0).Pair("Status Bar", 7, 1)
        .Pair("Horizontal Rule", 6, 0).Pair("Vertical Rule", 6, 0).Pair("Screen Border", 0, 0)
        .Set("Brightness", 80);
    const std::array<std::array<std::uint8_t, 4>, 16> swatches = {{
        {0, 0, 0, 0}, {255, 64, 0, 0}, {0, 0, 255, 0}, {255, 0, 255, 0},
        {0, 200, 0, 0}, {255, 255, 0, 0}, {0, 255, 255, 0}, {255, 255, 255, 0},
        {128, 0, 0, 0}, {0, 128, 0, 0}, {0, 0, 128, 0}, {128, 128, 0, 0},
        {128, 0, 128, 0}, {0, 128, 128, 0}, {192, 192, 192, 0}, {128, 128, 128, 0},
    }};
    for (int n = 0; n < 16; ++n) profile.Swatch(n, swatches[static_cast<std::size_t>(n)]);
    profile.Set("Cut and Delete", 1).Set("Number of Copy Buffers", 4).Set("Mouse Move Before Selection", 3)
        .Set("Paste", 2).Set("Notify on Insert Overflow", 1).Set("Enable Drag and Drop", 1);
    profile.Text("Print User Name", "OFFICE").Set("Print Hilite Mode", 0)
        .PrintSetup("Mod 2", "Courier New", 0, 0, {10, 10, 10, 10, 12, 0, 0, 0, 80, 24, 0, 0, 1, 1, 0, 0})
        .PrintSetup("Mod 3", "Courier New", 0, 0, {10, 10, 10, 10, 11, 0, 0, 0, 80, 32, 0, 0, 1, 1, 0, 0})
        .PrintSetup("Mod 4", "Courier New", 1, 0, {10, 10, 10, 10, 10, 0, 0, 0, 80, 43, 0, 0, 1, 1, 0, 0})
        .PrintSetup("Mod 5", "Lucida Console", 1, 0, {10, 10, 10, 10, 8, 0, 0, 0, 132, 27, 0, 0, 1, 1, 0, 0})
        .Text("Last Used Printer Name", "Office Laser 3");
    profile.Text("Screen Code Page", "037").Text("Keyboard Modifications", "")
        .Text("Upload Program", "IND$FILE").Text("Upload Parms", "ASCII CRLF")
        .Text("Download Program", "IND$FILE").Text("Download Parms", "ASCII CRLF")
        .Text("PC Code Page", "1252").Set("File Transfer Blocksize", 8192).Set("Transfer DFT Mode", 1)
        .Set("User Specified Default Width", 80).Set("User Specified Default Height", 43);
    profile.Text("Source PC Directory", "C:\\Users\\Public\\Upload").Text("Source PC File", "report.txt")
        .Text("Target Host File", "'OFFICE.REPORT.TEXT'").Set("Upload Data Mode", 0).Set("Upload Host Type", 0);
    profile.Text("Source Host File", "'OFFICE.LISTING'").Text("Target PC Directory", "C:\\Users\\Public\\Download")
        .Text("Target PC Filename", "listing.txt").Set("Download Data Mode", 0).Set("Download Host Type", 0);
    profile.Set("Show Keypad at Session Start", 0).Set("Show Keypad at Prev Position", 1)
        .Set("Keypad Location X", 1060).Set("Keypad Location Y", 40);
    profile.FindByte(0x01);
    return profile;
}

// The branch office's copy of the profile: another host, a larger screen,
// uploads to CMS and the keypad shown at start, on a second monitor left of
// the first.
SessionBuilder BranchProfile() {
    SessionBuilder profile = OfficeProfile();
    profile.Set("Window Width", 1280)
        .Text("Session Name", "Branch").Text("Last Used Host Name", "mvs2.example.org")
        .Text("Window Title", "Branch - MVS2").Text("Key File Name", "branch.key")
        .Set("Terminal Type", 3).Set("Cursor Color", 2)
        .Pair("Status Bar", 6, 1)
        .PrintSetup("Mod 5", "Lucida Console", 0, 1, {10, 10, 10, 10, 8, 0, 0, 0, 132, 27, 0, 0, 1, 1, 0, 0})
        .Set("Upload Host Type", 1)
        .Set("Show Keypad at Session Start", 1).Set("Keypad Location X", -420);
    profile.FindByte(0x05);
    return profile;
}

// Keys of the 3270 keyboard, by their numbers in a key table.
enum Key : int {
    kEscape = 0, kF1 = 1, kF4 = 4, kF12 = 12, kPrint = 13, kScrLock = 14, kPause = 15, kGrave = 16,
    kBackSp = 29, kInsert = 30, kHome = 31, kPageUp = 32, kTab = 37, kO = 46, kP = 47, kBackslash = 50,
    kDelete = 51, kEnd = 52, kPageDown = 53, kL = 67, kEnter = 70, kX = 76, kC = 77, kV = 78, kUp = 86,
    kEnterR = 90, kCtrlL = 91, kCtrlR = 95, kLeft = 96, kDown = 97, kRight = 98, kClickL = 101,
    kClickR = 102, kDoubleL = 103,
};

// The head office's key table: PF1 to PF24 on F1 to F12 and Shift, the 3270
// keys on their usual places, copy and paste on Ctrl, three macros.
KeyTableBuilder OfficeKeys() {
    KeyTableBuilder keys(KeyVersion::V1_26);
    for (int n = 0; n < 12; ++n) {
        keys.Bind(kF1 + n, Shift::Normal, Action(static_cast<std::uint8_t>(6 + n)));     // PF1..PF12
        keys.Bind(kF1 + n, Shift::Shift, Action(static_cast<std::uint8_t>(18 + n)));     // PF13..PF24
    }
    keys.Bind(kEscape, Shift::Normal, Edit(21))                // Reset
        .Bind(kPause, Shift::Normal, Action(1))                // Clear
        .Bind(kPause, Shift::Shift, Action(0))                 // Attention
        .Bind(kPrint, Shift::Normal, Oper(17))                 // PrintScreen
        .Bind(kScrLock, Shift::Normal, Oper(49))               // ShowKeyPad
        .Bind(kF4, Shift::Alt, Oper(3))                        // ExitEmulator
        .Bind(kGrave, Shift::Normal, Char('`')).Bind(kGrave, Shift::Shift, Char('~'))
        .Bind(kBackslash, Shift::Normal, Char('\\')).Bind(kBackslash, Shift::Shift, Char('|'))
        .Bind(kBackSp, Shift::Normal, Edit(0).WithR())         // Backspace
        .Bind(kInsert, Shift::Normal, Edit(15))                // Insert
        .Bind(kHome, Shift::Normal, Edit(14))                  // Home
        .Bind(kPageUp, Shift::Normal, Action(12))              // PF7
        .Bind(kTab, Shift::Normal, Edit(29)).Bind(kTab, Shift::Shift, Edit(1))   // Tab, BackTab
        .Bind(kDelete, Shift::Normal, Edit(5))                 // Delete
        .Bind(kEnd, Shift::Normal, Edit(11))                   // EraseEndofField
        .Bind(kPageDown, Shift::Normal, Action(13))            // PF8
        .Bind(kEnter, Shift::Normal, Edit(18))                 // NewLine
        .Bind(kEnterR, Shift::Normal, Action(2))               // Enter
        .Bind(kCtrlR, Shift::Normal, Action(2))                // Enter
        .Bind(kCtrlL, Shift::Normal, Edit(21))                 // Reset
        .Bind(kX, Shift::Ctrl, Edit(4)).Bind(kC, Shift::Ctrl, Edit(3)).Bind(kV, Shift::Ctrl, Edit(41))
        .Bind(kUp, Shift::Normal, Edit(30).WithR()).Bind(kDown, Shift::Normal, Edit(7).WithR())
        .Bind(kLeft, Shift::Normal, Edit(16).WithR()).Bind(kRight, Shift::Normal, Edit(22).WithR())
        .Bind(kClickL, Shift::Normal, Oper(13))                // MoveCursor
        .Bind(kDoubleL, Shift::Normal, Oper(14))               // MoveCursorEnter
        .Bind(kClickR, Shift::Normal, Edit(47))                // PopupMenu
        .Bind(kL, Shift::Ctrl, Macro(0)).Bind(kO, Shift::Ctrl, Macro(1)).Bind(kP, Shift::Alt, Macro(2).WithI())
        .Macros({"logon", "logoff", "printds"});
    return keys;
}

// The branch office's key table: Enter on the main Enter key and NewLine
// on right Ctrl, PrintScreen on Shift-F12, and its own logon macro under the
// same number (the Ctrl-L binding's bytes are equal, its name is not).
KeyTableBuilder BranchKeys() {
    KeyTableBuilder keys = OfficeKeys();
    keys.Bind(kEnter, Shift::Normal, Action(2))
        .Bind(kCtrlR, Shift::Normal, Edit(18))
        .Bind(kF12, Shift::Shift, Oper(17))
        .Macros({"branchon", "logoff", "printds"});
    return keys;
}

// An old V1.00 table (116 keys, no Click-M, Double-M or Local): PF keys
// and Enter only.
KeyTableBuilder LegacyKeys() {
    KeyTableBuilder keys(KeyVersion::V1_00);
    for (int n = 0; n < 12; ++n) keys.Bind(kF1 + n, Shift::Normal, Action(static_cast<std::uint8_t>(6 + n)));
    keys.Bind(kEnterR, Shift::Normal, Action(2)).Bind(kCtrlR, Shift::Normal, Action(2))
        .Bind(kPause, Shift::Normal, Action(1)).Bind(kEscape, Shift::Normal, Edit(21));
    return keys;
}

// The office toolbar: Enter and Clear, the PF keys most used, print and
// capture, copy and paste, and the logon and logoff macros.
Bytes OfficeToolbar() {
    return P::PanelBuilder::Toolbar()
        .Add({.x = 0, .width = 24, .normal = P::Action(2), .shift = P::Action(1)})
        .Add({.x = 26, .width = 24, .normal = P::Action(0)})
        .Separator({.x = 52, .width = 8})
        .Add({.x = 62, .width = 24, .normal = P::Action(8), .shift = P::Action(20)})
        .Add({.x = 88, .width = 24, .normal = P::Action(12), .shift = P::Action(24)})
        .Add({.x = 114, .width = 24, .normal = P::Action(13), .shift = P::Action(25)})
        .Separator({.x = 140, .width = 8})
        .Add({.x = 150, .width = 24, .normal = P::Oper(17), .shift = P::Oper(18)})
        .Add({.x = 176, .width = 24, .normal = P::Oper(0)})
        .Add({.x = 202, .width = 24, .normal = P::Edit(3), .ctrl = P::Edit(46)})
        .Add({.x = 228, .width = 24, .normal = P::Edit(41)})
        .Separator({.x = 254, .width = 8})
        .Add({.x = 264, .width = 48, .normal = P::Macro(0), .shift = P::Macro(1)})
        .Macros({"logon", "logoff"})
        .Build();
}

// The office keypad: PF1 to PF12 in three rows of four, then the attention
// keys and the logon macro.
Bytes OfficeKeypad() {
    P::PanelBuilder pad = P::PanelBuilder::Keypad();
    for (int n = 0; n < 12; ++n) {
        pad.Add({.x = static_cast<std::int16_t>(4 + 44 * (n % 4)), .y = static_cast<std::int16_t>(4 + 26 * (n / 4)),
                 .width = 40, .normal = P::Action(static_cast<std::uint8_t>(6 + n)),
                 .shift = P::Action(static_cast<std::uint8_t>(18 + n))});
    }
    pad.Separator({.x = 4, .y = 82, .width = 172})
        .Add({.x = 4, .y = 90, .width = 40, .normal = P::Action(2)})
        .Add({.x = 48, .y = 90, .width = 40, .normal = P::Action(1)})
        .Add({.x = 92, .y = 90, .width = 40, .normal = P::Action(3)})
        .Add({.x = 136, .y = 90, .width = 40, .normal = P::Action(4)})
        .Add({.x = 4, .y = 116, .width = 84, .normal = P::Macro(0), .alt = P::Oper(49)})
        .Macros({"logon"});
    return pad.Build();
}

struct Example {
    const char* name;
    std::function<Bytes()> build;
};

const Example kExamples[] = {
    {"office.ses", [] { return OfficeProfile().Build(); }},
    {"branch.ses", [] { return BranchProfile().Build(); }},
    {"office.key", [] { return OfficeKeys().Build(); }},
    {"branch.key", [] { return BranchKeys().Build(); }},
    {"legacy.key", [] { return LegacyKeys().Build(); }},
    {"office.bar", OfficeToolbar},
    {"office.pad", OfficeKeypad},
};

Bytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
    bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::printf("usage: example_writer [--check] DIR\n");
        return 2;
    }
    std::string folder = argv[argc - 1];
    int differing = 0;
    for (const Example& example : kExamples) {
        std::string path = folder + "/" + example.name;
        Bytes bytes = example.build();
        if (check) {
            bool same = ReadFile(path) == bytes;
            differing += !same;
            std::printf("%s %s\n", example.name, same ? "matches its description" : "DIFFERS from its description");
        } else {
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        }
    }
    return differing ? 1 : 0;
}
