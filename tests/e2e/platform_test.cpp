// The files as the system presents them: a file that another program holds
// open (only Windows refuses to share it), Windows path separators, and the
// installed function list key.lst found, missing, invalid or held open.
#include <gtest/gtest.h>

#include <string>

#include "image_builder.h"
#include "tool_runner.h"

namespace {

const std::string kKeyListNotOpened = std::string("Error opening file ") + kInstalledKeyListPath + "\n";
const std::string kCannotFormat = "This function can only format SES, KEY, BAR, and PAD files\n";

// The report of a key table of unknown version: the function list is loaded
// first, then the heading and the version message, with no line end.
std::string UnknownKeyTable(const std::string& name) {
    return "\nFormat of KEY file " + name + "\n\nError, Keyfile version not known for " + name;
}

Bytes ValidKeyList() { return ImageBuilder().Chars(0, "Tarnu Keylist V1.00 ").Resize(35).Build(); }

// Byte 19 is a NUL where the version text has its blank.
Bytes InvalidKeyList() { return ImageBuilder().Chars(0, "Tarnu Keylist V1.00").Resize(35).Build(); }

// POSIX has no share modes: there a file held open is read all the same.
#define SKIP_UNLESS_WINDOWS() \
    if (!TestingWindowsBuild()) GTEST_SKIP() << "only Windows refuses to share a file held open"

TEST(SharedAccess, FirstFileHeldOpenIsRefusedWithTheSharingViolation) {
    SKIP_UNLESS_WINDOWS();
    Sandbox sandbox;
    sandbox.Write("held.bak", Bytes{'x'});
    {
        HeldFile held(sandbox, "held.bak");
        ASSERT_TRUE(held.Held()) << held.Reply();
        ExpectOpenError(sandbox.Run({"held.bak"}), "", "held.bak", 0, 32);
    }
    // Once the other program has closed it, the file opens again.
    ExpectRun(sandbox.Run({"held.bak"}), kCannotFormat, 8);
}

TEST(SharedAccess, SecondFileHeldOpenIsRefusedWithoutACode) {
    SKIP_UNLESS_WINDOWS();
    Sandbox sandbox;
    sandbox.Write("a.ses", Bytes{'x'});
    sandbox.Write("b.ses", Bytes{'x'});
    HeldFile held(sandbox, "b.ses");
    ASSERT_TRUE(held.Held()) << held.Reply();
    ExpectRun(sandbox.Run({"a.ses", "b.ses"}), "Error opening file2 b.ses\n", 8);
}

TEST(SharedAccess, KeyListHeldOpenIsNotReadAndTheBuiltInListServes) {
    SKIP_UNLESS_WINDOWS();
    Sandbox sandbox;
    sandbox.Write("x.key", Bytes{});
    // Read, this key.lst would be refused as invalid.
    sandbox.WriteKeyList(InvalidKeyList());
    HeldFile held(sandbox, kInstalledKeyListPath);
    ASSERT_TRUE(held.Held()) << held.Reply();
    ExpectRun(sandbox.Run({"x.key"}), kKeyListNotOpened + UnknownKeyTable("x.key"), 8);
}

TEST(WindowsPaths, BackslashSeparatesFolders) {
    if (!TestingWindowsBuild()) GTEST_SKIP() << "a backslash is a character of a POSIX file name";
    Sandbox sandbox;
    sandbox.Write("sub.key/plain", Bytes{'x'});
    // Only the last "." counts, here in the folder's name.
    ExpectRun(sandbox.Run({"sub.key\\plain"}), kCannotFormat, 8);
}

// Standard output is in text mode, as on any Windows console program: every
// line end comes out as CR LF, the system's error texts' included.
TEST(WindowsLineEnds, AreCrLf) {
    if (!TestingWindowsBuild()) GTEST_SKIP() << "POSIX line ends are LF";
    Sandbox sandbox;
    std::string usage;
    for (char c : Golden("usage.txt")) usage += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(sandbox.Run({}).rawOut, usage);
    std::string refused = sandbox.Run({"missing.key"}).rawOut;
    EXPECT_EQ(refused.substr(0, 32), "Error opening file missing.key\r\n") << refused;
    ASSERT_GE(refused.size(), 2u);
    EXPECT_EQ(refused.substr(refused.size() - 2), "\r\n") << refused;
    EXPECT_EQ(refused.find("\r\r"), std::string::npos) << refused;
}

struct KeyListCase {
    const char* why;
    enum { Absent, Valid, Invalid } keyList;
    std::string out;
    friend void PrintTo(const KeyListCase& c, std::ostream* os) { *os << c.why; }
};

class InstalledKeyList : public testing::TestWithParam<KeyListCase> {};

TEST_P(InstalledKeyList, IsLoadedBeforeTheKeyTableIsLookedAt) {
    const KeyListCase& c = GetParam();
    Sandbox sandbox;
    sandbox.Write("x.key", Bytes{});
    if (c.keyList == KeyListCase::Valid) sandbox.WriteKeyList(ValidKeyList());
    if (c.keyList == KeyListCase::Invalid) sandbox.WriteKeyList(InvalidKeyList());
    ExpectRun(sandbox.Run({"x.key"}), c.out, 8);
}

INSTANTIATE_TEST_SUITE_P(
    FunctionList, InstalledKeyList,
    testing::Values(
        KeyListCase{"absent", KeyListCase::Absent, kKeyListNotOpened + UnknownKeyTable("x.key")},
        // Found at c:\Program Files (x86)\..., drive c: of the prefix.
        KeyListCase{"found", KeyListCase::Valid, UnknownKeyTable("x.key")},
        KeyListCase{"invalid", KeyListCase::Invalid, "Invalid KEY.LST key table\n"}),
    [](const testing::TestParamInfo<KeyListCase>& info) { return std::string(info.param.why); });

}  // namespace
