// The parts the element dialogs share: a combo box showing a core list and
// giving it back, the block-and-output panel rebuilding its list on the
// user's edits only, a colour box keeping its colour when the colour dialog
// is cancelled, and the blink preview's timer and shared phase.

#include "element_fixture.h"

#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_dialog.h"
#include "elements/colour_box.h"
#include "support/fake_services.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

TEST(DialogParts, AComboBoxShowsACoreListAndGivesItBack)
{
    QComboBox box;
    // clang-format off
    const ChoiceList lists[] = {
        {{QStringLiteral(" 1"), QStringLiteral(" 2")}, 1, QStringLiteral(" 2")},
        {{QStringLiteral(" 9"), QStringLiteral(" 10")}, -1, QStringLiteral(" 9")}, // nothing chosen: entry 0's text shows
        {{}, -1, QString()},                                                     // a block outside 0..100
    };
    // clang-format on
    for (const ChoiceList &list : lists) {
        showChoice(&box, list);
        EXPECT_EQ(choiceOf(&box), list);
    }
}

TEST(DialogParts, TheBindingPanelRebuildsItsListWhenTheUserTypesABlock)
{
    BindingPanel panel(QStringLiteral("Num_Block"), QStringLiteral("Num_OUT"), QStringLiteral("Номер виходу"), nullptr);
    int builds = 0;
    panel.rebuild = [&builds](const QString &block) {
        ++builds;
        return ChoiceList{{block + QStringLiteral("a"), block + QStringLiteral("b")}, 0, block + QStringLiteral("a")};
    };
    // Written from the record: the list comes with it, no rebuild.
    panel.show(QStringLiteral("7"), ChoiceList{{QStringLiteral(" 1")}, 0, QStringLiteral(" 1")});
    EXPECT_EQ(builds, 0);
    EXPECT_EQ(panel.blockBox()->text(), QStringLiteral("7"));
    EXPECT_EQ(panel.list()->count(), 1);
    // Typed: two characters at most, each edit rebuilds the list.
    panel.blockBox()->clear();
    QTest::keyClicks(panel.blockBox(), QStringLiteral("123"));
    EXPECT_EQ(panel.blockBox()->text(), QStringLiteral("12"));
    EXPECT_EQ(builds, 2);
    EXPECT_EQ(panel.choice(), (ChoiceList{{QStringLiteral("12a"), QStringLiteral("12b")}, 0, QStringLiteral("12a")}));
}

class DialogPartsWithFakes : public test::WithFakes {};

TEST_F(DialogPartsWithFakes, AColourBoxKeepsItsColourWhenTheColourDialogIsCancelled)
{
    ColourBox box(QStringLiteral("Color_X"), nullptr);
    box.setColour(0x123456);
    std::int32_t colour = box.colour();
    ui().colors = {std::nullopt, QColor(0x10, 0x20, 0x30), std::nullopt};
    EXPECT_FALSE(chooseColourInto(colour));
    EXPECT_EQ(colour, 0x123456);
    EXPECT_TRUE(chooseColourInto(colour));
    EXPECT_EQ(colour, 0x302010);
    EXPECT_FALSE(chooseColourInto(colour));
    // Each time the dialog started at the box's colour of the moment.
    EXPECT_EQ(ui().colorRequests,
              (std::vector<QColor>{QColor(0x56, 0x34, 0x12), QColor(0x56, 0x34, 0x12), QColor(0x10, 0x20, 0x30)}));
}

TEST(DialogParts, TheBlinkPreviewTogglesTheSharedPhaseAndShowsTheSteadyStateWhenStopped)
{
    std::int16_t phase = 0;
    BlinkPreview blink(phase, nullptr);
    std::vector<bool> shown;
    int steady = 0;
    blink.showPhase = [&shown](bool second) { shown.push_back(second); };
    blink.showSteady = [&steady] { ++steady; };
    EXPECT_EQ(blink.timer()->interval(), 500);
    EXPECT_FALSE(blink.blinking());
    blink.setBlinking(true);
    EXPECT_TRUE(blink.blinking());
    blink.tick();
    blink.tick();
    blink.tick();
    EXPECT_EQ(shown, (std::vector<bool>{false, true, false})); // the first state at phase 1
    EXPECT_EQ(phase, 1);
    blink.setBlinking(false);
    EXPECT_FALSE(blink.blinking());
    EXPECT_EQ(steady, 1);
}

} // namespace
} // namespace pelmora
