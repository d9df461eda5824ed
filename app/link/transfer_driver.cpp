#include "link/transfer_driver.h"

#include "core/model/project_model.h"
#include "link/write_schema.h"
#include "ui/main_window_port.h"

#include <QProgressBar>
#include <QTcpSocket>
#include <QTimer>

namespace pelmora {

TransferDriver::TransferDriver(ProjectModel &m, MainWindowPort &main, LinkTransfer kind, QTimer &timer, Steps steps,
                               QObject *parent)
    : QObject(parent), m_(m), main_(main), transfer_(kind), timer_(timer), running_(steps.running),
      abandon_(steps.abandon), steps_(main.link(), timer, {steps.running, steps.tick, steps.arrived}, this)
{
    // A connection that is made or fails ends the wait for it at once.
    QTcpSocket &client = main.link().tcpClient();
    connect(&client, &QTcpSocket::connected, this, [this] {
        if (connecting())
            connectEnded();
    });
    connect(&client, &QTcpSocket::errorOccurred, this, [this] {
        if (connecting())
            connectEnded();
    });
}

TransferDriver::~TransferDriver() = default;

TransferDriver::Begin TransferDriver::begin()
{
    const bool held = claim_.held();
    if (!held)
        claim_ = LinkClaim::take(m_.link, transfer_);
    if (!claim_)
        return Begin::Busy;
    // A message of the run before may still be open: whatever it would do
    // after it closes belongs to that run.
    ++run_;
    if (!held || !running_())
        return Begin::Fresh;
    timer_.stop();
    steps_.release();
    abandon_();
    closeProgress(); // loaded again with its design values
    return Begin::Restarted;
}

Write_SCHEMA &TransferDriver::openProgress(const QString &title, int maximum)
{
    Write_SCHEMA &w = Write_SCHEMA::load(m_, main_);
    w.setWindowTitle(title);
    w.Write_SCHEMA_ProgressBar->setRange(0, maximum);
    w.Write_SCHEMA_ProgressBar->setValue(0);
    w.open();
    return w;
}

bool TransferDriver::launch(int linkKind, const std::function<int(int baud)> &start, bool firstStepAtOnce)
{
    ControllerLink &link = main_.link();
    const bool tcp = uploadLinkFor(linkKind) == UploadLink::TcpClient;
    if (!tcp && !link.openSerialOnDemand(linkKind))
        return false;
    // The TCP client connects on demand to the address the settings show now,
    // as the serial port opens: a connection to an earlier address is closed,
    // a dropped one made again. The connection is awaited on the driver's
    // ticks, never inside this handler; one that cannot be made fails on the
    // transfer's first frame with its port error.
    const bool connecting =
        tcp && link.connectClientOnDemand(m_.settings.Adr_IP, m_.settings.Port_IP) && !link.clientConnected();
    // Bytes left from an earlier exchange are read by the run's first step,
    // which matches them to the earlier frames they may answer, or drops them.
    steps_.setLinkKind(linkKind);
    firstAtOnce_ = firstStepAtOnce;
    firstInterval_ = start(link.serialBaudRate());
    main_.enableSettings(false);
    if (connecting) {
        steps_.hold([this] { connectTick(); });
        connectClock_.start();
        timer_.start(kConnectTickMs);
    } else {
        timer_.start(firstInterval_);
        if (firstAtOnce_)
            stepSoon();
    }
    return true;
}

void TransferDriver::stepSoon()
{
    QTimer::singleShot(0, this, [this, run = run_, taken = steps_.stepsTaken()] {
        // Only the step the timer would take, once: nothing after a restart
        // or a finish, nor when a step of this run has run meanwhile.
        if (run == run_ && !connecting() && timer_.isActive() && steps_.stepsTaken() == taken)
            tick();
    });
}

void TransferDriver::connectTick()
{
    if (main_.link().clientConnected() || main_.link().tcpClient().state() == QAbstractSocket::UnconnectedState ||
        connectClock_.elapsed() >= kConnectWaitMs)
        connectEnded();
}

void TransferDriver::connectEnded()
{
    steps_.release();
    if (!running_()) {
        timer_.stop();
        return;
    }
    timer_.start(firstInterval_);
    if (firstAtOnce_)
        stepSoon();
}

void TransferDriver::tick() { steps_.tick(); }

void TransferDriver::next(int interval) { timer_.start(interval); }

void TransferDriver::tickEvery(int interval) { timer_.setInterval(interval); }

bool TransferDriver::finish(const Ending &e)
{
    // The timer stops before any message, so no step runs while it is open.
    timer_.stop();
    steps_.release();
    claim_.release();
    if (e.closeSerial && !transferOverTcp(steps_.linkKind()))
        main_.link().closeSerial();
    const quint64 run = run_;
    if (!e.message.isEmpty())
        showMessage(e.message, e.icon, MsgButtons::Ok, e.title);
    if (run != run_)
        return false; // started again while the message was open
    if (!e.keepWindow) {
        closeProgress();
    }
    return true;
}

void TransferDriver::refuse(const QString &text, MsgIcon icon, const QString &title, bool keepWindow)
{
    timer_.stop();
    steps_.release();
    claim_.release();
    if (!keepWindow) {
        closeProgress();
    }
    showMessage(text, icon, MsgButtons::Ok, title);
}

void TransferDriver::abandon()
{
    timer_.stop();
    steps_.release();
    if (running_())
        abandon_();
    claim_.release();
}

void TransferDriver::stop()
{
    if (!holdsLink())
        return;
    abandon();
    closeProgress();
}

void TransferDriver::closeProgress()
{
    Write_SCHEMA::unload(main_);
    main_.enableSettings(true);
}

} // namespace pelmora
