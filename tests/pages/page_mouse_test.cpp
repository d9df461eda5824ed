// The page editor under the mouse: synthetic presses, moves and releases on
// the canvases, the element views, the resize handle and the warning line of
// the demo pages, through the editor as the main window joins it. Each test
// checks the element records and the views the user sees.

#include "core/hosting/hosted_control.h"
#include "pages/page_editor.h"
#include "pages/page_restore.h"
#include "pages/page_view.h"
#include "project/project_file.h"
#include "project/startup.h"
#include "support/fake_services.h"
#include "support/lumtor_registry.h"
#include "support/page_fixture.h"
#include "support/page_rig.h"
#include "ui/hosted_control_widget.h"
#include "upload/page_tables_codec.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::pages;

namespace {

constexpr int kVersion = 6;

// The mouse as Qt delivers it: a press goes to the widget under the pointer
// (the deepest child), and until the release every move goes to that same
// widget, in its own coordinates, wherever the pointer is.
class Mouse {
public:
    // Press at `local` of `w`.
    void press(QWidget *w, QPoint local, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget *child = w->childAt(local);
        target_ = child ? child : w;
        owner_ = w;
        button_ = button;
        // The pointer in the owner's container, where the owner moves.
        at_ = w->pos() + local;
        send(QEvent::MouseButtonPress, button, button);
    }
    // Moves the pointer by (dx, dy) in `steps` even moves, the button held.
    void drag(int dx, int dy, int steps = 4)
    {
        const QPoint from = at_;
        for (int i = 1; i <= steps; ++i) {
            at_ = from + QPoint(dx * i / steps, dy * i / steps);
            send(QEvent::MouseMove, Qt::NoButton, button_);
        }
    }
    void release() { send(QEvent::MouseButtonRelease, button_, Qt::NoButton); }
    // The pointer over `local` of `w` without a button.
    void hover(QWidget *w, QPoint local)
    {
        QWidget *child = w->childAt(local);
        target_ = child ? child : w;
        owner_ = w;
        at_ = w->pos() + local;
        send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    }
    // Press, drag and release.
    void pressDragRelease(QWidget *w, QPoint local, int dx, int dy, Qt::MouseButton button = Qt::LeftButton)
    {
        press(w, local, button);
        drag(dx, dy);
        release();
    }

private:
    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held)
    {
        const QPointF local = target_->mapFrom(owner_, at_ - owner_->pos());
        QMouseEvent e(type, local, target_->mapToGlobal(local), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(target_, &e);
    }
    QWidget *target_ = nullptr;
    QWidget *owner_ = nullptr;
    Qt::MouseButton button_ = Qt::LeftButton;
    QPoint at_;
};

// Typing into a text box, one character at a time (any alphabet).
void typeInto(QWidget *box, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(box, &release);
    }
}

class PageMouseTest : public test::WithFakes {
protected:
    void SetUp() override
    {
        test::WithFakes::SetUp();
        m.settings.Stranica_Count = 16;
        m.settings.Format_Version = kVersion;
        test::placeDemoPageElements(m);
        m.pages.Setka_Razmer = 1;
        restorePageElements(m, w.editor, w.view, w);
        w.mnuBlockSCADA->setChecked(false); // the elements unlocked
    }
    void TearDown() override
    {
        if (w.mnuEditMenu)
            w.mnuEditMenu->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    PageEditor &ed() { return w.editor; }
    PageElements &el() { return w.editor.elements; }
    PageTables &t() { return m.pages; }
    QLabel *canvas(int p) { return w.view.SCADA_Picture[static_cast<std::size_t>(p)]; }
    QWidget *signal(int i) { return signalWidget(el().Signal_Picture(i)); }
    // Draws a band on canvas p from `from` to `to`.
    void band(int p, QPoint from, QPoint to)
    {
        mouse.pressDragRelease(canvas(p), from, to.x() - from.x(), to.y() - from.y());
    }
    // The pointer to `at` of canvas p, a right press there, then the pop-up menu's item.
    void popupItem(int p, QPoint at, QAction *item)
    {
        mouse.hover(canvas(p), at);
        mouse.press(canvas(p), at, Qt::RightButton);
        mouse.release();
        ASSERT_TRUE(w.mnuEditMenu->isVisible());
        EXPECT_EQ(w.mnuEditMenu->defaultAction(), w.mnuCopy);
        w.mnuEditMenu->hide();
        item->trigger();
    }

    test::LumtorRegistry registry;
    test::PageRig w;
    ProjectModel &m = w.model;
    Mouse mouse;
};

} // namespace

// A band drawn over the parameters and signals of the demo page, then the
// group grabbed inside it and moved: every element whose corner lay in the
// band moves by the pointer's offset on its grid, the band with it, and the
// release writes the records; the elements outside stay.
TEST_F(PageMouseTest, BandSelectsAGroupAndMovesItOnTheGrid)
{
    t().Setka_Razmer = 10;
    // The frame figure drawn around the page takes the mouse on its outline
    // only: inside it the press reaches the canvas.
    EXPECT_EQ(canvas(0)->childAt(30, 85), nullptr);
    EXPECT_EQ(canvas(0)->childAt(11, 85), el().ShapePlus1(10));
    band(0, QPoint(30, 85), QPoint(200, 175));
    QWidget *outline = ed().selectionBand();
    EXPECT_TRUE(outline->isVisibleTo(canvas(0)));
    EXPECT_EQ(outline->parentWidget(), canvas(0));
    EXPECT_EQ(outline->geometry(), QRect(30, 85, 171, 91));
    // The band drawn leftwards and upwards grows to the right and down.
    band(0, QPoint(300, 300), QPoint(250, 260));
    EXPECT_EQ(outline->geometry(), QRect(300, 300, 51, 41));
    band(0, QPoint(30, 85), QPoint(200, 175));

    // The grab on bare canvas inside the band: 103 right, 51 down.
    mouse.pressDragRelease(canvas(0), QPoint(33, 87), 103, 51);
    EXPECT_EQ(outline->geometry().topLeft(), QPoint(133, 136));
    struct Moved {
        const char *what;
        std::function<QPoint()> record;
        std::function<QPoint()> view;
        QPoint at;
    };
    const Moved moved[] = {
        {"parameter 7", [&] { return QPoint(t().Parametr_Coord_X(0, 7), t().Parametr_Coord_Y(0, 7)); },
         [&] { return el().Parametr_Label(7)->pos(); }, QPoint(280, 140)},
        {"parameter 5", [&] { return QPoint(t().Parametr_Coord_X(0, 5), t().Parametr_Coord_Y(0, 5)); },
         [&] { return el().Parametr_Label(5)->pos(); }, QPoint(280, 180)},
        {"static text 1", [&] { return QPoint(t().Text_Label_Coord_X(0, 1), t().Text_Label_Coord_Y(0, 1)); },
         [&] { return el().Text_Label_Label(1)->pos(); }, QPoint(140, 140)},
        {"signal 1", [&] { return QPoint(t().Signal_Coord_X(0, 1), t().Signal_Coord_Y(0, 1) % 1024); },
         [&] { return signal(1)->pos(); }, QPoint(140, 210)},
        // A signal with a list number is carried like the rest, its list kept.
        {"signal 2 (list 3)", [&] { return QPoint(t().Signal_Coord_X(0, 2), t().Signal_Coord_Y(0, 2) % 1024); },
         [&] { return signal(2)->pos(); }, QPoint(180, 210)},
        {"text signal 3", [&] { return QPoint(t().Text_Signal_Coord_X(0, 3), t().Text_Signal_Coord_Y(0, 3) % 1024); },
         [&] { return el().Text_Signal_Picture(3)->pos(); }, QPoint(230, 210)},
        // Outside the band: stays.
        {"transition 8", [&] { return QPoint(t().Go_Block_Coord_X(0, 8), t().Go_Block_Coord_Y(0, 8)); },
         [&] { return el().Go_Block_Label(8)->pos(); }, QPoint(40, 240)},
    };
    for (const Moved &e : moved) {
        EXPECT_EQ(e.record(), e.at) << e.what;
        EXPECT_EQ(e.view(), e.at) << e.what;
    }
    EXPECT_EQ(t().Signal_Coord_Y(0, 2) / 1024, 3);
    EXPECT_EQ(t().Text_Signal_Coord_Y(0, 3) / 1024, 2);
    // The lock leaves the group move alone.
    w.mnuBlockSCADA->setChecked(true);
    mouse.pressDragRelease(canvas(0), QPoint(260, 137), 20, 0);
    EXPECT_EQ(el().Parametr_Label(7)->pos(), QPoint(300, 140));
    EXPECT_EQ(t().Parametr_Coord_X(0, 7), 300);
}

// A group dragged far past the left and top edges stops there: the band at 0
// and no element ever placed or stored at a negative position.
// A plain click on bare canvas leaves no rectangle, and while an element
// dialog has disabled the main window its page takes no mouse input.
TEST_F(PageMouseTest, APlainClickLeavesNothingAndADisabledPageIgnoresTheMouse)
{
    QWidget *outline = ed().selectionBand();
    mouse.press(canvas(0), QPoint(400, 300));
    mouse.release();
    EXPECT_FALSE(outline->isVisibleTo(canvas(0)));
    EXPECT_FALSE(ed().state.Select_copy.Visible);
    // A click inside a drawn band after it still grabs the band, not a dot.
    band(0, QPoint(300, 300), QPoint(350, 340));
    mouse.press(canvas(0), QPoint(320, 320));
    mouse.release();
    EXPECT_TRUE(outline->isVisibleTo(canvas(0)));
    EXPECT_EQ(outline->geometry(), QRect(300, 300, 51, 41));

    const PageTables before = t();
    const QRect shown = outline->geometry();
    w.window.setEnabled(false);
    band(0, QPoint(100, 100), QPoint(180, 160));
    mouse.pressDragRelease(canvas(0), QPoint(320, 320), 40, 30);
    mouse.pressDragRelease(el().Parametr_Label(7), QPoint(2, 2), 50, 50);
    EXPECT_EQ(outline->geometry(), shown);
    EXPECT_EQ(t().Parametr_Coord_X(0, 7), before.Parametr_Coord_X(0, 7));
    EXPECT_EQ(t().Parametr_Coord_Y(0, 7), before.Parametr_Coord_Y(0, 7));
    w.window.setEnabled(true);
    mouse.press(canvas(0), QPoint(400, 300));
    mouse.release();
    EXPECT_FALSE(outline->isVisibleTo(canvas(0)));
}

TEST_F(PageMouseTest, GroupMovePastTheEdgesStopsAtThem)
{
    band(0, QPoint(30, 85), QPoint(200, 175));
    mouse.press(canvas(0), QPoint(33, 87));
    mouse.drag(-5, -5, 1); // the band still wholly inside: everything follows
    mouse.drag(-200, -200, 8);
    mouse.release();
    // Off the page the band follows the pointer alone, so it can be brought back.
    EXPECT_LT(ed().selectionBand()->x(), 0);
    for (int n : {5, 7}) {
        EXPECT_GE(t().Parametr_Coord_X(0, n), 0) << n;
        EXPECT_GE(t().Parametr_Coord_Y(0, n), 0) << n;
        EXPECT_GE(el().Parametr_Label(n)->x(), 0) << n;
        EXPECT_GE(el().Parametr_Label(n)->y(), 0) << n;
    }
    EXPECT_GE(t().Text_Label_Coord_X(0, 1), 0);
    EXPECT_GE(t().Signal_Coord_Y(0, 2) % 1024, 0);
    EXPECT_EQ(t().Signal_Coord_Y(0, 2) / 1024, 3);
}

// Every kind dragged by its own view: the view follows the pointer within its
// kind's range, the record takes the new place, the companions follow and the
// view shows its tool tip.
TEST_F(PageMouseTest, EveryKindIsDraggedByItsView)
{
    struct Case {
        const char *what;
        std::function<QWidget *()> view;
        QPoint grab; // where the view is taken
        QPoint delta;
        std::function<QPoint()> record;
        QPoint stored;
        QString toolTip; // empty: none
    };
    const Case cases[] = {
        {"parameter",
         [&] { return el().Parametr_Label(7); },
         {3, 3},
         {20, 10},
         [&] { return QPoint(t().Parametr_Coord_X(0, 7), t().Parametr_Coord_Y(0, 7)); },
         {200, 100},
         QStringLiteral("Параметр 7, X - 200, Y - 100")},
        {"signal",
         [&] { return signal(1); },
         {3, 3},
         {-10, 30},
         [&] { return QPoint(t().Signal_Coord_X(0, 1), t().Signal_Coord_Y(0, 1)); },
         {30, 190},
         QStringLiteral("Сигнал 1, X - 30, Y - 190")},
        {"text signal (list 2)",
         [&] { return el().Text_Signal_Picture(3); },
         {3, 3},
         {10, 5},
         [&] { return QPoint(t().Text_Signal_Coord_X(0, 3), t().Text_Signal_Coord_Y(0, 3)); },
         {140, 2 * 1024 + 170},
         QStringLiteral("Сигнал текст 3, X - 140, Y - 170")},
        {"level bar by its second picture",
         [&] { return el().Level_Picture_1(4); },
         {3, 3},
         {-50, 20},
         [&] { return QPoint(t().Level_Coord_X(0, 4), t().Level_Coord_Y(0, 4)); },
         {550, 110},
         QStringLiteral("Уровень 4, X - 550, Y - 110")},
        {"transition",
         [&] { return el().Go_Block_Label(8); },
         {3, 3},
         {15, 15},
         [&] { return QPoint(t().Go_Block_Coord_X(0, 8), t().Go_Block_Coord_Y(0, 8)); },
         {55, 255},
         QStringLiteral("Переход 8, X - 55, Y - 255")},
        {"figure",
         [&] { return el().ShapePlus1(11); },
         {2, 45},
         {-40, 0},
         [&] { return QPoint(t().Figura_Coord_X(0, 11), t().Figura_Coord_Y(0, 11)); },
         {400, 200},
         QStringLiteral("Фигура 11, X - 400, Y - 200")},
        {"mechanism",
         [&] { return el().Ventilator_Picture(12); },
         {3, 3},
         {10, -30},
         [&] { return QPoint(t().Vent_Coord_X(0, 12), t().Vent_Coord_Y(0, 12)); },
         {310, 200},
         QStringLiteral("Вентилятор 12, X - 310, Y - 200")},
        {"static text",
         [&] { return el().Text_Label_Label(64); },
         {3, 3},
         {5, 5},
         [&] { return QPoint(t().Text_Label_Coord_X(0, 64), t().Text_Label_Coord_Y(0, 64)); },
         {305, 25},
         QStringLiteral("Tекст 64, X - 305, Y - 25")},
        {"control button",
         [&] { return el().Control_Image(13); },
         {3, 3},
         {-20, -30},
         [&] { return QPoint(t().Control_Coord_X(0, 13), t().Control_Coord_Y(0, 13)); },
         {200, 350},
         QStringLiteral("Управление 13, X - 200, Y - 350")},
        {"graph window",
         [&] { return el().Grafik_Image(1); },
         {3, 3},
         {-60, 10},
         [&] { return QPoint(t().Grafik_Coord_X(1), t().Grafik_Coord_Y(1)); },
         {500, 300},
         QStringLiteral("Графік 1, X - 500, Y - 300")},
        {"clock",
         [&] { return el().Real_Clock(1); },
         {3, 3},
         {-100, 80},
         [&] { return QPoint(t().Clock_Coord_X(1), t().Clock_Coord_Y(1)); },
         {600, 100},
         QStringLiteral("Часы 1, X - 600, Y - 100")},
        {"menu item by its picture",
         [&] { return el().Menu_Image(2); },
         {3, 3},
         {30, -20},
         [&] { return QPoint(t().Menu_Coord_X(0, 2), t().Menu_Coord_Y(0, 2)); },
         {130, 310},
         QStringLiteral("Меню 2, X - 123, Y - 297")},
        // Main-window pixels; the record keeps the page place.
        {"warning line",
         [&] { return static_cast<QWidget *>(w.Varning_Text); },
         {3, 3},
         {-100, -308},
         [&] { return QPoint(t().Varning_Coord_X, t().Varning_Coord_Y); },
         {100, 142},
         QString()},
    };
    for (const Case &c : cases) {
        QWidget *v = c.view();
        ASSERT_NE(v, nullptr) << c.what;
        mouse.pressDragRelease(v, c.grab, c.delta.x(), c.delta.y());
        EXPECT_EQ(c.record(), c.stored) << c.what;
        if (!c.toolTip.isEmpty()) {
            const QString shown = v == signal(1) ? el().Signal_Picture(1)->toolTipText() : v->toolTip();
            EXPECT_EQ(shown, c.toolTip) << c.what;
        }
    }
    // The companions stand with their element.
    EXPECT_EQ(el().Level_Picture(4)->pos(), el().Level_Picture_1(4)->pos());
    EXPECT_EQ(el().Real_Time(1)->pos(), QPoint(600, 122));
    EXPECT_EQ(el().Menu_Text(2)->pos(), el().Menu_Image(2)->pos() + QPoint(7, 13));
    // A dragged figure takes the handle at its lower right corner.
    EXPECT_TRUE(el().Zoom[2]->isVisibleTo(canvas(0)));
    EXPECT_EQ(el().Zoom[2]->pos(), QPoint(490, 290));
    // The warning line at main-window (102, 142) is the page place (100, 100).
    mouse.pressDragRelease(w.Varning_Text, QPoint(3, 3), 0, -42);
    EXPECT_EQ(w.Varning_Text->pos(), QPoint(102, 142));
    EXPECT_EQ(QPoint(t().Varning_Coord_X, t().Varning_Coord_Y), QPoint(100, 100));
}

// What a drag does not move: the right button, the lock, and a view pushed
// past its kind's range, which slides along the edge.
TEST_F(PageMouseTest, DragRefusalsAndEdges)
{
    ElementLabel *p7 = el().Parametr_Label(7);
    mouse.pressDragRelease(p7, QPoint(2, 2), 40, 40, Qt::RightButton);
    w.mnuEditMenu->hide();
    EXPECT_EQ(p7->pos(), QPoint(180, 90));
    w.mnuBlockSCADA->setChecked(true);
    mouse.pressDragRelease(p7, QPoint(2, 2), 40, 40);
    EXPECT_EQ(p7->pos(), QPoint(180, 90));
    EXPECT_EQ(t().Parametr_Coord_X(0, 7), 180);
    // The tool tip still shows where it stands.
    EXPECT_EQ(p7->toolTip(), QStringLiteral("Параметр 7, X - 180, Y - 90"));
    w.mnuBlockSCADA->setChecked(false);
    // Past the left edge the X stops at its last step inside, the Y still follows.
    mouse.pressDragRelease(p7, QPoint(2, 2), -400, 30);
    EXPECT_EQ(p7->pos(), QPoint(80, 120));
    EXPECT_EQ(QPoint(t().Parametr_Coord_X(0, 7), t().Parametr_Coord_Y(0, 7)), QPoint(80, 120));
    // A control button of key type 10 goes to 710 and no further.
    t().Control_Key_Type(0, 13) = 10;
    ElementImage *button = el().Control_Image(13);
    mouse.press(button, QPoint(2, 2));
    mouse.drag(490, 0, 1);
    EXPECT_EQ(button->x(), 710);
    mouse.drag(30, 0, 3);
    mouse.release();
    EXPECT_EQ(button->x(), 710);
    EXPECT_EQ(t().Control_Coord_X(0, 13), 710);
}

// The handle: a click on a figure, a signal or a level bar shows it at the
// lower right corner; dragging it resizes from the corner that stays.
TEST_F(PageMouseTest, HandleResizesFiguresSignalsAndLevelBars)
{
    QLabel *handle = el().Zoom[2];
    FigureShape *circle = el().ShapePlus1(11);
    // A right click shows no handle, on a figure as on a signal; a left one does.
    for (auto [view, at] : {std::pair<QWidget *, QPoint>{circle, {2, 45}}, {signal(1), {5, 5}}}) {
        mouse.press(view, at, Qt::RightButton);
        mouse.release();
        w.mnuEditMenu->hide();
        EXPECT_FALSE(handle->isVisibleTo(canvas(0))) << view->metaObject()->className();
    }

    // A circle stays round.
    mouse.press(circle, QPoint(2, 45));
    mouse.release();
    ASSERT_TRUE(handle->isVisibleTo(canvas(0)));
    EXPECT_EQ(handle->pos(), QPoint(530, 290));
    mouse.pressDragRelease(handle, QPoint(5, 5), 30, -50);
    EXPECT_EQ(circle->size(), QSize(120, 120));
    EXPECT_EQ(QPoint(t().Figura_Razmer_X(0, 11), t().Figura_Razmer_Y(0, 11)), QPoint(120, 120));
    EXPECT_EQ(circle->pos(), QPoint(440, 200));

    // A signal stops at 50 and keeps its shape bits.
    const int shapeX = t().Signal_Razmer_X(0, 2) / 64, shapeY = t().Signal_Razmer_Y(0, 2) / 64;
    mouse.press(signal(2), QPoint(5, 5));
    mouse.release();
    EXPECT_EQ(handle->pos(), QPoint(110, 180));
    mouse.pressDragRelease(handle, QPoint(5, 5), 100, 100);
    EXPECT_EQ(signal(2)->size(), QSize(50, 50));
    EXPECT_EQ(t().Signal_Razmer_X(0, 2), shapeX * 64 + 50);
    EXPECT_EQ(t().Signal_Razmer_Y(0, 2), shapeY * 64 + 50);

    // A level bar: the second picture takes the full width and half the height.
    mouse.press(el().Level_Picture(4), QPoint(5, 5));
    mouse.release();
    mouse.pressDragRelease(handle, QPoint(5, 5), 10, -51);
    EXPECT_EQ(el().Level_Picture(4)->size(), QSize(40, 100));
    EXPECT_EQ(el().Level_Picture_1(4)->size(), QSize(40, 50));
    EXPECT_EQ(QPoint(t().Level_Razmer_X(0, 4), t().Level_Razmer_Y(0, 4)), QPoint(40, 100));
    // Past the corner the size mirrors, never below 1.
    mouse.pressDragRelease(handle, QPoint(5, 5), -40, 0);
    EXPECT_EQ(el().Level_Picture(4)->width(), 1);
    // With the lock the handle neither moves nor resizes; a canvas click hides it.
    w.mnuBlockSCADA->setChecked(true);
    const QPoint before = handle->pos();
    mouse.pressDragRelease(handle, QPoint(5, 5), 30, 30);
    EXPECT_EQ(handle->pos(), before);
    EXPECT_EQ(el().Level_Picture(4)->width(), 1);
    mouse.press(canvas(0), QPoint(700, 200));
    mouse.release();
    EXPECT_FALSE(handle->isVisibleTo(canvas(0)));
}

// Copy, paste and delete through the pop-up menu of a right press: the copies
// take the lowest free slots at the pointer with their offsets, and show from
// their records; Delete frees what lies strictly inside the band.
TEST_F(PageMouseTest, CopyPasteAndDeleteThroughThePopupMenu)
{
    band(0, QPoint(170, 80), QPoint(260, 150)); // parameters 7 (180, 90) and 5 (180, 130)
    popupItem(0, QPoint(250, 145), w.mnuCopy);
    EXPECT_EQ(ed().state.Selection_Table(0, 0), 5);
    EXPECT_EQ(ed().state.Selection_Table(0, 1), 7);

    // Paste on page 1 (its parameter slot 1 is taken) with the pointer at (400, 300).
    w.view.selectTab(1);
    popupItem(1, QPoint(400, 300), w.mnuPaste);
    struct Pasted {
        int slot;
        QPoint at;
        QString caption;
    };
    // Parameter 5 shows the time (two characters), parameter 7 four digits.
    for (const Pasted &e :
         {Pasted{2, {400, 340}, QStringLiteral("02")}, Pasted{3, {400, 300}, QStringLiteral("0003")}}) {
        EXPECT_EQ(t().Parametr_Used(1, e.slot), 1) << e.slot;
        EXPECT_EQ(QPoint(t().Parametr_Coord_X(1, e.slot), t().Parametr_Coord_Y(1, e.slot)), e.at) << e.slot;
        ElementLabel *l = el().Parametr_Label(32 + e.slot);
        ASSERT_NE(l, nullptr) << e.slot;
        EXPECT_EQ(l->parentWidget(), canvas(1)) << e.slot;
        EXPECT_TRUE(l->isVisibleTo(canvas(1))) << e.slot;
        EXPECT_EQ(l->pos(), e.at) << e.slot;
        EXPECT_EQ(l->caption(), e.caption) << e.slot;
    }
    EXPECT_EQ(t().Parametr_Font_Size(1, 2), t().Parametr_Font_Size(0, 5));
    // The band stands at the paste point on the pasted page.
    EXPECT_EQ(ed().selectionBand()->parentWidget(), canvas(1));
    EXPECT_EQ(ed().selectionBand()->pos(), QPoint(400, 300));

    // A paste near the corner keeps every pasted view wholly on the page,
    // against its right and bottom edges.
    popupItem(1, QPoint(795, 475), w.mnuPaste);
    const QRect pasted = el().Parametr_Label(32 + 4)->geometry();
    EXPECT_EQ(pasted.topLeft(), QPoint(t().Parametr_Coord_X(1, 4), t().Parametr_Coord_Y(1, 4)));
    EXPECT_EQ(pasted.right(), 799);
    EXPECT_EQ(pasted.bottom(), 479);

    // Delete what a band holds strictly inside: the first paste's two.
    band(1, QPoint(390, 290), QPoint(420, 360));
    popupItem(1, QPoint(415, 355), w.mnuDelete);
    for (int n : {2, 3}) {
        EXPECT_EQ(t().Parametr_Used(1, n), 0) << n;
        EXPECT_FALSE(el().Parametr_Label.isLoaded(32 + n)) << n;
    }
    EXPECT_TRUE(el().Parametr_Label.isLoaded(32 + 1));
    EXPECT_TRUE(el().Parametr_Label.isLoaded(32 + 4));
    // A right press on an element opens the menu too, at the element's canvas point.
    mouse.press(el().Parametr_Label(32 + 1), QPoint(4, 6), Qt::RightButton);
    mouse.release();
    EXPECT_TRUE(w.mnuEditMenu->isVisible());
    EXPECT_EQ(QPoint(ed().Mouse_X, ed().Mouse_Y), QPoint(204, 186));
}

// The caption of a menu item is typed into its text box on the canvas and
// goes into the record at once; captions set from code store nothing.
TEST_F(PageMouseTest, MenuCaptionIsTypedOnTheCanvas)
{
    ElementLabel *box = el().Menu_Text(2);
    ASSERT_TRUE(box->editable());
    QLineEdit *edit = box->editor();
    EXPECT_EQ(edit->text(), QStringLiteral("Насоси"));
    edit->selectAll();
    typeInto(edit, QStringLiteral("Котли"));
    EXPECT_EQ(t().Menu_Caption(0, 2), QStringLiteral("Котли"));
    EXPECT_EQ(box->caption(), QStringLiteral("Котли"));
    // At most 13 characters.
    typeInto(edit, QStringLiteral(" та насосна станція"));
    EXPECT_EQ(t().Menu_Caption(0, 2).size(), 13);
    // Page 1's menu item set from code while page 0 is current changes no record.
    el().Menu_Text(9)->setCaption(QStringLiteral("інше"));
    EXPECT_EQ(t().Menu_Caption(1, 1), QStringLiteral("Котельня"));
    EXPECT_EQ(t().Menu_Caption(0, 1), QString());
    // The template's box stores nothing.
    typeInto(el().Menu_Text(0)->editor(), QStringLiteral("x"));
    EXPECT_EQ(t().Menu_Caption(0, 0), QString());
}

// After a group move, a paste and a delete by the mouse, the project saved
// and opened again shows the same page, and the page tables of the upload are
// those of the edited page.
TEST_F(PageMouseTest, EditedPageSavesAndOpensAsShown)
{
    band(0, QPoint(30, 85), QPoint(200, 175));
    mouse.pressDragRelease(canvas(0), QPoint(33, 87), 100, 50);
    popupItem(0, QPoint(150, 150), w.mnuCopy);
    popupItem(0, QPoint(500, 20), w.mnuPaste);
    band(0, QPoint(590, 80), QPoint(640, 300)); // the level bar at (600, 90)
    popupItem(0, QPoint(630, 290), w.mnuDelete);
    ASSERT_EQ(t().Level_Used(0, 4), 0);

    projectfile::prepareForSave(m);
    const projectfile::WriteResult saved = projectfile::writeProjectFile(m);
    ASSERT_TRUE(saved.ok) << saved.reason.toStdString();
    test::PageRig again;
    startUpModel(again.model);
    const projectfile::ReadResult read =
        projectfile::readProjectFile(saved.bytes, again.model, QStringLiteral("/projects/demo"));
    ASSERT_TRUE(read.ok) << read.reason.toStdString();
    restorePageElements(again.model, again.editor, again.view, again);

    // Every view of page 0 stands where it stood before the save (the sizes
    // are the upload tables' below; a text signal's follows its blinking caption).
    int compared = 0;
    for (QObject *o : canvas(0)->children()) {
        auto *v = qobject_cast<QWidget *>(o);
        if (!v || !v->isVisibleTo(canvas(0)) || v == ed().selectionBand() || v->objectName().startsWith("Zoom"))
            continue;
        bool found = false;
        for (QObject *o2 : again.view.SCADA_Picture[0]->children()) {
            auto *v2 = qobject_cast<QWidget *>(o2);
            if (v2 && v2->isVisibleTo(again.view.SCADA_Picture[0]) && v2->pos() == v->pos() &&
                v2->metaObject() == v->metaObject())
                found = true;
        }
        EXPECT_TRUE(found) << v->metaObject()->className() << " at " << v->x() << "," << v->y();
        ++compared;
    }
    EXPECT_GT(compared, 20);
    EXPECT_FALSE(again.editor.elements.Level_Picture.isLoaded(4));

    QByteArray before(page::tableWrittenLength(kVersion), '\0'), after = before;
    ASSERT_TRUE(page::writeElementTables(m, 0, kVersion, before, 0).has_value());
    ASSERT_TRUE(page::writeElementTables(again.model, 0, kVersion, after, 0).has_value());
    EXPECT_EQ(before, after);
}
