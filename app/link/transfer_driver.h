#pragma once
// The shape every write into the controller shares, whatever its protocol:
// the link claimed for the run (a transfer of another kind is refused), the
// restart rule (the same transfer started again drops its run and begins
// afresh), the port opened on demand (a TCP client connects on the driver's
// own ticks, so no handler waits for it), the step timer and the arrival of
// bytes wired to the transfer's steps, the write progress window, and the one
// finish sequence: the timer stops, the link is given back, the message is
// shown, the progress window goes and the settings dialog is enabled again.
//
// The transfer keeps its protocol state machine and its texts; it tells the
// driver what a step decided (the next wait, or how the run ended).

#include "core/services.h"
#include "link/controller_link.h"
#include "link/link_claim.h"
#include "link/transfer_steps.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>

class QTimer;

namespace pelmora {

struct ProjectModel;
class MainWindowPort;
class Write_SCHEMA;

class TransferDriver : public QObject {
    Q_OBJECT

public:
    // How long a TCP client may take to connect before the run goes on
    // without it (and ends on its first frame with the transfer's port error),
    // and how often the driver looks at the connection meanwhile.
    static constexpr int kConnectWaitMs = 3000;
    static constexpr int kConnectTickMs = 10;

    // The transfer's own part, called by the driver.
    struct Steps {
        std::function<bool()> running;         // the protocol has a run under way
        std::function<void(LinkIo &)> tick;    // the step timer ran out
        std::function<void(LinkIo &)> arrived; // bytes came in; empty: the timer alone drives it
        std::function<void()> abandon;         // the run in progress is dropped, without a further step
    };

    // `timer` is the transfer's named step timer; the driver wires it.
    TransferDriver(ProjectModel &m, MainWindowPort &main, LinkTransfer kind, QTimer &timer, Steps steps,
                   QObject *parent = nullptr);
    ~TransferDriver() override;

    enum class Begin {
        Fresh,     // the link was free and is held now
        Restarted, // this transfer's run in progress was dropped; the link stays held
        Busy,      // another transfer holds the link: nothing changed, the caller says so
    };
    // The start of a run: the link is claimed (a run in progress keeps its
    // claim and is dropped: its timer stops, its progress window goes and the
    // settings dialog is enabled, so that the new run loads them afresh).
    Begin begin();

    // Loads and shows the progress window with its title and an empty bar of
    // 0..maximum; the transfer fills in its own figures.
    Write_SCHEMA &openProgress(const QString &title, int maximum);

    // Opens the port of `linkKind` for the run: the serial port now (false
    // when it cannot be opened: nothing was started, the caller refuses with
    // its message); the TCP client starts connecting to the address the
    // settings show now. Then `start(baud)` starts the protocol and returns
    // its first wait, the settings dialog is disabled, and the step timer
    // runs: at once with that wait, or, while the client connects, on the
    // driver's connect ticks first.
    // With `firstStepAtOnce` the first step (a packet transfer's first
    // packet) runs as soon as the event loop is back, or the client has
    // connected, instead of after the first wait: the line is not kept idle
    // after the click.
    bool launch(int linkKind, const std::function<int(int baud)> &start, bool firstStepAtOnce = false);

    // A step went on: the next one comes after `interval` ms at most (the
    // timer starts again with that wait).
    void next(int interval);
    // The timer ticks every `interval` ms from now on, whether or not it runs
    // now (a timer stopped by its owner stays stopped).
    void tickEvery(int interval);

    // How a run ends.
    struct Ending {
        QString message; // shown when not empty
        MsgIcon icon = MsgIcon::None;
        QString title;
        // The progress window stays with its last figures, and the settings
        // dialog disabled, until the window's "Відміна".
        bool keepWindow = false;
        // The port failed: a serial port is closed, so the next run opens it afresh.
        bool closeSerial = false;
    };
    // The finish sequence. Returns false when the transfer was started again
    // while the message was open: the new run owns the window and the settings.
    bool finish(const Ending &e);

    // A run that could not start: the link is given back, the progress window
    // goes and the settings dialog is enabled (unless `keepWindow`: both stay
    // as an earlier run left them), and the message is shown.
    void refuse(const QString &text, MsgIcon icon, const QString &title = QString(), bool keepWindow = false);

    // Drops a run in progress without a message (its owner goes).
    void abandon();
    // Stops a run that holds the link at once, without a message (an error
    // escaped a handler): as abandon(), and the progress window goes and the
    // settings dialog is enabled again. Nothing when no run holds the link.
    void stop();

    // The step timer's tick: a look at the connection while the client
    // connects, else the transfer's step (the transfer's timer handler).
    void tick();

    // Whether the run waits for its TCP client to connect.
    bool connecting() const { return steps_.held(); }
    bool holdsLink() const { return claim_.held(); }
    // The link kind the run goes over.
    int linkKind() const { return steps_.linkKind(); }

private:
    // The progress window goes and the settings dialog is enabled again.
    void closeProgress();
    void connectTick();
    // The client connected, failed or ran out of time: the run goes on.
    void connectEnded();
    // Runs the first step from the event loop, unless the run has moved on.
    void stepSoon();

    ProjectModel &m_;
    MainWindowPort &main_;
    LinkTransfer transfer_;
    QTimer &timer_;
    std::function<bool()> running_;
    std::function<void()> abandon_;
    TransferSteps steps_;
    LinkClaim claim_;
    quint64 run_ = 0; // which start the running steps belong to
    bool firstAtOnce_ = false;
    int firstInterval_ = 0;
    QElapsedTimer connectClock_;
};

} // namespace pelmora
