#include "blockparams/com_terminal.h"
#include "blockparams/property_block.h"
#include "project/format_version.h"
#include "support/block_records.h"
#include "support/fake_services.h"
#include "support/main_window_stand_in.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

// Readable failure messages for texts.
static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace pelmora {
namespace {

using test::BlockRecords;

class ComTerminalWindow : public test::WithFakes {
protected:
    test::MainWindowStandIn main; // the dialog is built without the main window
    std::unique_ptr<BlockRecords> rec;
    QPointer<PropertyBLOCK> params;
    QPointer<Com_Terminal> term;

    void SetUp() override
    {
        WithFakes::SetUp();
        rec = std::make_unique<BlockRecords>(main.model, type::RS4, 6);
        rec->V(1) = 2.0f;
    }
    void TearDown() override
    {
        delete term.data();
        delete params.data();
    }
    // The schema view opens the parameter dialog, then the picture is clicked.
    void openRequests()
    {
        params = new PropertyBLOCK(main.model, main);
        params->open();
        QTest::mouseClick(params->Bl_Image, Qt::LeftButton);
        term = params->comTerminal();
    }
    void choose(QComboBox *c, int item)
    {
        c->setCurrentIndex(item);
        emit c->activated(item);
    }
};

TEST_F(ComTerminalWindow, EveryWayOutEnablesTheParameterDialogAgain)
{
    struct Way {
        const char *name;
        void (*close)(Com_Terminal &);
        bool stores;
    };
    const Way ways[] = {
        {"Ok", [](Com_Terminal &t) { QTest::mouseClick(t.Ok_Go_Block, Qt::LeftButton); }, true},
        {"Відміна", [](Com_Terminal &t) { QTest::mouseClick(t.Cancel_Go_Block, Qt::LeftButton); }, false},
        {"window frame", [](Com_Terminal &t) { t.close(); }, false},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        rec->T(0) = "0";
        openRequests();
        ASSERT_TRUE(term);
        EXPECT_TRUE(term->isVisible());
        EXPECT_EQ(term->parentWidget(), nullptr);
        EXPECT_EQ(term->windowTitle(), "MODBUS RTU Блок №6");
        EXPECT_FALSE(params->isEnabled());
        QTest::mouseClick(term->Check1[0], Qt::LeftButton);
        way.close(*term);
        EXPECT_TRUE(params->isEnabled());
        EXPECT_FALSE(main.window.isEnabled()); // still held by the parameter dialog
        EXPECT_EQ(rec->T(0), way.stores ? "1" : "0");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(term.isNull());
        delete params.data();
    }
}

TEST_F(ComTerminalWindow, WorkedExampleThroughTheControls)
{
    openRequests();
    ASSERT_TRUE(term);
    QTest::mouseClick(term->Check1[0], Qt::LeftButton);
    choose(term->Num_FUNC[0], 2);
    EXPECT_EQ(term->Label_I_O[0]->text(), "Вихід");
    choose(term->Type_data[0], 4);
    for (int j : {0, 2, 7})
        QTest::mouseClick(term->in_out[j], Qt::LeftButton);
    EXPECT_FALSE(term->in_out[8 * 3 + 2]->isEnabled()); // request 4 reads too
    term->ADR_MODBUS[0]->selectAll();
    QTest::keyClicks(term->ADR_MODBUS[0], "300");
    QTest::mouseClick(term->Ok_Go_Block, Qt::LeftButton);
    EXPECT_EQ(rec->T(0), "1");
    EXPECT_EQ(rec->T(8), "2");
    EXPECT_EQ(rec->T(16), "4");
    EXPECT_EQ(rec->T(24), "133");
    EXPECT_EQ(rec->T(32), "1");
    EXPECT_EQ(rec->T(33), "44");
    EXPECT_TRUE(rec->neighboursUntouched());
}

TEST_F(ComTerminalWindow, SetPointTypesShowTheSetPointListInPlaceOfTheBoxes)
{
    openRequests();
    ASSERT_TRUE(term);
    EXPECT_TRUE(term->in_out[8 * 2]->isVisible());
    EXPECT_FALSE(term->Num_SP[2]->isVisible());
    choose(term->Type_data[2], 12);
    EXPECT_FALSE(term->in_out[8 * 2]->isVisible());
    EXPECT_TRUE(term->Num_SP[2]->isVisible());
    choose(term->Num_SP[2], 40);
    QTest::mouseClick(term->Ok_Go_Block, Qt::LeftButton);
    EXPECT_EQ(rec->T(18), "12");
    EXPECT_EQ(rec->T(26), "40");
}

TEST_F(ComTerminalWindow, BadAddressesAreReportedAndTheDialogStillCloses)
{
    openRequests();
    ASSERT_TRUE(term);
    for (int i : {2, 7}) {
        term->ADR_MODBUS[i]->selectAll();
        QTest::keyClicks(term->ADR_MODBUS[i], "65536");
    }
    QTest::mouseClick(term->Ok_Go_Block, Qt::LeftButton);
    EXPECT_EQ(ui().messageTexts(), (QStringList{"Помилка адреси!!!", "Помилка адреси!!!"}));
    EXPECT_TRUE(params->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(term.isNull());
}

TEST_F(ComTerminalWindow, NoDialogForOtherModesAndNoneWithoutTheTexts)
{
    rec->V(1) = 1.0f;
    openRequests();
    EXPECT_TRUE(term.isNull());
    EXPECT_TRUE(params->isEnabled());
    EXPECT_TRUE(ui().messages.empty());
    delete params.data();

    rec->V(1) = 2.0f;
    applyVersionCapacity(main.model, 3);
    openRequests();
    EXPECT_TRUE(term.isNull());
    EXPECT_TRUE(params->isEnabled());
    ASSERT_EQ(ui().messages.size(), 1u);
}

TEST_F(ComTerminalWindow, OpensWithTheStoredRequests)
{
    rec->V(0) = 2.0f;
    rec->V(2) = 4.0f;
    rec->T(1) = "1";
    rec->T(9) = "7";
    rec->T(17) = "0";
    rec->T(25) = "6";
    rec->T(34) = "2";
    rec->T(35) = "1";
    openRequests();
    ASSERT_TRUE(term);
    EXPECT_EQ(term->Label->text(), "№ у мережі 3");
    EXPECT_EQ(term->Label2->text(), "Швидкість 115200");
    EXPECT_TRUE(term->Check1[1]->isChecked());
    EXPECT_EQ(term->Num_FUNC[1]->currentText(), "16");
    EXPECT_EQ(term->Label_I_O[1]->text(), "Вхід");
    EXPECT_TRUE(term->in_out[9]->isChecked());
    EXPECT_TRUE(term->in_out[10]->isChecked());
    EXPECT_FALSE(term->in_out[8]->isChecked());
    EXPECT_EQ(term->ADR_MODBUS[1]->text(), "513");
    EXPECT_FALSE(term->Num_FUNC[0]->isEnabled()); // request 1 is off
}

// Mean grey level of a check box's square as it is drawn.
int squareGrey(QCheckBox *box)
{
    QStyleOptionButton opt;
    opt.initFrom(box);
    opt.rect = box->rect();
    const QRect square = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, box).adjusted(3, 3, -3, -3);
    const QImage img = box->grab().toImage();
    long sum = 0, n = 0;
    for (int y = square.top(); y <= square.bottom(); ++y)
        for (int x = square.left(); x <= square.right(); ++x, ++n)
            sum += qGray(img.pixel(x, y));
    return n ? static_cast<int>(sum / n) : -1;
}

TEST_F(ComTerminalWindow, ListsHeadingsAndBoxesReadAsTheyShould)
{
    openRequests();
    ASSERT_TRUE(term);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(term));
    for (int i = 0; i < 8; ++i) {
        // The data-type list shows its longest entry whole and ends before the direction label.
        EXPECT_GE(term->Type_data[i]->width(), term->Type_data[i]->sizeHint().width()) << i;
        EXPECT_LT(term->Type_data[i]->geometry().right(), term->Label_I_O[i]->x()) << i;
        EXPECT_LT(term->Label_I_O[i]->geometry().right(), term->in_out[8 * i]->x()) << i;
        EXPECT_LE(term->in_out[8 * i + 7]->geometry().right(), term->width()) << i;
    }
    // Each number of the heading stands over the middle of its column of boxes.
    for (int j = 0; j < 8; ++j) {
        QCheckBox *box = term->in_out[j];
        QStyleOptionButton opt;
        opt.initFrom(box);
        opt.rect = box->rect();
        const int middle =
            box->mapTo(term, box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, box).center()).x();
        QLabel *number = term->ioHeadings[j];
        ASSERT_NE(number, nullptr);
        EXPECT_EQ(number->text(), QString::number(j + 1));
        EXPECT_NEAR(number->geometry().center().x(), middle, 1) << j;
        EXPECT_LT(number->geometry().bottom(), term->in_out[j]->y()) << j;
    }
    // A box that cannot be ticked is plainly darker than one that can: I/O 1
    // ticked in the first reading request greys I/O 1 of the other readers.
    QTest::mouseClick(term->Check1[0], Qt::LeftButton);
    choose(term->Num_FUNC[0], 2);
    choose(term->Type_data[0], 4);
    QTest::mouseClick(term->in_out[0], Qt::LeftButton);
    QCheckBox *greyed = term->in_out[8 * 3], *free = term->in_out[8 * 3 + 1];
    ASSERT_FALSE(greyed->isEnabled());
    ASSERT_TRUE(free->isEnabled());
    EXPECT_GT(squareGrey(free) - squareGrey(greyed), 40);
}

} // namespace
} // namespace pelmora
