// Toolbar and keypad listings: the function list first, then the version
// text, then the records as the length fields lead from one to the next.
// Whole listings are compared with golden files in tests/golden/panels.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "image_builder.h"
#include "panel_builder.h"
#include "tool_runner.h"

namespace {

using namespace panels;

const std::string kInvalidKeyList = "Invalid KEY.LST key table\n";
const std::string kToolbarVersion = "Error, Toolbar file version not known";
const std::string kKeypadVersion = "Error, KeyPad file version not known";

// A key.lst holding the given names, 160-byte entries from 35 with the
// name at entry offset 2, the Action and Edit table sizes at 26 and 28.
Bytes KeyList(const std::vector<std::string>& action, const std::vector<std::string>& edit,
              const std::vector<std::string>& oper) {
    ImageBuilder list;
    list.Chars(0, "Tarnu Keylist V1.00     ")
        .I16(26, static_cast<std::int16_t>(160 * action.size()))
        .I16(28, static_cast<std::int16_t>(160 * edit.size()));
    std::size_t at = 35;
    for (const auto* table : {&action, &edit, &oper}) {
        for (const std::string& name : *table) {
            list.Text(at + 2, name).Resize(at + 160);
            at += 160;
        }
    }
    return list.Build();
}

const Bytes kSmallKeyList = KeyList({"Hello", "World"}, {"Typed"}, {"Quit", "Again"});

// Every field a listing shows, in every form: all function types, flags,
// separators with cells that must not show, records longer than 24 bytes,
// extreme values and a record of length 0 that is met again.
Bytes ToolbarOfEveryButton() {
    return PanelBuilder::Toolbar()
        .Add({.x = 10, .width = 40, .normal = Action(2), .shift = Edit(0), .ctrl = Char('A'), .alt = Oper(1)})
        .Separator({.x = 55, .width = 8, .normal = Macro(1), .shift = Char('Z')})
        .Add({.x = -5, .width = -1, .normal = Macro(1), .shift = Macro(0).WithI(), .ctrl = Macro(2),
              .alt = Char('\0').WithR(), .size = 40})
        .Add({.x = -32768, .width = 100000, .normal = OfType(5, 9), .shift = OfType(14).WithR(),
              .ctrl = OfType(15, 77), .alt = Edit(3).WithI().WithR().WithSpareBits()})
        .Add({.x = 32767, .width = -2147483647 - 1, .normal = Action(49), .shift = Action(50), .ctrl = Oper(63),
              .alt = Oper(64)})
        .Separator({.x = 1, .width = 2})
        .Add({.x = 7, .y = 99, .width = 3, .normal = Action(0), .shift = Edit(65), .ctrl = Char('~'), .alt = Macro(0),
              .length = 0})
        .Count(8)
        .Macros({"logon", "logoff"})
        .Build();
}

Bytes KeypadOfEveryButton() {
    return PanelBuilder::Keypad()
        .Add({.x = 1, .y = 2, .width = 30, .normal = Action(1), .shift = Edit(1), .ctrl = Char('7'), .alt = Oper(2)})
        .Separator({.x = 3, .y = 4, .width = 5, .normal = Oper(0)})
        .Add({.x = -5, .y = -99, .width = -42, .normal = Macro(2), .shift = Macro(0).WithR(), .ctrl = OfType(10, 1),
              .alt = OfType(15).WithI(), .size = 32})
        .Add({.x = -100, .y = 1000, .width = 100000, .normal = Action(0), .shift = Action(0).WithSpareBits(),
              .ctrl = Edit(9), .alt = Char(' ')})
        .Add({.x = -32768, .y = 32767, .width = 2147483647, .normal = Oper(5)})
        .Separator({.x = 9, .y = 9, .width = 9, .length = 0})
        .Count(7)
        .Macros({"start", "", "stop"})
        .Build();
}

// A toolbar whose one record, a separator of length 0, is listed as often
// as the largest count says: numbers "00" to "99", then "100" to "254".
// Written byte by byte.
Bytes ToolbarNumberedPast99() {
    return ImageBuilder()
        .Chars(0, "Tarnu Toolbar V1.26 ")
        .U8(25, 255)    // count
        .I16(26, 4)     // macro list at 28
        .U8(28, 4)      // kind: separator
        .I16(30, 7)     // Loc
        .I16(34, 0)     // length 0: the walk stays here
        .I32(48, 12345) // Width
        .Resize(52)
        .Build();
}

// Positions before the image: record 1, a separator, sends the walk back
// 32768 bytes, where every record is all zeros (Action entry 0, length 0);
// the macro list lies before the image too, so every macro name is empty.
// Decoys wait where unsigned readings of the two fields would lead.
Bytes ToolbarWalkingBeforeTheImage() {
    return ImageBuilder()
        .Chars(0, "Tarnu Toolbar V1.26 ")
        .U8(25, 4)
        .I16(26, -32768)  // macro list at 24 - 32768
        // Record 0 at 28: Macro 0 and Macro 3, length 24.
        .U8(28, 1).I16(30, 2).I16(34, 24).Raw(36, {0x08, 0, 0x08, 3}).I32(48, 4)
        // Record 1 at 52: a separator of length -32768.
        .U8(52, 4).I16(54, 5).I16(58, -32768).I32(72, 6)
        .Text(32792, "decoy")                            // at 24 + 32768
        .U8(32820, 4).I16(32822, 99).I16(32826, 0)        // at 52 + 32768
        .Build();
}

// A keypad longer than the 100000 bytes that are read: the walk reaches a
// record at 99990 whose Shift, Ctrl and Alt cells and Width lie past the
// read part, where the file holds 0xFF bytes that must read as zeros, and
// then a record at 100000, wholly outside. The macro list sits at 32791,
// found through the largest offset, 32767.
Bytes KeypadRunningOffTheImage() {
    return ImageBuilder()
        .Chars(0, "Tarnu KeyPad V1.26  ")
        .U8(25, 6)
        .I16(26, 32767)
        // Record 0 at 28.
        .I16(30, 11).I16(32, 12).I16(34, 32767).Raw(36, {0x08, 0, 0x02, 1, 0x04, 'k', 0x06, 3}).I32(48, 13)
        .Text(32791, "far")
        // Record 1 at 32795.
        .U8(32795, 4).I16(32797, 21).I16(32799, 22).I16(32801, 32767).I32(32815, 23)
        // Record 2 at 65562.
        .I16(65564, 31).I16(65566, 32).I16(65568, 32767).Raw(65570, {0x04, 'x'}).I32(65582, 33)
        // Record 3 at 98329, length 1661 to reach 99990.
        .I16(98331, 41).I16(98333, 42).I16(98335, 1661).Raw(98337, {0x06, 1}).I32(98349, 43)
        // Record 4 at 99990: Normal cell at 99998 is the last thing read.
        .Fill(99990, 30, 0xFF)
        .U8(99990, 0).I16(99992, 51).I16(99994, -52).I16(99996, 10).Raw(99998, {0x06, 2})
        .Build();
}

struct Listing {
    const char* why;
    const char* fileName;
    std::function<Bytes()> file;
    const Bytes* keyList;  // nullptr: no key.lst
    const char* golden;
    friend void PrintTo(const Listing& listing, std::ostream* os) { *os << listing.why; }
};

class PanelListings : public testing::TestWithParam<Listing> {};

TEST_P(PanelListings, PrintTheWholeFile) {
    const Listing& listing = GetParam();
    Sandbox sandbox;
    sandbox.Write(listing.fileName, listing.file());
    if (listing.keyList) sandbox.WriteKeyList(*listing.keyList);
    ExpectRun(sandbox.Run({listing.fileName}), Golden(std::string("panels/") + listing.golden), 0);
}

std::string TestName(const char* why) {
    std::string name;
    for (const char* c = why; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Panels, PanelListings,
    testing::Values(
        Listing{"toolbar of every button", "office.bar", ToolbarOfEveryButton, nullptr, "toolbar_buttons.txt"},
        Listing{"keypad of every button", "Num.PAD", KeypadOfEveryButton, nullptr, "keypad_buttons.txt"},
        Listing{"toolbar named through key.lst", "office.bar", ToolbarOfEveryButton, &kSmallKeyList,
                "toolbar_key_list.txt"},
        Listing{"toolbar numbered to 254", "many.bar", ToolbarNumberedPast99, nullptr, "toolbar_numbers.txt"},
        Listing{"toolbar of no records", "empty.bar",
                [] { return PanelBuilder::Toolbar().Add({.normal = Edit(1)}).Count(0).Build(); }, nullptr,
                "toolbar_no_records.txt"},
        Listing{"keypad of no records", "sub/empty.pad",
                [] { return PanelBuilder::Keypad().Add({.normal = Edit(1)}).Count(0).Build(); }, nullptr,
                "keypad_no_records.txt"},
        Listing{"toolbar walking before the image", "back.bar", ToolbarWalkingBeforeTheImage, nullptr,
                "toolbar_before_image.txt"},
        Listing{"keypad running off the image", "long.pad", KeypadRunningOffTheImage, nullptr,
                "keypad_off_image.txt"}),
    [](const testing::TestParamInfo<Listing>& info) { return TestName(info.param.why); });

struct Refusal {
    const char* why;
    const char* fileName;
    Bytes file;
    const Bytes* keyList;  // nullptr: no key.lst
    std::string out;
    friend void PrintTo(const Refusal& refusal, std::ostream* os) { *os << refusal.why; }
};

class PanelRefusals : public testing::TestWithParam<Refusal> {};

TEST_P(PanelRefusals, EndWithStatus8) {
    const Refusal& refusal = GetParam();
    Sandbox sandbox;
    sandbox.Write(refusal.fileName, refusal.file);
    if (refusal.keyList) sandbox.WriteKeyList(*refusal.keyList);
    ExpectRun(sandbox.Run({refusal.fileName}), refusal.out, 8);
}

const Bytes kToolbar = PanelBuilder::Toolbar().Add({.normal = Action(1)}).Build();
const Bytes kKeypad = PanelBuilder::Keypad().Add({.normal = Action(1)}).Build();
const Bytes kBadKeyList = ImageBuilder().Chars(0, "Tarnu Keylist V1.00").U8(19, 0).Resize(200).Build();

// The same file with its 20-byte version text replaced.
Bytes WithVersion(const Bytes& file, const std::string& version) {
    return ImageBuilder().Raw(0, file).Raw(0, Bytes(20, 0)).Chars(0, version).Build();
}

INSTANTIATE_TEST_SUITE_P(
    Panels, PanelRefusals,
    testing::Values(
        Refusal{"toolbar of another version", "a.bar", WithVersion(kToolbar, "Tarnu Toolbar V1.25 "), nullptr,
                kNoKeyList + kToolbarVersion},
        Refusal{"toolbar without its trailing blank", "a.bar", WithVersion(kToolbar, "Tarnu Toolbar V1.26"),
                nullptr, kNoKeyList + kToolbarVersion},
        Refusal{"keypad named bar", "a.bar", kKeypad, nullptr, kNoKeyList + kToolbarVersion},
        Refusal{"empty toolbar file", "a.bar", {}, nullptr, kNoKeyList + kToolbarVersion},
        Refusal{"keypad with one blank and a NUL", "a.pad", WithVersion(kKeypad, "Tarnu KeyPad V1.26 "), nullptr,
                kNoKeyList + kKeypadVersion},
        Refusal{"keypad of another case", "a.pad", WithVersion(kKeypad, "Tarnu Keypad V1.26  "), nullptr,
                kNoKeyList + kKeypadVersion},
        Refusal{"toolbar named pad", "a.pad", kToolbar, nullptr, kNoKeyList + kKeypadVersion},
        Refusal{"empty keypad file", "a.pad", {}, nullptr, kNoKeyList + kKeypadVersion},
        // With key.lst present nothing comes before the version message.
        Refusal{"wrong toolbar with key.lst", "a.bar", kKeypad, &kSmallKeyList, kToolbarVersion},
        Refusal{"wrong keypad with key.lst", "a.pad", {}, &kSmallKeyList, kKeypadVersion},
        // An invalid key.lst ends the run before the file is looked at.
        Refusal{"toolbar with invalid key.lst", "a.bar", kToolbar, &kBadKeyList, kInvalidKeyList},
        Refusal{"wrong toolbar with invalid key.lst", "a.bar", {}, &kBadKeyList, kInvalidKeyList},
        Refusal{"keypad with invalid key.lst", "a.pad", kKeypad, &kBadKeyList, kInvalidKeyList}),
    [](const testing::TestParamInfo<Refusal>& info) { return TestName(info.param.why); });

}  // namespace
