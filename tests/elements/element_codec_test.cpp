// The packed fields of the element records as the upload sends them and the
// openers read them back, and the numbers of the dialogs' boxes.

#include "element_fixture.h"
#include "elements/bgr_colour.h"
#include "elements/box_numbers.h"
#include "elements/colour_box.h"
#include "elements/element_codec.h"
#include "elements/static_text_element.h"
#include "project/startup.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

TEST(ElementCodecFonts, ParameterAndTextSignalFontChoices)
{
    // clang-format off
    struct Case { int size; int parameterChoice; int textSignalChoice; };
    const Case cases[] = {
        {10, 0, 0}, {14, 1, 1}, {18, 2, 2}, {25, 3, 4}, {24, 4, 4},
        {26, 3, 4},  // (26 - 10) \ 4 = 4, read as 3
        {8, 0, 0},   // the start-up size: the quotient truncates toward zero
        {0, -2, -2}, // (0 - 10) / 4 = -2.5 rounds to the even -2
        {12, 0, 0},  // 0.5 rounds to 0
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_EQ(parameterFontChoice(c.size), c.parameterChoice) << c.size;
        EXPECT_EQ(textSignalFontChoice(c.size), c.textSignalChoice) << c.size;
    }
    for (int choice = 0; choice <= 4; ++choice)
        EXPECT_EQ(parameterFontChoice(*parameterFontSize(choice)), choice);
    EXPECT_FALSE(parameterFontSize(5));
    EXPECT_EQ(parameterDigits(3, 24), 0);
    EXPECT_EQ(parameterDigits(3, 25), 3);
    for (int choice = 0; choice <= 2; ++choice)
        EXPECT_EQ(textSignalFontChoice(textSignalFontSize(choice)), choice);
}

// Records packed as the dialogs pack them, then the element tables of the
// page as the upload writes them: the bytes at their offsets, and the fields
// read back as the openers read them.
class ElementCodecBytes : public ::testing::Test {
protected:
    ElementCodecBytes()
    {
        startUpModel(m);
        m.settings.Stranica_Count = 16;
    }
    int b8(int at) const { return static_cast<std::uint8_t>(tables.at(at)); }
    int w16(int at) const { return b8(at) | b8(at + 1) << 8; }
    void write() { tables = test::pageTables(m, 0); }

    ProjectModel m;
    PageTables &t = m.pages;
    QByteArray tables;
};

TEST_F(ElementCodecBytes, ParameterFontCodesDigitsAndSetpointBinding)
{
    // Font choices 0..4 of slots 1..5 with 3 digits: codes 2, 3, 9, 11, 12;
    // the time format (choice 4) keeps no digits.
    const int codes[] = {2, 3, 9, 11, 12};
    for (int choice = 0; choice <= 4; ++choice) {
        const int n = choice + 1;
        const int size = *parameterFontSize(choice);
        t.Parametr_Used(0, n) = 1;
        t.Parametr_Font_Size(0, n) = static_cast<std::uint8_t>(size);
        t.Parametr_Digits(0, n) = static_cast<std::uint8_t>(parameterDigits(3, size));
    }
    // Output 5 as a set-point of a type-4 block, of another block, and as an output.
    t.Parametr_Num_OUT(0, 1) = static_cast<std::uint8_t>(parameterOutPack(5, true, 4));
    t.Parametr_Num_OUT(0, 2) = static_cast<std::uint8_t>(parameterOutPack(5, true, 7));
    t.Parametr_Num_OUT(0, 3) = static_cast<std::uint8_t>(parameterOutPack(5, false, 4));
    write();
    for (int choice = 0; choice <= 4; ++choice) {
        const int record = 11 * choice;
        EXPECT_EQ(b8(record + 9), codes[choice]) << choice;
        EXPECT_EQ(b8(record + 10), choice == 4 ? 2 : 5) << choice;
        EXPECT_EQ(parameterFontChoice(t.Parametr_Font_Size(0, choice + 1)), choice);
    }
    const int bindings = 3156;
    EXPECT_EQ(b8(bindings + 1), 135);
    EXPECT_EQ(b8(bindings + 3), 133);
    EXPECT_EQ(b8(bindings + 5), 5);
    EXPECT_EQ(parameterOutPosition(135, 4), 5);
    EXPECT_TRUE(parameterSetpoint(135));
    EXPECT_EQ(parameterOutPosition(133, 7), 5);
    EXPECT_FALSE(parameterSetpoint(5));
}

TEST_F(ElementCodecBytes, SignalTopWithItsListAndSizesWithTheShape)
{
    // Slot 2: top 100 in list 3, shape 5, 20 x 30; slot 3 the same with a frame.
    for (int n : {2, 3}) {
        t.Signal_Used(0, n) = 1;
        t.Signal_Coord_Y(0, n) = static_cast<std::int16_t>(listTopPack(100, 3));
        t.Signal_Razmer_X(0, n) = static_cast<std::int16_t>(signalWidthPack(20, 5));
        t.Signal_Razmer_Y(0, n) = static_cast<std::int16_t>(signalHeightPack(30, 5));
        t.Signal_Border_Style(0, n) = static_cast<std::uint8_t>(n == 3 ? 1 : 0);
    }
    write();
    const int slot2 = 352 + 11, slot3 = 352 + 22;
    EXPECT_EQ(w16(slot2 + 2), 3172); // 100 + 3 x 1024
    EXPECT_EQ(b8(slot2 + 4), 83);    // 20 + 64 - 1
    EXPECT_EQ(b8(slot2 + 5), 93);    // 30 + 64 - 1
    EXPECT_EQ(b8(slot3 + 4), 79);    // framed: 84 - 5
    EXPECT_EQ(b8(slot3 + 5), 89);
    EXPECT_EQ(b8(slot3 + 10), 1);
    EXPECT_EQ(viewTop(3172), 100);
    EXPECT_EQ(listNumber(3172), 3);
    EXPECT_EQ(signalShape(84, 94), 5);
    EXPECT_EQ(signalSize(84), 20);
    EXPECT_EQ(signalSize(94), 30);
}

TEST_F(ElementCodecBytes, TextSignalFlagsFontTextsAndNumberMode)
{
    // "Текст 1" framed and bound to a set-point, 18 pt, top 40 in list 2,
    // showing output 6 as a number.
    t.Text_Signal_Used(0, 1) = 1;
    t.Text_Signal_Coord_Y(0, 1) = static_cast<std::int16_t>(listTopPack(40, 2));
    t.Text_Signal_Font_Size(0, 1) = static_cast<std::uint8_t>(textSignalFontSize(2));
    t.Text_Signal_Border_Style(0, 1) = static_cast<std::uint8_t>(textSignalBorderPack(1, true));
    t.Text_Signal_Text_Off(0, 1) = QStringLiteral("Текст 1");
    t.Text_Signal_Text_On(0, 1) = QStringLiteral("Увімкнено до краю");
    t.Text_Signal_Num_OUT(0, 1) = static_cast<std::uint8_t>(textSignalOutPack(6, true));
    write();
    const int record = 704;
    EXPECT_EQ(w16(record + 2), 2088); // 40 + 2 x 1024
    EXPECT_EQ(b8(record + 4), 4);     // (18 - 10) / 4 + 2
    EXPECT_EQ(b8(record + 9), 143);   // 2 x 7 characters + 128 + 1
    EXPECT_EQ(tables.mid(record + 10, 12), QByteArray("\xD2\xE5\xEA\xF1\xF2 1     ", 12));
    EXPECT_EQ(tables.mid(record + 22, 12), QByteArray("\xD3\xE2\xB3\xEC\xEA\xED\xE5\xED\xEE \xE4\xEE", 12));
    EXPECT_EQ(b8(3284 + 1), 134); // output 6 + 128
    EXPECT_EQ(textSignalOutIndex(134), 6);
    EXPECT_TRUE(textSignalNumberMode(134));
    EXPECT_EQ(textSignalFrame(129), 1);
    EXPECT_TRUE(textSignalSetpoint(129));
}

TEST_F(ElementCodecBytes, LevelTypeAndTheFrameOfItsSizes)
{
    // Slot 1 horizontal without a frame, slot 2 vertical with one; both 60 x 20.
    const struct {
        bool horizontal, frame;
        int type, width;
    } cases[] = {{true, false, 2, 59}, {false, true, 1, 55}};
    for (int i = 0; i < 2; ++i) {
        t.Level_Used(0, i + 1) = 1;
        t.Level_Type(0, i + 1) = static_cast<std::uint8_t>(levelTypePack(cases[i].horizontal, cases[i].frame));
        t.Level_Razmer_X(0, i + 1) = 60;
        t.Level_Razmer_Y(0, i + 1) = 20;
    }
    write();
    for (int i = 0; i < 2; ++i) {
        const int record = 1792 + 13 * i;
        EXPECT_EQ(b8(record + 12), cases[i].type) << i;
        EXPECT_EQ(b8(record + 4), cases[i].width) << i;
        EXPECT_EQ(levelHorizontal(cases[i].type), cases[i].horizontal);
        EXPECT_EQ(levelFrame(cases[i].type), cases[i].frame);
    }
}

TEST_F(ElementCodecBytes, TransitionDoubleFieldLockAndTheType4Offset)
{
    // Two transitions at the same place, a double and a single field, both
    // locked on list position 5 of a type-4 block; the double one adds 128 to the key cell.
    for (int n : {1, 2}) {
        t.Go_Block_Used(0, n) = static_cast<std::int16_t>(transitionUsedPack(n == 1));
        t.Go_Block_Coord_X(0, n) = 60;
        t.Go_Block_Coord_Y(0, n) = 120;
        t.Go_Block_Param(0, n) = static_cast<std::int16_t>(transitionParamPack(true, 5, 4));
    }
    write();
    const int first = 2539, second = 2541;
    EXPECT_EQ(b8(first), b8(second) + 128);
    EXPECT_EQ(b8(first + 1), 135); // 128 + 5 + 2
    EXPECT_EQ(b8(second + 1), 135);
    EXPECT_EQ(transitionParamPosition(135, 4), 5);
    EXPECT_EQ(transitionParamPosition(133, 25), 5);
    EXPECT_TRUE(transitionLock(135));
    EXPECT_EQ(transitionDoubleField(3), 1);
    EXPECT_EQ(transitionDoubleField(1), 0);
}

TEST_F(ElementCodecBytes, MechanismBackgroundBitsMoveTheSentPosition)
{
    // Picture 2 at (100, 200) on slots 1 and 17: the slot whose "without
    // background" bit is set goes out where it stands, the other 8 right and 8 down.
    for (int n : {1, 17}) {
        t.Vent_Used(0, n) = 1;
        t.Vent_Coord_X(0, n) = 100;
        t.Vent_Coord_Y(0, n) = 200;
        t.Vent_Picture_Num(0, n) = 2;
    }
    setVentWithoutBackground(t.Vent_Fon_Bits, 0, 17, true);
    write();
    const int slot1 = 2603, slot17 = 2603 + 5 * 16;
    EXPECT_EQ(w16(slot1), 108);
    EXPECT_EQ(w16(slot1 + 2), 208);
    EXPECT_EQ(w16(slot17), 100);
    EXPECT_EQ(w16(slot17 + 2), 200);
    EXPECT_EQ(b8(slot17 + 4), 2);
    // The bit goes again: slot 17 moves too.
    setVentWithoutBackground(t.Vent_Fon_Bits, 0, 17, false);
    write();
    EXPECT_EQ(w16(slot17), 108);
    EXPECT_FALSE(ventWithoutBackground(t.Vent_Fon_Bits, 0, 0)); // the template has no bit
    EXPECT_EQ(ventLook(2, true), VentLook::Impeller1);
    EXPECT_EQ(ventLook(6, true), VentLook::Impeller2);
    EXPECT_EQ(ventLook(6, false), VentLook::Picture);
    EXPECT_EQ(ventLook(8, true), VentLook::Picture);
    EXPECT_EQ(ventLook(22, false), VentLook::UserPhase);
}

TEST(ElementBoxNumbers, LeadingNumberRoundedAndHeldInItsField)
{
    // clang-format off
    struct Case { const char *text; double number; int int16; int byte; };
    const Case cases[] = {
        {"  12abc", 12, 12, 12}, {"abc", 0, 0, 0}, {"", 0, 0, 0}, {"2.5", 2.5, 2, 2}, {"3.5", 3.5, 4, 4},
        {"-7", -7, -7, 0}, {"1 2", 1, 1, 1}, {"99999", 99999, 32767, 255}, {"-99999", -99999, -32768, 0},
        {"1e3", 1000, 1000, 255},
    };
    // clang-format on
    for (const Case &c : cases) {
        const double v = boxNumber(QString::fromLatin1(c.text));
        EXPECT_EQ(v, c.number) << c.text;
        EXPECT_EQ(int16Field(v), c.int16) << c.text;
        EXPECT_EQ(byteField(v), c.byte) << c.text;
    }
    EXPECT_EQ(decimalText(16.5), QStringLiteral("16.5"));
    EXPECT_EQ(decimalText(15), QStringLiteral("15"));
    EXPECT_EQ(decimalText(-0.25), QStringLiteral("-0.25"));
}

TEST(ElementColours, BgrBothWays)
{
    EXPECT_EQ(bgrOf(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_EQ(colourOf(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(colourOf(0x7F563412), QColor(0x12, 0x34, 0x56)); // only 24 bits are colour
}

class ElementColourBox : public test::WithFakes {};

// The colour dialog starts at the colour of the box being changed, not at
// the colour chosen last for another box, so a quick Ok keeps the colour.
TEST_F(ElementColourBox, TheDialogStartsAtTheBoxsColourAChosenColourGoesInACancelKeepsIt)
{
    std::int32_t box = 0x00FF00;
    ui().colors.push_back(QColor(0x12, 0x34, 0x56));
    EXPECT_TRUE(chooseColourInto(box));
    EXPECT_EQ(box, 0x563412);
    std::int32_t other = 0x0000FF;
    ui().colors.push_back(std::nullopt); // cancelled
    EXPECT_FALSE(chooseColourInto(other));
    EXPECT_EQ(other, 0x0000FF);
    EXPECT_EQ(ui().colorRequests, (std::vector<QColor>{QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0x00, 0x00)}));
}

TEST(ElementTextFont, QFontBothWays)
{
    const TextFont f{QStringLiteral("DejaVu Sans"), 9.75, true, true};
    EXPECT_EQ(textFontOf(fontOf(f)), f);
}

} // namespace
} // namespace pelmora
