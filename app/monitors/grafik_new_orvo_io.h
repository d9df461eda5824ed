#pragma once
// The Orvo I/O monitor "Монітор Orvo_IO - Virel -": reads the 300 recorded
// packets of an Orvo controller into 46 columns (40 discrete rows above six
// analog trends scaled by the schema's analog-input block), plots them on a
// persistent picture under a fixed clip window, reads values under a blinking
// cursor, scales, recolours and renames channels, and saves and opens
// 46-channel trend files. Modeless; it stays open when the main window closes.

#include "monitors/monitor_window.h"

#include <array>

class QAction;
class QFrame;
class QLineEdit;
class QMenu;

namespace pelmora {

class Grafik_NEW_Orvo_IO : public TrendMonitorWindow {
    Q_OBJECT

public:
    // "&Монітор Orvo": shows the window, loading it first when it is not loaded.
    static Grafik_NEW_Orvo_IO &mnuOSC_Orvo_Click(ProjectModel &m, MainWindowPort &main);
    static Grafik_NEW_Orvo_IO *loaded(MainWindowPort &main);

    QAction *mnuSave, *mnuOpen;
    QMenu *mnuL, *MnuNumPort, *mnuPeriod;
    std::array<QAction *, 8> MnuCOM{}; // "&Com 1".."&Com 8"; the one of the port in use is ticked
    QAction *mnuCyckl_1ms, *mnuCyckl_2ms, *mnuLoad_I_O;

    // Name labels 0..45 (label 45 - c names column c) and 46, the selected channel's in Curr_Data.
    std::array<ClickLabel *, 47> Name_IO_Orvo{};
    std::array<ClickLabel *, 46> OFF_ON_IO{}; // the state squares of columns 0..45
    std::array<ClickLabel *, 6> aINP_OUT{};   // value read-outs of columns 45 - i
    QLineEdit *Name_IO_Orvo_Text;             // the in-place name editor
    ClickLabel *Label7;                       // " X": closes Curr_Data, the scale frame
    QFrame *Load_IO;                          // holds ProgressBar1
    ClickLabel *Load_IO_X;

    int Grafik_Name_Edit_IO = 0;

    void MnuCOM_Click(int n);
    void mnuCyckl_Click(int cikl);
    void mnuLoad_I_O_Click();
    void Load_IO_X_Click();
    void fullRedraw() override;
    void mnuSave_Click();
    void mnuOpen_Click();

    void LineCursor1_MouseDown(QPoint at) override;
    void LineCursor1_MouseMove(QPoint at, bool left) override;
    void LineCursor1_MouseUp() override;
    void Name_IO_Orvo_Click(int i);
    void Name_IO_Orvo_DblClick(int i);
    void Name_IO_Orvo_Text_Enter();
    void aINP_OUT_Click(int i);
    void OFF_ON_IO_DblClick(int c);
    void Form_Click();
    void Grafik_Tesk_Click();
    void Grafik_Tesk_DblClick() override;
    void stopReadout() override;

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    int scaleChannel() const override;
    int gridCycle() const override;
    void drawPass() override;
    void readoutEnded() override;

private:
    Grafik_NEW_Orvo_IO(ProjectModel &m, MainWindowPort &main);
    void cancelReadout();
    // Ticks the "&COM" item of the port number in use, or none.
    void showPortTick();
    void markAnalogLabel(int i);
    void showSquaresAtCursor();
};

} // namespace pelmora
