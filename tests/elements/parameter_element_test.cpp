// The numeric parameter dialog's core: the set-point bit and the +2 of a
// type-4 block, fonts and digits with the time format, slot 0's copy.

#include "element_test.h"

#include "elements/parameter_element.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

class ParameterDialog : public test::ElementTest {
protected:
    ParameterDialog() : ElementTest(2)
    {
        m.schema.Block_Type(4) = type::D_O;
        m.schema.Block_Type(5) = type::S_P;
    }

    ParameterFields fresh() { return prefillParameter(m, p, 0, {0, 0, 10, 22}).fields; }
    ParameterView ok(ParameterFields &f) { return storeParameter(m, p, slotFor(Kind::Parameter, f.number), f); }
    void element(int slot, int block, int out, int font, int digits)
    {
        m.pages.Parametr_Used(p, slot) = 1;
        m.pages.Parametr_Num_Block(p, slot) = static_cast<std::uint8_t>(block);
        m.pages.Parametr_Num_OUT(p, slot) = static_cast<std::uint8_t>(out);
        m.pages.Parametr_Font_Size(p, slot) = static_cast<std::uint8_t>(font);
        m.pages.Parametr_Digits(p, slot) = static_cast<std::uint8_t>(digits);
    }
};

TEST_F(ParameterDialog, SetpointPositionsWithAndWithoutTheType4Offset)
{
    // clang-format off
    struct Case { int block; int out; bool setpoint; int position; };
    const Case cases[] = {
        {4, 131, true, 1},  // type 4: the 2 is taken off
        {5, 131, true, 3},
        {4, 130, true, 0},
        {5, 130, true, 2},
        {5, 3, false, 3},   // an output: no offset
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.block << " " << c.out);
        element(3, c.block, c.out, 14, 1);
        const Opened<ParameterFields> o = prefillParameter(m, p, 3, {});
        EXPECT_TRUE(o.notices.empty());
        EXPECT_EQ(o.fields.setpoint, c.setpoint);
        EXPECT_EQ(o.fields.outputs.selected, c.position);
        EXPECT_EQ(label9Caption(o.fields.setpoint),
                  c.setpoint ? QStringLiteral("Номер задавача") : QStringLiteral("Номер виходу"));
        // Ok packs it back.
        ParameterFields f = o.fields;
        ok(f);
        EXPECT_EQ(n, 3);
        EXPECT_EQ(m.pages.Parametr_Num_OUT(p, 3), c.out);
    }
    // A set-point of a type-4 block at position 1 is 0x83; an output at 1 is 0x01.
    ParameterFields f = fresh();
    f.block = QStringLiteral("4");
    f.setpoint = true;
    parameterSetpointClicked(m, f);
    f.outputs.select(1);
    ok(f);
    EXPECT_EQ(m.pages.Parametr_Num_OUT(p, n), 0x83);
    f.block = QStringLiteral("5");
    f.setpoint = false;
    parameterSetpointClicked(m, f);
    f.outputs.select(1);
    ok(f);
    EXPECT_EQ(m.pages.Parametr_Num_OUT(p, n), 0x01);
}

TEST_F(ParameterDialog, FontsAndTheTimeFormat)
{
    // clang-format off
    struct Case { int stored; int storedDigits; int choice; int digits; int okSize; PreviewFont shown; };
    const Case cases[] = {
        {24, 3, 4, 0, 24, {24, true}},  // the time format opens with digits 0
        {10, 2, 0, 2, 10, {10, true}},
        {14, 4, 1, 4, 14, {14, false}},
        {18, 1, 2, 1, 18, {14, true}},  // 18 points show as 14 bold and stay 18
        {25, 0, 3, 0, 25, {25, false}},
        {8, 0, 0, 0, 10, {10, true}},   // the start-up size reads as the first choice
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        element(6, 5, 0, c.stored, c.storedDigits);
        const Opened<ParameterFields> o = prefillParameter(m, p, 6, {});
        EXPECT_EQ(o.fields.font, c.choice);
        EXPECT_EQ(o.fields.digits, c.digits);
        // Opening writes nothing.
        EXPECT_EQ(m.pages.Parametr_Font_Size(p, 6), c.stored);
        EXPECT_EQ(m.pages.Parametr_Digits(p, 6), c.storedDigits);
        EXPECT_EQ(parameterPreviewFont(o.fields.font), c.shown);
        ParameterFields f = o.fields;
        const ParameterView v = ok(f);
        EXPECT_EQ(m.pages.Parametr_Font_Size(p, 6), c.okSize);
        EXPECT_EQ(m.pages.Parametr_Digits(p, 6), c.digits);
        EXPECT_EQ(v.font, c.shown);
    }
    // Choosing "Time!" chooses two digits.
    ParameterFields f = fresh();
    f.digits = 3;
    parameterFontChosen(f, 4);
    EXPECT_EQ(f.digits, 0);
}

TEST_F(ParameterDialog, OkCopiesTheLookIntoSlotZeroAndCaptionsTheView)
{
    ParameterFields f = fresh();
    f.x = QStringLiteral("123");
    f.y = QStringLiteral("45.5");
    f.digits = 2;
    f.font = 3;
    f.frame = true;
    f.colour = 0x112233;
    f.colourFon = 0x445566;
    const ParameterView v = ok(f);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(v.caption, QStringLiteral("0001")); // a new element shows its own number at its width
    for (int s : {n, 0}) {
        EXPECT_EQ(m.pages.Parametr_Coord_X(p, s), 123);
        EXPECT_EQ(m.pages.Parametr_Coord_Y(p, s), 46);
        EXPECT_EQ(m.pages.Parametr_Digits(p, s), 2);
        EXPECT_EQ(m.pages.Parametr_Font_Size(p, s), 25);
        EXPECT_EQ(m.pages.Parametr_Border_Style(p, s), 1);
        EXPECT_EQ(m.pages.Parametr_Color(p, s), 0x112233);
        EXPECT_EQ(m.pages.Parametr_Color_Fon(p, s), 0x445566);
    }
    EXPECT_EQ(m.pages.Parametr_Used(p, 0), 0);
    // Reopened and confirmed, the view shows the padded element number.
    ParameterFields again = prefillParameter(m, p, n, {123, 46, 0, 0}).fields;
    EXPECT_EQ(ok(again).caption, QStringLiteral("000") + QString::number(n));

    EXPECT_EQ(parameterPreviewCaption(QStringLiteral("7"), 2), QStringLiteral("0007"));
    EXPECT_EQ(parameterPreviewCaption(QStringLiteral("12"), 4), QStringLiteral("000012"));
    EXPECT_EQ(parameterPreviewCaption(QStringLiteral("0"), 0), QStringLiteral("00"));
}

TEST_F(ParameterDialog, TheUploadCarriesTheRecord)
{
    ParameterFields f = fresh();
    f.x = QStringLiteral("300");
    f.y = QStringLiteral("20");
    f.font = 2;
    f.digits = 3;
    f.colour = 0x0000FF;
    f.block = QStringLiteral("4");
    f.setpoint = true;
    parameterSetpointClicked(m, f);
    f.outputs.select(0);
    ok(f);
    const QByteArray t = test::pageTables(m, p);
    const int at = (n - 1) * 11;
    EXPECT_EQ(quint8(t[at]) + 256 * quint8(t[at + 1]), 300);
    EXPECT_EQ(quint8(t[at + 4]) + 256 * quint8(t[at + 5]), 0xF800);
    EXPECT_EQ(quint8(t[at + 9]), 9); // 18 points
    EXPECT_EQ(quint8(t[at + 10]), 5);
    EXPECT_EQ(quint8(t[3156 + (n - 1) * 2]), 4);
    EXPECT_EQ(quint8(t[3156 + (n - 1) * 2 + 1]), 130);
}

TEST_F(ParameterDialog, SavedAndOpenedTheDialogShowsTheSame)
{
    ParameterFields f = fresh();
    f.x = QStringLiteral("640");
    f.y = QStringLiteral("400");
    f.digits = 4;
    f.font = 1;
    f.frame = true;
    f.colour = 0xABCDEF;
    f.colourFon = 0x102030;
    f.block = QStringLiteral("5");
    f.setpoint = true;
    parameterSetpointClicked(m, f);
    f.outputs.select(6);
    ok(f);
    f.number = QString::number(n);
    const ProjectModel opened = test::savedAndOpened(m);
    const Opened<ParameterFields> back = prefillParameter(opened, p, n, {640, 400, 0, 0});
    EXPECT_TRUE(back.notices.empty());
    EXPECT_EQ(back.fields, f);
}

TEST_F(ParameterDialog, AStoredIndexTheListLacksIsReportedAfterTheSetpointBox)
{
    element(8, 4, 128, 14, 0); // a set-point of type 4 stored without its 2
    const Opened<ParameterFields> o = prefillParameter(m, p, 8, {});
    EXPECT_EQ(o.notices, (Notices{{QStringLiteral("Помилка номера выходу!!!"), MsgIcon::Critical}}));
    EXPECT_TRUE(o.fields.setpoint);
}

TEST_F(ParameterDialog, DeleteKeepsTheBinding)
{
    element(9, 5, 131, 14, 2);
    resetParameter(m.pages, p, 9);
    EXPECT_EQ(m.pages.Parametr_Used(p, 9), 0);
    EXPECT_EQ(m.pages.Parametr_Font_Size(p, 9), 0);
    EXPECT_EQ(m.pages.Parametr_Num_Block(p, 9), 5);
    EXPECT_EQ(m.pages.Parametr_Num_OUT(p, 9), 131);
}

} // namespace
} // namespace pelmora
