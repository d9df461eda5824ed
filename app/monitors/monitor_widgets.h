#pragma once
// Pieces both monitor windows are built from: the plot picture under its clip
// window with the cursor line and handle, labels that take clicks, and the
// readout's four timers kept in step with the readout cycle on the program's
// one link.

#include "monitors/trend_plot.h"
#include "monitors/trend_readout.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>

class QScrollBar;

namespace pelmora {

class ControllerLink;
class TransferSteps;
class WindowRegistry;

// A 0x00BBGGRR colour as a QColor, and back.
QColor colourOf(std::int32_t bgr);
std::int32_t bgrOf(const QColor &c);
// Sets a widget's background (and, when given, its text colour) through its palette.
void paintBackground(QWidget &w, std::int32_t bgr);
void paintText(QWidget &w, std::int32_t bgr);

// The hourglass pointer for the life of the object (a long redraw).
class WaitPointer {
public:
    WaitPointer();
    ~WaitPointer();
    WaitPointer(const WaitPointer &) = delete;
    WaitPointer &operator=(const WaitPointer &) = delete;
};

// A label that reports clicks and double-clicks.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;
    std::function<void()> doubleClicked;

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
};

// The cursor's drag handle: a transparent strip in front of the plot that
// reports presses, moves and releases with the pointer's place inside it.
class CursorHandle : public QWidget {
public:
    explicit CursorHandle(QWidget *parent);
    std::function<void(QPoint)> pressed;
    std::function<void(QPoint, bool left)> moved;
    std::function<void()> released;

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};

// The plot picture Grafik_Tesk: shows the TrendPlot's image, which keeps its
// drawing; scrolling moves this widget under the clip window GR_GR and never
// redraws the trends.
class PlotPicture : public QWidget {
public:
    PlotPicture(const TrendPlot &plot, QWidget *clip);
    std::function<void()> clicked;
    std::function<void()> doubleClicked;

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    const TrendPlot &plot_;
};

// The plot area of a window: the clip window, the picture in it, the scroll
// bar under it and the cursor's line and handle on the picture.
struct PlotArea {
    PlotArea(const TrendPlot &plot, QWidget *parent);
    QWidget *GR_GR;
    PlotPicture *Grafik_Tesk;
    QScrollBar *HScroll1;
    QLabel *LineCursor;        // the cursor line, 1 pixel wide
    CursorHandle *LineCursor1; // its drag handle, 20 pixels wide
    // HScroll1_Scroll: the picture slides left, the cursor goes to plot x v + 10.
    void scrollTo(int value);
    void placeCursor(int handleLeft, int lineLeft);
};

// The readout of one monitor window with the window's timers Timer1 (progress),
// Timer2 (request/answer cycle), Timer3 (start) and Timer6 (start delay), kept
// in step with what the cycle wants after every command and tick. The link is
// the program's one link; the cycle sends and reads over the serial port.
class ReadoutTimers : public QObject {
public:
    ReadoutTimers(ReadoutVariant variant, ProjectModel &m, ControllerLink &link, QObject *parent);
    ~ReadoutTimers() override;

    TrendReadout readout;
    QTimer Timer1, Timer2, Timer3, Timer6;

    std::function<void(float)> progress;                    // Timer1's value for the progress bar
    std::function<void()> finished;                         // the last packet is in and decoded
    std::function<void(const QString &)> stoppedByFailures; // the readout stopped after too many failures

    // The window's start/stop command.
    TrendReadout::CommandResult startOrStop(std::uint8_t address);
    // Stop or cancel: every timer off, nothing of the readout runs later.
    void stop();
    // The handlers of the timers that are on, each once, as their timeouts
    // run them, with the timers kept in step. A caller that needs the cycle
    // faster than the timers' intervals (a test) drives it with this.
    void tickTimersThatAreOn();

private:
    void sync();
    void cycleTick();
    void show(const TrendReadout::Tick &t);

    ControllerLink &link_;
    TransferSteps *steps_ = nullptr;
};

} // namespace pelmora
