// The control button dialog's core: sizes by kind, the knob (kind 13) stored
// 10 pixels below its view, channel lists, picture files.

#include "element_test.h"

#include "elements/control_element.h"
#include "project/startup.h"
#include "support/gif_builder.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

class ControlDialog : public test::ElementTest {
protected:
    ControlDialog()
    {
        m.schema.Block_Type(3) = type::D_I;
        m.schema.Block_Type(9) = type::TOU;
    }

    ControlFields fresh() { return prefillControl(m, p, 0, {0, 0, 40, 40}).fields; }
    ControlView ok(ControlFields &f) { return storeControl(m, p, slotFor(Kind::Control, f.number), f); }
};

TEST_F(ControlDialog, TheKindSetsTheSize)
{
    // clang-format off
    struct Case { int kind; int w, h; };
    const Case cases[] = {{0, 40, 40}, {1, 40, 40}, {9, 40, 40}, {10, 105, 40}, {11, 105, 40},
                          {12, 33, 45}, {13, 60, 60}, {14, 40, 40}, {19, 40, 40}};
    // clang-format on
    for (const Case &c : cases) {
        ControlFields f = fresh();
        f.keyType = c.kind;
        f.x = QStringLiteral("200");
        f.y = QStringLiteral("300");
        f.width = QStringLiteral("123"); // the preview frame only
        const ControlView v = ok(f);
        EXPECT_EQ(m.pages.Control_Razmer_X(p, n), c.w) << c.kind;
        EXPECT_EQ(m.pages.Control_Razmer_Y(p, n), c.h) << c.kind;
        EXPECT_EQ(v.box.width, c.w);
        EXPECT_EQ(m.pages.Control_Key_Type(p, n), c.kind);
    }
    EXPECT_EQ(controlKindNames().size(), kControlKinds);
    EXPECT_EQ(controlKindNames().at(13), QStringLiteral("\"Клювик\""));
}

TEST_F(ControlDialog, TheKnobStandsTenPixelsAboveItsRecord)
{
    ControlFields f = fresh();
    f.keyType = 13;
    f.x = QStringLiteral("100");
    f.y = QStringLiteral("100");
    const ControlView v = ok(f);
    EXPECT_EQ(v.box, (ViewBox{90, 100, 60, 60}));
    EXPECT_EQ(m.pages.Control_Coord_X(p, n), 90);
    EXPECT_EQ(m.pages.Control_Coord_Y(p, n), 110);
    // Opened again on its view the boxes show 90 and 100, and Ok keeps the record.
    EXPECT_EQ(controlViewBox(m.pages, p, n), (ViewBox{90, 100, 60, 60}));
    ControlFields again = prefillControl(m, p, n, controlViewBox(m.pages, p, n)).fields;
    EXPECT_EQ(again.x, QStringLiteral("90"));
    EXPECT_EQ(again.y, QStringLiteral("100"));
    EXPECT_EQ(ok(again).box, (ViewBox{90, 100, 60, 60}));
    EXPECT_EQ(m.pages.Control_Coord_X(p, n), 90);
    EXPECT_EQ(m.pages.Control_Coord_Y(p, n), 110);
    // The upload sends the view's top.
    const QByteArray t = test::pageTables(m, p);
    const int at = 2347 + (n - 1) * 6;
    EXPECT_EQ(quint8(t[at]) + 256 * quint8(t[at + 1]), 90);
    EXPECT_EQ(quint8(t[at + 2]) + 256 * quint8(t[at + 3]), 100);
    EXPECT_EQ(quint8(t[at + 4]), 13);
}

TEST_F(ControlDialog, ChannelsAndTheStartOfANewButton)
{
    ControlFields f = fresh();
    EXPECT_EQ(f.keyType, 1); // the kind the template shows ("СТОП"), no file, block 0
    EXPECT_TRUE(f.gifName.isEmpty());
    EXPECT_EQ(f.block, QStringLiteral("0"));
    EXPECT_EQ(f.channels.entries.size(), 4);
    f.block = QStringLiteral("9");
    controlBlockChanged(m, f);
    EXPECT_EQ(f.channels.entries.size(), 255);
    f.channels.select(200);
    f.keyType = 3;
    ok(f);
    EXPECT_EQ(m.pages.Control_Num_OUT(p, n), 200);
    const QByteArray t = test::pageTables(m, p);
    EXPECT_EQ(quint8(t[3420 + (n - 1) * 2]), 9);
    EXPECT_EQ(quint8(t[3420 + (n - 1) * 2 + 1]), 200);

    // A stored channel beyond the list of another block.
    m.schema.Block_Type(9) = type::D_I;
    EXPECT_EQ(prefillControl(m, p, n, {}).notices,
              (Notices{{QStringLiteral("Помилка номера выходу!!!"), MsgIcon::Critical}}));
}

TEST_F(ControlDialog, PictureFiles)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("knopka.gif"));
    QImage(57, 23, QImage::Format_RGB32).save(good, "PNG");
    const QString bad = dir.filePath(QStringLiteral("note.gif"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();

    ControlFields f = fresh();
    const ControlFields before = f;
    const ChosenPicture refused = chooseControlPicture(f, bad);
    EXPECT_FALSE(refused.picture);
    EXPECT_EQ(refused.notices, (Notices{{QStringLiteral("Не правильний тип файлу"), MsgIcon::None}}));
    EXPECT_EQ(f, before);

    // A GIF damaged or cut short is refused as well.
    for (const QByteArray &gif : {test::damagedGif(20, 10), test::truncatedGif(20, 10)}) {
        const QString broken = dir.filePath(QStringLiteral("broken.gif"));
        ASSERT_TRUE(test::writeFile(broken, gif));
        const ChosenPicture none = chooseControlPicture(f, broken);
        EXPECT_FALSE(none.picture);
        EXPECT_EQ(none.notices, (Notices{{QStringLiteral("Не правильний тип файлу"), MsgIcon::None}}));
        EXPECT_EQ(f, before);
    }

    const ChosenPicture chosen = chooseControlPicture(f, good);
    ASSERT_TRUE(chosen.picture);
    EXPECT_EQ(f.width, QStringLiteral("57"));
    EXPECT_EQ(f.height, QStringLiteral("23"));
    EXPECT_EQ(f.gifName, good);
    // The page shows it at the kind's size, and the name stays when a kind is chosen.
    f.keyType = 2;
    ok(f);
    EXPECT_EQ(m.pages.Control_Razmer_X(p, n), 40);
    EXPECT_EQ(m.pages.Control_Gif_Name(p, n), good);
}

TEST_F(ControlDialog, SavedAndOpenedTheDialogShowsTheSame)
{
    ControlFields f = fresh();
    f.x = QStringLiteral("620");
    f.y = QStringLiteral("410");
    f.keyType = 11;
    f.gifName = QStringLiteral("\\knopka.gif");
    f.block = QStringLiteral("3");
    controlBlockChanged(m, f);
    f.channels.select(3);
    ok(f);
    f.number = QString::number(n);
    f.width = QStringLiteral("105");
    f.height = QStringLiteral("40");
    const ProjectModel opened = test::savedAndOpened(m);
    const Opened<ControlFields> back = prefillControl(opened, p, n, controlViewBox(opened.pages, p, n));
    EXPECT_TRUE(back.notices.empty());
    EXPECT_EQ(back.fields, f);
}

TEST_F(ControlDialog, DeleteSetsTheSizeTo40AndKeepsTheBinding)
{
    ControlFields f = fresh();
    f.keyType = 12;
    f.block = QStringLiteral("3");
    controlBlockChanged(m, f);
    f.channels.select(2);
    ok(f);
    resetControl(m.pages, p, n);
    EXPECT_EQ(m.pages.Control_Razmer_X(p, n), 40);
    EXPECT_EQ(m.pages.Control_Razmer_Y(p, n), 40);
    EXPECT_EQ(m.pages.Control_Key_Type(p, n), 0);
    EXPECT_EQ(m.pages.Control_Num_Block(p, n), 3);
    EXPECT_EQ(m.pages.Control_Num_OUT(p, n), 2);
}

} // namespace
} // namespace pelmora
