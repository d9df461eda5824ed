#include "support/sender_driver.h"

#include <QEventLoop>

namespace pelmora::test {

SenderDriver::SenderDriver(PacketSender &sender, ControllerLink &link, int linkKind)
    : sender_(sender), link_(link), io_(link, linkKind), kind_(linkKind)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        const PacketSender::Result r = sender_.tick(io_);
        // A step the timer took that sent or ended: a reply judged missing.
        if ((r.sent || r.end != PacketSender::End::None) && !steps_.empty())
            ++timeouts_;
        apply(r);
    });
    connect(&link_, &ControllerLink::bytesArrived, this, [this] { apply(sender_.bytesArrived(io_)); });
}

void SenderDriver::start(PacketSender::Rows rows, int requestPeriod)
{
    steps_.clear();
    timeouts_ = 0;
    finished_ = false;
    link_.discardInput(kind_);
    timer_.start(sender_.start(std::move(rows), kind_, requestPeriod, link_.serialBaudRate()));
}

void SenderDriver::apply(const PacketSender::Result &r)
{
    if (!r.stepped)
        return;
    // A step that only looked at the link and waits on is not one to keep.
    if (r.sent || r.end != PacketSender::End::None)
        steps_.push_back(r);
    if (r.end != PacketSender::End::None) {
        timer_.stop();
        finished_ = true;
        return;
    }
    timer_.start(r.nextStepMs);
}

bool SenderDriver::runToEnd(int timeoutMs)
{
    if (finished_)
        return true;
    // An event loop of its own, so that every step follows its event at once.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
        if (finished_)
            loop.quit();
    });
    deadline.start(timeoutMs);
    poll.start(5);
    loop.exec();
    return finished_;
}

} // namespace pelmora::test
