#include "link/transfer_steps.h"

#include <QTimer>

namespace pelmora {

TransferSteps::TransferSteps(ControllerLink &link, QTimer &timer, Steps steps, QObject *parent)
    : QObject(parent), link_(link), timer_(timer), steps_(std::move(steps))
{
    connect(&timer_, &QTimer::timeout, this, &TransferSteps::tick);
    // A reply is judged as soon as it is complete; the timer only bounds the wait.
    connect(&link_, &ControllerLink::bytesArrived, this, &TransferSteps::bytesArrived);
}

void TransferSteps::tick()
{
    if (held_) {
        // The held tick may release the hold and start the timer afresh.
        const std::function<void()> heldTick = held_;
        heldTick();
        return;
    }
    if (!steps_.running()) {
        timer_.stop();
        return;
    }
    ControllerLinkIo io(link_, kind_);
    ++taken_;
    steps_.tick(io);
}

void TransferSteps::bytesArrived()
{
    if (held_ || !steps_.arrived || !steps_.running())
        return;
    ControllerLinkIo io(link_, kind_);
    ++taken_;
    steps_.arrived(io);
}

} // namespace pelmora
