#pragma once
// The project settings dialog: project name, controller link, controller
// number, request period, page count and the schema netlist. A modal window on
// the window frame; every way out unloads it, so each opening starts from the
// dialog's design state.

#include <QObject>
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace pelmora {

struct MainMenu;
struct ProjectModel;
class MainWindowPort;
class PageView;
class SchemaView;
class WindowFrame;

class Config_Project : public QWidget {
    Q_OBJECT

public:
    // Loads the dialog (its Form_Load runs); it deletes itself when unloaded.
    Config_Project(ProjectModel &m, MainWindowPort &main, SchemaView &schemaView, PageView &pageView);
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
    QLabel *Link_Busy_Note; // says why the settings cannot be changed now
    QTimer *Timer_Link;     // looks at the link while the dialog is shown

    void Form_Load();
    void Combo1_Click();
    void Combo2_Click();
    void Load_Key_SCHEMA_Click();
    void Ok_Click();
    void Cancel_Click();
    void Form_Unload();

    // Shows the dialog over the main window, which it disables.
    void open();
    // The address box follows the link kind of a project just opened: enabled
    // for a TCP client, disabled for a TCP server, as it is for other kinds.
    void showLinkKind(int Num_COM_Link);

    // While a transfer is under way, the settings it runs on are read-only:
    // the dialog shows them with every editing control and Ok disabled and a
    // note that says why; "Відміна" still closes it. When the transfer has
    // ended the controls are enabled as the settings shown call for.
    void showLinkBusy(bool busy);
    bool linkBusyShown() const { return linkBusy_; }

    // Timer_Link's tick: the dialog follows the link, read-only while a
    // transfer is under way and editable once none is.
    void Timer_Link_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showDevice();
    // The address, port and period boxes with their labels, as the link kind
    // in the list calls for (all disabled while a transfer is under way).
    void showLinkFields();
    // The address box, as link kind `kind` calls for.
    void showAddress(int kind);
    // A change made while a transfer is under way is refused: the dialog
    // turns read-only and the lists show the stored settings again.
    bool refuseWhileLinkBusy();

    ProjectModel &m_;
    MainWindowPort &main_;
    MainMenu &menu_;
    SchemaView &schemaView_;
    PageView &pageView_;
    WindowFrame *frame_;
    bool linkBusy_ = false;
};

// The two menu items that open the dialog.
class ProjectSettingsMenu : public QObject {
    Q_OBJECT

public:
    ProjectSettingsMenu(ProjectModel &m, MainWindowPort &main, SchemaView &schemaView, PageView &pageView);

    // "&Створити проект".
    void mnuNEW_Click();
    // "&Налаштування".
    void mnuNastrojki_Click();

    // The open dialog, or the dialog loaded now, hidden, when none is open.
    Config_Project &dialog();

    // Asked before a new project replaces the open one; false keeps the open
    // project and opens nothing.
    std::function<bool()> mayReplaceProject;

private:
    ProjectModel &m_;
    MainWindowPort &main_;
    SchemaView &schemaView_;
    PageView &pageView_;
};

} // namespace pelmora
