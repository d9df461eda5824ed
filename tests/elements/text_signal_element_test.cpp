// The text signal dialog's core: the frame, set-point and number-mode bits,
// the list number in Y, the font list, the report signal.

#include "element_test.h"

#include "elements/text_signal_element.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

class TextSignalDialog : public test::ElementTest {
protected:
    TextSignalDialog()
    {
        m.schema.Block_Type(4) = type::D_O;
        m.schema.Block_Type(7) = type::ALG;
    }

    TextSignalFields fresh() { return prefillTextSignal(m, p, 0, {0, 0, 0, 0}).fields; }
    TextSignalView ok(TextSignalFields &f) { return storeTextSignal(m, p, slotFor(Kind::TextSignal, f.number), f); }
    void bind(TextSignalFields &f, const char *block, bool setpoint, int entry)
    {
        f.block = QString::fromLatin1(block);
        textSignalBlockChanged(m, f);
        f.setpoint = setpoint;
        textSignalSetpointClicked(m, f);
        pick(f.outputs, entry);
    }
};

TEST_F(TextSignalDialog, FlagsArePackedAndTheUploadCarriesThem)
{
    // "Текст 1" framed and bound to a set-point: byte 9 of the upload's record
    // is 2 x 7 characters + 129.
    TextSignalFields f = fresh();
    EXPECT_EQ(f.textOff, QString()); // the template's record holds no texts yet
    f.textOff = QStringLiteral("Текст 1");
    f.frame = true;
    f.x = QStringLiteral("40");
    f.y = QStringLiteral("20");
    f.list = 1;
    bind(f, "4", true, 2);
    ok(f);
    EXPECT_EQ(m.pages.Text_Signal_Border_Style(p, n), 129);
    EXPECT_EQ(m.pages.Text_Signal_Num_OUT(p, n), 2); // no offset for a block of type 4
    EXPECT_EQ(m.pages.Text_Signal_Coord_Y(p, n), 1044);
    const QByteArray t = test::pageTables(m, p);
    const int at = 704 + (n - 1) * 34;
    EXPECT_EQ(quint8(t[at + 9]), 143);
    EXPECT_EQ(quint8(t[at + 2]) + 256 * quint8(t[at + 3]), 1044);
    EXPECT_EQ(t.mid(at + 10, 12), QByteArray("\xD2\xE5\xEA\xF1\xF2 1     ", 12)); // "Текст 1" in Windows-1251
    EXPECT_EQ(quint8(t[3284 + (n - 1) * 2]), 4);
    EXPECT_EQ(quint8(t[3284 + (n - 1) * 2 + 1]), 2);

    // Number mode on list 7: the list number goes and bit 7 marks the mode.
    TextSignalFields g = fresh();
    g.list = 7;
    g.numberMode = true;
    g.y = QStringLiteral("50");
    bind(g, "7", false, 5);
    ok(g);
    EXPECT_EQ(g.list, 0);
    EXPECT_EQ(m.pages.Text_Signal_Coord_Y(p, n), 50);
    EXPECT_EQ(m.pages.Text_Signal_Num_OUT(p, n), 128 + 5);
}

TEST_F(TextSignalDialog, TheOpenerUnpacksTheBits)
{
    m.pages.Text_Signal_Used(p, 5) = 1;
    m.pages.Text_Signal_Coord_Y(p, 5) = 3 * 1024 + 77;
    m.pages.Text_Signal_Border_Style(p, 5) = 129;
    m.pages.Text_Signal_Num_OUT(p, 5) = 133;
    m.pages.Text_Signal_Num_Block(p, 5) = 7;
    m.pages.Text_Signal_Font_Size(p, 5) = 14;
    const Opened<TextSignalFields> o = prefillTextSignal(m, p, 5, {10, 77, 0, 0});
    EXPECT_TRUE(o.notices.empty());
    EXPECT_EQ(o.fields.list, 3);
    EXPECT_TRUE(o.fields.frame);
    EXPECT_TRUE(o.fields.setpoint);
    EXPECT_TRUE(o.fields.numberMode);
    EXPECT_EQ(o.fields.outputs.entries.size(), 128); // the set-points of the ALGORITHM block
    EXPECT_EQ(o.fields.outputs.selected, 5);
    EXPECT_EQ(o.fields.fontChoice, 1);
    EXPECT_EQ(outSpCaption(o.fields.setpoint), QStringLiteral("Номер задавача"));
    EXPECT_EQ(textNumCaption(o.fields.numberMode), QStringLiteral("Число"));
}

TEST_F(TextSignalDialog, FontSizesTheListCannotShowAreKept)
{
    // clang-format off
    struct Case { int stored; int choice; int shown; };
    const Case cases[] = {
        {10, 0, 10}, {14, 1, 14},
        {12, 0, 10},  // (12 - 10) / 4 rounds to 0, which shows 10 points
        {18, -1, 18}, // defined but not offered: nothing chosen, the size kept
        {0, 0, 10},   // a page's template before any text signal: 10 points
        {40, -1, 40},
    };
    // clang-format on
    for (const Case &c : cases) {
        m.pages.Text_Signal_Font_Size(p, 0) = static_cast<std::uint8_t>(c.stored);
        const Opened<TextSignalFields> o = prefillTextSignal(m, p, 0, {});
        EXPECT_TRUE(o.notices.empty()) << c.stored;
        EXPECT_EQ(o.fields.fontChoice, c.choice) << c.stored;
        EXPECT_EQ(o.fields.fontSize, c.shown) << c.stored;
    }
    TextSignalFields f = fresh();
    textSignalFontChosen(f, 1);
    EXPECT_EQ(f.fontSize, 14);
}

TEST_F(TextSignalDialog, TheReportIsTickedOnlyOnTheElementItNames)
{
    TextSignalFields a = fresh();
    a.report = true;
    ok(a);
    const int first = n;
    EXPECT_EQ(m.pages.Rep_Arch_Signal, first);
    TextSignalFields b = fresh();
    EXPECT_FALSE(b.report);
    ok(b);
    EXPECT_EQ(m.pages.Rep_Arch_Signal, first); // another element's Ok does not move or clear it
    EXPECT_TRUE(prefillTextSignal(m, p, first, {}).fields.report);
    EXPECT_FALSE(prefillTextSignal(m, p, n, {}).fields.report);
    // Unticked on the report element itself: cleared.
    TextSignalFields again = prefillTextSignal(m, p, first, {}).fields;
    again.report = false;
    storeTextSignal(m, p, SlotChoice{first, first, false}, again);
    EXPECT_EQ(m.pages.Rep_Arch_Signal, 0);
}

TEST_F(TextSignalDialog, LabelsOfTheListChoice)
{
    EXPECT_EQ(textSignalTextLabels(3),
              std::pair(QStringLiteral("Текст сигнала №4"), QStringLiteral("Текст сигнала №5")));
    EXPECT_EQ(textSignalTextLabels(0),
              std::pair(QStringLiteral("Текст сигнала Выкл."), QStringLiteral("Текст сигнала Вкл.")));
}

TEST_F(TextSignalDialog, SavedAndOpenedTheDialogShowsTheSame)
{
    TextSignalFields f = fresh();
    f.x = QStringLiteral("120");
    f.y = QStringLiteral("300");
    f.list = 12;
    f.textOff = QStringLiteral("Норма");
    f.textOn = QStringLiteral("Аварія №2");
    textSignalFontChosen(f, 1);
    f.colour = 0x0000C0;
    f.colourFon = 0xC0FFC0;
    f.frame = true;
    f.blink = true;
    f.report = true;
    bind(f, "4", true, 3);
    const TextSignalView v = ok(f);
    f.number = QString::number(n);
    EXPECT_EQ(v.caption, QStringLiteral("Норма"));
    EXPECT_EQ(v.top, 300);

    const ProjectModel opened = test::savedAndOpened(m);
    const Opened<TextSignalFields> back = prefillTextSignal(opened, p, n, textSignalViewBox(opened.pages, p, n));
    EXPECT_TRUE(back.notices.empty());
    EXPECT_EQ(back.fields, f);
}

TEST_F(TextSignalDialog, DeleteResetsTextsAndKeepsBindingAndReport)
{
    TextSignalFields f = fresh();
    f.report = true;
    bind(f, "4", false, 0);
    ok(f);
    resetTextSignal(m.pages, p, n);
    EXPECT_EQ(m.pages.Text_Signal_Coord_X(p, n), 1);
    EXPECT_EQ(m.pages.Text_Signal_Coord_Y(p, n), 1);
    EXPECT_TRUE(m.pages.Text_Signal_Text_Off(p, n).isEmpty());
    EXPECT_EQ(m.pages.Text_Signal_Font_Size(p, n), 10);
    EXPECT_EQ(m.pages.Text_Signal_Num_Block(p, n), 4);
    EXPECT_EQ(m.pages.Rep_Arch_Signal, n);
}

} // namespace
} // namespace pelmora
