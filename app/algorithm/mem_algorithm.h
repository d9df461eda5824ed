#pragma once
// The memory editor of an ALGORITHM block: opened from the schema view for
// the block Num_Block_Edit. A modal window on the window frame.
// Its main face is the step viewer; the button "Коментарі" lays the memory
// tables (setpoint values and the comments of SP, FLAG, TIMER, INP and OUT)
// over it.

#include "algorithm/grid_print.h"
#include "algorithm/step_viewer_model.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace pelmora {

struct ProjectModel;
class MainWindowPort;
class WindowFrame;

class Mem_ALGORITHM : public QWidget {
    Q_OBJECT

public:
    // Loads the window for the block the opener recorded; deletes itself when it closes.
    Mem_ALGORITHM(ProjectModel &m, MainWindowPort &main);
    ~Mem_ALGORITHM() override;

    void Form_Load();
    void Form_Unload();
    // Shows the window over the main window, which it disables.
    void open();

    // Step viewer.
    void Text1_Change();
    void Command1_Click(int Index);

    // Memory tables.
    void Coment_Set_SP_Click();
    void SSTab1_Click();
    // Grid g = 1..6 (MSFlexGrid1..6), cell in grid numbering (row 0 and column 0 the headings).
    void MSFlexGrid_MouseDown(int g, Qt::MouseButton button, int row, int col);
    void MSFlexGrid_DblClick(int g);
    void MSFlexGrid_Click(int g);
    // Edit box b = 0..5 (Data_ZAD, Data_ZAD_COMMENT, Data_FLAG/TIMER/INPUT/OUTPUT_COMMENT).
    void Data_KeyPress(int b, int KeyAscii);
    void Set_SP_0_Click(int Index);
    void Del_coment_Click(int Index);
    void Print_SP_Click(int Index);

    // What the printer gets of table g (1..6): its cell texts, column widths in twips and font.
    alg::GridContents gridContents(int g) const;
    // Makes the printing surface; the system's default printer unless replaced.
    std::function<std::unique_ptr<alg::PrintSurface>()> makePrinter;

    // Text of a table cell in grid numbering (row 0 and column 0 are the headings).
    QString cellText(int g, int row, int col) const;
    // The first visible scrolled row of a grid.
    int topRow(int g) const;

    // The tab shown last; kept between openings of the window.
    static std::int16_t Tab_Mem;

    // Controls, named as the program knows them.
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label16 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr;
    QLineEdit *Text7 = nullptr, *Text8 = nullptr, *Text9 = nullptr;
    std::array<QLineEdit *, 5> Dija_YES_NO{};
    std::array<QPushButton *, 2> Command1{};
    QPushButton *Coment_Set_SP = nullptr;
    QTabWidget *SSTab1 = nullptr;
    std::array<QTableWidget *, 6> MSFlexGrid{}; // MSFlexGrid1..6
    std::array<QLineEdit *, 6> Data{};          // the edit boxes in table order
    std::array<QPushButton *, 2> Set_SP_0{};
    std::array<QPushButton *, 4> Del_coment{};
    std::array<QPushButton *, 6> Print_SP{};

    std::int16_t Mouse_Col = 0, Mouse_Row = 0;
    std::int16_t Edit_Col = 0, Edit_Row = 0;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildViewer();
    void buildTables();
    void fillGauge();
    void setCell(int g, int row, int col, const QString &text);
    void fillValueTable();
    void fillSpCommentTable();
    void fillCommentTable(int g);
    // Where an edit box of the given size covers cell (row, col) of grid g, in
    // the grid's cell area; scrolls the row into view first.
    QRect editBoxRect(int g, int row, int col, int width, int height);
    void setCornerText(int t, const QString &text);
    void paintCorner(int t);
    // Widths that show every label and heading whole.
    int labelColumnWidth(int g) const;
    int lastColumnWidth(int g, int width) const;
    QSize valueTableSize() const;
    QRect valueTableRect() const;
    void commitValue(int b);
    void commitComment(int b);
    void clearAll();

    ProjectModel &m_;
    WindowFrame *frame_;
    alg::StepView view_;
    // The cell each edit box was opened over, so that its Enter writes the
    // row it shows even after another table opened its own box.
    std::array<int, 6> boxRow_{};
    std::array<int, 6> boxCol_{};
    std::array<QString, 6> cornerText_;
    std::array<QAbstractButton *, 6> corner_{};
    bool releaseEndsDblClick_ = false;
};

} // namespace pelmora
