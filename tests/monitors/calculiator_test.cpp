#include "monitors/bit_pattern.h"
#include "monitors/calculiator.h"

#include "mainwindow/config_scada.h"
#include "support/fake_services.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

std::array<bool, 16> bitsOf(std::initializer_list<int> ticked)
{
    std::array<bool, 16> bits{};
    for (int i : ticked)
        bits[static_cast<std::size_t>(i)] = true;
    return bits;
}

TEST(BitPattern, WordFromTickedBoxes)
{
    const struct {
        std::initializer_list<int> ticked;
        std::uint16_t value;
        const char *caption;
    } cases[] = {
        {{}, 0, "D = 0"},
        {{0}, 1, "D = 1"},
        {{15}, 32768, "D = 32768"},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 65535, "D = 65535"},
        {{1, 3}, 10, "D = 10"},
        {{8, 0}, 257, "D = 257"},
        {{14, 15}, 49152, "D = 49152"}, // no sign: the word is unsigned
    };
    for (const auto &c : cases) {
        const auto bits = bitsOf(c.ticked);
        EXPECT_EQ(bitPatternValue(bits), c.value) << c.caption;
        EXPECT_EQ(bitPatternCaption(bits), QString::fromUtf8(c.caption));
    }
}

class CalculiatorWindow : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        main = std::make_unique<Config_SCADA>();
    }
    void TearDown() override
    {
        // The calculator is a window of its own, unloaded by the main window's
        // shutdown; a window a test leaves open would otherwise never be deleted.
        main->Form_Unload();
        main.reset();
        settle();
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<Config_SCADA> main;
};

TEST_F(CalculiatorWindow, MenuItemOpensOneModelessWindowAtZero)
{
    ASSERT_EQ(Calculiator::loaded(*main), nullptr);
    main->mnuCalculiator->trigger();
    Calculiator *w = Calculiator::loaded(*main);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(main->isEnabled()); // modeless: the main window stays usable
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Калькулятор"));
    EXPECT_EQ(w->Dat_dio->text(), QStringLiteral("D = 0"));
    EXPECT_EQ(w->Command1->text(), QStringLiteral("Очистити"));
    EXPECT_TRUE(w->Label1->text().startsWith(QStringLiteral("b15 ")));
    EXPECT_TRUE(w->Label1->text().endsWith(QStringLiteral(" b0")));
    // Bit 15 is leftmost, bit 0 rightmost, all in one row.
    for (int i = 1; i < 16; ++i) {
        EXPECT_LT(w->Check1[i]->x(), w->Check1[i - 1]->x()) << i;
        EXPECT_EQ(w->Check1[i]->y(), w->Check1[0]->y());
    }
    main->mnuCalculiator->trigger();
    EXPECT_EQ(Calculiator::loaded(*main), w); // shown again, not a second one
}

TEST_F(CalculiatorWindow, ClickingBoxesShowsTheWordAndClearEndsAtZero)
{
    Calculiator &w = Calculiator::mnuCalculiator_Click(*main);
    QTest::mouseClick(w.Check1[15], Qt::LeftButton);
    EXPECT_EQ(w.Dat_dio->text(), QStringLiteral("D = 32768"));
    QTest::mouseClick(w.Check1[0], Qt::LeftButton);
    EXPECT_EQ(w.Dat_dio->text(), QStringLiteral("D = 32769"));
    QTest::mouseClick(w.Check1[15], Qt::LeftButton); // unticking counts too
    EXPECT_EQ(w.Dat_dio->text(), QStringLiteral("D = 1"));
    for (QCheckBox *box : w.Check1)
        box->setChecked(true);
    EXPECT_EQ(w.Dat_dio->text(), QStringLiteral("D = 65535"));

    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_EQ(w.Dat_dio->text(), QStringLiteral("D = 0"));
    for (QCheckBox *box : w.Check1)
        EXPECT_FALSE(box->isChecked());
}

TEST_F(CalculiatorWindow, ReopeningAfterCloseStartsUnticked)
{
    QPointer<Calculiator> first = &Calculiator::mnuCalculiator_Click(*main);
    first->Check1[3]->setChecked(true);
    first->close();
    settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(Calculiator::loaded(*main), nullptr);

    Calculiator &again = Calculiator::mnuCalculiator_Click(*main);
    EXPECT_EQ(again.Dat_dio->text(), QStringLiteral("D = 0"));
    for (QCheckBox *box : again.Check1)
        EXPECT_FALSE(box->isChecked());
}

TEST_F(CalculiatorWindow, MainWindowShutdownUnloadsIt)
{
    QPointer<Calculiator> w = &Calculiator::mnuCalculiator_Click(*main);
    main->Form_Unload();
    settle();
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(Calculiator::loaded(*main), nullptr);
}

} // namespace
} // namespace pelmora
