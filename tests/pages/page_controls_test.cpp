// The controls of page elements, their control arrays and the mouse adapter.

#include "pages/builtin_pictures.h"
#include "pages/control_array.h"
#include "pages/mouse_adapter.h"
#include "pages/page_controls.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace pelmora::pages;

namespace {

using Labels = ControlArray<ElementLabel>;
QPointer<ElementLabel> copyLabel(ElementLabel &t) { return QPointer(ElementLabel::copyOf(t)); }

void placeTemplate(Labels &a, QWidget *container)
{
    auto *t = new ElementLabel(container);
    t->setCaption(QStringLiteral("0"));
    t->setForeColor(0x0000FF);
    t->setBorderStyle(1);
    t->setGeometry(5, 6, 30, 20);
    t->show();
    a.setTemplate(t);
}

QImage render(QWidget &w) { return w.grab().toImage(); }

} // namespace

TEST(ControlArray, LoadedElementIsAHiddenCopyOfTheTemplateInItsContainer)
{
    QWidget canvas;
    Labels a(copyLabel);
    placeTemplate(a, &canvas);
    ASSERT_TRUE(a.load(37));
    ElementLabel *e = a(37);
    ASSERT_NE(e, nullptr);
    EXPECT_NE(e, a(0));
    EXPECT_EQ(e->parentWidget(), &canvas);
    EXPECT_FALSE(e->isVisibleTo(&canvas));
    EXPECT_EQ(e->geometry(), QRect(5, 6, 30, 20));
    EXPECT_EQ(e->caption(), QStringLiteral("0"));
    EXPECT_EQ(e->foreColor(), 0x0000FF);
    EXPECT_EQ(e->borderStyle(), 1);
    EXPECT_EQ(a.indexOf(e), 37);
}

TEST(ControlArray, LoadingAnElementAlreadyLoadedFailsAndLeavesItUnchanged)
{
    QWidget canvas;
    Labels a(copyLabel);
    placeTemplate(a, &canvas);
    ASSERT_TRUE(a.load(3));
    ElementLabel *e = a(3);
    e->setCaption(QStringLiteral("мій"));
    e->move(100, 100);
    EXPECT_FALSE(a.load(3));
    EXPECT_EQ(a(3), e);
    EXPECT_EQ(e->caption(), QStringLiteral("мій"));
    EXPECT_EQ(e->pos(), QPoint(100, 100));
    EXPECT_FALSE(a.load(0)); // the template is always loaded
}

TEST(ControlArray, UnloadFreesTheElementButNeverTheTemplate)
{
    QWidget canvas;
    Labels a(copyLabel);
    placeTemplate(a, &canvas);
    ASSERT_TRUE(a.load(5));
    QPointer<ElementLabel> e = a(5);
    EXPECT_TRUE(a.unload(5));
    EXPECT_TRUE(e.isNull());
    EXPECT_FALSE(a.isLoaded(5));
    EXPECT_FALSE(a.unload(5));
    EXPECT_FALSE(a.unload(0));
    EXPECT_TRUE(a.isLoaded(0));
    EXPECT_TRUE(a.load(5)); // a freed index can be loaded again
    EXPECT_EQ(a.indexes(), (std::vector<int>{0, 5}));
}

TEST(ControlArray, IndexesOutsideTheArrayRangeAreRefused)
{
    QWidget canvas;
    Labels a(copyLabel);
    placeTemplate(a, &canvas);
    EXPECT_FALSE(a.load(-1));
    EXPECT_FALSE(a.load(32768));
    EXPECT_TRUE(a.load(32767));
}

TEST(ControlArray, AnElementWhoseContainerWentIsNoLongerLoaded)
{
    auto canvas = std::make_unique<QWidget>();
    QWidget other;
    ControlArray<ElementLabel> a([](ElementLabel &t) { return QPointer(ElementLabel::copyOf(t)); });
    a.setTemplate(new ElementLabel(&other));
    ASSERT_TRUE(a.load(1));
    a(1)->setParent(canvas.get());
    canvas.reset();
    EXPECT_FALSE(a.isLoaded(1));
    EXPECT_TRUE(a.load(1));
}

TEST(FigureShape, RectangleForKindZeroCircleForKindsOneAndThree)
{
    QWidget canvas;
    canvas.resize(200, 200);
    canvas.setAutoFillBackground(true);
    canvas.setPalette(QPalette(Qt::white));
    for (int kind : {0, 1, 3}) {
        FigureShape f(&canvas);
        f.setGeometry(0, 0, 100, 60);
        f.setShape(kind);
        f.setLineColor(0x0000FF); // red
        f.setLineWidth(3);
        f.show();
        const QImage img = render(canvas);
        const bool corner = img.pixelColor(1, 1) == QColor(255, 0, 0);
        EXPECT_EQ(corner, kind == 0) << kind;
        // A circle of diameter 60 centred in the control touches the top edge at its middle.
        EXPECT_EQ(img.pixelColor(50, 1).red(), 255) << kind;
        EXPECT_LT(img.pixelColor(50, 1).green(), 100) << kind;
        // Inside stays transparent.
        EXPECT_EQ(img.pixelColor(50, 30), QColor(Qt::white)) << kind;
        EXPECT_EQ(f.isCircle(), kind != 0);
    }
}

TEST(FigureShape, LineWidthGrowsInward)
{
    QWidget canvas;
    canvas.resize(100, 100);
    canvas.setAutoFillBackground(true);
    canvas.setPalette(QPalette(Qt::white));
    FigureShape f(&canvas);
    f.setGeometry(10, 10, 50, 50);
    f.setLineColor(0x000000);
    f.setLineWidth(5);
    f.show();
    const QImage img = render(canvas);
    EXPECT_EQ(img.pixelColor(10, 30), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(14, 30), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(15, 30), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(9, 30), QColor(Qt::white));
}

TEST(MouseAdapter, TwipsConversionRoundsThenTruncates)
{
    // clang-format off
    struct Case { float twips; int pixels; };
    // clang-format on
    const Case cases[] = {{0, 0}, {14.4f, 0}, {14.5f, 0}, {15, 1}, {29.6f, 2}, {-16, -1}, {150, 10}};
    for (const Case &c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(MouseAdapter, CanvasReportsPixelsAndControlsReportTwips)
{
    QWidget canvas;
    canvas.resize(200, 200);
    QWidget control(&canvas);
    control.setGeometry(50, 50, 40, 40);
    struct Seen {
        short button = 0, shift = 0;
        float x = -1, y = -1;
    } canvasSeen, controlSeen;
    MouseHandlers ch;
    ch.MouseMove = [&](short b, short s, float x, float y) { canvasSeen = {b, s, x, y}; };
    MouseAdapter::attach(&canvas, MouseUnits::Pixels, ch);
    MouseHandlers kh;
    kh.MouseDown = [&](short b, short s, float x, float y) { controlSeen = {b, s, x, y}; };
    MouseAdapter::attach(&control, MouseUnits::Twips, kh);

    QMouseEvent move(QEvent::MouseMove, QPointF(123, 45), QPointF(123, 45), Qt::NoButton, Qt::LeftButton,
                     Qt::ShiftModifier);
    QApplication::sendEvent(&canvas, &move);
    EXPECT_EQ(canvasSeen.x, 123);
    EXPECT_EQ(canvasSeen.y, 45);
    EXPECT_EQ(canvasSeen.button, 1);
    EXPECT_EQ(canvasSeen.shift, 1);

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 7), QPointF(53, 57), Qt::RightButton, Qt::RightButton,
                      Qt::ControlModifier | Qt::AltModifier);
    QApplication::sendEvent(&control, &press);
    EXPECT_EQ(controlSeen.x, 45);
    EXPECT_EQ(controlSeen.y, 105);
    EXPECT_EQ(controlSeen.button, 2);
    EXPECT_EQ(controlSeen.shift, 6);
}

TEST(MouseAdapter, DoubleClickGivesClickThenDblClickAndOneClickOnly)
{
    QWidget w;
    w.resize(50, 50);
    QStringList order;
    MouseHandlers h;
    h.Click = [&] { order << QStringLiteral("Click"); };
    h.DblClick = [&] { order << QStringLiteral("DblClick"); };
    h.MouseDown = [&](short, short, float, float) { order << QStringLiteral("Down"); };
    h.MouseUp = [&](short, short, float, float) { order << QStringLiteral("Up"); };
    MouseAdapter::attach(&w, MouseUnits::Pixels, h);
    const QPointF at(10, 10);
    auto send = [&](QEvent::Type type) {
        QMouseEvent e(type, at, at, Qt::LeftButton, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    };
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    send(QEvent::MouseButtonDblClick);
    send(QEvent::MouseButtonRelease);
    EXPECT_EQ(order, (QStringList{"Down", "Up", "Click", "DblClick", "Up"}));
}

TEST(BuiltinPictures, EveryKeyTypeAndPictureCodeHasItsPicture)
{
    for (int k = 0; k < builtin::kKeyTypes; ++k)
        EXPECT_EQ(builtin::STOP_Image(k).size(), QSize(40, 40)) << k;
    for (int c = 0; c < builtin::kMechanismCodes; ++c)
        EXPECT_EQ(builtin::PictureVent(c).size(), QSize(48, 48)) << c;
    EXPECT_TRUE(builtin::STOP_Image(20).isNull());
    EXPECT_TRUE(builtin::PictureVent(-1).isNull());
    EXPECT_TRUE(builtin::PictureVent(23).isNull());
    EXPECT_FALSE(builtin::Krylcatka_1().isNull());
    EXPECT_FALSE(builtin::Krylcatka_2().isNull());
    EXPECT_EQ(builtin::menuPicture().size(), QSize(123, 44));
    EXPECT_EQ(builtin::manometerPicture().size(), QSize(70, 73));
}

// Click and DblClick come from the left button alone: a right click on a
// figure must not show its handle when a right click on a signal does not.
TEST(MouseAdapter, OnlyTheLeftButtonClicksAndDoubleClicks)
{
    QWidget w;
    w.resize(50, 50);
    QStringList order;
    MouseHandlers h;
    h.Click = [&] { order << QStringLiteral("Click"); };
    h.DblClick = [&] { order << QStringLiteral("DblClick"); };
    h.MouseDown = [&](short b, short, float, float) { order << QStringLiteral("Down%1").arg(b); };
    h.MouseUp = [&](short b, short, float, float) { order << QStringLiteral("Up%1").arg(b); };
    MouseAdapter::attach(&w, MouseUnits::Pixels, h);
    const QPointF at(10, 10);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        order.clear();
        auto send = [&](QEvent::Type type) {
            QMouseEvent e(type, at, at, button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                          Qt::NoModifier);
            QApplication::sendEvent(&w, &e);
        };
        send(QEvent::MouseButtonPress);
        send(QEvent::MouseButtonRelease);
        send(QEvent::MouseButtonDblClick);
        send(QEvent::MouseButtonRelease);
        const short code = buttonCode(button);
        EXPECT_EQ(order, (QStringList{QStringLiteral("Down%1").arg(code), QStringLiteral("Up%1").arg(code),
                                      QStringLiteral("Down%1").arg(code), QStringLiteral("Up%1").arg(code)}))
            << code;
    }
}
