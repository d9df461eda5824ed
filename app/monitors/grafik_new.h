#pragma once
// The Tesk monitor "Графік Tesk - Virel -": reads the 240 recorded packets of a
// Tesk controller into 22 channels, plots them on a persistent picture that
// scrolls under a fixed clip window, zooms the time axis, reads values under a
// blinking cursor, scales, recolours and renames channels, and saves and opens
// 22-channel trend files. Modeless; it stays open when the main window closes.

#include "monitors/monitor_widgets.h"

#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QAction;

namespace pelmora {

class MainWindowPort;
struct ProjectModel;

class Grafik_NEW : public QWidget {
    Q_OBJECT

public:
    // "&Монітор Tesk": shows the window, loading it first when it is not loaded.
    static Grafik_NEW &mnuOSC_Click(ProjectModel &m, MainWindowPort &main);
    static Grafik_NEW *loaded(MainWindowPort &main);

    QMenuBar *menuBar;
    QAction *mnu_Save, *mnu_Load;
    QWidget *client; // everything below the menu, in the window's pixel coordinates

    // The strip along the top.
    QFrame *Curr_Data;
    QComboBox *Mashtab_X_Y;
    QLineEdit *Mashtab_Y_min, *Mashtab_Y_max, *Time_ms, *Name_IO;
    QCheckBox *Type_Grafik, *Cur_OFF_ON, *dIO_ON;
    // The channel cells: 0..21 channels 1..22, 22 and 23 mirror 12 and 13.
    QFrame *Frame3;
    std::array<ClickLabel *, 24> Ekran2{};
    // The readout strip.
    QComboBox *Num_Tesk_Net, *Num_COM;
    QPushButton *FLASH;
    QProgressBar *ProgressBar1;
    // The movable discrete panel: lamp and label i belong to channel i + 7.
    QWidget *Grafik_NEW_DIO;
    std::array<QLabel *, 16> dIO{};
    std::array<QLabel *, 16> dIO_Name{};
    QLabel *Cur_Ekran;

    TrendPlot plot;
    std::unique_ptr<PlotArea> area;
    ReadoutTimers timers;
    QTimer Timer4; // drawing: one pass per enable
    QTimer Timer5; // cursor blink

    int Grafik_Kanal = 1;     // selected channel 1..22
    int Grafik_Name_Edit = 0; // cell whose name Name_IO shows and renames
    int Grafik_Kanal_First = 1, Grafik_Kanal_Last = 22;

    void FLASH_Click();
    void Num_Tesk_Net_Click();
    void Num_COM_Click();
    void Timer4_Timer();
    void fullRedraw();
    void Mashtab_X_Y_Click();
    void Type_Grafik_Click();
    void HScroll1_Scroll(int value);
    void mnu_Save_Click();
    void mnu_Load_Click();

    void LineCursor1_MouseDown(QPoint at);
    void LineCursor1_MouseMove(QPoint at, bool left);
    void LineCursor1_MouseUp();
    void Timer5_Timer();
    void Cur_OFF_ON_Click();
    void Mashtab_Y_Change(QLineEdit *box);
    void Mashtab_Y_Enter(bool max);
    void Ekran2_Click(int i);
    void Ekran2_DblClick(int i);
    void Name_IO_Enter();
    void dIO_ON_Click();
    void Grafik_Tesk_DblClick();

public:
    ~Grafik_NEW() override;

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    Grafik_NEW(ProjectModel &m, MainWindowPort &main);
    void readoutEnded();
    void readoutIdle();
    void fillScaleBoxes();
    void frameCell(int i, bool on);
    void mirrorCells();
    void applyBackground(std::int32_t bgr);

    ProjectModel &m_;
    MainWindowPort &main_;
    int grabX_ = 0;
    bool waitUntilPass_ = false;    // the hourglass shows until the drawing pass
    std::int32_t dialogColour_ = 0; // the colour dialog's current colour
    QPoint panelGrab_;
};

} // namespace pelmora
