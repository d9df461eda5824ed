#pragma once
// The project settings dialog: project name, controller link, controller
// number, request period, page count and the schema netlist. A top-level
// window without parent, modal by hand: the opener disables the main window
// and every way out enables it again and unloads the dialog, so each opening
// starts from the dialog's design state.

#include <QObject>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

class Config_SCADA;

class Config_Project : public QWidget {
    Q_OBJECT

public:
    // Loads the dialog (its Form_Load runs); it deletes itself when unloaded.
    explicit Config_Project(Config_SCADA &main);
    ~Config_Project() override;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QLineEdit *Name_Project_Text;
    QComboBox *Combo1;  // link kind
    QLabel *COM_Device; // the serial device the chosen COM port stands for
    QComboBox *Combo2;  // controller number
    QLineEdit *IP_address;
    QLineEdit *Port;
    QLineEdit *T_Zapyt_IP;
    QComboBox *Combo3; // page count
    QLineEdit *Name_Schema_text;
    QPushButton *Load_Key_SCHEMA;
    QPushButton *Ok;
    QPushButton *Cancel;

    void Form_Load();
    void Combo1_Click();
    void Combo2_Click();
    void Load_Key_SCHEMA_Click();
    void Ok_Click();
    void Cancel_Click();
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showDevice();

    Config_SCADA &main_;
};

// The two menu items that open the dialog.
class ProjectSettingsMenu : public QObject {
    Q_OBJECT

public:
    explicit ProjectSettingsMenu(Config_SCADA &main);

    // "&Створити проект".
    void mnuNEW_Click();
    // "&Налаштування".
    void mnuNastrojki_Click();

    // The open dialog, or the dialog loaded now, hidden, when none is open.
    Config_Project &dialog();

private:
    Config_SCADA &main_;
};

} // namespace pelmora
