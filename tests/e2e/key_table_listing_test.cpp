// The key table listing: the function list first, the heading, the version
// rule, then every key of the version in its four shift states.
#include <gtest/gtest.h>

#include <string>

#include "key_table_samples.h"
#include "tool_runner.h"

namespace {

std::string UnknownVersion(const std::string& name) {
    return kNoKeyList + "\nFormat of KEY file " + name + "\n\nError, Keyfile version not known for " + name;
}

std::string Renamed(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST(KeyTableListing, WholeTableWithTheBuiltInFunctionList) {
    Sandbox sandbox;
    sandbox.Write("office.key", OfficeKeyTable(KeyVersion::V1_26).Build());
    ExpectRun(sandbox.Run({"office.key"}), Golden("keys/office_v126.txt"), 0);
    // V1.01 has the same 119 keys and the same place for the macro names.
    sandbox.Write("office.key", OfficeKeyTable(KeyVersion::V1_01).Build());
    ExpectRun(sandbox.Run({"office.key"}), Golden("keys/office_v126.txt"), 0);
}

TEST(KeyTableListing, V100TableWithALoadedFunctionList) {
    Sandbox sandbox;
    sandbox.WriteKeyList(SmallKeyList());
    sandbox.Write("small.key", SmallV100KeyTable().Build());
    ExpectRun(sandbox.Run({"small.key"}), Golden("keys/small_v100.txt"), 0);
}

TEST(KeyTableListing, AnyLetterCaseOfTheExtensionIsAKeyTable) {
    Sandbox sandbox;
    for (const std::string name : {"x.key", "x.Key", "x.KEY"}) {
        sandbox.Write(name, OfficeKeyTable().Build());
        ExpectRun(sandbox.Run({name}), Renamed(Golden("keys/office_v126.txt"), "office.key", name), 0);
    }
}

TEST(KeyTableListing, UnknownVersionEndsAfterTheHeadingWithStatus8) {
    struct Case { const char* why; Bytes file; };
    const Case cases[] = {
        {"letter case", KeyTableBuilder().VersionText("Tarnu keytable V1.26").Build()},
        {"unknown number", KeyTableBuilder().VersionText("Tarnu Keytable V1.02").Build()},
        {"terminator in the text", KeyTableBuilder().VersionText("Tarnu Keytable V1.2").Build()},
        {"another kind of file", KeyTableBuilder().VersionText("Tarnu Session V1.26 ").Build()},
        {"cut inside the version", Bytes{'T', 'a', 'r', 'n', 'u'}},
        {"empty file", Bytes{}},
    };
    Sandbox sandbox;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        sandbox.Write("bad.key", c.file);
        ExpectRun(sandbox.Run({"bad.key"}), UnknownVersion("bad.key"), 8);
    }
}

// The function list is loaded before the key table is looked at: an
// invalid key.lst is all the run prints, whatever follows.
TEST(KeyTableReports, InvalidKeyListIsRefusedBeforeAnythingElse) {
    struct Case { const char* why; Bytes keyList; };
    const Case cases[] = {
        {"NUL in place of the blank at byte 19", KeyListBuilder().Magic("Tarnu Keylist V1.00").Build()},
        {"another version", KeyListBuilder().Magic("Tarnu Keylist V1.01     ").Build()},
        {"letter case", KeyListBuilder().Magic("TARNU KEYLIST V1.00     ").Build()},
        {"cut inside the magic", Bytes{'T', 'a', 'r', 'n', 'u'}},
        {"empty file", Bytes{}},
    };
    Sandbox sandbox;
    sandbox.Write("good.key", OfficeKeyTable().Build());
    sandbox.Write("bad.key", Bytes{});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        sandbox.WriteKeyList(c.keyList);
        ExpectRun(sandbox.Run({"good.key"}), "Invalid KEY.LST key table\n", 8);
        ExpectRun(sandbox.Run({"bad.key"}), "Invalid KEY.LST key table\n", 8);
        ExpectRun(sandbox.Run({"good.key", "good.key"}), "Invalid KEY.LST key table\n", 8);
        ExpectRun(sandbox.Run({"bad.key", "good.key"}), "Invalid KEY.LST key table\n", 8);
    }
}

}  // namespace
