// The memory editor window of the demo schema's ALGORITHM block: the step
// viewer with its jump buttons, the gauge, the memory tables and their edits.

#include "algorithm/mem_algorithm.h"
#include "algorithm/step_decoder.h"
#include "algorithm/step_viewer_model.h"
#include "schema/alg_flowchart_import.h"
#include "schema/schema_import.h"
#include "support/fake_services.h"
#include "support/main_window_stand_in.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace pelmora;

namespace {

const QString kSchema = QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_schema.net");
const QString kFlowchart = QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_algorithm.net");
constexpr int kAlgBlock = 10;

class MemAlgorithmWindow : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        savedDir_ = QDir::currentPath();
        ASSERT_TRUE(importNetlistFile(m, kSchema));
        m.settings.Num_Block_Edit = kAlgBlock;
        ASSERT_TRUE(alg::Import_Algorithm_Netlist(m, kFlowchart));
        m.settings.Project_File_Path = QStringLiteral("/p/demo.prj");
        ui().reset();
        Mem_ALGORITHM::Tab_Mem = 0;
        open();
    }
    void TearDown() override
    {
        closeWindow();
        QDir::setCurrent(savedDir_);
    }
    void open()
    {
        win = new Mem_ALGORITHM(m, w);
        win->open();
    }
    void closeWindow()
    {
        if (!win)
            return;
        win->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        win = nullptr;
    }
    float sp(int n) const { return m.schema.Parametr_Value(m.schema.Parametr_Value_Start(kAlgBlock) + n); }
    void setSp(int n, float v) { m.schema.Parametr_Value(m.schema.Parametr_Value_Start(kAlgBlock) + n) = v; }
    void showTab(int tab)
    {
        if (win->Coment_Set_SP->text() == QStringLiteral("Коментарі"))
            win->Coment_Set_SP_Click();
        win->SSTab1->setCurrentIndex(tab);
    }
    // A left press and a double-click on a cell, then the text and Enter.
    void edit(int grid, int row, int col, const QString &text)
    {
        win->MSFlexGrid_MouseDown(grid, Qt::LeftButton, row, col);
        win->MSFlexGrid_DblClick(grid);
        ASSERT_FALSE(win->Data[grid - 1]->isHidden()) << grid << " " << row << " " << col;
        win->Data[grid - 1]->setText(text);
        win->Data_KeyPress(grid - 1, 13);
    }

    test::MainWindowStandIn w; // the window is built without the main window
    ProjectModel &m = w.model;
    Mem_ALGORITHM *win = nullptr;

private:
    QString savedDir_;
};

TEST_F(MemAlgorithmWindow, OpensOnTheLastStepWithGaugeAndRulers)
{
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Блок АЛГОРИТМ - /p/demo.prj"));
    EXPECT_EQ(win->Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(win->Dija_YES_NO[4]->text(), QStringLiteral("if INP1 = 1 then"));
    EXPECT_EQ(win->Dija_YES_NO[0]->text(), QStringLiteral("TIMER1 = 30"));
    EXPECT_EQ(win->Label16->text(), QStringLiteral("then"));
    EXPECT_EQ(win->Text4->text(), QStringLiteral("2"));
    EXPECT_EQ(win->Text7->text(), QStringLiteral("1"));
    // 81 bytes of steps with a condition of 9184.
    EXPECT_EQ(win->ProgressBar1->value(), 81);
    EXPECT_EQ(win->Label1->text(), QStringLiteral("0.88%"));
    EXPECT_TRUE(win->Label5->text().startsWith(QStringLiteral("№ O/F        1    2")));
    EXPECT_TRUE(win->Label5->text().contains(QStringLiteral("    9  10  11")));
    EXPECT_TRUE(win->Label10->text().endsWith(QStringLiteral("  31  32")));
    EXPECT_TRUE(win->SSTab1->isHidden());
}

TEST_F(MemAlgorithmWindow, GoButtonsFollowTheBranchesAndClosingKeepsTheStep)
{
    win->Command1_Click(0);
    EXPECT_EQ(win->Text1->text(), QStringLiteral("2"));
    EXPECT_EQ(win->Dija_YES_NO[4]->text(), QStringLiteral("if SP1 >= SP2 then"));
    EXPECT_EQ(win->Dija_YES_NO[0]->text(), QStringLiteral("SP3 += 1"));
    win->Command1_Click(1);
    EXPECT_EQ(win->Text1->text(), QStringLiteral("3"));
    EXPECT_EQ(win->Dija_YES_NO[4]->text(), QStringLiteral("if FLAG1 = 1 then"));
    EXPECT_EQ(win->Dija_YES_NO[0]->text(), alg::absentActionText());
    win->Command1_Click(0);
    EXPECT_EQ(win->Text1->text(), QStringLiteral("2"));
    closeWindow();
    EXPECT_TRUE(w.window.isEnabled());
    EXPECT_EQ(m.settings.ALGORITHM_Last_Step, 2);
    // The next opening shows that step again.
    open();
    EXPECT_EQ(win->Text1->text(), QStringLiteral("2"));
    EXPECT_EQ(win->Dija_YES_NO[4]->text(), QStringLiteral("if SP1 >= SP2 then"));
}

TEST_F(MemAlgorithmWindow, ClosingStoresTheTypedStepNumber)
{
    struct Case {
        const char *text;
        int stored;
    };
    const Case cases[] = {{"3", 3}, {"0", 0}, {"abc", 0}, {"-4", -4}, {"2.5", 2}, {"99999", 7}, {"1e9", 7}};
    for (const Case &c : cases) {
        m.settings.ALGORITHM_Last_Step = 7;
        win->Text1->setText(QString::fromLatin1(c.text));
        closeWindow();
        EXPECT_EQ(m.settings.ALGORITHM_Last_Step, c.stored) << c.text;
        open();
    }
}

TEST_F(MemAlgorithmWindow, LastStepZeroOpensOnStepTwo)
{
    // "0" is also the box's first text: the step is decoded all the same.
    m.settings.ALGORITHM_Last_Step = 0;
    closeWindow();
    m.settings.ALGORITHM_Last_Step = 0;
    open();
    EXPECT_EQ(win->Text1->text(), QStringLiteral("0"));
    EXPECT_EQ(win->Dija_YES_NO[4]->text(), QStringLiteral("if SP1 >= SP2 then"));
}

TEST_F(MemAlgorithmWindow, MouseDoubleClickLeavesTheBoxOpenOverTheCell)
{
    win->show();
    showTab(2);
    QTableWidget *grid = win->MSFlexGrid[2];
    ASSERT_TRUE(QTest::qWaitForWindowExposed(win));
    QCoreApplication::processEvents();
    const QPoint cell = grid->visualItemRect(grid->item(2, 0)).center();
    ASSERT_EQ(grid->rowAt(cell.y()), 2) << cell.x() << "," << cell.y();
    // A mouse's double-click: press, release, double-click, release.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(win->Mouse_Row, 3);
    EXPECT_EQ(win->Mouse_Col, 1);
    EXPECT_FALSE(win->Data[2]->isHidden());
    EXPECT_EQ(win->Edit_Row, 3);
    // A later single click hides it.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_TRUE(win->Data[2]->isHidden());
}

TEST_F(MemAlgorithmWindow, TypingAStepNumberDecodesEveryIntermediateNumber)
{
    win->Text1->setText(QStringLiteral("3"));
    EXPECT_EQ(win->Dija_YES_NO[4]->text(), QStringLiteral("if FLAG1 = 1 then"));
    win->Text1->setText(QStringLiteral("0"));
    EXPECT_EQ(win->Dija_YES_NO[4]->text(), QStringLiteral("if SP1 >= SP2 then"));
    // A step outside the table clears the boxes and the Go buttons do nothing.
    win->Text1->setText(QStringLiteral("900"));
    EXPECT_TRUE(win->Dija_YES_NO[4]->text().isEmpty());
    win->Command1_Click(0);
    EXPECT_EQ(win->Text1->text(), QStringLiteral("900"));
}

TEST_F(MemAlgorithmWindow, CommentsButtonShowsAndHidesTheTablesOnTheLastTab)
{
    Mem_ALGORITHM::Tab_Mem = 3;
    closeWindow();
    open(); // opening leaves the remembered tab alone
    EXPECT_EQ(Mem_ALGORITHM::Tab_Mem, 3);
    m.alg.ALGORITHM_Comment(175) = QStringLiteral("delay");
    win->Coment_Set_SP_Click();
    EXPECT_EQ(win->Coment_Set_SP->text(), QStringLiteral("Закрити"));
    EXPECT_FALSE(win->SSTab1->isHidden());
    EXPECT_EQ(win->SSTab1->currentIndex(), 3);
    EXPECT_EQ(win->cellText(4, 5, 1), QStringLiteral("delay"));
    EXPECT_EQ(win->cellText(4, 5, 0), QStringLiteral("TIMER5"));
    EXPECT_EQ(win->cellText(4, 0, 1), QStringLiteral("Коментар "));
    for (QPushButton *b : win->Print_SP)
        EXPECT_TRUE(b->isEnabled());
    win->SSTab1->setCurrentIndex(1);
    EXPECT_EQ(Mem_ALGORITHM::Tab_Mem, 1);
    win->Coment_Set_SP_Click();
    EXPECT_EQ(win->Coment_Set_SP->text(), QStringLiteral("Коментарі"));
    EXPECT_TRUE(win->SSTab1->isHidden());
}

TEST_F(MemAlgorithmWindow, ValueTableShowsEverySetpointInItsCell)
{
    for (int n = 1; n <= 128; ++n)
        setSp(n, n + 0.5f);
    showTab(0);
    EXPECT_EQ(win->cellText(1, 1, 1), QStringLiteral("1.5"));
    EXPECT_EQ(win->cellText(1, 5, 3), QStringLiteral("21.5"));
    EXPECT_EQ(win->cellText(1, 16, 15), QStringLiteral("128.5"));
    EXPECT_EQ(win->cellText(1, 5, 2), QStringLiteral("SP21"));
    EXPECT_EQ(win->cellText(1, 0, 3), QStringLiteral("Value SP"));
    showTab(1);
    EXPECT_EQ(win->cellText(2, 128, 1), QStringLiteral("128.5"));
    EXPECT_EQ(win->cellText(2, 128, 0), QStringLiteral("SP128"));
}

TEST_F(MemAlgorithmWindow, EnterInAValueBoxStoresTheLeadingNumber)
{
    struct Case {
        int grid, row, col, sp;
        const char *typed;
        float stored;
        const char *shown;
    };
    // clang-format off
    const Case cases[] = {
        {1, 5, 3, 21, "12abc", 12.f, "12"},   {1, 1, 1, 1, "abc", 0.f, "0"},
        {1, 16, 15, 128, " -1 . 5e2", -150.f, "-150"}, {2, 7, 1, 7, "0.25", 0.25f, "0.25"},
        {2, 128, 1, 128, "1e60", 3.4028235e38f, "3.402823E+38"},
    };
    // clang-format on
    for (const Case &c : cases) {
        showTab(c.grid - 1);
        setSp(c.sp, 99);
        edit(c.grid, c.row, c.col, QString::fromLatin1(c.typed));
        EXPECT_EQ(sp(c.sp), c.stored) << c.typed;
        EXPECT_EQ(win->cellText(c.grid, c.row, c.col), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_TRUE(win->Data[c.grid - 1]->isHidden());
    }
    EXPECT_EQ(sp(0), m.schema.Parametr_Value(m.schema.Parametr_Value_Start(kAlgBlock)));
}

TEST_F(MemAlgorithmWindow, DoubleClickOutsideAnEditableCellOpensNothing)
{
    struct Case {
        int grid, row, col;
    };
    const Case refused[] = {{1, 3, 2}, {1, 0, 3}, {1, 3, 0}, {2, 0, 1}, {2, 4, 0}, {3, 0, 1}, {3, 2, 0}, {6, 0, 1}};
    for (const Case &c : refused) {
        showTab(c.grid - 1);
        win->MSFlexGrid_MouseDown(c.grid, Qt::LeftButton, 1, 1);
        win->MSFlexGrid_DblClick(c.grid); // opens the box over an accepted cell
        win->MSFlexGrid_MouseDown(c.grid, Qt::LeftButton, c.row, c.col);
        win->MSFlexGrid_DblClick(c.grid);
        EXPECT_TRUE(win->Data[c.grid - 1]->isHidden()) << c.grid << " " << c.row << " " << c.col;
    }
    // A right press records nothing.
    win->MSFlexGrid_MouseDown(3, Qt::LeftButton, 4, 1);
    win->MSFlexGrid_MouseDown(3, Qt::RightButton, 9, 0);
    EXPECT_EQ(win->Mouse_Row, 4);
    EXPECT_EQ(win->Mouse_Col, 1);
    // A single click hides an open box and stores nothing.
    showTab(2);
    win->MSFlexGrid_DblClick(3);
    win->Data[2]->setText(QStringLiteral("lost"));
    win->MSFlexGrid_Click(3);
    EXPECT_TRUE(win->Data[2]->isHidden());
    EXPECT_TRUE(m.alg.ALGORITHM_Comment(134).isEmpty());
}

TEST_F(MemAlgorithmWindow, CommentsAreStoredExactlyInTheirEntries)
{
    struct Case {
        int grid, row, col, entry;
    };
    const Case cases[] = {{2, 9, 2, 9}, {3, 1, 1, 131}, {4, 32, 1, 202}, {5, 7, 1, 217}, {6, 32, 1, 282}};
    for (const Case &c : cases) {
        showTab(c.grid - 1);
        edit(c.grid, c.row, c.col, QStringLiteral("  pump %1 ").arg(c.entry));
        EXPECT_EQ(m.alg.ALGORITHM_Comment(c.entry), QStringLiteral("  pump %1 ").arg(c.entry));
        EXPECT_EQ(win->cellText(c.grid, c.row, c.col), QStringLiteral("  pump %1 ").arg(c.entry));
        // The box opens again on the stored text; emptied and committed it removes the comment.
        win->MSFlexGrid_DblClick(c.grid);
        EXPECT_EQ(win->Data[c.grid - 1]->text(), QStringLiteral("  pump %1 ").arg(c.entry));
        edit(c.grid, c.row, c.col, QString());
        EXPECT_TRUE(m.alg.ALGORITHM_Comment(c.entry).isEmpty());
    }
    // Nothing outside the written entries changed.
    for (int e = 0; e <= 2464; ++e)
        EXPECT_TRUE(m.alg.ALGORITHM_Comment(e).isEmpty()) << e;
}

TEST_F(MemAlgorithmWindow, AnOpenBoxCommitsToTheRowItWasOpenedOver)
{
    showTab(2);
    win->MSFlexGrid_MouseDown(3, Qt::LeftButton, 3, 1);
    win->MSFlexGrid_DblClick(3);
    win->Data[2]->setText(QStringLiteral("flag three"));
    showTab(3);
    win->MSFlexGrid_MouseDown(4, Qt::LeftButton, 7, 1);
    win->MSFlexGrid_DblClick(4);
    showTab(2);
    win->Data_KeyPress(2, 13);
    EXPECT_EQ(m.alg.ALGORITHM_Comment(133), QStringLiteral("flag three"));
    EXPECT_TRUE(m.alg.ALGORITHM_Comment(137).isEmpty());
    EXPECT_TRUE(m.alg.ALGORITHM_Comment(177).isEmpty());
}

TEST_F(MemAlgorithmWindow, DeleteClearsOnlyItsOwnKindAfterYes)
{
    for (int e = 1; e <= 282; ++e)
        m.alg.ALGORITHM_Comment(e) = QStringLiteral("c%1").arg(e);
    showTab(3);
    ui().answers = {MsgAnswer::No};
    win->Del_coment_Click(1);
    EXPECT_EQ(m.alg.ALGORITHM_Comment(171), QStringLiteral("c171"));
    ui().answers = {MsgAnswer::Yes};
    win->Del_coment_Click(1);
    for (int e = 1; e <= 282; ++e) {
        if (e >= 171 && e <= 202)
            EXPECT_TRUE(m.alg.ALGORITHM_Comment(e).isEmpty()) << e;
        else
            EXPECT_EQ(m.alg.ALGORITHM_Comment(e), QStringLiteral("c%1").arg(e));
    }
    EXPECT_TRUE(win->cellText(4, 1, 1).isEmpty());
    ASSERT_EQ(ui().messages.size(), 2u);
    EXPECT_EQ(ui().messages[1].text, QStringLiteral("Видалити коментарі?"));
    EXPECT_EQ(ui().messages[1].icon, MsgIcon::Question);
}

TEST_F(MemAlgorithmWindow, ZeroingSetpointsAsksTwiceOnTheCommentTab)
{
    for (int n = 1; n <= 128; ++n) {
        setSp(n, 5);
        m.alg.ALGORITHM_Comment(n) = QStringLiteral("sp");
    }
    m.alg.ALGORITHM_Comment(131) = QStringLiteral("flag");
    showTab(1);
    ui().answers = {MsgAnswer::No, MsgAnswer::Yes};
    win->Set_SP_0_Click(1);
    EXPECT_EQ(ui().messageTexts(),
              QStringList({QStringLiteral("Записати у SP1-SP128 = 0?"), QStringLiteral("Видалити коментарі?")}));
    EXPECT_EQ(sp(1), 5.f);
    EXPECT_TRUE(m.alg.ALGORITHM_Comment(128).isEmpty());
    EXPECT_EQ(m.alg.ALGORITHM_Comment(131), QStringLiteral("flag"));

    ui().reset();
    ui().answers = {MsgAnswer::Yes, MsgAnswer::No};
    m.alg.ALGORITHM_Comment(2) = QStringLiteral("kept");
    win->Set_SP_0_Click(1);
    EXPECT_EQ(sp(1), 0.f);
    EXPECT_EQ(sp(128), 0.f);
    EXPECT_EQ(win->cellText(2, 128, 1), QStringLiteral("0"));
    EXPECT_EQ(m.alg.ALGORITHM_Comment(2), QStringLiteral("kept"));

    // Tab 0 asks once.
    ui().reset();
    setSp(21, 4);
    showTab(0);
    ui().answers = {MsgAnswer::Yes};
    win->Set_SP_0_Click(0);
    EXPECT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(sp(21), 0.f);
    EXPECT_EQ(win->cellText(1, 5, 3), QStringLiteral("0"));
}

// The box that a mouse's double-click opens covers the row it writes into,
// however far down (or scrolled) the row lies.
TEST_F(MemAlgorithmWindow, EditBoxCoversTheRowItStoresInto)
{
    win->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(win));
    struct Case {
        int grid, row, col;
        int entry; // the comment entry written; 0 for a setpoint value
    };
    const Case cases[] = {{3, 1, 1, 131}, {3, 10, 1, 140},  {3, 20, 1, 150}, {3, 32, 1, 162}, {6, 25, 1, 275},
                          {2, 64, 2, 64}, {2, 128, 2, 128}, {2, 100, 1, 0},  {1, 16, 15, 0},  {1, 10, 7, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "grid " << c.grid << " row " << c.row << " col " << c.col);
        showTab(c.grid - 1);
        QCoreApplication::processEvents();
        QTableWidget *grid = win->MSFlexGrid[c.grid - 1];
        QTableWidgetItem *item = grid->item(c.row - 1, c.col - 1);
        ASSERT_NE(item, nullptr);
        grid->scrollToItem(item);
        const QRect cell = grid->visualItemRect(item);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QLineEdit *box = win->Data[c.grid - 1];
        ASSERT_TRUE(box->isVisible());
        // The box lies over the cell: its middle on the row, its left edge in the column.
        const QRect placed = box->geometry();
        EXPECT_EQ(grid->rowAt(placed.center().y()), c.row - 1) << placed.y() << " vs " << cell.y();
        EXPECT_EQ(grid->columnAt(placed.left() + 2), c.col - 1);
        EXPECT_LE(placed.top(), cell.top());
        EXPECT_GE(placed.bottom(), cell.bottom());
        const QString text = QStringLiteral("%1 at %2").arg(c.grid).arg(c.row);
        box->setText(c.entry ? text : QString::number(c.row + 0.5));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(box->isHidden());
        if (c.entry) {
            EXPECT_EQ(m.alg.ALGORITHM_Comment(c.entry), text);
            EXPECT_TRUE(m.alg.ALGORITHM_Comment(c.entry + 1).isEmpty());
            EXPECT_TRUE(m.alg.ALGORITHM_Comment(c.entry - 1).isEmpty());
            EXPECT_EQ(item->text(), text);
        } else {
            const int n = c.grid == 1 ? 8 * (c.col - 1) + c.row : c.row;
            EXPECT_EQ(sp(n), c.row + 0.5f);
        }
    }
}

// Every table shows its headings, its column-0 heading and its labels whole,
// and the SP value table all sixteen rows.
TEST_F(MemAlgorithmWindow, HeadingsLabelsAndLastRowsAreShownWhole)
{
    win->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(win));
    const char *corners[6] = {"№ SP", "№ SP ", "№ FLAG ", "№ TIMER ", "№ INP ", "№ OUT "};
    for (int t = 0; t < 6; ++t) {
        SCOPED_TRACE(testing::Message() << "tab " << t);
        showTab(t);
        QCoreApplication::processEvents();
        QTableWidget *grid = win->MSFlexGrid[t];
        const QFontMetrics fm(grid->font());
        const int margin = 2 * grid->style()->pixelMetric(QStyle::PM_HeaderMargin);
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QString head = grid->horizontalHeaderItem(c)->text();
            EXPECT_LE(fm.horizontalAdvance(head) + margin, grid->columnWidth(c)) << head.toStdString();
        }
        const int side = grid->verticalHeader()->width();
        for (int r = 0; r < grid->rowCount(); ++r)
            EXPECT_LE(fm.horizontalAdvance(grid->verticalHeaderItem(r)->text()) + margin, side) << r;
        // The corner holds the heading of column 0, drawn.
        EXPECT_EQ(win->cellText(t + 1, 0, 0), QString::fromUtf8(corners[t]));
        EXPECT_LE(fm.horizontalAdvance(win->cellText(t + 1, 0, 0)) + margin, side);
        auto *corner = grid->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(corner, nullptr);
        const QImage drawn = corner->grab().toImage();
        int ink = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                ink += qGray(drawn.pixel(x, y)) < 90 ? 1 : 0;
        EXPECT_GT(ink, 15);
        // No table needs a sideways scroll bar.
        EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    }
    // The SP value table: every cell inside its cell area, labels whole, the table inside its tab.
    showTab(0);
    QCoreApplication::processEvents();
    QTableWidget *g1 = win->MSFlexGrid[0];
    const QRect area = g1->viewport()->rect();
    const QFontMetrics fm(g1->font());
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 15; ++c) {
            EXPECT_TRUE(area.contains(g1->visualRect(g1->model()->index(r, c)))) << r << "," << c;
            if (c % 2) {
                EXPECT_LT(fm.horizontalAdvance(g1->item(r, c)->text()) + 4, g1->columnWidth(c)) << r << "," << c;
            }
        }
    // The whole table lies inside the window.
    EXPECT_TRUE(win->rect().contains(QRect(g1->mapTo(win, QPoint(0, 0)), g1->size())))
        << g1->mapTo(win, QPoint(0, 0)).x() << "+" << g1->width() << " in " << win->width();
}

// The captions of the step viewer end before their boxes; the bit lines show
// their 32 items in a fixed-width face, the whole line inside the box.
TEST_F(MemAlgorithmWindow, ViewerCaptionsAndBitLinesFit)
{
    win->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(win));
    const std::pair<const char16_t *, QLineEdit *> captions[] = {
        {u"Умова", win->Dija_YES_NO[4]},    {u"Вихід 1-32", win->Text2},        {u"Прапорець 1-32", win->Text3},
        {u"Дія YES1", win->Dija_YES_NO[0]}, {u"Дія YES2", win->Dija_YES_NO[1]}, {u"GoTo STEP", win->Text4},
        {u"Вихід 1-32", win->Text9},        {u"Прапорець 1-32", win->Text8},    {u"Дія NO1", win->Dija_YES_NO[2]},
        {u"Дія NO2", win->Dija_YES_NO[3]},  {u"GoTo STEP", win->Text7},         {u"№ Кроку", win->Text1}};
    const QList<QLabel *> labels = win->findChildren<QLabel *>();
    for (const auto &[text, box] : captions) {
        const QString caption = QString::fromUtf16(text);
        const QLabel *found = nullptr;
        for (const QLabel *l : labels)
            if (l->text() == caption && std::abs(l->geometry().center().y() - box->geometry().center().y()) <= 12)
                found = l;
        ASSERT_NE(found, nullptr) << caption.toStdString();
        EXPECT_LT(found->geometry().right(), box->x()) << caption.toStdString();
        EXPECT_GE(found->x(), 0) << caption.toStdString();
    }
    for (QLineEdit *box : {win->Text2, win->Text3, win->Text8, win->Text9}) {
        EXPECT_TRUE(QFontInfo(box->font()).fixedPitch());
        EXPECT_EQ(box->text().size(), 32 * alg::kBitColumnChars);
        EXPECT_LT(QFontMetrics(box->font()).horizontalAdvance(box->text()), box->width() - 8);
    }
    // The demo program's first step sets output 1 on YES: the first column shows it.
    EXPECT_TRUE(win->Text2->text().startsWith(QStringLiteral("  1 --")));
    EXPECT_TRUE(win->Label5->text().startsWith(QStringLiteral("№ O/F")));
}

} // namespace
