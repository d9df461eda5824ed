// The level bar dialog's core: the style byte, the swap of the size limits,
// the two views, the template's fresh start.

#include "element_test.h"

#include "elements/level_element.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

class LevelDialog : public test::ElementTest {
protected:
    LevelDialog() : ElementTest(4) { m.schema.Block_Type(2) = type::A_I; }

    LevelFields fresh() { return prefillLevel(m, p, 0, {0, 0, 20, 60}).fields; }
    LevelStored ok(LevelFields &f) { return storeLevel(m, p, slotFor(Kind::Level, f.number), f); }
};

TEST_F(LevelDialog, TheTypeSwapsTheSizesAndTheirLimits)
{
    LevelFields f = fresh();
    f.width = QStringLiteral("20");
    f.height = QStringLiteral("150");
    f.horizontal = true;
    EXPECT_TRUE(levelTypeClicked(f).empty());
    EXPECT_EQ(f.width, QStringLiteral("150"));
    EXPECT_EQ(f.height, QStringLiteral("20"));
    EXPECT_EQ(levelBoxLengths(true), std::pair(3, 2));
    EXPECT_EQ(levelBoxLengths(false), std::pair(2, 3));

    // clang-format off
    struct Case { bool horizontal; bool widthBox; const char *typed; const char *kept; const char *message; };
    const Case cases[] = {
        {false, true, "81", "80", "Ширина більше 80"},   {false, true, "80", "80", nullptr},
        {false, false, "201", "200", "Висота більше 200"}, {true, true, "-201", "200", "Ширина більше 200"},
        {true, false, "81", "80", "Висота більше 80"},     {true, false, "79.5", "79.5", nullptr},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        LevelFields g = fresh();
        g.horizontal = c.horizontal;
        QString &box = c.widthBox ? g.width : g.height;
        box = QString::fromLatin1(c.typed);
        const Notices shown = c.widthBox ? levelWidthChanged(g) : levelHeightChanged(g);
        EXPECT_EQ(box, QString::fromLatin1(c.kept));
        if (c.message) {
            EXPECT_EQ(shown, (Notices{{QString::fromUtf8(c.message), MsgIcon::Question}}));
        } else {
            EXPECT_TRUE(shown.empty());
        }
    }
}

TEST_F(LevelDialog, OpeningTheTemplateStartsVerticalWithoutFrame)
{
    m.pages.Level_Type(p, 0) = 3;
    m.pages.Level_Color(p, 0) = 0x00FF00;
    m.pages.Level_Scale(p, 0) = 250;
    const LevelFields f = fresh();
    EXPECT_EQ(m.pages.Level_Type(p, 0), 0);
    EXPECT_FALSE(f.horizontal);
    EXPECT_FALSE(f.frame);
    EXPECT_EQ(f.colour, 0x00FF00);
    EXPECT_EQ(f.scale, QStringLiteral("250"));
    EXPECT_EQ(f.width, QStringLiteral("20")); // the template view's size
    // An element with style 3 shows both boxes ticked.
    m.pages.Level_Used(p, 5) = 1;
    m.pages.Level_Type(p, 5) = 3;
    const LevelFields e = prefillLevel(m, p, 5, {0, 0, 100, 20}).fields;
    EXPECT_TRUE(e.horizontal);
    EXPECT_TRUE(e.frame);
    EXPECT_EQ(m.pages.Level_Type(p, 5), 3);
}

TEST_F(LevelDialog, TheTwoViewsOfBothTypes)
{
    LevelFields f = fresh();
    f.x = QStringLiteral("50");
    f.y = QStringLiteral("60");
    f.width = QStringLiteral("10");
    f.height = QStringLiteral("100");
    f.colour = 0x11, f.colourFon = 0x22;
    LevelPieces v = ok(f).view.pieces;
    EXPECT_EQ(v.bar, QRectF(50, 60, 10, 100));
    EXPECT_EQ(v.piece, QRectF(50, 60, 10, 50));
    EXPECT_EQ(v.barColour, 0x11);
    EXPECT_EQ(v.pieceColour, 0x22);

    f.horizontal = true;
    levelTypeClicked(f);
    f.frame = true;
    v = ok(f).view.pieces;
    EXPECT_EQ(v.bar, QRectF(50, 60, 100, 10));
    EXPECT_EQ(v.piece, QRectF(50, 60, 50, 10));
    EXPECT_EQ(v.barColour, 0x22);
    EXPECT_EQ(v.pieceColour, 0x11);
    EXPECT_EQ(v.borderStyle, 1);
    EXPECT_EQ(m.pages.Level_Type(p, n), 3);
}

TEST_F(LevelDialog, OkRaisesSizesBelow5)
{
    LevelFields f = fresh();
    f.width = QStringLiteral("3");
    f.height = QStringLiteral("-2");
    const LevelStored s = ok(f);
    EXPECT_EQ(s.notices, (Notices{{QStringLiteral("Ширина менше 5"), MsgIcon::Question},
                                  {QStringLiteral("Висота менше 5"), MsgIcon::Question}}));
    EXPECT_EQ(m.pages.Level_Razmer_X(p, n), 5);
    EXPECT_EQ(m.pages.Level_Razmer_Y(p, n), 5);
    EXPECT_EQ(m.pages.Level_Type(p, 0), 0); // slot 0 is never written by Ok
}

TEST_F(LevelDialog, TheUploadCarriesTheRecordAndSavedAndOpenedShowsTheSame)
{
    LevelFields f = fresh();
    f.x = QStringLiteral("500");
    f.y = QStringLiteral("80");
    f.width = QStringLiteral("40");
    f.height = QStringLiteral("160");
    f.scale = QStringLiteral("-1000.4");
    f.frame = true;
    f.colour = 0x00FF00;
    f.colourFon = 0xFFFFFF;
    f.block = QStringLiteral("2");
    levelBlockChanged(m, f);
    f.outputs.select(7);
    ok(f);
    EXPECT_EQ(m.pages.Level_Scale(p, n), 1000);
    const QByteArray t = test::pageTables(m, p);
    const int at = 1792 + (n - 1) * 13;
    EXPECT_EQ(quint8(t[at]) + 256 * quint8(t[at + 1]), 500);
    EXPECT_EQ(quint8(t[at + 4]), 35); // framed vertical bar: 5 less
    EXPECT_EQ(quint8(t[at + 5]), 155);
    EXPECT_EQ(quint8(t[at + 6]) + 256 * quint8(t[at + 7]), 1000);
    EXPECT_EQ(quint8(t[at + 12]), 1);
    EXPECT_EQ(quint8(t[3348 + (n - 1) * 2 + 1]), 7);

    f.number = QString::number(n);
    f.scale = QStringLiteral("1000");
    const ProjectModel opened = test::savedAndOpened(m);
    ProjectModel reopened = opened;
    const Opened<LevelFields> back = prefillLevel(reopened, p, n, levelViewBox(opened.pages, p, n));
    EXPECT_TRUE(back.notices.empty());
    EXPECT_EQ(back.fields, f);
}

TEST_F(LevelDialog, AStoredOutputTheListLacksAndDelete)
{
    m.pages.Level_Used(p, 3) = 1;
    m.pages.Level_Num_Block(p, 3) = 2;
    m.pages.Level_Num_OUT(p, 3) = 30;
    m.pages.Level_Scale(p, 3) = 77;
    EXPECT_EQ(prefillLevel(m, p, 3, {}).notices,
              (Notices{{QStringLiteral("Помилка номера виходу!!!"), MsgIcon::Critical}}));
    resetLevel(m.pages, p, 3);
    EXPECT_EQ(m.pages.Level_Razmer_X(p, 3), 10);
    EXPECT_EQ(m.pages.Level_Razmer_Y(p, 3), 10);
    EXPECT_EQ(m.pages.Level_Scale(p, 3), 77);
    EXPECT_EQ(m.pages.Level_Num_OUT(p, 3), 30);
}

} // namespace
} // namespace pelmora
