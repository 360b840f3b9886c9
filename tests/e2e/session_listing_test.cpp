// One-file listings of session profiles, and the version checks that come
// before any listing or comparison.
#include <gtest/gtest.h>

#include <string>

#include "session_builder.h"
#include "tool_runner.h"

namespace {

const std::string kUnknownVersion = "Error, Session file version not known";
const std::string kNotSameVersion = "Error, Session files to compare are not at the same version\n";

TEST(SessionListing, ProfileWithEverySettingFilled) {
    Sandbox sandbox;
    sandbox.Write("office.ses", FullSessionProfile().Build());
    ExpectRun(sandbox.Run({"office.ses"}), Golden("session/full_profile.txt"), 0);
}

TEST(SessionListing, ProfileHoldingOnlyTheVersionTextShowsZeroValues) {
    Sandbox sandbox;
    sandbox.Write("bare.ses", SessionBuilder().Build());
    ExpectRun(sandbox.Run({"bare.ses"}), Golden("session/version_only.txt"), 0);
}

TEST(SessionListing, FileOverTheBlockSizeIsListedFromItsFirst100000Bytes) {
    Sandbox sandbox;
    SessionBuilder profile = FullSessionProfile();
    profile.Image().Resize(100000).Fill(100000, 50000, 0xEE);
    sandbox.Write("office.ses", profile.Build());
    ExpectRun(sandbox.Run({"office.ses"}), Golden("session/full_profile.txt"), 0);
}

struct VersionCase {
    const char* why;
    Bytes first;
    Bytes second;  // empty: a one-file run
    std::string out;
    friend void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.why; }
};

class SessionVersions : public testing::TestWithParam<VersionCase> {};

TEST_P(SessionVersions, AreCheckedFirstFileFirst) {
    const VersionCase& c = GetParam();
    Sandbox sandbox;
    sandbox.Write("a.ses", c.first);
    if (c.second.empty()) {
        ExpectRun(sandbox.Run({"a.ses"}), c.out, 8);
    } else {
        sandbox.Write("b.ses", c.second);
        ExpectRun(sandbox.Run({"a.ses", "b.ses"}), c.out, 8);
    }
}

Bytes Version(const std::string& text) { return ImageBuilder().Chars(0, text).Build(); }

const Bytes kGood = Version("Tarnu Session V1.26 ");
const Bytes kKeyTable = Version("Tarnu Keytable V1.26");
const Bytes kNulNotBlank = ImageBuilder().Chars(0, "Tarnu Session V1.26").U8(19, 0).Fill(20, 200, 0).Build();

INSTANTIATE_TEST_SUITE_P(
    Session, SessionVersions,
    testing::Values(
        VersionCase{"empty file", {}, {}, kUnknownVersion},
        VersionCase{"NUL in place of the last blank", kNulNotBlank, {}, kUnknownVersion},
        VersionCase{"key table named ses", kKeyTable, {}, kUnknownVersion},
        VersionCase{"lower case", Version("tarnu session v1.26 "), {}, kUnknownVersion},
        VersionCase{"bad first of two", kKeyTable, kGood, kUnknownVersion},
        VersionCase{"both bad", kKeyTable, kKeyTable, kUnknownVersion},
        VersionCase{"older second", kGood, Version("Tarnu Session V1.25 "), kNotSameVersion},
        VersionCase{"second holds the text without its blank", kGood, Version("Tarnu Session V1.26"),
                    kNotSameVersion}),
    [](const testing::TestParamInfo<VersionCase>& info) {
        std::string name;
        for (const char* c = info.param.why; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(SessionVersions, EmptySecondFileFailsTheSameVersionTest) {
    Sandbox sandbox;
    sandbox.Write("a.ses", kGood);
    sandbox.Write("b.ses", {});
    ExpectRun(sandbox.Run({"a.ses", "b.ses"}), kNotSameVersion, 8);
}

}  // namespace
