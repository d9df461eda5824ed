#pragma once
// The write progress window that every upload shows while it writes into the
// controller. One instance at most: an upload loads it (hidden, with its design
// values) on first use and unloads it at its end.

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pelmora {

class Config_SCADA;

class Write_SCHEMA : public QWidget {
    Q_OBJECT

public:
    // The loaded window, loaded now (hidden, design values) when it is not.
    static Write_SCHEMA &load(Config_SCADA &main);
    // The loaded window, or nullptr.
    static Write_SCHEMA *loaded(Config_SCADA &main);
    // Unloads the window when it is loaded.
    static void unload(Config_SCADA &main);

    QLabel *Label1, *Num_Paket_SCADA;
    QLabel *Label2, *Numb_Sheet_SCADA;
    QLabel *Label3, *Err_Write_Scada;
    QLabel *Label4, *T_msec;
    QProgressBar *Write_SCHEMA_ProgressBar;
    QPushButton *Command1;

    // "Відміна": the settings dialog is enabled again and a page range ends
    // after the page being written; the transfer itself runs on to its end.
    void Command1_Click();
    // Every way the window goes: the main window is enabled again.
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit Write_SCHEMA(Config_SCADA &main);

    Config_SCADA &main_;
    bool unloaded_ = false;
};

} // namespace pelmora
