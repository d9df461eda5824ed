// The packed fields the element dialogs add to the codec, both ways, and the
// numbers of the dialogs' boxes.

#include "elements/bgr_colour.h"
#include "elements/box_numbers.h"
#include "elements/colour_box.h"
#include "elements/element_codec.h"
#include "elements/static_text_element.h"
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

TEST(ElementCodecFields, ButtonsFiguresFlagsAndTransitions)
{
    EXPECT_EQ(controlViewTop(110, 13), 100);
    EXPECT_EQ(controlRecordTop(100, 13), 110);
    EXPECT_EQ(controlViewTop(110, 12), 110);
    EXPECT_EQ(controlRecordTop(100, 0), 100);
    EXPECT_EQ(figureShapeKind(1), 3);
    EXPECT_EQ(figureTypeOfShape(3), 1);
    EXPECT_EQ(figureTypeOfShape(1), 1);
    EXPECT_EQ(figureTypeOfShape(0), 0);
    EXPECT_EQ(flagOf(true), -1);
    EXPECT_TRUE(flagSet(-1));
    EXPECT_FALSE(flagSet(0));
    // The list position from the parameter: (param - 2) AND 127 for a type-4 block.
    EXPECT_EQ(transitionParamPosition(131, 4), 1);
    EXPECT_EQ(transitionParamPosition(131, 25), 3);
    EXPECT_EQ(transitionParamPosition(0, 4), 126);
    EXPECT_EQ(transitionDoubleField(3), 1);
    EXPECT_EQ(transitionDoubleField(1), 0);
    EXPECT_EQ(parameterOutPosition(130, 4), 0);
    EXPECT_EQ(parameterOutPosition(128, 4), 126);
}

TEST(ElementCodecFields, MechanismBackgroundAndLook)
{
    Table2<std::int32_t, 0, 1, 0, 16> bits;
    setVentWithoutBackground(bits, 3, 17, true);
    setVentWithoutBackground(bits, 3, 16, true);
    EXPECT_EQ(bits(1, 3), 1);
    EXPECT_EQ(bits(0, 3), 1 << 15);
    EXPECT_TRUE(ventWithoutBackground(bits, 3, 17));
    EXPECT_FALSE(ventWithoutBackground(bits, 3, 0)); // the template has no bit
    setVentWithoutBackground(bits, 3, 0, true);
    setVentWithoutBackground(bits, 3, 33, true);
    EXPECT_EQ(bits(1, 3), 1);
    setVentWithoutBackground(bits, 3, 17, false);
    EXPECT_EQ(bits(1, 3), 0);
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

TEST_F(ElementColourBox, AChosenColourGoesIntoTheBoxACancelKeepsIt)
{
    ColourChooser chooser;
    std::int32_t box = 0x00FF00;
    ui().colors.push_back(QColor(0x12, 0x34, 0x56));
    EXPECT_TRUE(chooser.chooseInto(box));
    EXPECT_EQ(box, 0x563412);
    std::int32_t other = 0x0000FF;
    ui().colors.push_back(std::nullopt); // cancelled
    EXPECT_FALSE(chooser.chooseInto(other));
    EXPECT_EQ(other, 0x0000FF);
    EXPECT_EQ(chooser.current(), 0x563412);
}

TEST(ElementTextFont, QFontBothWays)
{
    const TextFont f{QStringLiteral("DejaVu Sans"), 9.75, true, true};
    EXPECT_EQ(textFontOf(fontOf(f)), f);
}

} // namespace
} // namespace pelmora
