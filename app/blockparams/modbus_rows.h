#pragma once
// The eight Modbus RTU requests of an RS4 block in MODBUS mode, kept as the 48
// texts of the block's text record (the Modbus_Row layout: request i has its
// switch in T(i), function in T(8 + i), data type in T(16 + i), I/O mask or
// set-point in T(24 + i), register address in T(32 + 2i) high and T(33 + 2i)
// low byte), and the request dialog's state and rules without its widgets.

#include "core/model/project_model.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace pelmora::blockparams {

constexpr int kModbusRequests = 8;
constexpr int kModbusTexts = 48;
constexpr int kModbusMode = 2; // RS4 mode "MODBUS"

inline const QString kRs485Error = QStringLiteral("Помилка RS485 !!!");
inline const QString kAddressError = QStringLiteral("Помилка адреси!!!");
inline const QString kNoModbusRecord =
    QStringLiteral("У цій версії формату блок RS4 не має запитів MODBUS.\nОберіть версію 4.5 або 5.71.");

// The lists of every request row.
QStringList modbusFunctionList(); // "1" .. "6", "15", "16"
QStringList modbusDataTypeList(); // 47 entries
QStringList modbusSetPointList(); // "SP1" .. "SP96"

// Whether the edited block's picture opens the request dialog: an RS4 block
// whose mode V(1) is exactly 2. When the format version gives RS4 blocks no
// texts, the dialog must not open (the 48 texts would belong to other blocks):
// *why then says so.
bool opensModbusRequests(const ProjectModel &m, QString *why);

// One request row as the dialog shows it.
struct ModbusRowView {
    int check = 0;            // Check1: 0 unchecked, 1 checked, 2 grey
    int function = -1;        // Num_FUNC entry, -1 none
    int dataType = -1;        // Type_data entry
    int setPoint = -1;        // Num_SP entry
    std::array<bool, 8> io{}; // in_out boxes 8i + j
    std::array<bool, 8> ioEnabled{true, true, true, true, true, true, true, true};
    bool rowEnabled = true;                     // Num_FUNC, Type_data and Label_I_O
    QString direction = QStringLiteral("Вхід"); // Label_I_O
    bool setPointShown = false;                 // Num_SP shown in the place of the eight boxes
    QString address = QStringLiteral("0");      // ADR_MODBUS

    bool on() const { return check != 0; }
    bool reads() const { return function < 4; } // functions 1 to 4
};

class ModbusTerminal {
public:
    // The block is Num_Block_Edit, as the dialog is opened.
    explicit ModbusTerminal(ProjectModel &m);

    // Fills the dialog from the block's records. A stored value the dialog
    // cannot show stops the filling with "Помилка RS485 !!!" (returns false);
    // what was filled stays.
    bool open();

    // The user's actions; each runs the handler of the control it changes.
    void setCheck(int i, bool on);
    void chooseFunction(int i, int entry);
    void chooseDataType(int i, int entry);
    void setIo(int i, int j, bool ticked);
    void chooseSetPoint(int i, int entry);
    void setAddress(int i, const QString &text);

    // Handlers.
    void Check1_Click(int i);
    void Num_FUNC_Click(int i);
    void Type_data_Click(int i);
    void in_out_Click(int x);

    // "Ok": writes the requests that were filled into the texts. An address
    // outside 0..65535, or not a number, shows "Помилка адреси!!!" once for its
    // request and keeps that request's two address texts.
    void store();

    const ModbusRowView &row(int i) const { return rows_.at(static_cast<std::size_t>(i)); }
    int block() const { return block_; }
    // Requests filled completely by open(); store() writes these only.
    int filled() const { return filled_; }
    QString title;
    QString networkLabel = QStringLiteral("№ у мережі");
    QString speedLabel = QStringLiteral("Швидкість");

private:
    QString &T(int k);
    float V(int k) const;
    void fillRequest(int i);

    ProjectModel &m_;
    int block_;
    int filled_ = 0;
    std::array<ModbusRowView, kModbusRequests> rows_;
};

} // namespace pelmora::blockparams
