#pragma once
// Drives a packet sender as a transfer's window does: the timer restarted with
// the wait of every step, its timeout taken as a step, and every arrival of
// bytes on the link offered to the sender, so that a step follows each reply
// as soon as it is complete. For the end-to-end tests and the benchmarks.

#include "link/controller_link.h"
#include "upload/packet_sender.h"

#include <QObject>
#include <QTimer>
#include <vector>

namespace pelmora::test {

class SenderDriver : public QObject {
public:
    SenderDriver(PacketSender &sender, ControllerLink &link, int linkKind);

    // Drops what waits on the link, starts the sender with the rows and runs the timer.
    void start(PacketSender::Rows rows, int requestPeriod);
    bool finished() const { return finished_; }
    // Runs the event loop until the sender ends or the time runs out.
    bool runToEnd(int timeoutMs = 30000);

    // Every step taken, in order; the last one ends the transfer.
    const std::vector<PacketSender::Result> &steps() const { return steps_; }
    const PacketSender::Result &last() const { return steps_.back(); }
    // Steps taken when the wait ran out.
    int timeouts() const { return timeouts_; }

private:
    void apply(const PacketSender::Result &r);

    PacketSender &sender_;
    ControllerLink &link_;
    ControllerLinkIo io_;
    int kind_;
    QTimer timer_;
    bool finished_ = true;
    int timeouts_ = 0;
    std::vector<PacketSender::Result> steps_;
};

} // namespace pelmora::test
