// The command line, the loading of files and the refusals, in the order in
// which the tool tests them: argument count, extensions, first file, second
// file, kind, comparable kind.
#include <gtest/gtest.h>

#include <string>

#include "tool_runner.h"

namespace {

const std::string kSameType = "When comparing files, both need to be the same type\n";
const std::string kCannotFormat = "This function can only format SES, KEY, BAR, and PAD files\n";
const std::string kCannotCompare = "This function can only compare SES and KEY files\n";

TEST(CommandLine, AnyCountButOneOrTwoPrintsTheUsageText) {
    Sandbox sandbox;
    ExpectRun(sandbox.Run({}), Golden("usage.txt"), 0);
    ExpectRun(sandbox.Run({"a.key", "b.key", "c.key"}), Golden("usage.txt"), 0);
}

struct Refusal {
    const char* why;
    std::vector<std::string> existing;  // files placed in the folder first
    std::vector<std::string> arguments;
    std::string out;
    friend void PrintTo(const Refusal& refusal, std::ostream* os) { *os << refusal.why; }
};

class Refusals : public testing::TestWithParam<Refusal> {};

TEST_P(Refusals, PrintTheirMessageAndEndWithStatus8) {
    const Refusal& refusal = GetParam();
    Sandbox sandbox;
    for (const std::string& name : refusal.existing) sandbox.Write(name, Bytes{'x'});
    ExpectRun(sandbox.Run(refusal.arguments), refusal.out, 8);
}

const std::string kLongExtensionA = "x." + std::string(20, 'q') + "a";
const std::string kLongExtensionB = "y." + std::string(20, 'q') + "b";
const std::string kLongName = std::string(296, 'n') + ".key";

INSTANTIATE_TEST_SUITE_P(
    Entry, Refusals,
    testing::Values(
        // Extensions are compared before anything is opened.
        Refusal{"different kinds", {}, {"a.key", "b.ses"}, kSameType},
        Refusal{"one name without a dot", {}, {"a.key", "b"}, kSameType},
        Refusal{"long extensions compared in full", {}, {kLongExtensionA, kLongExtensionB}, kSameType},
        // A name is opened before its kind is judged.
        Refusal{"last dot counts", {"x.key.bak"}, {"x.key.bak"}, kCannotFormat},
        Refusal{"no dot at all", {"plain"}, {"plain"}, kCannotFormat},
        Refusal{"dot in a folder name", {"sub.key/plain"}, {"sub.key/plain"}, kCannotFormat},
        Refusal{"two names without a dot", {"one", "two"}, {"one", "two"}, kCannotFormat},
        Refusal{"empty second argument is one-file mode", {"x.bak"}, {"x.bak", ""}, kCannotFormat},
        Refusal{"extension too long for its buffer", {kLongExtensionA}, {kLongExtensionA}, kCannotFormat},
        Refusal{"two toolbars", {"a.bar", "b.BAR"}, {"a.bar", "b.BAR"}, kCannotCompare},
        Refusal{"two keypads", {"a.pad", "b.pad"}, {"a.pad", "b.pad"}, kCannotCompare},
        // The second file's open message carries no system text.
        Refusal{"missing second toolbar", {"a.bar"}, {"a.bar", "b.bar"}, "Error opening file2 b.bar\n"},
        Refusal{"missing second plain file", {"one"}, {"one", "two"}, "Error opening file2 two\n"},
        Refusal{"second name too long", {"a.key"}, {"a.key", kLongName}, "Error opening file2 " + kLongName + "\n"}),
    [](const testing::TestParamInfo<Refusal>& info) {
        std::string name;
        for (const char* c = info.param.why; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(FirstFile, MissingFileGivesTheSystemErrorBeforeItsKindIsJudged) {
    Sandbox sandbox;
    ExpectOpenError(sandbox.Run({"x.key.bak"}), "", "x.key.bak", 2, 2);
    ExpectOpenError(sandbox.Run({"missing.key"}), "", "missing.key", 2, 2);
    // a.key and b.KEY are of one kind, so the first file's open is reached.
    ExpectOpenError(sandbox.Run({"a.key", "b.KEY"}), "", "a.key", 2, 2);
}

TEST(FirstFile, DirectoryIsRefusedAtTheOpen) {
    Sandbox sandbox;
    sandbox.MakeFolder("folder.key");
    ExpectOpenError(sandbox.Run({"folder.key"}), "", "folder.key", 21, 5);
}

TEST(FirstFile, NameOverItsBufferIsRefusedWhole) {
    Sandbox sandbox;
    ExpectOpenError(sandbox.Run({kLongName}), "", kLongName, 36, 206);
}

}  // namespace
