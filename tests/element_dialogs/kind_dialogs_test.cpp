// What the dialogs of the control button, menu item, graph window, figure
// and warning banner add to the frame, through their windows: the view each
// Ok leaves on the page or the main window, the messages, the picker, and
// the clock's and the manometer's double-clicks.

#include "element_dialog_rig.h"

#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/figura.h"
#include "element_dialogs/grafik_scada.h"
#include "element_dialogs/image_control.h"
#include "element_dialogs/menu_scada.h"
#include "element_dialogs/varning.h"
#include "pages/builtin_pictures.h"
#include "support/fake_services.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;
using pages::ElementImage;

class KindDialogsTest : public test::WithFakes {
protected:
    pages::PageElements &el() { return w.editor.elements; }
    QWidget *canvas(int p) { return w.view.SCADA_Picture[static_cast<std::size_t>(p)]; }
    Image_Control *newButton(int p)
    {
        w.selectPage(p);
        w.MnuControl->trigger();
        w.doubleClick(pages::ViewArray::Control_Image, 0);
        return w.dialog<Image_Control>();
    }

    test::ElementDialogRig w;
    ProjectModel &m = w.model;
    PageTables &t = w.model.pages;
};

TEST_F(KindDialogsTest, AButtonsKindSetsItsSizeOnThePageAndTheKnobStandsTenHigher)
{
    // clang-format off
    struct Case { int kind; QSize size; QPoint view; int recordX, recordY; };
    const Case cases[] = {
        {1,  {40, 40},  {100, 100}, 100, 100},
        {10, {105, 40}, {100, 100}, 100, 100}, // wider than its 100-pixel picture
        {11, {105, 40}, {100, 100}, 100, 100},
        {12, {33, 45},  {100, 100}, 100, 100},
        {13, {60, 60},  {90, 100},  90,  110}, // a new knob: 10 left, stored 10 lower
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        Image_Control *d = newButton(1);
        ASSERT_TRUE(d);
        d->Coord_X_Control_Text->setText(QStringLiteral("100"));
        d->Coord_Y_Control_Text->setText(QStringLiteral("100"));
        d->Type_Key->setCurrentIndex(c.kind);
        d->Type_Key_Click();
        const QPixmap shown = d->previewPicture();
        d->Ok_Control->click();
        w.settle();
        const int n = [&] {
            for (int s = 32; s >= 1; --s)
                if (t.Control_Used(1, s))
                    return s;
            return 0;
        }();
        ElementImage *v = el().Control_Image(32 + n);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->geometry(), QRect(c.view, c.size));
        EXPECT_EQ(v->picture().cacheKey(), shown.cacheKey());
        EXPECT_EQ(t.Control_Coord_X(1, n), c.recordX);
        EXPECT_EQ(t.Control_Coord_Y(1, n), c.recordY);
        EXPECT_EQ(t.Control_Razmer_X(1, n), c.size.width());
        EXPECT_EQ(t.Control_Razmer_Y(1, n), c.size.height());
        // Opened again the knob shows its view's place, and Ok keeps the record.
        w.doubleClick(pages::ViewArray::Control_Image, 32 + n);
        d = w.dialog<Image_Control>();
        EXPECT_EQ(d->Coord_X_Control_Text->text(), QString::number(c.view.x()));
        EXPECT_EQ(d->Coord_Y_Control_Text->text(), QString::number(c.view.y()));
        d->Ok_Control->click();
        w.settle();
        EXPECT_EQ(t.Control_Coord_X(1, n), c.recordX);
        EXPECT_EQ(t.Control_Coord_Y(1, n), c.recordY);
    }
}

TEST_F(KindDialogsTest, ANewButtonIsOfTheKindItsTemplateShows)
{
    const QImage stop = pages::builtin::STOP_Image(1).toImage();
    ASSERT_EQ(el().Control_Image(0)->picture().toImage(), stop);
    Image_Control *d = newButton(0);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Type_Key->currentIndex(), 1);
    EXPECT_EQ(d->previewPicture().toImage(), stop);
    d->Ok_Control->click();
    w.settle();
    EXPECT_EQ(t.Control_Key_Type(0, 1), 1); // "СТОП", which the page upload draws
    ASSERT_TRUE(el().Control_Image(1));
    EXPECT_EQ(el().Control_Image(1)->picture().toImage(), stop);
}

TEST_F(KindDialogsTest, APictureFileShowsAtTheKindsSizeAndTheSizeBoxesOnlyFrameThePreview)
{
    QTemporaryDir dir;
    QImage big(90, 70, QImage::Format_RGB32);
    big.fill(Qt::blue);
    const QString path = dir.filePath(QStringLiteral("key.gif"));
    ASSERT_TRUE(big.save(path, "PNG"));
    const QString notPicture = dir.filePath(QStringLiteral("bad.gif"));
    QFile(notPicture).open(QIODevice::WriteOnly);

    Image_Control *d = newButton(0);
    // A cancelled file dialog and a file that is no picture change nothing.
    ui().openPaths = {std::nullopt, notPicture, path};
    d->Load_Control_GIF->click();
    d->Load_Control_GIF->click();
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Не правильний тип файлу")});
    EXPECT_EQ(d->Name_Control_Gif->text(), QString());
    d->Load_Control_GIF->click();
    ASSERT_EQ(ui().fileRequests.size(), 3u);
    EXPECT_EQ(ui().fileRequests[0].filter, QStringLiteral("gif file|*.gif"));
    EXPECT_EQ(d->Name_Control_Gif->text(), path);
    EXPECT_EQ(d->Control_Width->text(), QStringLiteral("90"));
    EXPECT_EQ(d->Image_Control_Wiew->size(), QSize(90, 70));
    d->Ok_Control->click();
    ElementImage *v = el().Control_Image(1);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->size(), QSize(40, 40));
    EXPECT_EQ(v->picture().size(), QSize(90, 70));
    EXPECT_EQ(t.Control_Gif_Name(0, 1), path);
    EXPECT_EQ(t.Control_Razmer_X(0, 1), 40);
}

TEST_F(KindDialogsTest, ThePickerChoosesAKindAndGivesTheDialogBack)
{
    Image_Control *d = newButton(0);
    QTest::mouseClick(d->Image_Control_Wiew, Qt::LeftButton);
    auto *picker = w.dialog<Type_Control>();
    ASSERT_TRUE(picker);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_FALSE(d->isEnabled());
    picker->STOP_Image[12]->click();
    EXPECT_FALSE(picker->isVisible());
    EXPECT_TRUE(d->isEnabled());
    EXPECT_FALSE(w.window.isEnabled()); // the element dialog still holds the main window
    EXPECT_EQ(d->Type_Key->currentIndex(), 12);
    EXPECT_EQ(d->previewPicture().toImage(), pages::builtin::STOP_Image(12).toImage());
    d->Cancel_Control->click();
    EXPECT_TRUE(w.window.isEnabled());
}

TEST_F(KindDialogsTest, TheChannelListFollowsTheBlockAndAStoredChannelItCannotShowIsReported)
{
    m.schema.Block_Type(5) = type::TOU;
    m.schema.Block_Type(6) = type::A_I;
    Image_Control *d = newButton(0);
    QTest::keyClicks(d->Num_Block_Contr_Text, QStringLiteral("5"));
    EXPECT_EQ(d->Num_OUT_Contr->count(), 255);
    EXPECT_EQ(d->Num_OUT_Contr->itemText(254), QStringLiteral(" 255"));
    d->Num_OUT_Contr->setCurrentIndex(200);
    d->Ok_Control->click();
    w.settle();
    EXPECT_EQ(t.Control_Num_OUT(0, 1), 200);
    // The block is now an analog input: four channels; the stored 201st cannot be shown.
    t.Control_Num_Block(0, 1) = 6;
    w.doubleClick(pages::ViewArray::Control_Image, 1);
    d = w.dialog<Image_Control>();
    ASSERT_TRUE(d);
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QStringLiteral("Помилка номера выходу!!!"));
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    // The dialog stays open with what was filled.
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->Num_Control_Text->text(), QStringLiteral("1"));
    EXPECT_EQ(d->Num_OUT_Contr->count(), 4);
    d->Cancel_Control->click();
    w.settle();
    // A block number beyond the schema (a damaged file): no channels, and Ok
    // keeps the number and stores channel 0.
    t.Control_Num_Block(0, 1) = 150;
    ui().reset();
    w.doubleClick(pages::ViewArray::Control_Image, 1);
    d = w.dialog<Image_Control>();
    EXPECT_EQ(d->Num_Block_Contr_Text->text(), QStringLiteral("150"));
    EXPECT_EQ(d->Num_OUT_Contr->count(), 0);
    d->Ok_Control->click();
    EXPECT_EQ(t.Control_Num_Block(0, 1), 150);
    EXPECT_EQ(t.Control_Num_OUT(0, 1), 0);
}

TEST_F(KindDialogsTest, AMenuItemTakesItsCaptionAndPlaceFromItsTextBox)
{
    m.settings.Stranica_Count = 8;
    w.selectPage(2);
    w.MnuMenuSCADA->trigger();
    el().Menu_Image(0)->move(50, 60);
    el().Menu_Text(0)->move(58, 74);
    w.doubleClick(pages::ViewArray::Menu_Image, 0);
    Menu_SCADA *d = w.dialog<Menu_SCADA>();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->List_Menu->count(), 16); // also in an 8-page project
    d->Num_Menu_Text->setText(QStringLiteral("5"));
    d->List_Menu->setCurrentIndex(11);
    d->Ok_Menu->click();
    w.settle();
    EXPECT_EQ(t.Menu_Used(2, 1), 1);
    EXPECT_EQ(t.Menu_Stranica(2, 1), 11);
    EXPECT_EQ(t.Menu_Caption(2, 1), el().Menu_Text(0)->caption());
    EXPECT_EQ(t.Menu_Coord_X(2, 1), 58);
    EXPECT_EQ(t.Menu_Coord_Y(2, 1), 74);
    for (QWidget *v : {static_cast<QWidget *>(el().Menu_Image(17)), static_cast<QWidget *>(el().Menu_Text(17))}) {
        ASSERT_TRUE(v);
        EXPECT_EQ(v->parentWidget(), canvas(2));
        EXPECT_TRUE(v->isVisibleTo(canvas(2)));
    }
    EXPECT_FALSE(el().Menu_Image(0)->isVisibleTo(canvas(2)));
    EXPECT_FALSE(el().Menu_Text(0)->isVisibleTo(canvas(2)));
    // A caption typed on the page since is read again by the next Ok.
    el().Menu_Text(17)->setCaption(QStringLiteral("Насоси"));
    w.doubleClick(pages::ViewArray::Menu_Image, 17);
    d = w.dialog<Menu_SCADA>();
    EXPECT_EQ(d->Num_Menu_Text->text(), QStringLiteral("1"));
    EXPECT_EQ(d->List_Menu->currentIndex(), 11);
    d->Ok_Menu->click();
    EXPECT_EQ(t.Menu_Caption(2, 1), QStringLiteral("Насоси"));
}

TEST_F(KindDialogsTest, TheGraphWindowsSizeIsCorrectedWithItsMessagesInTheBoxes)
{
    t.Grafik_Used(4) = 1;
    t.Grafik_Coord_X(4) = 10;
    t.Grafik_Coord_Y(4) = 20;
    t.Grafik_Razmer_X(4) = 160;
    t.Grafik_Razmer_Y(4) = 100;
    restorePageElements(m, w.editor, w.view, w);
    // clang-format off
    struct Case { const char *width, *height; QStringList messages; int storedW, storedH; };
    const Case cases[] = {
        {"100", "200", {QStringLiteral("Ширина менше 120"), QStringLiteral("Висота більше 150")}, 120, 150},
        {"-130", "60", {}, 130, 60},
        {"300", "10", {QStringLiteral("Висота менше 60"), QStringLiteral("Ширина більше 240")}, 240, 60},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.width);
        ui().reset();
        w.selectPage(3);
        // Any index opens the page's own graph window.
        w.doubleClick(pages::ViewArray::Grafik_Image, 4);
        Grafik_SCADA *d = w.dialog<Grafik_SCADA>();
        ASSERT_TRUE(d);
        EXPECT_TRUE(d->Ok_Grafik->isDefault()); // the button Enter presses
        d->Grafik_Width->setText(QLatin1String(c.width));
        d->Grafik_Height->setText(QLatin1String(c.height));
        d->Grafik_Grup->setCurrentIndex(2);
        d->Ok_Grafik->click();
        EXPECT_EQ(ui().messageTexts(), c.messages);
        for (const auto &msg : ui().messages)
            EXPECT_EQ(msg.icon, MsgIcon::Question);
        EXPECT_EQ(t.Grafik_Razmer_X(4), c.storedW);
        EXPECT_EQ(t.Grafik_Razmer_Y(4), c.storedH);
        EXPECT_EQ(t.Grafik_Grup_Num(4), 2);
        EXPECT_EQ(el().Grafik_Image(4)->geometry(), QRect(10, 20, c.storedW, c.storedH));
        EXPECT_TRUE(w.window.isEnabled());
        w.settle();
    }
    w.doubleClick(pages::ViewArray::Grafik_Image, 4);
    w.dialog<Grafik_SCADA>()->Delete_Grafik->click();
    EXPECT_EQ(el().Grafik_Image(4), nullptr);
    EXPECT_EQ(t.Grafik_Used(4), 0);
    EXPECT_EQ(t.Grafik_Razmer_X(4), 240); // size and group stay
    // A page without a graph window opens nothing.
    w.settle();
    w.doubleClick(pages::ViewArray::Grafik_Image, 4);
    EXPECT_EQ(w.dialog<Grafik_SCADA>(), nullptr);
    EXPECT_TRUE(w.window.isEnabled());
}

TEST_F(KindDialogsTest, AFiguresShapeChangesTheTemplateAtOnceAndTheFigureAtOk)
{
    w.MnuFigura->trigger();
    el().ShapePlus1(0)->move(30, 40);
    w.doubleClick(pages::ViewArray::ShapePlus1, 0);
    Figura *d = w.dialog<Figura>();
    ASSERT_TRUE(d);
    d->Razmer_X_Figura_Text->setText(QStringLiteral("40"));
    d->Razmer_Y_Figura_Text->setText(QStringLiteral("25"));
    d->Width_Line_Figura_Text1->setText(QStringLiteral("-4"));
    d->Ok_Figura->click();
    w.settle();
    EXPECT_EQ(t.Figura_Razmer_X(0, 1), 40);
    EXPECT_EQ(t.Figura_Line_Width(0, 1), 4);
    EXPECT_EQ(w.editor.Zoom_Index, 1);
    EXPECT_EQ(w.editor.Zoom_Kind, 0);

    w.doubleClick(pages::ViewArray::ShapePlus1, 1);
    d = w.dialog<Figura>();
    ASSERT_TRUE(d);
    d->Type_Figura1->setCurrentIndex(1);
    d->Type_Figura1_Click();
    EXPECT_EQ(d->Razmer_Y_Figura_Text->text(), QStringLiteral("40"));
    EXPECT_EQ(d->Label3->text(), QStringLiteral("Диаметр"));
    EXPECT_EQ(el().ShapePlus1(0)->shape(), 3);
    EXPECT_EQ(el().ShapePlus1(1)->shape(), 0); // the figure changes at Ok
    d->Razmer_Y_Figura_Text->setText(QStringLiteral("25"));
    d->Ok_Figura->click();
    w.settle();
    EXPECT_TRUE(el().ShapePlus1(1)->isCircle());
    EXPECT_EQ(el().ShapePlus1(1)->size(), QSize(40, 40));
    EXPECT_EQ(t.Figura_Razmer_Y(0, 1), 40);
    // Opened again: a circle shows its width twice and "Радиус".
    w.doubleClick(pages::ViewArray::ShapePlus1, 1);
    d = w.dialog<Figura>();
    EXPECT_EQ(d->Type_Figura1->currentIndex(), 1);
    EXPECT_EQ(d->Razmer_Y_Figura_Text->text(), QStringLiteral("40"));
    EXPECT_EQ(d->Label3->text(), QStringLiteral("Радиус"));
    // Delete hides the resize handle and resets the slot.
    el().Zoom[2]->show();
    d->Delete_Figura->click();
    EXPECT_FALSE(el().Zoom[2]->isVisibleTo(el().Zoom[2]->parentWidget()));
    EXPECT_EQ(t.Figura_Line_Width(0, 1), 3);
    EXPECT_EQ(t.Figura_Razmer_X(0, 1), 1);
}

TEST_F(KindDialogsTest, TheBannersOkPlacesTheWarningLineOnItsPageOnly)
{
    QLineEdit *line = w.Varning_Text;
    // clang-format off
    struct Case { int page; const char *x, *y; int tab; bool shown; QPoint at; int storedX, storedY; };
    const Case cases[] = {
        {3, "450", "500", 2, true,  {402, 512}, 400, 470},
        {3, "10",  "20",  4, false, {12, 62},   10,  20},
        {0, "10",  "20",  0, false, {12, 62},   10,  20}, // "No": hidden, place left as it was
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tab);
        w.selectPage(c.tab);
        w.MnuJurnSignal->trigger();
        Varning *d = w.dialog<Varning>();
        ASSERT_TRUE(d);
        EXPECT_FALSE(w.window.isEnabled());
        EXPECT_TRUE(d->OKButton->isDefault()); // the button Enter presses
        d->Num_Sheet_Var->setCurrentIndex(c.page);
        d->Coord_X_Text_Var->setText(QLatin1String(c.x));
        d->Coord_Y_Text_Var->setText(QLatin1String(c.y));
        ui().colors = {QColor(0, 0, 255), QColor(255, 255, 0)};
        QTest::mouseClick(d->Color_Text_Var, Qt::LeftButton);
        QTest::mouseClick(d->Color_Fon_Var, Qt::LeftButton);
        EXPECT_EQ(d->Label_Var->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        d->OKButton->click();
        w.settle();
        EXPECT_TRUE(w.window.isEnabled());
        EXPECT_EQ(t.Varning_Stranica, c.page);
        EXPECT_EQ(t.Varning_Coord_X, c.storedX);
        EXPECT_EQ(t.Varning_Coord_Y, c.storedY);
        EXPECT_EQ(t.Varning_Color, 0xFF0000);
        EXPECT_EQ(t.Varning_Color_Fon, 0x00FFFF);
        EXPECT_EQ(line->isVisibleTo(line->parentWidget()), c.shown);
        if (c.page > 0) {
            EXPECT_EQ(line->pos(), c.at);
            EXPECT_EQ(line->palette().color(QPalette::Base), QColor(255, 255, 0));
        }
    }
}

TEST_F(KindDialogsTest, TheBannersEyedroppersAndItsListCutAt33Entries)
{
    m.schema.Block_Type(9) = type::TOU; // more outputs than the list holds
    w.editor.Pipetka_Color = 0x00C0FF;
    QTest::mouseDClick(w.Varning_Text, Qt::LeftButton); // the warning line opens it too
    Varning *d = w.dialog<Varning>();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Pipetka_key->palette().color(QPalette::Button), QColor(0xFF, 0xC0, 0x00));
    d->Pipetka_key->click();
    EXPECT_EQ(d->Color_Fon_Var->colour(), 0x00C0FF);
    // Off the page the eyedropper holds no colour: the box keeps its own.
    w.editor.Pipetka_Color = -1;
    d->Pipetka_key_1->click();
    EXPECT_EQ(d->Color_Text_Var->colour(), 0);
    d->Num_Block_Var_Text->clear();
    QTest::keyClicks(d->Num_Block_Var_Text, QStringLiteral("9"));
    EXPECT_EQ(d->Num_OUT_Text_Var->count(), 33);
    EXPECT_EQ(d->Num_OUT_Text_Var->currentIndex(), -1);
    EXPECT_EQ(d->Num_OUT_Text_Var->placeholderText(), d->Num_OUT_Text_Var->itemText(0));
    d->Num_Sheet_Var->setCurrentIndex(1);
    d->OKButton->click();
    EXPECT_EQ(t.Varning_Num_Block, 9);
    EXPECT_EQ(t.Varning_Num_OUT, -1);
    EXPECT_EQ(t.Varning_Color_Fon, 0x00C0FF);
}

TEST_F(KindDialogsTest, TheClockAsksBeforeItGoesAndTheManometerOpensNothing)
{
    w.selectPage(1);
    w.MnuClockSCADA->trigger();
    ASSERT_TRUE(el().Real_Clock(2));
    ui().answers = {MsgAnswer::No};
    w.doubleClick(pages::ViewArray::Real_Clock, 2);
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QStringLiteral("Видалити годинник?"));
    EXPECT_EQ(ui().messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::None);
    EXPECT_EQ(t.Clock_Used(2), 1);
    EXPECT_TRUE(el().Real_Clock(2));
    ui().answers = {MsgAnswer::Yes};
    w.doubleClick(pages::ViewArray::Real_Clock, 2);
    EXPECT_EQ(t.Clock_Used(2), 0);
    EXPECT_EQ(t.Clock_Coord_X(2), 0);
    EXPECT_EQ(el().Real_Clock(2), nullptr);
    EXPECT_EQ(el().Real_Time(2), nullptr);
    EXPECT_TRUE(w.window.isEnabled());

    ui().reset();
    w.doubleClick(pages::ViewArray::Manometr_Img, 0);
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_TRUE(w.window.isEnabled());
}

} // namespace
} // namespace pelmora
