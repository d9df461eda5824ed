// The control's mouse events reach the host's handlers with their arguments in
// twips (15 to the pixel), from anywhere on the control.

#include "support/fake_services.h"
#include "support/lumtor_registry.h"

#include "ui/hosted_control_widget.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

struct Event {
    QString name;
    short button = 0, shift = 0;
    float x = 0, y = 0;
    bool operator==(const Event &) const = default;
};

void PrintTo(const Event &e, std::ostream *os)
{
    *os << e.name.toStdString() << "(" << e.button << "," << e.shift << "," << e.x << "," << e.y << ")";
}

class LumtorEvents : public WithFakes {
protected:
    LumtorRegistry registry;
    QWidget canvas;
    std::unique_ptr<hosting::HostedControl> lamp;
    std::vector<Event> seen;

    void SetUp() override
    {
        WithFakes::SetUp();
        canvas.resize(300, 200);
        canvas.show();
        place(40, 40);
    }

    void place(int w, int h)
    {
        lamp = createLumtor();
        hosting::setContainer(*lamp, &canvas);
        lamp->move(50, 60, w, h);
        lamp->setVisible(true);
        listen(*lamp);
        seen.clear();
    }

    void listen(hosting::HostedControl &c)
    {
        auto &e = c.events();
        e.Click = [this] { seen.push_back({"Click"}); };
        e.DblClick = [this] { seen.push_back({"DblClick"}); };
        e.MouseDown = [this](short b, short s, float x, float y) { seen.push_back({"MouseDown", b, s, x, y}); };
        e.MouseMove = [this](short b, short s, float x, float y) { seen.push_back({"MouseMove", b, s, x, y}); };
        e.MouseUp = [this](short b, short s, float x, float y) { seen.push_back({"MouseUp", b, s, x, y}); };
    }

    // The layer that raises the events: the control's topmost child.
    QWidget *surface()
    {
        QWidget *w = hosting::widgetOf(*lamp);
        return w ? w->childAt(w->rect().center()) : nullptr;
    }
};

TEST_F(LumtorEvents, PressNearTheRightEdgeReportsTwips)
{
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(39, 20));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), (Event{"MouseDown", 1, 0, 585, 300}));
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(39, 20));
}

TEST_F(LumtorEvents, EventsCarryButtonsShiftAndPosition)
{
    // clang-format off
    struct Case { const char *label; Qt::MouseButton button; Qt::KeyboardModifiers mods; QPoint at; std::vector<Event> expected; };
    const Case cases[] = {
        {"left click at the left edge", Qt::LeftButton, Qt::NoModifier, {0, 2},
         {{"MouseDown", 1, 0, 0, 30}, {"MouseUp", 1, 0, 0, 30}, {"Click"}}},
        {"shift+left", Qt::LeftButton, Qt::ShiftModifier, {10, 5},
         {{"MouseDown", 1, 1, 150, 75}, {"MouseUp", 1, 1, 150, 75}, {"Click"}}},
        {"ctrl+alt right button: no click", Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, {20, 39},
         {{"MouseDown", 2, 6, 300, 585}, {"MouseUp", 2, 6, 300, 585}}},
        {"middle button", Qt::MiddleButton, Qt::NoModifier, {1, 1},
         {{"MouseDown", 4, 0, 15, 15}, {"MouseUp", 4, 0, 15, 15}}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        seen.clear();
        QTest::mouseClick(surface(), c.button, c.mods, c.at);
        EXPECT_EQ(seen, c.expected);
    }
}

TEST_F(LumtorEvents, MovesReportTheButtonsHeld)
{
    QTest::mouseMove(surface(), QPoint(5, 6));
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    QTest::mouseMove(surface(), QPoint(30, 7));
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 7));
    const std::vector<Event> expected{{"MouseMove", 0, 0, 75, 90},
                                      {"MouseDown", 1, 0, 75, 90},
                                      {"MouseMove", 1, 0, 450, 105},
                                      {"MouseUp", 1, 0, 450, 105},
                                      {"Click"}};
    EXPECT_EQ(seen, expected);
}

TEST_F(LumtorEvents, DoubleClickRaisesDblClickInsteadOfTheSecondPress)
{
    // First click, then the second press that the window system marks as a
    // double click, then its release.
    QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
    QTest::mouseDClick(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
    const std::vector<Event> expected{
        {"MouseDown", 1, 0, 45, 60}, {"MouseUp", 1, 0, 45, 60}, {"Click"}, {"DblClick"}, {"MouseUp", 1, 0, 45, 60}};
    EXPECT_EQ(seen, expected);
}

TEST_F(LumtorEvents, TheWholeOfALargeControlRaisesEvents)
{
    place(60, 60); // a 50-unit grid: the event layer still covers every pixel
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(59, 59));
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(59, 59));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), (Event{"MouseDown", 1, 0, 885, 885}));
}

TEST_F(LumtorEvents, ReleasingTheControlInsideItsOwnEventIsSafe)
{
    lamp->events().MouseUp = [this](short, short, float, float) {
        seen.push_back({"MouseUp"});
        lamp->release();
    };
    QWidget *layer = surface();
    QTest::mousePress(layer, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(layer, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(lamp->isAlive());
    // The click after the release reaches nobody.
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen.back().name, "MouseUp");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(LumtorEvents, DestroyingTheHostedControlInsideItsOwnEventIsSafe)
{
    lamp->events().MouseDown = [this](short, short, float, float) { lamp.reset(); };
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(lamp, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
} // namespace pelmora::test
