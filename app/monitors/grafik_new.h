#pragma once
// The Tesk monitor "Графік Tesk - Virel -": reads the 240 recorded packets of a
// Tesk controller into 22 channels, plots them on a persistent picture that
// scrolls under a fixed clip window, zooms the time axis, reads values under a
// blinking cursor, scales, recolours and renames channels, and saves and opens
// 22-channel trend files. Modeless; it stays open when the main window closes.

#include "monitors/monitor_window.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QAction;

namespace pelmora {

class Grafik_NEW : public TrendMonitorWindow {
    Q_OBJECT

public:
    // "&Монітор Tesk": shows the window, loading it first when it is not loaded.
    static Grafik_NEW &mnuOSC_Click(ProjectModel &m, MainWindowPort &main);
    static Grafik_NEW *loaded(MainWindowPort &main);

    QAction *mnu_Save, *mnu_Load;

    // The strip along the top (Curr_Data): scales, time, line style, cursor, lamps, name.
    QComboBox *Mashtab_X_Y;
    QLineEdit *Name_IO;
    QCheckBox *dIO_ON;
    // The channel cells: 0..21 channels 1..22, 22 and 23 mirror 12 and 13.
    QFrame *Frame3;
    std::array<ClickLabel *, 24> Ekran2{};
    // The readout strip.
    QComboBox *Num_Tesk_Net, *Num_COM;
    QPushButton *FLASH;
    // The movable discrete panel: lamp and label i belong to channel i + 7.
    QWidget *Grafik_NEW_DIO;
    std::array<QLabel *, 16> dIO{};
    std::array<QLabel *, 16> dIO_Name{};

    int Grafik_Kanal = 1;     // selected channel 1..22
    int Grafik_Name_Edit = 0; // cell whose name Name_IO shows and renames
    int Grafik_Kanal_First = 1, Grafik_Kanal_Last = 22;

    void FLASH_Click();
    void Num_Tesk_Net_Click();
    void Num_COM_Click();
    void fullRedraw() override;
    void Mashtab_X_Y_Click();
    void mnu_Save_Click();
    void mnu_Load_Click();

    void LineCursor1_MouseDown(QPoint at) override;
    void LineCursor1_MouseMove(QPoint at, bool left) override;
    void LineCursor1_MouseUp() override;
    void Ekran2_Click(int i);
    void Ekran2_DblClick(int i);
    void Name_IO_Enter();
    void dIO_ON_Click();
    void Grafik_Tesk_DblClick() override;
    void stopReadout() override;

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    int scaleChannel() const override { return Grafik_Kanal; }
    int gridCycle() const override { return 0; } // always 1 ms per sample
    void drawPass() override;
    void readoutEnded() override;

private:
    Grafik_NEW(ProjectModel &m, MainWindowPort &main);
    void readoutIdle();
    void frameCell(int i, bool on);
    void mirrorCells();
    void applyBackground(std::int32_t bgr);

    MainWindowPort &main_;
    QPoint panelGrab_;
};

} // namespace pelmora
