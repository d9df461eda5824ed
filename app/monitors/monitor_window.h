#pragma once
// What both trend monitor windows share: the modeless frame, the plot area
// with its cursor, the scale boxes and cursor switch, the drawing and blink
// timers and the readout's timers. Each window adds its own controls and says
// how it draws a pass, which channel the scale boxes set and which time grid
// it draws.

#include "monitors/monitor_widgets.h"
#include "monitors/trend_cursor.h"

#include <QWidget>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QFrame;
class QLineEdit;
class QMenuBar;
class QProgressBar;

namespace pelmora {

class MainWindowPort;
struct ProjectModel;

class TrendMonitorWindow : public QWidget {
    Q_OBJECT

public:
    ~TrendMonitorWindow() override;

    QMenuBar *menuBar = nullptr;
    QWidget *client = nullptr; // everything below the menu, in the window's pixel coordinates

    QFrame *Curr_Data = nullptr;
    QLineEdit *Mashtab_Y_min = nullptr, *Mashtab_Y_max = nullptr, *Time_ms = nullptr;
    QCheckBox *Type_Grafik = nullptr, *Cur_OFF_ON = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Cur_Ekran = nullptr;

    TrendPlot plot;
    std::unique_ptr<PlotArea> area;
    ReadoutTimers timers;
    QTimer Timer4; // drawing: one pass per enable
    QTimer Timer5; // cursor blink

    // Stops the readout at once without a message: its timers stop, the link
    // is given back, and the window shows no readout running, as after its end.
    virtual void stopReadout() = 0;

    void Timer4_Timer();
    virtual void fullRedraw() = 0;
    void Type_Grafik_Click();
    void HScroll1_Scroll(int value);

    virtual void LineCursor1_MouseDown(QPoint at) = 0;
    virtual void LineCursor1_MouseMove(QPoint at, bool left) = 0;
    virtual void LineCursor1_MouseUp() = 0;
    void Timer5_Timer();
    void Cur_OFF_ON_Click();
    void Mashtab_Y_Change(QLineEdit *box);
    void Mashtab_Y_Enter(bool max);
    virtual void Grafik_Tesk_DblClick() = 0;

protected:
    TrendMonitorWindow(PlotWindow window, ReadoutVariant variant, ProjectModel &m, MainWindowPort &main,
                       const QString &objectName, const QString &title);

    // The window's layout pieces, in the window's small font.
    static QChar decimalPoint();
    static QLabel *label(QWidget *parent, const QString &text, int x, int y);
    static QLineEdit *box(QWidget *parent, const char *name, const QString &text, int x, int y, int w, int h);
    // A box placed beside a label moves right, narrower, when the label's text
    // in this font reaches into it.
    static void besideLabel(QWidget *box, const QLabel *text);
    static QCheckBox *tick(QWidget *parent, const char *name, int x, int y);

    // The menu bar with its "&Файл" menu of save and open, named as given.
    struct FileMenu {
        QAction *save, *open;
    };
    FileMenu addFileMenu(const char *saveName, const char *openName);
    // Once the menus are in: the window takes the plot layout's size below the menu bar.
    void placeClient();
    // The plot area on the client with its scroll bar, cursor handlers,
    // caption and percent labels.
    void buildPlotArea();
    // The scale boxes and the line style and cursor ticks to their handlers.
    void connectScaleBoxes();

    // The channel the scale boxes show and set.
    virtual int scaleChannel() const = 0;
    // The time grid's cycle: 0 for 1 ms per sample, otherwise 2 ms.
    virtual int gridCycle() const = 0;
    // One drawing pass over the picture.
    virtual void drawPass() = 0;
    // The last packet of a readout is in.
    virtual void readoutEnded() = 0;

    void fillScaleBoxes();
    // An empty picture with the time grid.
    void clearPlot();
    // The hourglass stays from now until the next drawing pass.
    void hourglassUntilPass();

    // The cursor drag: a press grabs the handle; a move with the left button
    // places the line on a whole sample and gives its place, one without hides
    // the caption; the caption shows the read value beside the line.
    void grabCursor(QPoint at);
    std::optional<CursorPlace> dragCursorTo(QPoint at, bool left);
    void showCaption(const QString &text, std::int32_t colour, int lineLeft, int y);

    ProjectModel &m_;

private:
    int grabX_ = 0;
    bool waitUntilPass_ = false; // the hourglass shows until the drawing pass
};

} // namespace pelmora
