// The toolbar and keypad builder lays its records out where the files keep
// them: checked against images written offset by offset.
#include <gtest/gtest.h>

#include "image_builder.h"
#include "panel_builder.h"

namespace {

using namespace panels;

TEST(PanelBuilder, LaysOutHeaderRecordsAndMacroNames) {
    Bytes built = PanelBuilder::Toolbar()
                      .Add({.x = 10, .width = 40, .normal = Action(2), .alt = Char('A').WithI().WithR()})
                      .Separator({.x = -3, .size = 30})
                      .Add({.y = 7, .width = -2, .shift = Macro(1).WithSpareBits(), .ctrl = OfType(15, 9), .length = 0})
                      .Macros({"logon", "logoff"})
                      .Build();
    Bytes expected = ImageBuilder()
                         .Chars(0, "Tarnu Toolbar V1.26 ")
                         .U8(25, 3)
                         .I16(26, 106 - 24)
                         // Record 0 at 28: 24 bytes.
                         .U8(28, 0).I16(30, 10).I16(34, 24).Raw(36, {0x00, 2}).Raw(42, {0x45, 'A'}).I32(48, 40)
                         // Record 1 at 52: a separator of 30 bytes.
                         .U8(52, 4).I16(54, -3).I16(58, 30)
                         // Record 2 at 82: stored length 0.
                         .I16(84, 0).I16(86, 7).I16(88, 0).Raw(92, {0xA8, 1}).Raw(94, {0x1E, 9}).I32(102, -2)
                         .Text(106, "logon")
                         .Text(112, "logoff")
                         .Build();
    EXPECT_EQ(built, expected);
}

TEST(PanelBuilder, KeypadVersionAndOverriddenHeaderFields) {
    Bytes built = PanelBuilder::Keypad().Count(0).MacroOffset(-32768).Build();
    Bytes expected = ImageBuilder().Chars(0, "Tarnu KeyPad V1.26  ").U8(25, 0).I16(26, -32768).Build();
    EXPECT_EQ(built, expected);
}

}  // namespace
