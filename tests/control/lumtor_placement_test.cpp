// What a container gives a hosted control: position and size in its pixels,
// the visibility flag, the tool tip, and further items of a control array
// loaded as copies of the array's template.

#include "support/fake_services.h"
#include "support/lumtor_registry.h"

#include "ui/hosted_control_widget.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

class LumtorPlacement : public WithFakes {
protected:
    LumtorRegistry registry;
    QWidget canvas;
    std::unique_ptr<hosting::HostedControl> lamp = createLumtor();

    void SetUp() override
    {
        WithFakes::SetUp();
        canvas.resize(800, 480);
        canvas.show();
    }
};

TEST_F(LumtorPlacement, ShownOnlyInsideAContainer)
{
    lamp->move(120, 40, 33, 33);
    lamp->setVisible(true);
    // Without a container it would be a window of its own: it stays hidden.
    EXPECT_TRUE(lamp->isVisible());
    EXPECT_TRUE(hosting::widgetOf(*lamp)->isHidden());

    hosting::setContainer(*lamp, &canvas);
    QWidget *w = hosting::widgetOf(*lamp);
    EXPECT_EQ(w->parentWidget(), &canvas);
    EXPECT_FALSE(w->isHidden());
    EXPECT_EQ(lamp->geometry(), QRect(120, 40, 33, 33));

    lamp->setVisible(false);
    EXPECT_TRUE(w->isHidden());
    lamp->setToolTipText(QStringLiteral("Сигнал - 3"));
    EXPECT_EQ(w->toolTip(), QStringLiteral("Сигнал - 3"));
}

TEST_F(LumtorPlacement, ACopyOfTheTemplateTakesItsPropertiesContainerAndPositionHidden)
{
    hosting::setContainer(*lamp, &canvas);
    lamp->move(5, 7, 33, 33);
    lamp->setVisible(true);
    lamp->setProperty("ForeColor", 0x00FF00);
    lamp->setProperty("Type_Signal", 4);
    lamp->setProperty("Border_Style", 1);

    auto copy = hosting::loadCopy(hosting::ControlHost::shared(), *lamp);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->property("Type_Signal")->toInt(), 4);
    EXPECT_EQ(copy->property("Border_Style")->toInt(), 1);
    EXPECT_EQ(copy->property("ForeColor")->toUInt(), 0x00FF00u);
    EXPECT_EQ(hosting::widgetOf(*copy)->parentWidget(), &canvas);
    EXPECT_EQ(copy->geometry(), QRect(5, 7, 33, 33));
    EXPECT_FALSE(copy->isVisible());
    EXPECT_TRUE(hosting::widgetOf(*copy)->isHidden());
    EXPECT_NE(copy->object(), lamp->object());
}

TEST_F(LumtorPlacement, ReleaseFreesTheInstanceAndIsSafeToRepeat)
{
    hosting::setContainer(*lamp, &canvas);
    QPointer<QObject> control = lamp->object();
    lamp->release();
    EXPECT_TRUE(control.isNull());
    EXPECT_FALSE(lamp->isAlive());
    lamp->release();
    EXPECT_EQ(lamp->setProperty("Type_Signal", 1), hosting::DispResult::Released);
    EXPECT_FALSE(lamp->property("Type_Signal"));

    // A control destroyed with its container leaves its host object harmless.
    auto other = createLumtor();
    {
        QWidget page;
        hosting::setContainer(*other, &page);
    }
    EXPECT_FALSE(other->isAlive());
    EXPECT_EQ(other->setProperty("ForeColor", 1), hosting::DispResult::Released);
}

} // namespace
} // namespace pelmora::test
