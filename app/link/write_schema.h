#pragma once
// The write progress window that every upload shows while it writes into the
// controller: a modeless window on the window frame, above the main window.
// One instance at most: an upload loads it (hidden, with its design values) on
// first use and unloads it at its end.

#include <QWidget>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pelmora {

struct ProjectModel;
class MainWindowPort;
class WindowFrame;

class Write_SCHEMA : public QWidget {
    Q_OBJECT

public:
    // The loaded window, loaded now (hidden, design values) when it is not.
    static Write_SCHEMA &load(ProjectModel &m, MainWindowPort &main);
    // The loaded window, or nullptr.
    static Write_SCHEMA *loaded(MainWindowPort &main);
    // Unloads the window when it is loaded.
    static void unload(MainWindowPort &main);

    // Shows the window above the main window.
    void open();

    // Shows a packet transfer's step: the bar (0..maximum), the error count,
    // the interval of the next step and, when a row is done, the rows written so far.
    void showSenderStep(int maximum, int progress, int errors, int interval, std::optional<int> rowsDone);

    QLabel *Label1, *Num_Paket_SCADA;
    QLabel *Label2, *Numb_Sheet_SCADA;
    QLabel *Label3, *Err_Write_Scada;
    QLabel *Label4, *T_msec;
    QProgressBar *Write_SCHEMA_ProgressBar;
    QPushButton *Command1;

    // "Відміна": the settings dialog is enabled again and a page range ends
    // after the page being written; the transfer itself runs on to its end.
    // Escape does the same.
    void Command1_Click();
    // Every way the window goes: the main window is enabled again (an upload
    // that stopped on a failure may have left it disabled), unless a modal
    // window is still open over it.
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Write_SCHEMA(ProjectModel &m, MainWindowPort &main);

    ProjectModel &m_;
    MainWindowPort &main_;
    WindowFrame *frame_;
    bool unloaded_ = false;
};

} // namespace pelmora
