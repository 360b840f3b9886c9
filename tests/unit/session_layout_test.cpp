// Each setting of a session profile is read from its own bytes: marking
// one field of an empty profile, at the offset of the test's own copy of
// the layout, makes exactly that setting differ in a comparison, with the
// value its width and room call for.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/reports.h"
#include "session_builder.h"

namespace {

// Runs the comparison in-process on two images of the full block size.
std::string Compare(const Bytes& first, const Bytes& second) {
    std::vector<std::uint8_t> a(kImageSize, 0), b(kImageSize, 0);
    std::copy(first.begin(), first.end(), a.begin());
    std::copy(second.begin(), second.end(), b.begin());
    RunState run;
    std::strcpy(run.firstName, "a.ses");
    std::strcpy(run.secondName, "b.ses");
    run.compareMode = true;
    run.first.bytes = a.data();
    run.second.bytes = b.data();
    run.out = std::tmpfile();
    EXPECT_EQ(PrintSessionReport(run), 0);
    std::string out(static_cast<std::size_t>(std::ftell(run.out)), '\0');
    std::rewind(run.out);
    EXPECT_EQ(std::fread(out.data(), 1, out.size(), run.out), out.size());
    std::fclose(run.out);
    return out;
}

// Marks the field's last byte (the first byte of a swatch, a text's whole
// room) and says how the marked value shows, when the type alone tells.
std::optional<std::string> Mark(const SessionField& field, ImageBuilder& image) {
    auto at = [&](int delta) { return static_cast<std::size_t>(field.offset + delta); };
    switch (field.type) {
        case SessionFieldType::Text:
            image.Fill(at(0), static_cast<std::size_t>(field.room), 'x');
            return std::string(static_cast<std::size_t>(std::min(field.room, 255)), 'x');
        case SessionFieldType::Byte: image.U8(at(0), 1); return std::nullopt;
        case SessionFieldType::U16: image.U8(at(1), 1); return "256";
        case SessionFieldType::I32: image.U8(at(3), 0x80); return "-2147483648";
        case SessionFieldType::PairI32: image.U8(at(7), 0x80); return "0,-2147483648";
        case SessionFieldType::ColorPair: image.U8(at(32), 7); return "0,7";
        case SessionFieldType::Swatch: image.U8(at(0), 9); return "0,0,9";
        case SessionFieldType::PrintSetup:
            image.U8(at(50), 1);
            return "'' orient=0 twoup=0 0,0,0,0 0,0,0,0 0,0,0,0 0,0,0,1";
        case SessionFieldType::FindBit: image.U8(at(0), static_cast<std::uint8_t>(field.room)); return "Yes";
    }
    return std::nullopt;
}

TEST(SessionLayout, EverySettingReadsItsOwnBytes) {
    ASSERT_EQ(SessionFields().size(), 165u);
    const Bytes empty = SessionBuilder().Build();
    for (const SessionField& field : SessionFields()) {
        SCOPED_TRACE(field.label);
        SessionBuilder marked;
        std::optional<std::string> shown = Mark(field, marked.Image());

        std::istringstream out(Compare(empty, marked.Build()));
        std::vector<std::string> settingLines;
        int headers = 0;
        for (std::string line; std::getline(out, line);) {
            if (line.empty() || line.starts_with("Comparing SES files")) continue;
            if (line.ends_with("----")) {
                ++headers;
            } else {
                settingLines.push_back(line);
            }
        }
        EXPECT_EQ(headers, 1);
        ASSERT_EQ(settingLines.size(), 1u);
        std::string label = std::string(field.label) + ":";
        label.resize(30, ' ');
        EXPECT_TRUE(settingLines[0].starts_with(label + " ")) << settingLines[0];
        if (shown) {
            EXPECT_TRUE(settingLines[0].ends_with(" : " + *shown)) << settingLines[0];
        }
    }
}

}  // namespace
