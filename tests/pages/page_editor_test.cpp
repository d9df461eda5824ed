// The page editor on the main window: insert items and the pending kind,
// canvas clicks and double-clicks, the blink preview, and the page settings.

#include "core/hosting/hosted_control.h"
#include "pages/element_kinds.h"
#include "pages/page_dialogs.h"
#include "pages/page_editor.h"
#include "pages/page_view.h"
#include "support/fake_services.h"
#include "support/gif_builder.h"
#include "support/lumtor_registry.h"
#include "support/page_rig.h"
#include "ui/hosted_control_widget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::pages;

namespace {

const QString kPage16 = QStringLiteral("Сторінка 16 неактивна!!!");
const QString kBadPicture = QStringLiteral("Не правильный тип файлу");

class PageEditorTest : public test::WithFakes {
protected:
    void SetUp() override
    {
        test::WithFakes::SetUp();
        m.settings.Stranica_Count = 16;
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    PageEditor &ed() { return w.editor; }
    PageElements &el() { return w.editor.elements; }
    PageView &view() { return w.view; }
    QLabel *canvas(int p) { return view().SCADA_Picture[static_cast<std::size_t>(p)]; }
    void selectPage(int p) { view().selectTab(p); }
    // A mouse move over a canvas records the pointer, as the user's pointer does.
    void pointAt(int page, int x, int y)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(page), &e);
    }
    bool locked() const { return w.mnuBlockSCADA->isChecked(); }

    test::PageRig w; // the page view and editor without the main window
    ProjectModel &m = w.model;
};

} // namespace

// Every insert item shows its kind's template at (0, 0) of the current canvas,
// remembers the kind and unlocks the elements; a double-click then moves the
// same template to the pointer.
TEST_F(PageEditorTest, InsertItemsShowTheirTemplateAndADoubleClickMovesIt)
{
    struct Case {
        const char *item;
        std::function<QWidget *()> templ;
        std::int16_t pending;
    };
    const Case cases[] = {
        {"MnuTextSignal", [&] { return el().Text_Signal_Picture(0); }, PendingTextSignal},
        {"MnuParametrSCADA", [&] { return el().Parametr_Label(0); }, PendingParameter},
        {"MnuLevelSCADA", [&] { return el().Level_Picture(0); }, PendingLevel},
        {"MnuGotoBlockSCADA", [&] { return el().Go_Block_Label(0); }, PendingTransition},
        {"MnuControl", [&] { return el().Control_Image(0); }, PendingControl},
        {"mnuVent", [&] { return el().Ventilator_Picture(0); }, PendingMechanism},
        {"MnuFigura", [&] { return el().ShapePlus1(0); }, PendingFigure},
        {"mnuText", [&] { return el().Text_Label_Label(0); }, PendingStaticText},
        {"MnuMenuSCADA", [&] { return el().Menu_Image(0); }, PendingMenu},
    };
    selectPage(4);
    for (const Case &c : cases) {
        w.mnuBlockSCADA->setChecked(true);
        w.menuItem(QLatin1String(c.item))->trigger();
        QWidget *t = c.templ();
        EXPECT_EQ(m.pages.Pending_Element_Kind, c.pending) << c.item;
        EXPECT_EQ(t->parentWidget(), canvas(4)) << c.item;
        EXPECT_EQ(t->pos(), QPoint(0, 0)) << c.item;
        EXPECT_TRUE(t->isVisibleTo(canvas(4))) << c.item;
        EXPECT_FALSE(locked()) << c.item;

        pointAt(4, 120, 77);
        ed().SCADA_Picture_DblClick(4);
        EXPECT_EQ(t->pos(), QPoint(120, 77)) << c.item;
        EXPECT_EQ(ed().Insert_Flag, c.pending == PendingMenu ? 1 : 0) << c.item;
        ed().Insert_Flag = 0;
    }
    // The menu item's text box stands 7 right of and 13 below its picture; the
    // level bar's two boxes move together.
    w.MnuMenuSCADA->trigger();
    EXPECT_EQ(el().Menu_Text(0)->pos(), QPoint(7, 13));
    pointAt(4, 30, 40);
    ed().SCADA_Picture_DblClick(4);
    EXPECT_EQ(el().Menu_Text(0)->pos(), QPoint(37, 53));
    // Until a move over a menu element clears it, the next item still takes the point.
    w.MnuLevelSCADA->trigger();
    EXPECT_EQ(el().Level_Picture_1(0)->pos(), QPoint(30, 40));
    ed().Insert_Flag = 0;
    w.MnuLevelSCADA->trigger();
    EXPECT_EQ(el().Level_Picture_1(0)->pos(), QPoint(0, 0));
    EXPECT_EQ(el().Level_Picture_1(0)->parentWidget(), canvas(4));
}

TEST_F(PageEditorTest, DoubleClickBeforeAnyItemChangesNothing)
{
    pointAt(0, 50, 60);
    ed().SCADA_Picture_DblClick(0);
    EXPECT_EQ(ed().Insert_Flag, 0);
    EXPECT_EQ(m.pages.Pending_Element_Kind, 0);
    EXPECT_FALSE(el().ShapePlus1(0)->isVisibleTo(canvas(0)));
    EXPECT_TRUE(locked());
}

TEST_F(PageEditorTest, FigureTemplateIsAThickRectangle)
{
    el().ShapePlus1(0)->setShape(3);
    el().ShapePlus1(0)->setLineWidth(1);
    w.MnuFigura->trigger();
    EXPECT_EQ(el().ShapePlus1(0)->shape(), 0);
    EXPECT_EQ(el().ShapePlus1(0)->lineWidth(), 3);
}

TEST_F(PageEditorTest, ClockChosenTwiceKeepsOneClockBackAtItsCorner)
{
    selectPage(2);
    w.MnuClockSCADA->trigger();
    ASSERT_TRUE(el().Real_Clock.isLoaded(3));
    ASSERT_TRUE(el().Real_Time.isLoaded(3));
    EXPECT_EQ(m.pages.Clock_Used(3), 1);
    EXPECT_EQ(m.pages.Pending_Element_Kind, PendingClock);
    ElementLabel *clock = el().Real_Clock(3);
    clock->move(300, 200);
    el().Real_Time(3)->move(300, 222);
    m.pages.Clock_Coord_X(3) = 300;

    w.MnuClockSCADA->trigger();
    EXPECT_EQ(el().Real_Clock(3), clock);
    EXPECT_EQ(el().Real_Clock.indexes(), (std::vector<int>{0, 3}));
    EXPECT_EQ(clock->pos(), QPoint(1, 1));
    EXPECT_EQ(el().Real_Time(3)->pos(), QPoint(1, 23));
    EXPECT_EQ(m.pages.Clock_Coord_X(3), 1);
    EXPECT_EQ(m.pages.Clock_Coord_Y(3), 1);
    EXPECT_TRUE(clock->isVisibleTo(canvas(2)));

    // After the clock item a double-click on the page moves nothing.
    pointAt(2, 100, 100);
    ed().SCADA_Picture_DblClick(2);
    EXPECT_EQ(clock->pos(), QPoint(1, 1));
    EXPECT_EQ(ed().Insert_Flag, 0);
}

TEST_F(PageEditorTest, ParameterTemplateTakesThePageStyleAndFourteenPointsOnAPageWithout)
{
    selectPage(5);
    m.pages.Parametr_Font_Size(5, 0) = 0;
    m.pages.Parametr_Color(5, 0) = 0x0000FF;
    m.pages.Parametr_Color_Fon(5, 0) = 0x00FFFF;
    m.pages.Parametr_Border_Style(5, 0) = 1;
    w.MnuParametrSCADA->trigger();
    EXPECT_EQ(m.pages.Parametr_Font_Size(5, 0), 14);
    ElementLabel *t = el().Parametr_Label(0);
    EXPECT_EQ(t->captionFont().pointSize(), 14);
    EXPECT_EQ(t->foreColor(), 0x0000FF);
    EXPECT_EQ(t->backColor(), 0x00FFFF);
    EXPECT_EQ(t->borderStyle(), 1);

    m.pages.Parametr_Font_Size(5, 0) = 18;
    w.MnuParametrSCADA->trigger();
    EXPECT_EQ(t->captionFont().pointSize(), 18);
}

TEST_F(PageEditorTest, ManometerItemShowsItsTemplateAtOneOneWithoutAPendingKind)
{
    w.MnuFigura->trigger();
    pointAt(0, 200, 200);
    ed().Insert_X = 200, ed().Insert_Y = 200, ed().Insert_Flag = 1;
    ed().mnuManometr_Click();
    EXPECT_EQ(el().Manometr_Img(0)->pos(), QPoint(1, 1));
    EXPECT_TRUE(el().Manometr_Img(0)->isVisibleTo(canvas(0)));
    EXPECT_EQ(m.pages.Pending_Element_Kind, PendingFigure);
}

TEST_F(PageEditorTest, CanvasClickHidesEveryHandleAndTakesThePointColour)
{
    for (QLabel *z : el().Zoom)
        z->show();
    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(QColor(1, 2, 3));
    canvas(1)->setPixmap(QPixmap::fromImage(picture));
    m.pages.Stranica_Fon_Color(1) = 0x123456;
    // clang-format off
    struct Case { int x, y; std::int32_t colour; };
    // clang-format on
    const Case cases[] = {{10, 10, 0x030201}, {500, 300, 0x123456}, {-3, 10, -1}, {800, 5, -1}};
    for (const Case &c : cases) {
        ed().Mouse_X = static_cast<std::int16_t>(c.x);
        ed().Mouse_Y = static_cast<std::int16_t>(c.y);
        ed().SCADA_Picture_Click(1);
        EXPECT_EQ(ed().Pipetka_Color, c.colour) << c.x << "," << c.y;
    }
    for (QLabel *z : el().Zoom)
        EXPECT_FALSE(z->isVisibleTo(z->parentWidget()));
    EXPECT_TRUE(locked()); // nothing else changes
}

TEST_F(PageEditorTest, CanvasEventsArriveInPixels)
{
    pointAt(3, 211, 99);
    EXPECT_EQ(ed().Mouse_X, 211);
    EXPECT_EQ(ed().Mouse_Y, 99);
}

TEST_F(PageEditorTest, ElementEventsArriveInTwipsWithTheControlIndex)
{
    std::optional<pages::ViewArray> array;
    int index = -1;
    float x = 0, y = 0;
    el().events.MouseDown = [&](pages::ViewArray a, int i, short, short, float px, float py) {
        array = a, index = i, x = px, y = py;
    };
    ASSERT_TRUE(el().ShapePlus1.load(70));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 2), QPointF(4, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(el().ShapePlus1(70), &press);
    EXPECT_EQ(array, pages::ViewArray::ShapePlus1);
    EXPECT_EQ(index, 70);
    EXPECT_EQ(x, 60);
    EXPECT_EQ(y, 30);
}

TEST_F(PageEditorTest, PageSixteenWarnsOncePerUserMechanismExceptWhileLoading)
{
    m.pages.Vent_Picture_Num(3, 5) = 22;
    m.pages.Vent_Picture_Num(15, 32) = 22;
    m.pages.Vent_Picture_Num(16, 1) = 22; // page index 16 is not looked at
    selectPage(14);
    EXPECT_TRUE(ui().messages.empty());
    selectPage(15);
    EXPECT_EQ(ui().messageTexts(), (QStringList{kPage16, kPage16}));
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Information);
    ui().reset();
    selectPage(0);
    m.settings.Load_Project_Flag = 1;
    selectPage(15);
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 15);
}

TEST_F(PageEditorTest, BlinkTickWritesTextSignalCaptionsOfTheCurrentPage)
{
    selectPage(1);
    auto &t = m.pages;
    t.Text_Signal_Used(1, 2) = 1, t.Text_Signal_Miganie_Flag(1, 2) = 1;
    t.Text_Signal_Text_Off(1, 2) = QStringLiteral("Вимк"), t.Text_Signal_Text_On(1, 2) = QStringLiteral("Увімк");
    ASSERT_TRUE(el().Text_Signal_Picture.load(34));
    ElementLabel *l = el().Text_Signal_Picture(34);
    EXPECT_EQ(l->caption(), QStringLiteral("Сигнализация"));
    QStringList seen;
    for (int k = 0; k < 4; ++k) {
        ed().Signal_Timer_Miganie_SCADA_Timer();
        seen << l->caption();
    }
    EXPECT_EQ(seen, (QStringList{"Вимк", "Увімк", "Вимк", "Увімк"}));
    // A used slot whose control is missing is passed over.
    t.Text_Signal_Used(1, 3) = 1;
    ed().Signal_Timer_Miganie_SCADA_Timer();
}

TEST_F(PageEditorTest, BlinkTickAlternatesTheColourOfABlinkingIndicator)
{
    test::LumtorRegistry registry;
    selectPage(0);
    auto &t = m.pages;
    t.Signal_Used(0, 1) = 1, t.Signal_Miganie_Flag(0, 1) = 1;
    t.Signal_Color(0, 1) = 0x0000FF, t.Signal_Color_Fon(0, 1) = 0x00FF00;
    ASSERT_NE(el().signalTemplate(), nullptr);
    ASSERT_TRUE(el().Signal_Picture.load(1));
    std::vector<qint64> colours;
    for (int k = 0; k < 3; ++k) {
        ed().Signal_Timer_Miganie_SCADA_Timer();
        colours.push_back(el().Signal_Picture(1)->property(QStringLiteral("ForeColor"))->toLongLong());
    }
    EXPECT_EQ(colours, (std::vector<qint64>{0x0000FF, 0x00FF00, 0x0000FF}));
}

TEST_F(PageEditorTest, SignalItemShowsTheIndicatorTemplateOnTheCurrentCanvas)
{
    test::LumtorRegistry registry;
    selectPage(6);
    pointAt(6, 40, 50);
    ed().SCADA_Picture_DblClick(6); // nothing pending yet
    w.MnuSignalSCADA->trigger();
    hosting::HostedControl *t = el().Signal_Picture(0);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(hosting::widgetOf(*t)->parentWidget(), canvas(6));
    EXPECT_EQ(t->geometry(), QRect(0, 0, 33, 33));
    EXPECT_TRUE(t->isVisible());
    ed().SCADA_Picture_DblClick(6);
    EXPECT_EQ(t->geometry().topLeft(), QPoint(40, 50));
}

// --- page settings ---------------------------------------------------------------------

TEST_F(PageEditorTest, ColourDialogCancelChangesNothing)
{
    selectPage(2);
    m.pages.Stranica_Fon_Flag(2) = 1;
    const QPixmap picture(20, 20);
    canvas(2)->setPixmap(picture);
    ui().colors.push_back(std::nullopt);
    w.MnuColorFonSCADA->trigger();
    EXPECT_EQ(m.pages.Stranica_Fon_Color(2), 0xC0FFC0);
    EXPECT_EQ(m.pages.Stranica_Fon_Flag(2), 1);
    EXPECT_FALSE(canvas(2)->pixmap().isNull());
}

TEST_F(PageEditorTest, ChosenColourPaintsThePageAndDropsItsPicture)
{
    selectPage(2);
    m.pages.Stranica_Fon_Flag(2) = 1;
    m.pages.Stranica_Fon_Name(2) = QStringLiteral("\\old.gif");
    canvas(2)->setPixmap(QPixmap(20, 20));
    ui().colors.push_back(QColor(255, 0, 0));
    w.MnuColorFonSCADA->trigger();
    EXPECT_EQ(m.pages.Stranica_Fon_Color(2), 0x0000FF);
    EXPECT_EQ(canvas(2)->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(m.pages.Stranica_Fon_Flag(2), 0);
    EXPECT_TRUE(canvas(2)->pixmap().isNull());
    EXPECT_EQ(m.pages.Stranica_Fon_Name(2), QStringLiteral("\\old.gif"));
    EXPECT_EQ(m.pages.Stranica_Fon_Color(3), 0xC0FFC0);
}

// The dialog starts at the colour of the page being changed, so a quick Ok
// keeps it: not at black, nor at the colour chosen last for another page.
TEST_F(PageEditorTest, TheColourDialogStartsAtThePagesOwnColour)
{
    m.pages.Stranica_Fon_Color(4) = 0x563412;
    selectPage(2);
    ui().colors.push_back(QColor(255, 0, 0));
    w.MnuColorFonSCADA->trigger();
    selectPage(4);
    ui().colors.push_back(QColor(0x12, 0x34, 0x56)); // Ok without a change
    w.MnuColorFonSCADA->trigger();
    selectPage(2);
    ui().colors.push_back(std::nullopt);
    w.MnuColorFonSCADA->trigger();
    EXPECT_EQ(ui().colorRequests,
              (std::vector<QColor>{QColor(0xC0, 0xFF, 0xC0), QColor(0x12, 0x34, 0x56), QColor(255, 0, 0)}));
    EXPECT_EQ(m.pages.Stranica_Fon_Color(4), 0x563412);
    EXPECT_EQ(canvas(4)->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
}

TEST_F(PageEditorTest, PictureOnPageThreeOfSixteenStoresBothNamesAndTheFlag)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pump.gif"));
    QImage img(30, 20, QImage::Format_Indexed8);
    img.setColorTable({qRgb(0, 0, 255), qRgb(255, 255, 255)});
    img.fill(0);
    ASSERT_TRUE(img.save(path, "GIF") || img.convertToFormat(QImage::Format_RGB32).save(path, "PNG"));
    selectPage(2);
    ui().openPaths.push_back(path);
    w.MnuInsertFonSCADA->trigger();
    ASSERT_EQ(ui().fileRequests.size(), 1u);
    EXPECT_EQ(ui().fileRequests[0].filter, QStringLiteral("gif file|*.gif"));
    EXPECT_TRUE(ui().fileRequests[0].defaultName.isEmpty());
    EXPECT_EQ(m.pages.Stranica_Fon_Name(2), QStringLiteral("\\pump.gif"));
    EXPECT_EQ(m.pages.Stranica_Fon_Name(18), path);
    EXPECT_EQ(m.pages.Stranica_Fon_Flag(2), 1);
    EXPECT_EQ(canvas(2)->pixmap().size(), QSize(30, 20));
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(PageEditorTest, PictureDialogCancelChangesNothing)
{
    selectPage(1);
    ui().openPaths.push_back(std::nullopt);
    w.MnuInsertFonSCADA->trigger();
    EXPECT_EQ(m.pages.Stranica_Fon_Flag(1), 0);
    EXPECT_TRUE(m.pages.Stranica_Fon_Name(1).isEmpty());
    EXPECT_TRUE(canvas(1)->pixmap().isNull());
}

TEST_F(PageEditorTest, FileThatIsNoPictureIsRefusedWithTheMessage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.gif"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    ui().openPaths.push_back(path);
    w.MnuInsertFonSCADA->trigger();
    EXPECT_EQ(ui().messageTexts(), QStringList{kBadPicture});
    EXPECT_EQ(m.pages.Stranica_Fon_Flag(0), 0);
    EXPECT_TRUE(m.pages.Stranica_Fon_Name(0).isEmpty());
}

TEST_F(PageEditorTest, ADamagedOrCutShortGifIsRefusedWithTheMessage)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.gif"));
    const QString cut = dir.filePath(QStringLiteral("cut.gif"));
    ASSERT_TRUE(test::writeFile(damaged, test::damagedGif(40, 30)));
    ASSERT_TRUE(test::writeFile(cut, test::truncatedGif(40, 30)));
    ui().openPaths = {damaged, cut};
    w.MnuInsertFonSCADA->trigger();
    w.MnuInsertFonSCADA->trigger();
    EXPECT_EQ(ui().messageTexts(), (QStringList{kBadPicture, kBadPicture}));
    EXPECT_EQ(m.pages.Stranica_Fon_Flag(0), 0);
    EXPECT_TRUE(m.pages.Stranica_Fon_Name(0).isEmpty());
    EXPECT_TRUE(canvas(0)->pixmap().isNull());
}

TEST_F(PageEditorTest, LockToggledTwiceIsRestored)
{
    const bool before = locked();
    w.mnuBlockSCADA->trigger();
    EXPECT_NE(locked(), before);
    w.mnuBlockSCADA->trigger();
    EXPECT_EQ(locked(), before);
    ed().mnuBlockSCADA_Click();
    ed().mnuBlockSCADA_Click();
    EXPECT_EQ(locked(), before);
}

TEST_F(PageEditorTest, GridDialogShowsTheStepAndSetsBothCopies)
{
    m.pages.Setka_Razmer = 5;
    m.pages.Control_Grid = 1;
    w.MnuCoordNetSCADA->trigger();
    Coord_Setka *d = ed().coordSetka();
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(w.window.isEnabled());
    EXPECT_EQ(d->Text_Razmer_Coord_NET->text(), QStringLiteral("5"));
    EXPECT_TRUE(d->Control_Coord_Net->isChecked());
    d->Text_Razmer_Coord_NET->setText(QStringLiteral("10"));
    d->Control_Coord_Net->setChecked(false);
    d->Ok_Coord_Net->click();
    EXPECT_EQ(m.pages.Setka_Razmer, 10);
    EXPECT_EQ(m.pages.Setka_Razmer_Menu, 10);
    EXPECT_EQ(m.pages.Control_Grid, 0);
    EXPECT_EQ(m.pages.Control_Grid_Menu, 0);
    EXPECT_TRUE(w.window.isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ed().coordSetka(), nullptr);
}

TEST_F(PageEditorTest, GridStepOfZeroOrTooLargeIsRefusedInTheDialog)
{
    for (const char *typed : {"0", "-4", "abc", "40000"}) {
        ui().reset();
        m.pages.Setka_Razmer = 3;
        w.MnuCoordNetSCADA->trigger();
        Coord_Setka *d = ed().coordSetka();
        ASSERT_NE(d, nullptr);
        d->Text_Razmer_Coord_NET->setText(QString::fromLatin1(typed));
        d->Ok_Coord_Net->click();
        EXPECT_EQ(m.pages.Setka_Razmer, 3) << typed;
        EXPECT_EQ(ui().messageTexts(), QStringList{Coord_Setka::badStepMessage()}) << typed;
        EXPECT_FALSE(w.window.isEnabled()) << typed; // the dialog stays open
        d->Cancel_Coord_Net->click();
        EXPECT_TRUE(w.window.isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(PageEditorTest, GridDialogClosedByItsCloseBoxEnablesTheWindow)
{
    w.MnuCoordNetSCADA->trigger();
    ed().coordSetka()->close();
    EXPECT_TRUE(w.window.isEnabled());
    EXPECT_EQ(m.pages.Setka_Razmer, 1);
}

TEST_F(PageEditorTest, PageDialogStoresNameCaptionAndControllerNumber)
{
    selectPage(4);
    view().SCADA_SSTab->setTabCaption(4, QStringLiteral("Котельня"));
    m.pages.Stranica_Num_Net(4) = 7;
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(view().SCADA_SSTab->tabButton(4), &dbl);
    Num_Net_Orvo *d = ed().numNetOrvo();
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(w.window.isEnabled());
    EXPECT_EQ(d->Text1->text(), QStringLiteral("Котельня"));
    EXPECT_EQ(d->Combo2->currentIndex(), 7);
    d->Text1->setText(QStringLiteral("Насосна"));
    d->Combo2->setCurrentIndex(2); // "№3"
    d->Ok->click();
    EXPECT_EQ(m.pages.Stranica_Name(4), QStringLiteral("Насосна"));
    EXPECT_EQ(view().SCADA_SSTab->TabCaption(4), QStringLiteral("Насосна"));
    EXPECT_EQ(m.pages.Stranica_Num_Net(4), 2);
    EXPECT_TRUE(w.window.isEnabled());
}

TEST_F(PageEditorTest, PageDialogCancelStoresNothing)
{
    selectPage(1);
    m.pages.Stranica_Name(1) = QStringLiteral("Вентиляція");
    w.editor.SCADA_SSTab_DblClick();
    ed().numNetOrvo()->Text1->setText(QStringLiteral("інше"));
    ed().numNetOrvo()->Combo2->setCurrentIndex(9);
    ed().numNetOrvo()->Cancel->click();
    EXPECT_EQ(m.pages.Stranica_Name(1), QStringLiteral("Вентиляція"));
    EXPECT_EQ(m.pages.Stranica_Num_Net(1), 0);
    EXPECT_TRUE(w.window.isEnabled());
}

TEST_F(PageEditorTest, EnteringTheViewPutsPageZeroLevelBarsBackAndRewritesItsParameterCaptions)
{
    auto &t = m.pages;
    t.Parametr_Used(0, 12) = 1, t.Parametr_Digits(0, 12) = 4;
    t.Parametr_Used(0, 13) = 1, t.Parametr_Digits(0, 13) = 7; // no placeholder for this code
    t.Level_Used(0, 2) = 1;
    for (int n : {12, 13}) {
        ASSERT_TRUE(el().Parametr_Label.load(n));
        el().Parametr_Label(n)->setCaption(QStringLiteral("змінено"));
    }
    ASSERT_TRUE(el().Level_Picture.load(2));
    ASSERT_TRUE(el().Level_Picture_1.load(2));
    el().Level_Picture(2)->setParent(canvas(5));
    el().Level_Picture(2)->show();
    el().Level_Picture_1(2)->setParent(canvas(5));
    ed().enterPageZero();
    EXPECT_EQ(el().Parametr_Label(12)->caption(), QStringLiteral("000012"));
    EXPECT_EQ(el().Parametr_Label(13)->caption(), QStringLiteral("змінено"));
    EXPECT_EQ(el().Level_Picture(2)->parentWidget(), canvas(0));
    EXPECT_TRUE(el().Level_Picture(2)->isVisibleTo(canvas(0)));
    EXPECT_EQ(el().Level_Picture_1(2)->parentWidget(), canvas(0));
    EXPECT_FALSE(el().Level_Picture_1(2)->isVisibleTo(canvas(0)));
}

TEST_F(PageEditorTest, TheViewsBlinkTimerDrivesThePreview)
{
    auto &t = m.pages;
    t.Text_Signal_Used(0, 1) = 1;
    t.Text_Signal_Text_Off(0, 1) = QStringLiteral("Вимк");
    ASSERT_TRUE(el().Text_Signal_Picture.load(1));
    EXPECT_EQ(view().Signal_Timer_Miganie_SCADA->interval(), 500);
    view().Signal_Timer_Miganie_SCADA_Timer();
    EXPECT_EQ(el().Text_Signal_Picture(1)->caption(), QStringLiteral("Вимк"));
    EXPECT_EQ(ed().Miganie_Phase, 1);
}
