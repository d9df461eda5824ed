#include "upload/packet_sender.h"

#include "link/controller_reply.h"

#include <chrono>

namespace pelmora {

const char16_t *const kAckChecksumError = u"Помилка контрольної суми підтвердження!!!";
const char16_t *const kAckStatusError = u"Помилка контрольної суми запису даних!!!";
const char16_t *const kNoAnswerPortError = u"Немає відповіді. Помилка порту!!!";

PacketSender::PacketSender(LinkState &state, Clock clock) : s_(state), clock_(std::move(clock))
{
    if (!clock_)
        clock_ = [] {
            using namespace std::chrono;
            return static_cast<qint64>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
        };
}

int PacketSender::Packet_Count(int row) const
{
    return row >= 0 && row < rowCount() ? static_cast<int>(rows_[static_cast<std::size_t>(row)].size()) : 0;
}

int PacketSender::start(Rows rows, int linkKind, int requestPeriod, int baud)
{
    rows_ = std::move(rows);
    tcp_ = transferOverTcp(linkKind);
    baud_ = tcp_ ? 0 : qMax(0, baud);
    // A request period below 1 ms would never let the controller answer.
    requestPeriod_ = qMax(1, requestPeriod);
    band_ = 0;
    packet_ = 1;
    lastBand_ = 0;
    lastPacket_ = 1;
    lastBytes_ = 0;
    leftAt_.clear();
    seenBytes_ = 0;
    anySent_ = false;
    phase_ = Phase::First;
    advanceAfterGuard_ = false;
    reply_.clear();
    errors_ = 0;
    delay_ = 0;
    // Every transfer gets its eight tries, whatever an earlier one left.
    s_.Send_Error_Count = 0;
    base_ = tcp_ ? kTcpFirstInterval : kSerialInterval;
    interval_ = base_;
    running_ = true;
    return interval_;
}

// The wait for the reply to a packet of this many bytes, counted from the
// moment it is handed to the link.
int PacketSender::waitFor(qsizetype packetBytes) const
{
    const int wire = lineWireMs(packetBytes, baud_);
    return qMax(base_, qMax(lineWireMs(packetBytes + kReplyBytes, baud_), wire + delay_) + kReplyMargin);
}

int PacketSender::guardMs() const { return waitFor(lastBytes_) + lineWireMs(kReplyBytes, baud_); }

void PacketSender::noteArrival(qsizetype bytes, qint64 now)
{
    // The controller answers the copies of a packet in the order they went, so
    // the n-th complete reply answers the n-th copy: its delay is known.
    const qsizetype before = seenBytes_ / kReplyBytes;
    seenBytes_ += bytes;
    const qsizetype after = seenBytes_ / kReplyBytes;
    for (qsizetype i = before; i < after && i < static_cast<qsizetype>(leftAt_.size()); ++i)
        delay_ = qMax(delay_, static_cast<int>(qMin<qint64>(now - leftAt_[static_cast<std::size_t>(i)], 60000)));
}

PacketSender::Result PacketSender::finish(Result r, End end, const QString &message, MsgIcon icon)
{
    running_ = false;
    r.stepped = true;
    r.end = end;
    r.message = message;
    r.icon = icon;
    r.errors = errors_;
    r.interval = interval_;
    return r;
}

PacketSender::Result PacketSender::portFailure()
{
    Result r;
    r.progress = qBound(0, band_, kProgressMaximum);
    band_ = 0;
    packet_ = 0;
    return finish(r, End::PortFailure, QString::fromUtf16(kNoAnswerPortError), MsgIcon::Critical);
}

PacketSender::Result PacketSender::guard(Result r)
{
    phase_ = Phase::Guard;
    r.stepped = true;
    r.guarding = true;
    r.errors = errors_;
    r.progress = qBound(0, band_, kProgressMaximum);
    interval_ = guardMs();
    r.interval = interval_;
    return r;
}

PacketSender::Result PacketSender::tick(LinkIo &io)
{
    if (!running_)
        return {};
    const qint64 now = clock_();
    const std::optional<QByteArray> received = io.read();
    switch (phase_) {
    case Phase::First: {
        // Bytes left from an earlier exchange answer nothing of this transfer.
        Result r;
        r.stepped = true;
        return sendNext(io, r, now, false);
    }
    case Phase::Awaiting: {
        if (!received)
            return portFailure();
        const bool leaving = io.pendingOutput() > 0;
        if (!received->isEmpty())
            take(*received, leaving, now);
        if (reply_.size() < kReplyBytes && leaving) {
            // The packet has not all left: its wait has not begun.
            Result r;
            r.stepped = true;
            r.errors = errors_;
            r.progress = qBound(0, band_, kProgressMaximum);
            r.interval = interval_;
            return r;
        }
        // A reply that is not complete when the wait runs out is a bad one.
        return judge(io, now);
    }
    case Phase::Guard: {
        if (!received)
            return portFailure();
        if (!received->isEmpty()) {
            // The line was not quiet: the guard starts again.
            noteArrival(received->size(), now);
            return guard(Result{});
        }
        Result r;
        r.stepped = true;
        return sendNext(io, r, now, !advanceAfterGuard_);
    }
    }
    return {};
}

PacketSender::Result PacketSender::bytesArrived(LinkIo &io)
{
    Result idle;
    idle.errors = errors_;
    idle.interval = interval_;
    if (!running_ || phase_ == Phase::First)
        return idle;
    const qint64 now = clock_();
    const bool leaving = io.pendingOutput() > 0;
    const std::optional<QByteArray> received = io.read();
    if (!received)
        return portFailure();
    if (received->isEmpty())
        return idle;
    if (phase_ == Phase::Guard) {
        noteArrival(received->size(), now);
        return guard(Result{});
    }
    take(*received, leaving, now);
    if (reply_.size() < kReplyBytes)
        return idle;
    return judge(io, now);
}

void PacketSender::take(const QByteArray &bytes, bool leaving, qint64 now)
{
    if (leaving) {
        // Bytes that come before the packet has left cannot answer it. When it
        // is a copy sent again they answer an earlier copy, and are counted.
        if (leftAt_.size() > 1)
            noteArrival(bytes.size(), now);
        return;
    }
    noteArrival(bytes.size(), now);
    reply_ += bytes;
}

PacketSender::Result PacketSender::judge(LinkIo &io, qint64 now)
{
    Result r;
    r.stepped = true;
    // Bytes after the fifth are not judged; they are counted as replies to
    // earlier copies, which keeps the next packet back until the line is quiet.
    s_.Packet_Buffer = reply_;
    reply_.clear();
    const ReplyVerdict verdict = judgeControllerReply(s_);
    if (verdict == ReplyVerdict::Good) {
        s_.Send_Error_Count = 0;
        if (tcp_)
            base_ = requestPeriod_;
        // A copy sent earlier may still be answered: its reply must not be
        // taken for the next packet's.
        const qsizetype answered = seenBytes_ / kReplyBytes;
        if (static_cast<qsizetype>(leftAt_.size()) > answered || seenBytes_ % kReplyBytes != 0) {
            advanceAfterGuard_ = true;
            return guard(r);
        }
        return sendNext(io, r, now, false);
    }
    ++errors_;
    ++s_.Send_Error_Count;
    if (s_.Send_Error_Count >= kBadRepliesToGiveUp) {
        s_.Send_Error_Count = 0;
        r.progress = qBound(0, band_, kProgressMaximum);
        const char16_t *text = verdict == ReplyVerdict::ChecksumFailure ? kAckChecksumError : kAckStatusError;
        // The position stays at the packet that was given up.
        band_ = lastBand_;
        packet_ = lastPacket_ + 1;
        if (packet_ > Packet_Count(band_)) {
            packet_ = 1;
            ++band_;
        }
        return finish(r, End::GaveUp, QString::fromUtf16(text), MsgIcon::Critical);
    }
    if (tcp_)
        base_ += kTcpBadReplyStep;
    // The packet whose reply was bad goes again, also the last of a row, once
    // the line has been quiet for the guard interval.
    band_ = lastBand_;
    packet_ = lastPacket_;
    advanceAfterGuard_ = false;
    return guard(r);
}

PacketSender::Result PacketSender::sendNext(LinkIo &io, Result r, qint64 now, bool again)
{
    r.stepped = true;
    if (!again) {
        // Rows without packets are done at once.
        while (band_ < rowCount() && packet_ > Packet_Count(band_)) {
            packet_ = 1;
            ++band_;
            r.rowsDone = band_;
        }
    }
    r.progress = qBound(0, band_, kProgressMaximum);
    r.errors = errors_;

    if (band_ >= rowCount()) {
        // Every packet has gone out, and the last one's own reply was good.
        r.rowsDone = rowCount() + 1;
        band_ = 0;
        packet_ = 1;
        r.interval = interval_;
        return finish(r, End::Done, QString(), MsgIcon::None);
    }

    const QByteArray &packet = rows_[static_cast<std::size_t>(band_)][static_cast<std::size_t>(packet_ - 1)];
    const bool sent = io.send(packet);
    if (!sent && !anySent_) {
        band_ = 0;
        packet_ = 0;
        return finish(r, End::PortFailure, QString::fromUtf16(kNoAnswerPortError), MsgIcon::Critical);
    }
    if (!again) {
        leftAt_.clear();
        seenBytes_ = 0;
    }
    // A later packet that did not go out gets no reply: its wait runs out and
    // counts as a bad reply, and it is sent again.
    if (sent)
        leftAt_.push_back(now + lineWireMs(packet.size(), baud_));
    anySent_ = true;
    phase_ = Phase::Awaiting;
    reply_.clear();
    lastBand_ = band_;
    lastPacket_ = packet_;
    lastBytes_ = packet.size();
    interval_ = waitFor(packet.size());
    r.interval = interval_;
    r.sent = sent;

    if (++packet_ > Packet_Count(band_)) {
        packet_ = 1;
        ++band_;
        r.rowsDone = band_;
    }
    return r;
}

} // namespace pelmora
