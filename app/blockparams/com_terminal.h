#pragma once
// The Modbus RTU request dialog of an RS4 block in MODBUS mode, opened from the
// block parameter dialog's picture. Its eight request rows live in the block's
// 48 texts; "Ok" writes them back, "Відміна" and the window frame write nothing.
// The rules live in ModbusTerminal; this window mirrors its rows.

#include "blockparams/modbus_rows.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

struct ProjectModel;
class MainWindowPort;
class WindowFrame;

class Com_Terminal : public QWidget {
    Q_OBJECT

public:
    // `opener` is the parameter dialog: a modal window on the window frame
    // above it, which it disables while open. It deletes itself when it closes.
    Com_Terminal(ProjectModel &m, MainWindowPort &main, QWidget &opener);
    ~Com_Terminal() override;

    // Fills the window from the block's records (Num_Block_Edit).
    void Form_Load();

    QLabel *Label, *Label2, *Label4, *Label1, *Label6, *Label3, *Label5;
    std::array<QCheckBox *, 8> Check1{};
    std::array<QComboBox *, 8> Num_FUNC{};
    std::array<QLineEdit *, 8> ADR_MODBUS{};
    std::array<QComboBox *, 8> Type_data{};
    std::array<QLabel *, 8> Label_I_O{};
    std::array<QCheckBox *, 64> in_out{};
    std::array<QComboBox *, 8> Num_SP{};
    // The numbers 1 to 8 of the heading Label5, one over each column of I/O boxes.
    std::array<QLabel *, 8> ioHeadings{};
    QPushButton *Ok_Go_Block;
    QPushButton *Cancel_Go_Block;

    void Check1_Click(int Index);
    void Num_FUNC_Click(int Index);
    void Type_data_Click(int Index);
    void in_out_Click(int Index);
    void Ok_Go_Block_Click();
    void Cancel_Go_Block_Click(int Index);

    // Shows the window over its opener, which it disables.
    void open();

    const blockparams::ModbusTerminal &terminal() const { return terminal_; }

private:
    void showRows();

    blockparams::ModbusTerminal terminal_;
    WindowFrame *frame_;
};

} // namespace pelmora
