#pragma once
// A transfer's step timer and the link's arrival of bytes wired to the
// transfer's own steps, each only while the transfer runs: the one shape in
// which the uploads and the trend readout are driven. A step gets the link
// as the transfer's link kind sees it, and no step runs inside another (the
// link never delivers events while a step reads it).

#include "link/controller_link.h"

#include <QObject>
#include <functional>

class QTimer;

namespace pelmora {

class TransferSteps : public QObject {
    Q_OBJECT

public:
    struct Steps {
        std::function<bool()> running;         // the transfer has a run under way
        std::function<void(LinkIo &)> tick;    // the step timer ran out
        std::function<void(LinkIo &)> arrived; // bytes came in; empty: the timer alone drives it
    };

    // `timer` is the transfer's named step timer.
    TransferSteps(ControllerLink &link, QTimer &timer, Steps steps, QObject *parent = nullptr);

    // The link kind the steps send and read over.
    void setLinkKind(int kind) { kind_ = kind; }
    int linkKind() const { return kind_; }

    // While held, the timer's ticks go to `heldTick` instead of the steps and
    // arrivals are left for later (the run waits for its connection).
    void hold(std::function<void()> heldTick) { held_ = std::move(heldTick); }
    void release() { held_ = nullptr; }
    bool held() const { return static_cast<bool>(held_); }

    // The timer's tick: the held tick, else the step while the transfer runs;
    // a timer left running after the run ended stops.
    void tick();
    // Bytes came in: the arrival step while the transfer runs and nothing holds it.
    void bytesArrived();

    QTimer &timer() { return timer_; }
    // How many steps of the transfer have run (ticks and arrivals alike).
    quint64 stepsTaken() const { return taken_; }
    ControllerLink &link() { return link_; }

private:
    ControllerLink &link_;
    QTimer &timer_;
    Steps steps_;
    int kind_ = 0;
    std::function<void()> held_;
    quint64 taken_ = 0;
};

} // namespace pelmora
