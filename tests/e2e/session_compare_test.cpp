// Comparisons of two session profiles: only settings whose renderings
// differ are printed, each section's header right above its first one, and
// "Files are identical" when there are none. The renderings of every kind
// are shown here against an empty profile, which renders as zeros.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "session_builder.h"
#include "tool_runner.h"

namespace {

const std::string kTitle = "\nComparing SES files a.ses : b.ses\n";
const std::string kIdentical = "\nFiles are identical\n";

// A section header: an empty line, the title and dashes to 56 columns, an
// empty line.
std::string Header(const std::string& title) {
    std::string header = "\n";
    return header.append(title).append(" ").append(56 - title.size() - 1, '-').append("\n\n");
}

// A differing setting: its label and colon in 30 columns, a blank, both values.
std::string Line(const std::string& label, const std::string& first, const std::string& second) {
    std::string padded = label + ":";
    padded.resize(30, ' ');
    return padded + " " + first + " : " + second + "\n";
}

ToolRun Compare(const Sandbox& sandbox, const Bytes& first, const Bytes& second) {
    return ComparePair(sandbox, "ses", first, second);
}

TEST(SessionComparison, ProfileWithItselfOrACopyIsIdentical) {
    Sandbox sandbox;
    Bytes profile = FullSessionProfile().Build();
    sandbox.Write("office.ses", profile);
    sandbox.Write("copy.ses", profile);
    ExpectRun(sandbox.Run({"office.ses", "office.ses"}),
              "\nComparing SES files office.ses : office.ses\n" + kIdentical, 0);
    ExpectRun(sandbox.Run({"office.ses", "copy.ses"}), "\nComparing SES files office.ses : copy.ses\n" + kIdentical, 0);
}

TEST(SessionComparison, DifferencesInTheFirstAndLastSectionsShowOnlyTheirHeaders) {
    Sandbox sandbox;
    SessionBuilder second = FullSessionProfile();
    second.Set("Window Placement Style", 0).FindByte(0xF9);
    ExpectRun(Compare(sandbox, FullSessionProfile().Build(), second.Build()),
              "\nComparing SES files a.ses : b.ses\n"
              "\nWindow Items -------------------------------------------\n\n"
              "Window Placement Style:        Maximized : Window\n"
              "\nFind Options -------------------------------------------\n\n"
              "Find Auto Find:                Yes : No\n",
              0);
}

struct Change {
    const char* why;
    std::function<void(SessionBuilder&)> apply;
    friend void PrintTo(const Change& change, std::ostream* os) { *os << change.why; }
};

std::string TestName(const char* why) {
    std::string name;
    for (const char* c = why; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

// Bytes that do not change what a reader sees never make a difference.
class UnseenChanges : public testing::TestWithParam<Change> {};

TEST_P(UnseenChanges, LeaveProfilesIdentical) {
    Sandbox sandbox;
    SessionBuilder second = FullSessionProfile();
    GetParam().apply(second);
    ExpectRun(Compare(sandbox, FullSessionProfile().Build(), second.Build()), kTitle + kIdentical, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Session, UnseenChanges,
    testing::Values(
        Change{"header bytes 20 to 23", [](SessionBuilder& p) { p.Image().Raw(20, {1, 2, 3, 4}); }},
        Change{"unread gaps and unused colour slots",
               [](SessionBuilder& p) {
                   for (const ByteRange& range : UnreadSessionRanges()) {
                       auto offset = static_cast<std::size_t>(range.offset);
                       p.Image().Fill(offset, static_cast<std::size_t>(range.count), 0x11);
                   }
               }},
        Change{"bytes after a text's NUL",
               [](SessionBuilder& p) {
                   p.Image().Chars(313, "JUNK!");  // Session Name "Office host" ends at 312
                   p.Image().Chars(2081, "xyz");   // Mod 2 name "Courier" ends at 2080
                   p.Image().Chars(6367, "tail");  // Last Used Printer Name ends at 6366
               }},
        Change{"top bit of the Icon Number", [](SessionBuilder& p) { p.Image().U8(1959, 0x05); }},
        Change{"find bits 3 to 7", [](SessionBuilder& p) { p.Image().U8(2863, 0x05); }},
        Change{"byte 3 of a swatch", [](SessionBuilder& p) { p.Image().U8(24 + 4 * 7 + 3, 0x00); }},
        Change{"flag byte 1 becomes 2", [](SessionBuilder& p) { p.Image().U8(1960, 2); }},  // Show Tool Bar
        Change{"bytes past the last field", [](SessionBuilder& p) { p.Image().Fill(6605, 100, 0x41).U8(99999, 1); }}),
    [](const testing::TestParamInfo<Change>& info) { return TestName(info.param.why); });

// Raw bytes at offsets written out by hand, compared with an empty profile.
struct Rendering {
    const char* why;
    std::function<void(ImageBuilder&)> apply;
    std::string out;  // after the title
    friend void PrintTo(const Rendering& rendering, std::ostream* os) { *os << rendering.why; }
};

class Renderings : public testing::TestWithParam<Rendering> {};

TEST_P(Renderings, ShowTheStoredValues) {
    Sandbox sandbox;
    SessionBuilder second;
    GetParam().apply(second.Image());
    ExpectRun(Compare(sandbox, SessionBuilder().Build(), second.Build()), kTitle + GetParam().out, 0);
}

const std::string kEmptySetup = "'' orient=0 twoup=0 0,0,0,0 0,0,0,0 0,0,0,0 0,0,0,0";

INSTANTIATE_TEST_SUITE_P(
    Session, Renderings,
    testing::Values(
        Rendering{"16 bit number is unsigned", [](ImageBuilder& b) { b.Raw(90, {0xF8, 0xFF}); },
                  Header("Window Items") + Line("Window Location X", "0", "65528")},
        Rendering{"32 bit number is signed", [](ImageBuilder& b) { b.Raw(2768, {0xF8, 0xFF, 0xFF, 0xFF}); },
                  Header("Keypad Options") + Line("Keypad Location X", "0", "-8")},
        Rendering{"pair of signed numbers",
                  [](ImageBuilder& b) { b.Raw(2904, {0xF8, 0xFF, 0xFF, 0xFF, 0x10, 0x00, 0x00, 0x00}); },
                  Header("Window Items") + Line("Transfer Dialog Position", "0,0", "-8,16")},
        Rendering{"colour pair from the two arrays", [](ImageBuilder& b) { b.U8(786 + 22, 200).U8(818 + 22, 9); },
                  Header("Color Options") + Line("Horizontal Rule", "0,0", "200,9")},
        Rendering{"swatch shows bytes 2 1 0", [](ImageBuilder& b) { b.Raw(24, {0x10, 0x20, 0x30, 0x40}); },
                  Header("Color Options") + Line("Color swatch 0", "0,0,0", "48,32,16")},
        Rendering{"Icon Number loses its top bit", [](ImageBuilder& b) { b.U8(1959, 0x85); },
                  Header("General Options") + Line("Icon Number", "0", "5")},
        Rendering{"find byte 6 sets two flags under one header", [](ImageBuilder& b) { b.U8(2863, 0x06); },
                  Header("Find Options") + Line("Find Match CAse", "No", "Yes") + Line("Find Auto Find", "No", "Yes")},
        Rendering{"find byte F8 sets none", [](ImageBuilder& b) { b.U8(2863, 0xF8); }, kIdentical},
        Rendering{"any flag byte but 0 is Yes", [](ImageBuilder& b) { b.U8(2072, 0xFF); },
                  Header("Cut/Paste") + Line("Notify on Insert Overflow", "No", "Yes")},
        Rendering{"print setup",
                  [](ImageBuilder& b) {
                      b.Text(2073, "Courier").U8(2073 + 33, 1).U8(2073 + 34, 0);
                      b.Raw(2073 + 35, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
                  },
                  Header("Print") +
                      Line("Mod 2", kEmptySetup, "'Courier' orient=1 twoup=0 1,2,3,4 5,6,7,8 9,10,11,12 13,14,15,16")},
        Rendering{"print setup name without NUL shows 32 characters",
                  [](ImageBuilder& b) { b.Fill(2328, 33, 'n').U8(2328 + 50, 255); },
                  Header("Print") + Line("PC", kEmptySetup,
                                         std::string(1, '\'').append(32, 'n').append(
                                             "' orient=0 twoup=0 0,0,0,0 0,0,0,0 0,0,0,0 0,0,0,255"))},
        Rendering{"last item of a choice", [](ImageBuilder& b) { b.U8(743, 6); },
                  Header("Cursor Options") + Line("Normal Cursor Size", "1 Line", "Block")},
        Rendering{"choice byte beyond its list shows its number",
                  [](ImageBuilder& b) { b.U8(743, 7).U8(725, 255); },
                  Header("Display Options") + Line("Terminal Type", "Mod-2", "255") + Header("Cursor Options") +
                      Line("Normal Cursor Size", "1 Line", "7")},
        Rendering{"text without NUL shows its whole room",
                  [](ImageBuilder& b) { b.Fill(301, 41, 'A').Text(342, "host"); },
                  Header("General Options") + Line("Session Name", "", std::string(41, 'A')) +
                      Line("Last Used Host Name", "", "host")},
        Rendering{"text without NUL shows at most 255 characters",
                  [](ImageBuilder& b) { b.Fill(3228, 260, 'k').Text(3488, "bar"); },
                  Header("General Options") + Line("Key File Name", "", std::string(255, 'k')) +
                      Line("Toolbar File Name", "", "bar")},
        Rendering{"last text stops at 255 characters", [](ImageBuilder& b) { b.Fill(6349, 400, 'p'); },
                  Header("Print") + Line("Last Used Printer Name", "", std::string(255, 'p'))}),
    [](const testing::TestParamInfo<Rendering>& info) { return TestName(info.param.why); });

TEST(SessionComparison, ChoiceBeyondItsListDependsOnlyOnTheByte) {
    Sandbox sandbox;
    SessionBuilder seven, alsoSeven, eight;
    seven.Set("Ruler", 7);
    alsoSeven.Set("Ruler", 7);
    eight.Set("Ruler", 8);
    ExpectRun(Compare(sandbox, seven.Build(), alsoSeven.Build()), kTitle + kIdentical, 0);
    ExpectRun(Compare(sandbox, seven.Build(), eight.Build()),
              kTitle + Header("Cursor Options") + Line("Ruler", "7", "8"), 0);
}

}  // namespace
