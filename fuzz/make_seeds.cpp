// Writes the seed corpus of every fuzz target, made by the test builders:
// `fuzz_seed_writer DIR` fills DIR/<target>/. The inputs follow the layout
// the targets read (fuzz_input.h): option byte, function list length and
// bytes, then the file or the two files of a comparison.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "key_list_builder.h"
#include "key_table_builder.h"
#include "panel_builder.h"
#include "session_builder.h"

namespace {

std::filesystem::path outputFolder;

Bytes Input(std::uint8_t options, const Bytes& keyList, const Bytes& first, const Bytes& second = {}) {
    Bytes input = {options, static_cast<std::uint8_t>(keyList.size() & 0xFF),
                   static_cast<std::uint8_t>(keyList.size() >> 8)};
    input.insert(input.end(), keyList.begin(), keyList.end());
    if (second.empty()) {
        input.insert(input.end(), first.begin(), first.end());
        return input;
    }
    // The two files are split at the middle: both take the same room.
    std::size_t room = std::max(first.size(), second.size());
    Bytes a = first, b = second;
    a.resize(room, 0);
    b.resize(room, 0);
    input.insert(input.end(), a.begin(), a.end());
    input.insert(input.end(), b.begin(), b.end());
    return input;
}

void Seed(const std::string& target, const std::string& name, const Bytes& input) {
    std::filesystem::create_directories(outputFolder / target);
    std::ofstream(outputFolder / target / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
}

// Option bits: 1 version text laid over the file, 2 function list handed
// in, 4 its magic laid over it, 8 near-identical second file; bits 4-5 the
// version or kind.
constexpr std::uint8_t kVersion = 1, kList = 2, kListMagic = 4, kNearCopy = 8;
constexpr std::uint8_t Choice(int n) { return static_cast<std::uint8_t>(n << 4); }

Bytes SmallKeyList() {
    return KeyListBuilder().Action({"Attention", "Clear", "Enter"}).Edit({"Backspace", "Tab"})
        .Oper({"Capture", "PrintScreen"}).Build();
}

Bytes OfficeKeys(KeyVersion version) {
    return KeyTableBuilder(version)
        .Bind(0, Shift::Normal, Edit(21)).Bind(1, Shift::Normal, Action(6)).Bind(1, Shift::Shift, Action(18))
        .Bind(37, Shift::Ctrl, Oper(5)).Bind(59, Shift::Normal, Char('a')).Bind(59, Shift::Shift, Char('A'))
        .Bind(67, Shift::Ctrl, Macro(0)).Bind(46, Shift::Ctrl, Macro(1).WithI().WithR())
        .Bind(14, Shift::Alt, OfType(15, 3)).Bind(13, Shift::Alt, OfType(7, 9))
        .Macros({"logon", "logoff"})
        .Build();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: fuzz_seed_writer DIR\n");
        return 2;
    }
    outputFolder = argv[1];
    const Bytes none;
    const Bytes keyList = SmallKeyList();

    Seed("fuzz_key_table", "v126_builtin_list", Input(kVersion | Choice(2), none, OfficeKeys(KeyVersion::V1_26)));
    Seed("fuzz_key_table", "v100_key_list", Input(kVersion | kList | kListMagic, keyList, OfficeKeys(KeyVersion::V1_00)));
    Seed("fuzz_key_table", "v101_as_stored", Input(kList, keyList, OfficeKeys(KeyVersion::V1_01)));

    Seed("fuzz_session", "full_profile", Input(kVersion, none, FullSessionProfile().Build()));
    Seed("fuzz_session", "version_only", Input(0, none, SessionBuilder().Build()));

    namespace P = panels;
    Bytes toolbar = P::PanelBuilder::Toolbar()
                        .Add({.x = 0, .width = 24, .normal = P::Action(2), .shift = P::Edit(3)})
                        .Separator({.x = 26, .width = 8})
                        .Add({.x = -4, .width = 100000, .normal = P::Macro(1), .alt = P::Char('x')})
                        .Macros({"logon", "logoff"})
                        .Build();
    Bytes keypad = P::PanelBuilder::Keypad()
                       .Add({.x = 4, .y = 4, .width = 40, .normal = P::Oper(17), .ctrl = P::OfType(15, 1)})
                       .Separator({.x = 4, .y = 30, .width = 80})
                       .Add({.x = 48, .y = -8, .width = 40, .normal = P::Macro(0), .size = 30})
                       .Macros({"logon"})
                       .Build();
    Seed("fuzz_panels", "toolbar", Input(kVersion | Choice(0), none, toolbar));
    Seed("fuzz_panels", "keypad_key_list", Input(kVersion | kList | kListMagic | Choice(1), keyList, keypad));

    Bytes office = FullSessionProfile().Build();
    Bytes branch = FullSessionProfile().Set("Window Width", 1280).Text("Session Name", "Branch").FindByte(0x05).Build();
    Seed("fuzz_compare", "session_pair", Input(kVersion | Choice(0), none, office, branch));
    Bytes keys = OfficeKeys(KeyVersion::V1_26);
    Bytes otherKeys = KeyTableBuilder(KeyVersion::V1_26).Bind(37, Shift::Ctrl, Oper(6)).Bind(67, Shift::Ctrl, Macro(0))
                          .Macros({"branchon"}).Build();
    Seed("fuzz_compare", "key_pair", Input(kVersion | Choice(3), none, keys, otherKeys));
    // The second file is the first from byte 20 on, with key 0 Normal made
    // a Macro cell.
    Bytes nearCopy(keys.begin() + 20, keys.end());
    nearCopy[24 - 20] = 0x08;
    Seed("fuzz_compare", "key_near_copy", Input(kVersion | kNearCopy | Choice(3), none, keys, nearCopy));
    return 0;
}
