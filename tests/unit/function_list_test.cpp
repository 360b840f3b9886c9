// The built-in function list block and the lookup of a binding's text.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "funclist/function_list.h"
#include "image_builder.h"

namespace {

std::string Text(TextView view) { return std::string(view.data, static_cast<std::size_t>(view.length)); }

// Loads a function list the way a report does, with its output discarded.
struct LoadedList {
    explicit LoadedList(const Bytes* keyList) {
        run.out = std::tmpfile();
        if (keyList) {
            run.functionListSource = {FunctionListSource::Bytes, keyList->data(), keyList->size()};
        } else {
            run.functionListSource.origin = FunctionListSource::Missing;
        }
        status = LoadFunctionList(run, list);
    }
    ~LoadedList() { std::fclose(run.out); }
    std::string Name(std::uint8_t type, std::uint8_t index, FileImage macros = {}, std::int64_t start = 0) const {
        return Text(LookupFunctionName(list, type, index, macros, start));
    }
    std::string Printed() const {
        std::rewind(run.out);
        std::string text;
        for (int c; (c = std::fgetc(run.out)) != EOF;) text += static_cast<char>(c);
        return text;
    }
    RunState run;
    FunctionList list;
    int status;
};

TEST(BuiltinFunctionList, BlockHasTheLayoutOfAKeyListFile) {
    Bytes block(100000, 0xAA);
    std::fill(block.begin(), block.end(), 0);
    BuildBuiltinFunctionList(block.data());
    // Header, written out byte by byte.
    EXPECT_EQ(std::string(block.begin(), block.begin() + 24), "Tarnu Keylist V1.00     ");
    const Bytes header = {0x9E, 0x70, 0x40, 0x1F, 0x40, 0x29, 0x00, 0x28, 50, 66, 64};
    EXPECT_EQ(Bytes(block.begin() + 24, block.begin() + 35), header);
    // Entries: code, name at +2, description at +32, zero-filled fields.
    auto entry = [&](std::size_t offset) { return block.data() + offset; };
    auto text = [](const std::uint8_t* at) { return std::string(reinterpret_cast<const char*>(at)); };
    EXPECT_EQ(entry(35)[0] | entry(35)[1] << 8, 256);
    EXPECT_EQ(text(entry(35) + 2), "Attention");
    EXPECT_EQ(text(entry(35) + 32), "Send an Attention Interrupt to the host.  Typically used to stop current process");
    EXPECT_EQ(text(entry(35 + 160 * 30) + 2), "SysRequest");
    EXPECT_EQ(entry(35 + 160 * 30)[0] | entry(35 + 160 * 30)[1] << 8, 286);
    EXPECT_EQ(text(entry(8035) + 2), "Backspace");
    EXPECT_EQ(text(entry(8035 + 160 * 65) + 2), "CopyTruncate");
    EXPECT_EQ(text(entry(8035 + 160 * 65) + 32), "Copy to clipboard and truncate trailing spaces");
    EXPECT_EQ(text(entry(18595) + 2), "Capture");
    EXPECT_EQ(entry(18595 + 160 * 63)[0] | entry(18595 + 160 * 63)[1] << 8, 319);
    EXPECT_EQ(text(entry(18595 + 160 * 63) + 2), "NextScreen");
    for (std::size_t i = 2 + 9; i < 32; ++i) EXPECT_EQ(entry(35)[i], 0) << "name field of Action 0 at " << i;
    // The rest of the block is zero.
    EXPECT_EQ(std::count(block.begin() + 28835, block.end(), 0), 100000 - 28835);
    EXPECT_NE(block[28834], 0xAA);
}

TEST(LookupFunctionName, BuiltinListIsSearchedByPositionAlone) {
    LoadedList loaded(nullptr);
    ASSERT_EQ(loaded.status, kStatusOk);
    EXPECT_EQ(loaded.Printed(), "Error opening file c:\\Program Files (x86)\\Olverun\\TarnuTN3270\\key.lst\n");
    struct Case { std::uint8_t type, index; const char* name; };
    for (const Case& c : {Case{0, 0, "Attention"}, Case{0, 30, "SysRequest"}, Case{0, 49, "PF36"},
                          Case{0, 50, "Backspace"}, Case{0, 115, "CopyTruncate"}, Case{0, 116, "Capture"},
                          Case{0, 179, "NextScreen"}, Case{0, 180, ""}, Case{0, 255, ""},
                          Case{1, 0, "Backspace"}, Case{1, 65, "CopyTruncate"}, Case{1, 66, "Capture"},
                          Case{1, 129, "NextScreen"}, Case{1, 130, ""}, Case{3, 0, "Capture"},
                          Case{3, 63, "NextScreen"}, Case{3, 64, ""}, Case{3, 255, ""},
                          Case{2, 65, "A"}, Case{2, 0, ""}, Case{5, 7, ""}, Case{14, 1, ""},
                          Case{15, 9, ""}}) {
        EXPECT_EQ(loaded.Name(c.type, c.index), c.name) << "type " << int(c.type) << " index " << int(c.index);
    }
}

TEST(LookupFunctionName, MacroNamesAreCountedByTheirTerminators) {
    LoadedList loaded(nullptr);
    Bytes file = ImageBuilder(100000).Text(500, "A").Text(502, "B").Build();
    FileImage image{file.data()};
    EXPECT_EQ(loaded.Name(4, 0, image, 500), "A.mac");
    EXPECT_EQ(loaded.Name(4, 1, image, 500), "B.mac");
    EXPECT_EQ(loaded.Name(4, 5, image, 500), ".mac");
    EXPECT_EQ(loaded.Name(4, 3, image, 497), "A.mac");
    // Before the block every byte reads as zero: one empty name each.
    Bytes early = ImageBuilder().Text(0, "Q").Build();
    EXPECT_EQ(loaded.Name(4, 3, FileImage{early.data()}, -3), "Q.mac");
    EXPECT_EQ(loaded.Name(4, 2, FileImage{early.data()}, -3), ".mac");
    // A name running into the block's end stops there, uncut.
    Bytes full(100000, 'z');
    EXPECT_EQ(loaded.Name(4, 0, FileImage{full.data()}, 99990), "zzzzzzzzzz.mac");
    EXPECT_EQ(loaded.Name(4, 255, FileImage{full.data()}, 0).size(), 4u);
    EXPECT_EQ(loaded.Name(4, 0, FileImage{full.data()}, 0).size(), 100004u);
}

TEST(LoadFunctionList, HeaderSizesPlaceTheTables) {
    Bytes list = ImageBuilder().Chars(0, "Tarnu Keylist V1.00 ").Chars(20, "????")
                     .I16(26, 8000).I16(28, 10560)
                     .Text(35 + 2, "First").Text(8035 + 2, "EditZero").Text(18595 + 160 + 2, "OperOne")
                     .Build();
    LoadedList loaded(&list);
    ASSERT_EQ(loaded.status, kStatusOk);
    EXPECT_EQ(loaded.Printed(), "");
    EXPECT_EQ(loaded.Name(0, 0), "First");
    EXPECT_EQ(loaded.Name(1, 0), "EditZero");
    EXPECT_EQ(loaded.Name(3, 1), "OperOne");
}

TEST(LoadFunctionList, LoadedNamesRunToTheirNul) {
    // A name that fills its 30-byte field and runs on into the description
    // is shown whole; so is one ending exactly at the field's last byte.
    Bytes list = ImageBuilder().Chars(0, "Tarnu Keylist V1.00 ").I16(26, 320).I16(28, 0)
                     .Text(35 + 2, std::string(40, 'n'))
                     .Text(35 + 160 + 2, std::string(29, 'w')).Build();
    LoadedList loaded(&list);
    ASSERT_EQ(loaded.status, kStatusOk);
    EXPECT_EQ(loaded.Name(0, 0), std::string(40, 'n'));
    EXPECT_EQ(loaded.Name(0, 1), std::string(29, 'w'));
    EXPECT_EQ(loaded.Name(1, 0), "");
}

TEST(LoadFunctionList, NegativeAndHugeSizesStayInsideTheBlock) {
    // An Edit table 32000 bytes before the Action table: its entry 200 is
    // Action entry 0, and its entry 0 lies before the block.
    Bytes before = ImageBuilder().Chars(0, "Tarnu Keylist V1.00 ").I16(26, -32000).I16(28, 0)
                       .Text(35 + 2, "First").Build();
    LoadedList negative(&before);
    ASSERT_EQ(negative.status, kStatusOk);
    EXPECT_EQ(negative.Name(1, 0), "");
    EXPECT_EQ(negative.Name(1, 200), "First");
    // Oper table at 35 + 32767 + 32767: entry 255 lies past the block.
    // Its entry 215 has its name at 99971 and no NUL before the block ends.
    Bytes after = ImageBuilder().Chars(0, "Tarnu Keylist V1.00 ").I16(26, 32767).I16(28, 32767)
                      .Fill(99971, 29, 'e').Build();
    LoadedList huge(&after);
    ASSERT_EQ(huge.status, kStatusOk);
    EXPECT_EQ(huge.Name(3, 255), "");
    EXPECT_EQ(huge.Name(3, 215), std::string(29, 'e'));
}

TEST(LoadFunctionList, WrongMagicIsRefused) {
    for (const char* magic : {"Tarnu Keylist V1.00", "Tarnu Keylist V1.01 ", ""}) {
        Bytes list = ImageBuilder().Chars(0, magic).Build();
        LoadedList loaded(&list);
        EXPECT_EQ(loaded.status, kStatusError) << magic;
        EXPECT_EQ(loaded.Printed(), "Invalid KEY.LST key table\n");
    }
}

}  // namespace
