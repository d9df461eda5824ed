#pragma once
// The block parameter dialog: one window for every block type except ALG. It
// edits block Num_Block_Edit of type Type_Block_Edit in place: every choice and
// every typed change goes into the block's records at once (the rules live in
// ParamEditor; this window mirrors its rows into controls).

#include "blockparams/param_store.h"

#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace pelmora {

struct ProjectModel;
class Com_Terminal;
class MainWindowPort;
class WindowFrame;

// A value text box. Its length limit applies to what the user types: a longer
// text that the program puts in stays whole (the box then takes that length,
// so it cannot grow further). A limit set with QLineEdit::setMaxLength before
// the dialog is shown is taken over the same way, and the whole text comes back.
class ValueTextBox : public QLineEdit {
public:
    explicit ValueTextBox(QWidget *parent);
    void setLimit(int n);
    int limit() const { return limit_; }
    void adoptMaxLength();
    // Puts a text in without it counting as an edit.
    void showText(const QString &text);
    std::function<void(const QString &)> edited;

private:
    void applyLength();
    int limit_ = 17;
    int applied_ = 17;
    QString shown_;
};

class PropertyBLOCK : public QWidget {
    Q_OBJECT

public:
    // The opener sets Type_Block_Edit and Num_Block_Edit first; the dialog loads
    // for that block here (a failed loading shows its message before the dialog
    // is shown). A modal window on the window frame that deletes itself on close.
    PropertyBLOCK(ProjectModel &m, MainWindowPort &main);
    ~PropertyBLOCK() override;

    QLabel *Label1;
    std::array<QLabel *, blockparams::kRowCount> Set_ParametrLabel{};
    std::array<QComboBox *, blockparams::kRowCount> Value_Combo{};
    std::array<ValueTextBox *, blockparams::kRowCount> Value_Text{};
    QPushButton *Ok_Property;
    QPushButton *Cancel_Property;
    QFrame *Blok_Image;
    QLabel *Bl_Image;
    QLabel *Num_Block_Label; // the block number, drawn level with the buttons

    void Form_Load();
    void label_Parametr(int tupe_bl);
    void Value_Combo_Click(int Index);
    void Value_Text_Change(int Index);
    void Bl_Image_Click();
    void Ok_Property_Click();
    void Cancel_Property_Click();

    // Shows the dialog over the main window, which it disables.
    void open();

    // The window's height in twips (its outer height, frame included).
    int formHeight() const { return height_; }
    const blockparams::ParamEditor &editor() const { return editor_; }
    // The Modbus request dialog while it is open.
    Com_Terminal *comTerminal() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRows();

    ProjectModel &m_;
    MainWindowPort &main_;
    WindowFrame *frame_;
    blockparams::ParamEditor editor_;
    int height_ = 0;
    QPointer<Com_Terminal> comTerminal_;
};

} // namespace pelmora
