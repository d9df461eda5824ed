#include "monitors/monitor_widgets.h"

#include "link/controller_link.h"
#include "link/transfer_steps.h"
#include "monitors/trend_cursor.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace pelmora {

QColor colourOf(std::int32_t bgr) { return QColor::fromRgb(rgbOf(bgr)); }

std::int32_t bgrOf(const QColor &c) { return c.red() | c.green() << 8 | c.blue() << 16; }

void paintBackground(QWidget &w, std::int32_t bgr)
{
    QPalette p = w.palette();
    p.setColor(QPalette::Window, colourOf(bgr));
    p.setColor(QPalette::Base, colourOf(bgr));
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

void paintText(QWidget &w, std::int32_t bgr)
{
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, colourOf(bgr));
    p.setColor(QPalette::Text, colourOf(bgr));
    w.setPalette(p);
}

WaitPointer::WaitPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitPointer::~WaitPointer() { QApplication::restoreOverrideCursor(); }

void ClickLabel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && clicked) {
        clicked();
        return;
    }
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && doubleClicked) {
        doubleClicked();
        return;
    }
    QLabel::mouseDoubleClickEvent(e);
}

CursorHandle::CursorHandle(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::SizeHorCursor);
}

void CursorHandle::mousePressEvent(QMouseEvent *e)
{
    if (pressed)
        pressed(e->position().toPoint());
}

void CursorHandle::mouseMoveEvent(QMouseEvent *e)
{
    if (moved)
        moved(e->position().toPoint(), e->buttons() == Qt::LeftButton);
}

void CursorHandle::mouseReleaseEvent(QMouseEvent *)
{
    if (released)
        released();
}

PlotPicture::PlotPicture(const TrendPlot &plot, QWidget *clip) : QWidget(clip), plot_(plot)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotPicture::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    const QRect r = e->rect();
    p.drawImage(r, plot_.picture(), r);
}

void PlotPicture::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && clicked)
        clicked();
}

void PlotPicture::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && doubleClicked)
        doubleClicked();
}

PlotArea::PlotArea(const TrendPlot &plot, QWidget *parent)
{
    const PlotLayout &l = plot.layout();
    GR_GR = new QWidget(parent);
    GR_GR->setObjectName(QStringLiteral("GR_GR"));
    GR_GR->setGeometry(l.clipLeft, l.clipTop, l.clipWidth, l.clipHeight);
    paintBackground(*GR_GR, 0x808080);

    Grafik_Tesk = new PlotPicture(plot, GR_GR);
    Grafik_Tesk->setObjectName(QStringLiteral("Grafik_Tesk"));
    Grafik_Tesk->setGeometry(0, 0, l.pictureWidth, l.pictureHeight);

    HScroll1 = new QScrollBar(Qt::Horizontal, parent);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(0, kScrollMax);
    HScroll1->setSingleStep(10);
    HScroll1->setPageStep(100);
    HScroll1->setGeometry(l.clipLeft, l.clipTop + l.clipHeight, l.clipWidth, 17);

    LineCursor = new QLabel(Grafik_Tesk);
    LineCursor->setObjectName(QStringLiteral("LineCursor"));
    paintBackground(*LineCursor, 0x00FFFF);
    LineCursor1 = new CursorHandle(Grafik_Tesk);
    LineCursor1->setObjectName(QStringLiteral("LineCursor1"));
    const CursorPlace at = cursorAtLoad();
    LineCursor->setGeometry(at.lineLeft, l.cursorTop, 1, l.cursorHeight);
    LineCursor1->setGeometry(at.handleLeft, l.cursorTop, 20, l.cursorHeight);
}

void PlotArea::scrollTo(int value)
{
    const ScrollPlace s = scrollPlace(value);
    Grafik_Tesk->move(s.pictureLeft, Grafik_Tesk->y());
    placeCursor(s.handleLeft, s.lineLeft);
}

void PlotArea::placeCursor(int handleLeft, int lineLeft)
{
    LineCursor1->move(handleLeft, LineCursor1->y());
    LineCursor->move(lineLeft, LineCursor->y());
}

ReadoutTimers::ReadoutTimers(ReadoutVariant variant, ProjectModel &m, ControllerLink &link, QObject *parent)
    : QObject(parent), readout(variant, m), link_(link)
{
    Timer1.setInterval(250);
    Timer3.setInterval(100);
    Timer6.setInterval(100);
    Timer2.setInterval(readout.Timer2_Interval);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        if (progress)
            progress(readout.progress());
    });
    connect(&Timer3, &QTimer::timeout, this, [this] {
        readout.Timer3_Tick();
        sync();
    });
    connect(&Timer6, &QTimer::timeout, this, [this] {
        readout.Timer6_Tick();
        sync();
    });
    // Timer2 and the link's arrivals drive the request/answer cycle as every
    // transfer's steps are driven; an answer is judged as soon as it is
    // complete, Timer2 only bounds the wait. Every port number of a monitor
    // names the serial port: the cycle uses the port that is open, whatever its number.
    steps_ = new TransferSteps(link_, Timer2,
                               {[this] { return readout.running(); },
                                [this](LinkIo &io) { show(readout.Timer2_Tick(io, linkClockMs())); },
                                [this](LinkIo &io) { show(readout.bytesArrived(io, linkClockMs())); }},
                               this);
    steps_->setLinkKind(1);
}

ReadoutTimers::~ReadoutTimers() { stop(); }

void ReadoutTimers::sync()
{
    const auto follow = [](QTimer &t, bool on) {
        if (on && !t.isActive())
            t.start();
        else if (!on)
            t.stop();
    };
    if (Timer2.interval() != readout.Timer2_Interval) {
        // A new interval restarts the timer, as disabling, setting and enabling it does.
        Timer2.setInterval(readout.Timer2_Interval);
        if (Timer2.isActive())
            Timer2.start();
    }
    follow(Timer1, readout.Timer1_Enabled);
    follow(Timer2, readout.Timer2_Enabled);
    follow(Timer3, readout.Timer3_Enabled);
    follow(Timer6, readout.Timer6_Enabled);
}

TrendReadout::CommandResult ReadoutTimers::startOrStop(std::uint8_t address)
{
    const TrendReadout::CommandResult r = readout.startOrStop(link_, address);
    sync();
    return r;
}

void ReadoutTimers::stop()
{
    readout.stop();
    sync();
}

void ReadoutTimers::tickTimersThatAreOn()
{
    const bool start = Timer3.isActive(), startDelay = Timer6.isActive(), cycle = Timer2.isActive();
    if (Timer1.isActive() && progress)
        progress(readout.progress());
    if (start) {
        readout.Timer3_Tick();
        sync();
    }
    if (startDelay) {
        readout.Timer6_Tick();
        sync();
    }
    if (cycle)
        cycleTick();
}

void ReadoutTimers::cycleTick() { steps_->tick(); }

void ReadoutTimers::show(const TrendReadout::Tick &t)
{
    // The timers follow first, so that no tick runs while a message is shown.
    sync();
    if (t.beep)
        QApplication::beep();
    if (t.finished && finished)
        finished();
    if (!t.message.isEmpty() && stoppedByFailures)
        stoppedByFailures(t.message);
}

} // namespace pelmora
