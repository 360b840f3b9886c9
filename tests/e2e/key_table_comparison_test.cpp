// The key table comparison: both files rendered cell by cell, only the
// differing texts printed side by side under one column heading, or
// "Files are identical".
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "image_builder.h"
#include "key_table_samples.h"
#include "tool_runner.h"

namespace {

const std::string kColumns =
    "Num  Key Name  Shift     Type      I  R  Function                 Type      I  R  Function\n"
    "---  --------  --------  --------  -  -  -----------------------  --------  -  -  ------------------------\n\n";
const std::string kIdentical = "Files are identical\n";

std::string Comparing(const std::string& first, const std::string& second) {
    return kNoKeyList + "\nComparing KEY files " + first + " : " + second + "\n\n";
}

ToolRun Compare(const Sandbox& sandbox, const Bytes& first, const Bytes& second) {
    return ComparePair(sandbox, "key", first, second);
}

TEST(KeyTableComparison, EqualRenderingsGiveOnlyTheVerdict) {
    Sandbox sandbox;
    sandbox.Write("office.key", OfficeKeyTable().Build());
    ExpectRun(sandbox.Run({"office.key", "office.key"}), Comparing("office.key", "office.key") + kIdentical, 0);
    // Bytes 20 to 23 and macro names no key uses are never compared; the
    // extensions differ only in letter case.
    sandbox.Write("copy.KEY", OfficeKeyTable()
                                  .Unread("abcd")
                                  .Macros({"logon", "logoff", "", "a_macro_name_much_wider_than_its_column",
                                           "unused"})
                                  .Build());
    ExpectRun(sandbox.Run({"office.key", "copy.KEY"}), Comparing("office.key", "copy.KEY") + kIdentical, 0);
}

TEST(KeyTableComparison, OneDifferingCellIsOneRow) {
    Sandbox sandbox;
    ExpectRun(Compare(sandbox, OfficeKeyTable().Build(), OfficeKeyTable().Bind(37, Shift::Ctrl, Oper(6)).Build()),
              Comparing("a.key", "b.key") + kColumns +
                  " 37  Tab       Ctrl      Oper      0  0  FontNarrower             Oper      0  0  FontSelect"
                  "              \n",
              0);
}

TEST(KeyTableComparison, EveryDifferingShiftStateIsPrintedUnderOneHeading) {
    Bytes changed = OfficeKeyTable()
                        .Bind(0, Shift::Normal, Action(2))
                        .Bind(0, Shift::Alt, Char('x'))
                        .Bind(37, Shift::Normal, Edit(29).WithBits(0x80))  // renders as before
                        .Bind(37, Shift::Ctrl, Oper(6))
                        .Bind(118, Shift::Alt, Oper(59))
                        .Build();
    Sandbox sandbox;
    ExpectRun(Compare(sandbox, OfficeKeyTable().Build(), changed),
              Comparing("a.key", "b.key") + kColumns +
                  "  0  Escape    Normal    Action    0  0  Clear                    Action    0  0  Enter                   \n"
                  "  0  Escape    Alt       Action    0  0  Attention                Char      0  0  x                       \n"
                  " 37  Tab       Ctrl      Oper      0  0  FontNarrower             Oper      0  0  FontSelect              \n"
                  "118  Local     Alt       Oper      0  0  NextActiveSession        Oper      0  0  PrevActiveSession       \n",
              0);
}

// Key 37 Ctrl of an otherwise empty table against the same cell bound to
// each kind of binding: the row shows the second file's cell text.
TEST(KeyTableComparison, CellTextOfEveryKind) {
    struct Case { Cell cell; const char* text; };
    std::vector<Case> cases = {
        {Action(1), "Action    0  0  Clear                   "},
        {Action(0).WithI(), "Action    1  0  Attention               "},
        {Action(0).WithR(), "Action    0  1  Attention               "},
        {Edit(65), "Edit      0  0  CopyTruncate            "},
        {Char('A'), "Char      0  0  A                       "},
        {Char(0), "Char      0  0                          "},
        {Oper(63), "Oper      0  0  NextScreen              "},
        {Macro(1), "Macro     0  0  logoff.mac              "},
        {Macro(2), "Macro     0  0  .mac                    "},
        {OfType(15, 0x41), "<Shift>   0  0                          "},
        {OfType(15).WithI().WithR(), "<Shift>   1  1                          "},
    };
    for (int type = 5; type <= 14; ++type) {
        cases.push_back({OfType(type, static_cast<std::uint8_t>(type * 3)), "          0  0                          "});
    }
    cases.push_back({OfType(9, 255).WithI().WithR(), "          1  1                          "});

    Sandbox sandbox;
    KeyTableBuilder empty = KeyTableBuilder().Macros({"logon", "logoff"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectRun(Compare(sandbox, empty.Build(), KeyTableBuilder(empty).Bind(37, Shift::Ctrl, c.cell).Build()),
                  Comparing("a.key", "b.key") + kColumns +
                      " 37  Tab       Ctrl      Action    0  0  Attention                " + c.text + "\n",
                  0);
    }
}

TEST(KeyTableComparison, DifferentBytesThatRenderTheSamePrintNothing) {
    struct Case {
        const char* why;
        Cell first, second;
        std::vector<std::string> firstMacros, secondMacros;
    };
    const Case cases[] = {
        {"unused bits 5 and 7", Oper(5), Oper(5).WithBits(0xA0), {}, {}},
        {"types 5 to 14 look alike", OfType(5, 1), OfType(14, 200), {}, {}},
        {"the index of type 15", OfType(15, 0), OfType(15, 0x41), {}, {}},
        {"macro numbers naming equal names", Macro(0), Macro(1), {"logon"}, {"other", "logon"}},
        {"macro numbers past both lists", Macro(5), Macro(9), {"a", "b"}, {"c"}},
    };
    Sandbox sandbox;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ExpectRun(Compare(sandbox, KeyTableBuilder().Bind(37, Shift::Ctrl, c.first).Macros(c.firstMacros).Build(),
                          KeyTableBuilder().Bind(37, Shift::Ctrl, c.second).Macros(c.secondMacros).Build()),
                  Comparing("a.key", "b.key") + kIdentical, 0);
    }
}

// A macro number names a macro in its own file's list: equal bytes can
// show different names, and such a key prints its row like any other.
TEST(KeyTableComparison, SameMacroNumberWithDifferentNamesIsADifference) {
    auto table = [](const std::string& firstMacro) {
        return KeyTableBuilder()
            .Bind(1, Shift::Alt, Macro(0))
            .Bind(2, Shift::Alt, Macro(1))
            .Bind(5, Shift::Normal, Macro(0))
            .Macros({firstMacro, "logoff"});
    };
    Sandbox sandbox;
    ExpectRun(Compare(sandbox, table("logon").Build(), table("signon").Bind(5, Shift::Shift, Char('s')).Build()),
              Comparing("a.key", "b.key") + kColumns +
                  "  1  F1        Alt       Macro     0  0  logon.mac                Macro     0  0  signon.mac              \n"
                  "  5  F5        Normal    Macro     0  0  logon.mac                Macro     0  0  signon.mac              \n"
                  "  5  F5        Shift     Action    0  0  Attention                Char      0  0  s                       \n",
              0);
}

// Offsets written out by hand: key k's cell for shift s at 24 + 8k + 2s,
// macro names from 952 (V1.00) or 976 (V1.01, V1.26).
TEST(KeyTableComparison, HandPlacedBytesAreReadAtTheirOffsets) {
    Sandbox sandbox;
    auto v126 = [](const std::string& macro) {
        return ImageBuilder().Chars(0, "Tarnu Keytable V1.26").Raw(324, {0x08, 0x00}).Text(976, macro);
    };
    ExpectRun(Compare(sandbox, v126("first").Build(), v126("second").Raw(974, {0x06, 0x3F}).Build()),
              Comparing("a.key", "b.key") + kColumns +
                  " 37  Tab       Ctrl      Macro     0  0  first.mac                Macro     0  0  second.mac              \n"
                  "118  Local     Alt       Action    0  0  Attention                Oper      0  0  NextScreen              \n",
              0);
    auto v100 = [](const std::string& macro) {
        return ImageBuilder().Chars(0, "Tarnu Keytable V1.00").Raw(948, {0x08, 0x00}).Text(952, macro).Build();
    };
    ExpectRun(Compare(sandbox, v100("first"), v100("second")),
              Comparing("a.key", "b.key") + kColumns +
                  "115  Lock-Dot  Ctrl      Macro     0  0  first.mac                Macro     0  0  second.mac              \n",
              0);
}

// Only the first 100000 bytes of a file are read: a macro name running past
// them ends there, uncut, and the names after it are out of reach.
TEST(KeyTableComparison, FileOverTheBlockSizeIsReadOnItsFirst100000Bytes) {
    auto table = [](const std::vector<std::string>& macros) {
        return KeyTableBuilder().Bind(37, Shift::Ctrl, Macro(0)).Bind(37, Shift::Alt, Macro(1)).Macros(macros).Build();
    };
    Bytes big = table({std::string(120000, 'm'), "beyond"});
    ASSERT_GT(big.size(), 100000u);
    Sandbox sandbox;
    ExpectRun(Compare(sandbox, big, table({"short", "long"})),
              Comparing("a.key", "b.key") + kColumns +
                  " 37  Tab       Ctrl      Macro     0  0  " + std::string(100000 - 976, 'm') +
                  ".mac Macro     0  0  short.mac               \n"
                  " 37  Tab       Alt       Macro     0  0  .mac                     Macro     0  0  long.mac"
                  "                \n",
              0);
}

TEST(KeyTableComparison, VersionsMustBeEqualInAllTwentyBytes) {
    struct Case { const char* why; Bytes first, second; };
    const Case cases[] = {
        {"V1.00 and V1.26", KeyTableBuilder(KeyVersion::V1_00).Build(), KeyTableBuilder(KeyVersion::V1_26).Build()},
        {"V1.01 and V1.26, alike in layout", KeyTableBuilder(KeyVersion::V1_01).Build(), KeyTableBuilder().Build()},
        {"letter case of the second", KeyTableBuilder().Build(),
         KeyTableBuilder().VersionText("TARNU KEYTABLE V1.26").Build()},
        {"empty second file", KeyTableBuilder().Build(), Bytes{}},
    };
    Sandbox sandbox;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ExpectRun(Compare(sandbox, c.first, c.second),
                  Comparing("a.key", "b.key") + "Error, Keyfiles to compare are not at the same version\n", 8);
    }
}

// The first file's version is judged first; the second's is then never
// looked at.
TEST(KeyTableComparison, UnknownFirstVersionEndsAfterTheHeadingWithStatus8) {
    const std::string unknown = Comparing("a.key", "b.key") + "Error, Keyfile version not known for a.key";
    Sandbox sandbox;
    ExpectRun(Compare(sandbox, KeyTableBuilder().VersionText("Tarnu keytable V1.26").Build(), KeyTableBuilder().Build()),
              unknown, 8);
    ExpectRun(Compare(sandbox, Bytes{}, KeyTableBuilder(KeyVersion::V1_00).Build()), unknown, 8);
    ExpectRun(Compare(sandbox, Bytes{}, Bytes{}), unknown, 8);
}

TEST(KeyTableComparison, NamesComeFromALoadedFunctionList) {
    Sandbox sandbox;
    sandbox.WriteKeyList(SmallKeyList());
    ExpectRun(Compare(sandbox, SmallV100KeyTable().Build(),
                      SmallV100KeyTable().Bind(13, Shift::Alt, Oper(1)).Bind(37, Shift::Ctrl, Edit(1)).Build()),
              "\nComparing KEY files a.key : b.key\n\n" + kColumns +
                  " 13  Print     Alt       Oper      0  0                           Oper      0  0  Quit                    \n"
                  " 37  Tab       Ctrl      Edit      0  0  ThisEditNameRunsPastItsThirtyByteField Edit      0  0  BackTab"
                  "                 \n",
              0);
}

}  // namespace
