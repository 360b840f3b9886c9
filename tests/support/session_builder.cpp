#include "session_builder.h"

#include <stdexcept>

namespace {

using T = SessionFieldType;

const std::vector<SessionField> kFields = {
    {"Color swatch 0",                   24, T::Swatch, 4},
    {"Color swatch 1",                   28, T::Swatch, 4},
    {"Color swatch 2",                   32, T::Swatch, 4},
    {"Color swatch 3",                   36, T::Swatch, 4},
    {"Color swatch 4",                   40, T::Swatch, 4},
    {"Color swatch 5",                   44, T::Swatch, 4},
    {"Color swatch 6",                   48, T::Swatch, 4},
    {"Color swatch 7",                   52, T::Swatch, 4},
    {"Color swatch 8",                   56, T::Swatch, 4},
    {"Color swatch 9",                   60, T::Swatch, 4},
    {"Color swatch 10",                  64, T::Swatch, 4},
    {"Color swatch 11",                  68, T::Swatch, 4},
    {"Color swatch 12",                  72, T::Swatch, 4},
    {"Color swatch 13",                  76, T::Swatch, 4},
    {"Color swatch 14",                  80, T::Swatch, 4},
    {"Color swatch 15",                  84, T::Swatch, 4},
    {"Window Placement Style",           88, T::Byte, 1},
    {"Window Location X",                90, T::U16, 2},
    {"Window Location Y",                92, T::U16, 2},
    {"Window Height",                    94, T::U16, 2},
    {"Window Width",                     96, T::U16, 2},
    {"Last Used Port",                   98, T::U16, 2},
    {"Connection Timeout",              100, T::U16, 2},
    {"Window Border Size",              102, T::U16, 2},
    {"Number of Copy Buffers",          104, T::U16, 2},
    {"Session Name",                    301, T::Text, 41},
    {"Last Used Host Name",             342, T::Text, 65},
    {"Window Title",                    407, T::Text, 129},
    {"Status Line",                     536, T::Text, 171},
    {"Save Screen Action",              707, T::Byte, 1},
    {"Show Window on Update",           722, T::Byte, 1},
    {"Ask Before Closing",              723, T::Byte, 1},
    {"Show Tool Tips",                  724, T::Byte, 1},
    {"Terminal Type",                   725, T::Byte, 1},
    {"Keyclick on Error",               726, T::Byte, 1},
    {"Alarm",                           727, T::Byte, 1},
    {"Update Notification",             728, T::Byte, 1},
    {"Blinking Text",                   729, T::Byte, 1},
    {"Auto Keyboard Unlock",            730, T::Byte, 1},
    {"Reset Insert on Action Key",      731, T::Byte, 1},
    {"Toggle Insert Key",               732, T::Byte, 1},
    {"Row/Col on Status Line",          733, T::Byte, 1},
    {"Modify Col in ISPF Edit",         734, T::Byte, 1},
    {"Prefix Input with Spaces",        735, T::Byte, 1},
    {"Convert Nulls to Blanks",         736, T::Byte, 1},
    {"Enable Auto Skip",                737, T::Byte, 1},
    {"Numeric Field Lock",              738, T::Byte, 1},
    {"All Upper Case",                  739, T::Byte, 1},
    {"Type Ahead",                      740, T::Byte, 1},
    {"Normal Cursor",                   742, T::Byte, 1},
    {"Normal Cursor Size",              743, T::Byte, 1},
    {"Normal Cursor Blink",             744, T::Byte, 1},
    {"Insert Cursor",                   745, T::Byte, 1},
    {"Insert Cursor Size",              746, T::Byte, 1},
    {"Insert Cursor Blink",             747, T::Byte, 1},
    {"Ruler",                           748, T::Byte, 1},
    {"Locate Cursor",                   749, T::Byte, 1},
    {"Raster Font Name",                750, T::Text, 34},
    {"Size Window to Font",             784, T::Byte, 1},
    {"Keep Font Constant",              785, T::Byte, 1},
    // Colour pairs: the slot's entry at 786 + slot and at 818 + slot.
    {"Black",                           786, T::ColorPair, 1},
    {"Blue",                            787, T::ColorPair, 1},
    {"Red",                             788, T::ColorPair, 1},
    {"Pink",                            789, T::ColorPair, 1},
    {"Green",                           790, T::ColorPair, 1},
    {"Turquoise",                       791, T::ColorPair, 1},
    {"Yellow",                          792, T::ColorPair, 1},
    {"White",                           793, T::ColorPair, 1},
    {"Low Unprotected",                 802, T::ColorPair, 1},
    {"High Unprotected",                803, T::ColorPair, 1},
    {"Low Protected",                   804, T::ColorPair, 1},
    {"High Protected",                  805, T::ColorPair, 1},
    {"Default Color",                   806, T::ColorPair, 1},
    {"Status Bar",                      807, T::ColorPair, 1},
    {"Horizontal Rule",                 808, T::ColorPair, 1},
    {"Vertical Rule",                   809, T::ColorPair, 1},
    {"Screen Border",                   810, T::ColorPair, 1},
    {"Cut and Delete",                  850, T::Byte, 1},
    {"Paste",                           851, T::Byte, 1},
    {"Mouse Move Before Selection",     854, T::Byte, 1},
    {"Target Host File",                855, T::Text, 316},
    {"Upload Data Mode",               1171, T::Byte, 1},
    {"Upload Host Type",               1172, T::Byte, 1},
    {"Source Host File",               1233, T::Text, 316},
    {"Download Data Mode",             1549, T::Byte, 1},
    {"Download Host Type",             1550, T::Byte, 1},
    {"Upload Append",                  1611, T::Byte, 1},
    {"Upload Program",                 1612, T::Text, 21},
    {"Upload Parms",                   1633, T::Text, 128},
    {"Download Append",                1761, T::Byte, 1},
    {"Download Program",               1762, T::Text, 21},
    {"Download Parms",                 1783, T::Text, 128},
    {"Use Alt for Menu",               1911, T::Byte, 1},
    {"Auto Reconnect",                 1912, T::Byte, 1},
    {"Brightness",                     1913, T::Byte, 1},
    {"Print User Name",                1914, T::Text, 42},
    {"Move Cursor on Activate",        1956, T::Byte, 1},
    {"Skip at End of Field",           1957, T::Byte, 1},
    {"Toggle Shift/Caps",              1958, T::Byte, 1},
    {"Icon Number",                    1959, T::Byte, 1},
    {"Show Tool Bar",                  1960, T::Byte, 1},
    {"Show Menu Bar",                  1961, T::Byte, 1},
    {"Screen Code Page",               1962, T::Text, 32},
    {"PC Code Page",                   1994, T::Text, 32},
    {"Keyboard Modifications",         2026, T::Text, 46},
    {"Notify on Insert Overflow",      2072, T::Byte, 1},
    {"Mod 2",                          2073, T::PrintSetup, 51},
    {"Mod 3",                          2124, T::PrintSetup, 51},
    {"Mod 4",                          2175, T::PrintSetup, 51},
    {"Mod 5",                          2226, T::PrintSetup, 51},
    {"User",                           2277, T::PrintSetup, 51},
    {"PC",                             2328, T::PrintSetup, 51},
    {"Debug Window Location X",        2380, T::U16, 2},
    {"Debug Window Location Y",        2382, T::U16, 2},
    {"Debug Window Height",            2384, T::U16, 2},
    {"Debug Window Width",             2386, T::U16, 2},
    {"Last Used IP Name",              2388, T::Text, 65},
    {"Last Used TN3270E",              2453, T::Byte, 1},
    {"Update Notification Time",       2464, T::U16, 2},
    {"File Transfer Blocksize",        2466, T::U16, 2},
    {"User Specified Screen Width",    2468, T::Byte, 1},
    {"User Specified Screen Height",   2469, T::Byte, 1},
    {"Cursor Color",                   2600, T::Byte, 1},
    {"Move Cursor to End on Paste",    2762, T::Byte, 1},
    {"Show Keypad at Session Start",   2763, T::Byte, 1},
    {"Show Keypad at Prev Position",   2764, T::Byte, 1},
    {"Keypad Location X",              2768, T::I32, 4},
    {"Keypad Location Y",              2772, T::I32, 4},
    {"Print Hilite Mode",              2776, T::Byte, 1},
    {"Normal Mode Backspace",          2777, T::Byte, 1},
    {"Insert Mode Backspace",          2778, T::Byte, 1},
    {"Enable Drag and Drop",           2859, T::Byte, 1},
    {"Enable Auto Copy",               2860, T::Byte, 1},
    {"Transfer DFT Mode",              2861, T::Byte, 1},
    {"Find Words",                     2863, T::FindBit, 0x01},
    {"Find Match CAse",                2863, T::FindBit, 0x02},
    {"Find Auto Find",                 2863, T::FindBit, 0x04},
    {"User Specified Default Width",   2864, T::Byte, 1},
    {"User Specified Default Height",  2868, T::Byte, 1},
    {"Do not Allow Font Size Change",  2872, T::Byte, 1},
    {"Last Used LUName",               2883, T::Text, 20},
    {"Save Dialog Positions",          2903, T::Byte, 1},
    {"Transfer Dialog Position",       2904, T::PairI32, 8},
    {"Find Dialog Position",           2912, T::PairI32, 8},
    {"Macro Edit Box Position",        2920, T::PairI32, 8},
    {"Options Dialog Position",        2928, T::PairI32, 8},
    {"Key Edit Dialog Position",       2936, T::PairI32, 8},
    {"Session Dialog Position",        2944, T::PairI32, 8},
    {"Tranfer Log Dialog Position",    2952, T::PairI32, 8},
    {"Transfer Log Size",              2960, T::PairI32, 8},
    {"Session File Name",              2968, T::Text, 260},
    {"Key File Name",                  3228, T::Text, 260},
    {"Toolbar File Name",              3488, T::Text, 260},
    {"Screen Save File Name",          3748, T::Text, 260},
    {"Startup Macro",                  4008, T::Text, 260},
    {"Source PC File",                 4268, T::Text, 260},
    {"Source PC Directory",            4528, T::Text, 260},
    {"Target PC Filename",             4788, T::Text, 260},
    {"Target PC Directory",            5048, T::Text, 260},
    {"Key Pad Filename",               5308, T::Text, 260},
    {"Alarm Sound File",               5568, T::Text, 260},
    {"Keyclick Sound File",            5828, T::Text, 260},
    {"Update Sound File",              6088, T::Text, 260},
    {"Last Used SSL Mode",             6348, T::Byte, 1},
    // No later field bounds it: up to its NUL, at most 255 characters.
    {"Last Used Printer Name",         6349, T::Text, 256},
};

constexpr int kFindByte = 2863;
constexpr int kColorPartner = 32;
constexpr int kSwatches = 24;

const SessionField& Expect(const std::string& label, SessionFieldType type) {
    const SessionField& field = SessionFieldNamed(label);
    if (field.type != type) throw std::invalid_argument("setting of another type: " + label);
    return field;
}

}  // namespace

const std::vector<SessionField>& SessionFields() { return kFields; }

const SessionField& SessionFieldNamed(const std::string& label) {
    for (const SessionField& field : kFields) {
        if (label == field.label) return field;
    }
    throw std::invalid_argument("no setting named " + label);
}

SessionBuilder::SessionBuilder() { image_.Chars(0, "Tarnu Session V1.26 "); }

SessionBuilder& SessionBuilder::Text(const std::string& label, const std::string& text) {
    image_.Text(static_cast<std::size_t>(Expect(label, T::Text).offset), text);
    return *this;
}

SessionBuilder& SessionBuilder::Set(const std::string& label, std::int64_t value) {
    const SessionField& field = SessionFieldNamed(label);
    auto offset = static_cast<std::size_t>(field.offset);
    switch (field.type) {
        case T::Byte: image_.U8(offset, static_cast<std::uint8_t>(value)); break;
        case T::U16: image_.U16(offset, static_cast<std::uint16_t>(value)); break;
        case T::I32: image_.I32(offset, static_cast<std::int32_t>(value)); break;
        default: throw std::invalid_argument("not a single value: " + label);
    }
    return *this;
}

SessionBuilder& SessionBuilder::Pair(const std::string& label, std::int32_t first, std::int32_t second) {
    const SessionField& field = SessionFieldNamed(label);
    auto offset = static_cast<std::size_t>(field.offset);
    if (field.type == T::PairI32) {
        image_.I32(offset, first).I32(offset + 4, second);
    } else if (field.type == T::ColorPair) {
        image_.U8(offset, static_cast<std::uint8_t>(first))
            .U8(offset + kColorPartner, static_cast<std::uint8_t>(second));
    } else {
        throw std::invalid_argument("not a pair: " + label);
    }
    return *this;
}

SessionBuilder& SessionBuilder::Swatch(int number, std::array<std::uint8_t, 4> bytes) {
    image_.Raw(static_cast<std::size_t>(kSwatches + 4 * number), Bytes(bytes.begin(), bytes.end()));
    return *this;
}

SessionBuilder& SessionBuilder::PrintSetup(const std::string& model, const std::string& name, std::uint8_t orient,
                                           std::uint8_t twoup, std::array<std::uint8_t, 16> values) {
    auto offset = static_cast<std::size_t>(Expect(model, T::PrintSetup).offset);
    image_.Text(offset, name).U8(offset + 33, orient).U8(offset + 34, twoup);
    image_.Raw(offset + 35, Bytes(values.begin(), values.end()));
    return *this;
}

SessionBuilder& SessionBuilder::FindByte(std::uint8_t value) {
    image_.U8(kFindByte, value);
    return *this;
}

const std::vector<ByteRange>& UnreadSessionRanges() {
    static const std::vector<ByteRange> ranges = {
        {20, 4},     {89, 1},     {106, 195},  {708, 14},  {741, 1},   {852, 2},
        {1173, 60},  {1551, 60},  {2379, 1},   {2454, 10}, {2470, 130}, {2601, 161},
        {2765, 3},   {2779, 80},  {2862, 1},   {2865, 3},  {2869, 3},  {2873, 10},
        // colour slots 8-15 and 25-31 of both arrays
        {794, 8},    {811, 7},    {826, 8},    {843, 7},
    };
    return ranges;
}

SessionBuilder FullSessionProfile() {
    SessionBuilder p;
    for (const ByteRange& range : UnreadSessionRanges()) {
        p.Image().Fill(static_cast<std::size_t>(range.offset), static_cast<std::size_t>(range.count), 0xEE);
    }

    // Window Items
    p.Set("Window Placement Style", 2)
        .Set("Window Location X", 65528).Set("Window Location Y", 120)
        .Set("Window Height", 600).Set("Window Width", 800)
        .Set("Debug Window Location X", 10).Set("Debug Window Location Y", 20)
        .Set("Debug Window Height", 300).Set("Debug Window Width", 400)
        .Pair("Transfer Dialog Position", -8, 16).Pair("Find Dialog Position", 100, 200)
        .Pair("Macro Edit Box Position", 110, 210).Pair("Options Dialog Position", 120, 220)
        .Pair("Key Edit Dialog Position", 130, 230).Pair("Session Dialog Position", 140, 240)
        .Pair("Tranfer Log Dialog Position", 150, 250).Pair("Transfer Log Size", 640, 480)
        .Set("Show Tool Bar", 1).Set("Show Menu Bar", 0xFF);

    // General Options
    p.Text("Session File Name", "C:\\Tarnu\\office.ses")
        .Text("Session Name", "Office host")
        .Text("Last Used Host Name", "mvs.example.org")
        .Set("Last Used Port", 23)
        .Text("Last Used LUName", "LU0042")
        .Set("Last Used TN3270E", 1)
        .Text("Last Used IP Name", "192.0.2.17")
        .Set("Last Used SSL Mode", 5)
        .Text("Window Title", "Production - MVS")
        .Text("Status Line", "Connected")
        .Text("Screen Save File Name", "C:\\Tarnu\\screens.txt")
        .Set("Save Screen Action", 1)
        .Text("Key File Name", "C:\\Tarnu\\office.key")
        .Text("Toolbar File Name", "C:\\Tarnu\\office.bar")
        .Text("Key Pad Filename", "C:\\Tarnu\\office.pad")
        .Set("Connection Timeout", 30)
        .Text("Startup Macro", "logon.mac")
        .Set("Show Window on Update", 2).Set("Ask Before Closing", 0).Set("Show Tool Tips", 1)
        .Set("Save Dialog Positions", 1)
        .Set("Icon Number", 0x85)
        .Set("Auto Reconnect", 0).Set("Use Alt for Menu", 1);
    p.Image().Chars(313, "junk");  // after the NUL of the Session Name

    // Display Options
    p.Set("Terminal Type", 4)
        .Set("User Specified Screen Width", 132).Set("User Specified Screen Height", 43)
        .Set("Alarm", 1).Set("Keyclick on Error", 0).Set("Update Notification", 1)
        .Set("Update Notification Time", 15)
        .Text("Alarm Sound File", "alarm.wav").Text("Keyclick Sound File", "click.wav")
        .Text("Update Sound File", "update.wav")
        .Set("Blinking Text", 1)
        .Set("Auto Keyboard Unlock", 1).Set("Reset Insert on Action Key", 0).Set("Toggle Insert Key", 1)
        .Set("Row/Col on Status Line", 1).Set("Modify Col in ISPF Edit", 0).Set("Prefix Input with Spaces", 1)
        .Set("Convert Nulls to Blanks", 1).Set("Enable Auto Skip", 0).Set("Skip at End of Field", 1)
        .Set("Move Cursor on Activate", 0).Set("All Upper Case", 0).Set("Type Ahead", 1)
        .Set("Numeric Field Lock", 1).Set("Toggle Shift/Caps", 0);

    // Cursor Options
    p.Set("Normal Cursor", 1).Set("Normal Cursor Size", 6).Set("Normal Cursor Blink", 2)
        .Set("Normal Mode Backspace", 2)
        .Set("Insert Cursor", 0).Set("Insert Cursor Size", 3).Set("Insert Cursor Blink", 1)
        .Set("Insert Mode Backspace", 1)
        .Set("Ruler", 3).Set("Locate Cursor", 1).Set("Cursor Color", 4);

    // Font Options
    p.Text("Raster Font Name", "3270 Font 12x24")
        .Set("Size Window to Font", 1).Set("Keep Font Constant", 0).Set("Do not Allow Font Size Change", 1)
        .Set("Window Border Size", 4);

    // Color Options: slot s shows s+1 and s+101, but the Screen Border 25,255.
    const char* slots[] = {"Black", "Blue", "Red", "Pink", "Green", "Turquoise", "Yellow", "White"};
    for (int s = 0; s < 8; ++s) p.Pair(slots[s], s + 1, s + 101);
    const char* highSlots[] = {"Low Unprotected", "High Unprotected", "Low Protected", "High Protected",
                               "Default Color",   "Status Bar",       "Horizontal Rule", "Vertical Rule"};
    for (int s = 16; s < 24; ++s) p.Pair(highSlots[s - 16], s + 1, s + 101);
    p.Pair("Screen Border", 25, 255);
    p.Set("Brightness", 200);
    // Swatch n holds n, 100+n, 200+n and a junk byte 3: it shows 200+n,100+n,n.
    for (int n = 0; n < 16; ++n) {
        auto b = static_cast<std::uint8_t>(n);
        p.Swatch(n, {b, static_cast<std::uint8_t>(100 + b), static_cast<std::uint8_t>(200 + b), 0xEE});
    }

    // Cut/Paste
    p.Set("Cut and Delete", 1).Set("Number of Copy Buffers", 5).Set("Mouse Move Before Selection", 3)
        .Set("Paste", 3).Set("Notify on Insert Overflow", 1).Set("Move Cursor to End on Paste", 0)
        .Set("Enable Drag and Drop", 1).Set("Enable Auto Copy", 1);

    // Print
    p.Text("Print User Name", "Operations").Set("Print Hilite Mode", 2)
        .PrintSetup("Mod 2", "Courier", 1, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})
        .PrintSetup("Mod 3", "Lucida Console", 0, 1, {17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32})
        .PrintSetup("Mod 4", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", 2, 1,
                    {240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255})
        .PrintSetup("Mod 5", "Arial", 1, 1, {33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48})
        .PrintSetup("User", "Times", 0, 0, {49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64})
        .PrintSetup("PC", "Default", 1, 0, {65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80})
        .Text("Last Used Printer Name", "\\\\printsrv\\floor2");

    // Misc
    p.Text("Screen Code Page", "037 USA/Canada").Text("Keyboard Modifications", "Enter=Ctrl")
        .Text("Upload Program", "IND$FILE").Text("Upload Parms", "(ASCII CRLF")
        .Text("Download Program", "IND$FILE").Text("Download Parms", "(ASCII CRLF APPEND")
        .Text("PC Code Page", "1252 Latin 1")
        .Set("File Transfer Blocksize", 4096).Set("Transfer DFT Mode", 1)
        .Set("User Specified Default Width", 80).Set("User Specified Default Height", 24);

    // Upload Options and Download Options
    p.Text("Source PC Directory", "C:\\Upload").Text("Source PC File", "report.txt")
        .Text("Target Host File", "'USER.REPORT.TEXT'")
        .Set("Upload Data Mode", 1).Set("Upload Host Type", 2).Set("Upload Append", 1);
    p.Text("Source Host File", "'USER.DATA(MEMBER)'").Text("Target PC Directory", "C:\\Download")
        .Text("Target PC Filename", "member.txt")
        .Set("Download Data Mode", 0).Set("Download Host Type", 1).Set("Download Append", 0);

    // Keypad Options
    p.Set("Show Keypad at Session Start", 1).Set("Show Keypad at Prev Position", 0)
        .Set("Keypad Location X", -8).Set("Keypad Location Y", 300);

    // Find Options: bits 0 and 2, and junk in bits 3 to 7
    p.FindByte(0xFD);
    return p;
}
