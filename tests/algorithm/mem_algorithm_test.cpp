// The memory editor window of the demo schema's ALGORITHM block: the step
// viewer with its jump buttons, the gauge, the memory tables and their edits.

#include "algorithm/mem_algorithm.h"
#include "algorithm/step_decoder.h"
#include "schema/alg_flowchart_import.h"
#include "schema/schema_import.h"
#include "support/fake_services.h"
#include "support/main_window_stand_in.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
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

} // namespace
