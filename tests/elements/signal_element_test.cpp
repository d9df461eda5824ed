// The signal dialog's core: shapes and sizes packed into the record, the
// size rules of its boxes, the opener's unpacking, Delete.

#include "element_test.h"

#include "elements/element_codec.h"
#include "elements/signal_element.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

const ViewBox kTemplate{0, 0, 33, 33};

class SignalDialog : public test::ElementTest {
protected:
    SignalDialog() : ElementTest(1) { m.schema.Block_Type(3) = type::A_I; }

    // A new signal: the template's dialog with the sizes typed, then the
    // shape chosen, then (where given) the height typed again.
    SignalFields fresh(int shape, const char *w, const char *h, const char *thenH = nullptr)
    {
        SignalFields f = prefillSignal(m, p, 0, kTemplate).fields;
        f.width = QString::fromLatin1(w);
        signalWidthChanged(f);
        f.height = QString::fromLatin1(h);
        signalHeightChanged(f);
        signalShapeChosen(f, shape);
        if (thenH) {
            f.height = QString::fromLatin1(thenH);
            signalHeightChanged(f);
        }
        return f;
    }
    SignalStored ok(SignalFields &f) { return storeSignal(m, p, slotFor(Kind::Signal, f.number), f); }
};

TEST_F(SignalDialog, ShapesAndSizesArePackedIntoTheRecord)
{
    // clang-format off
    struct Case { int shape; const char *w, *h, *thenH; int list; const char *y; int razmerX, razmerY, coordY; const char *boxW, *boxH; };
    const Case cases[] = {
        {0, "20", "12", nullptr, 0, "100", 20, 12, 100, "20", "12"},
        {1, "20", "5", nullptr, 0, "100", 84, 20, 100, "20", "20"},    // a circle's height follows its width
        {4, "20", "5", nullptr, 0, "100", 20, 84, 100, "20", "20"},
        {6, "40", "30", nullptr, 0, "100", 158, 79, 100, "30", "15"},  // valve >< : the width from the height, halved
        {7, "20", "5", "30", 0, "100", 207, 94, 100, "15", "30"},      // valve X of height 30: width 15
        {7, "20", "5", "15", 0, "100", 200, 79, 100, "7.5", "15"},     // a half width rounds to even
        {8, "10", "40", nullptr, 0, "100", 10, 168, 100, "10", "40"},  // a line: nothing added to the width
        {0, "10", "10", nullptr, 5, "100", 10, 10, 5220, "10", "10"},  // list 5 at top 100
        {0, "10", "10", nullptr, 31, "476", 10, 10, 32220, "10", "10"},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << "shape " << c.shape << " list " << c.list);
        SignalFields f = fresh(c.shape, c.w, c.h, c.thenH);
        EXPECT_EQ(f.width, QString::fromLatin1(c.boxW));
        EXPECT_EQ(f.height, QString::fromLatin1(c.boxH));
        f.list = c.list;
        f.y = QString::fromLatin1(c.y);
        const SignalStored s = ok(f);
        EXPECT_TRUE(s.notices.empty());
        EXPECT_EQ(m.pages.Signal_Razmer_X(p, n), c.razmerX);
        EXPECT_EQ(m.pages.Signal_Razmer_Y(p, n), c.razmerY);
        EXPECT_EQ(m.pages.Signal_Coord_Y(p, n), c.coordY);
        EXPECT_EQ(s.view.shape, c.shape);
        // Opened again, the record gives back the list and the shape.
        const SignalFields back = prefillSignal(m, p, n, signalViewBox(m.pages, p, n)).fields;
        EXPECT_EQ(back.list, c.list);
        EXPECT_EQ(back.shape, c.shape);
        EXPECT_EQ(back.y, QString::fromLatin1(c.y));
    }
}

TEST_F(SignalDialog, TheOpenerUnpacksListShapeAndHalfSizes)
{
    // List 3, shape 5; the size boxes show the view's own size.
    m.pages.Signal_Used(p, 4) = 1;
    m.pages.Signal_Coord_Y(p, 4) = 3172;
    m.pages.Signal_Razmer_X(p, 4) = 97;
    m.pages.Signal_Razmer_Y(p, 4) = 97;
    Opened<SignalFields> o = prefillSignal(m, p, 4, {5, 100, 33, 33});
    EXPECT_EQ(o.fields.list, 3);
    EXPECT_EQ(o.fields.shape, 5);
    EXPECT_EQ(o.fields.y, QStringLiteral("100"));
    EXPECT_EQ(o.fields.width, QStringLiteral("33"));
    EXPECT_FALSE(o.fields.heightEnabled);
    EXPECT_FALSE(o.fields.frameEnabled);

    // Valve >< of width 33: the height 16.5, its box disabled.
    m.pages.Signal_Razmer_X(p, 4) = signalWidthPack(33, 6);
    m.pages.Signal_Razmer_Y(p, 4) = signalHeightPack(16, 6);
    o = prefillSignal(m, p, 4, {5, 100, 33, 16});
    EXPECT_EQ(o.fields.height, QStringLiteral("16.5"));
    EXPECT_FALSE(o.fields.heightEnabled);
    EXPECT_TRUE(o.fields.widthEnabled);
    // Ok stores the half size rounded to even: the record stays.
    const SlotChoice same{4, p * 32 + 4, false};
    storeSignal(m, p, same, o.fields);
    EXPECT_EQ(m.pages.Signal_Razmer_Y(p, 4), 16 + 64);

    // Valve X of height 40: the width 20, its box disabled.
    m.pages.Signal_Razmer_X(p, 4) = signalWidthPack(20, 7);
    m.pages.Signal_Razmer_Y(p, 4) = signalHeightPack(40, 7);
    o = prefillSignal(m, p, 4, {5, 100, 20, 40});
    EXPECT_EQ(o.fields.width, QStringLiteral("20"));
    EXPECT_FALSE(o.fields.widthEnabled);
    EXPECT_TRUE(o.notices.empty());
}

TEST_F(SignalDialog, SizeBoxesStopAt60AndOkRaisesThemTo2)
{
    SignalFields f = fresh(0, "10", "10");
    f.width = QStringLiteral("75");
    EXPECT_EQ(signalWidthChanged(f), (Notices{{QStringLiteral("Ширина більше 60"), MsgIcon::Question}}));
    EXPECT_EQ(f.width, QStringLiteral("60"));
    f.height = QStringLiteral("-61");
    EXPECT_EQ(signalHeightChanged(f), (Notices{{QStringLiteral("Висота більше 60"), MsgIcon::Question}}));
    EXPECT_EQ(f.height, QStringLiteral("60"));

    f.width = QStringLiteral("1");
    f.height = QStringLiteral("0.5");
    const SignalStored s = ok(f);
    EXPECT_EQ(s.notices, (Notices{{QStringLiteral("Ширина менше 2"), MsgIcon::Question},
                                  {QStringLiteral("Висота менше 2"), MsgIcon::Question}}));
    EXPECT_EQ(f.width, QStringLiteral("2"));
    EXPECT_EQ(m.pages.Signal_Razmer_X(p, n), 2);
    EXPECT_EQ(m.pages.Signal_Razmer_Y(p, n), 2);
}

TEST_F(SignalDialog, OnlyRectangleAndCircleTakeAFrame)
{
    SignalFields f = fresh(1, "20", "20");
    f.frame = true;
    signalShapeChosen(f, 3);
    EXPECT_FALSE(f.frame);
    EXPECT_FALSE(f.frameEnabled);
    ok(f);
    EXPECT_EQ(m.pages.Signal_Border_Style(p, n), 0);
    signalShapeChosen(f, 0);
    EXPECT_TRUE(f.frameEnabled);

    EXPECT_EQ(signalSizeLabels(8), std::pair(QStringLiteral("Координата X1"), QStringLiteral("Координата Y1")));
    EXPECT_EQ(signalSizeLabels(2), std::pair(QStringLiteral("Розмір X"), QStringLiteral("Розмір Y")));
    EXPECT_EQ(signalShapeNames().size(), kSignalShapes);
    EXPECT_EQ(signalShapeNames().at(2), QStringLiteral("Трикутник ^ "));
}

TEST_F(SignalDialog, TheUploadCarriesTheCirclesPackedWidth)
{
    // A circle 20 wide is stored as 84; the page tables send it less 1, or
    // less 5 with a frame.
    for (bool frame : {false, true}) {
        SignalFields f = fresh(1, "20", "20");
        f.frame = frame;
        f.x = QStringLiteral("300");
        f.colour = 0x0000FF;
        f.block = QStringLiteral("3");
        signalBlockChanged(m, f);
        f.outputs.select(2);
        ok(f);
        EXPECT_EQ(m.pages.Signal_Razmer_X(p, n), 84);
        const QByteArray t = test::pageTables(m, p);
        const int at = 352 + (n - 1) * 11;
        EXPECT_EQ(quint8(t[at]) + 256 * quint8(t[at + 1]), 300);
        EXPECT_EQ(quint8(t[at + 4]), frame ? 79 : 83);
        EXPECT_EQ(quint8(t[at + 6]) + 256 * quint8(t[at + 7]), 0xF800); // red
        EXPECT_EQ(quint8(t[at + 10]), frame ? 1 : 0);
        const int binding = 3220 + (n - 1) * 2;
        EXPECT_EQ(quint8(t[binding]), 3);
        EXPECT_EQ(quint8(t[binding + 1]), 2);
    }
}

TEST_F(SignalDialog, SavedAndOpenedTheDialogShowsTheSame)
{
    SignalFields f = fresh(7, "20", "5", "24");
    f.x = QStringLiteral("250");
    f.y = QStringLiteral("77");
    f.list = 9;
    f.colour = 0x123456;
    f.colourFon = 0x654321;
    f.blink = true;
    f.block = QStringLiteral("3");
    signalBlockChanged(m, f);
    f.outputs.select(5);
    const SignalStored s = ok(f);
    f.number = QString::number(n);

    const ProjectModel opened = test::savedAndOpened(m);
    const Opened<SignalFields> back = prefillSignal(opened, p, n, signalViewBox(opened.pages, p, n));
    EXPECT_TRUE(back.notices.empty());
    EXPECT_EQ(back.fields, f);
    EXPECT_EQ(s.view.box, (ViewBox{250, 77, 12, 24}));
}

TEST_F(SignalDialog, AStoredOutputTheListLacksIsReported)
{
    m.pages.Signal_Used(p, 2) = 1;
    m.pages.Signal_Num_Block(p, 2) = 3;
    m.pages.Signal_Num_OUT(p, 2) = 40;
    const Opened<SignalFields> o = prefillSignal(m, p, 2, kTemplate);
    EXPECT_EQ(o.notices, (Notices{{QStringLiteral("Помилка номера выходу!!!"), MsgIcon::Critical}}));
    EXPECT_EQ(o.fields.outputs.selected, 0);
}

TEST_F(SignalDialog, DeleteKeepsTheBindingAndSetsTheSizesTo3)
{
    SignalFields f = fresh(0, "20", "20");
    f.block = QStringLiteral("3");
    signalBlockChanged(m, f);
    f.outputs.select(4);
    ok(f);
    resetSignal(m.pages, p, n);
    EXPECT_EQ(m.pages.Signal_Used(p, n), 0);
    EXPECT_EQ(m.pages.Signal_Razmer_X(p, n), 3);
    EXPECT_EQ(m.pages.Signal_Razmer_Y(p, n), 3);
    EXPECT_EQ(m.pages.Signal_Num_Block(p, n), 3);
    EXPECT_EQ(m.pages.Signal_Num_OUT(p, n), 4);
}

} // namespace
} // namespace pelmora
