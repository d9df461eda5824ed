#include "upload/packet_sender.h"

#include "upload/controller_reply.h"

namespace pelmora {

const char16_t *const kAckChecksumError = u"Помилка контрольної суми підтвердження!!!";
const char16_t *const kAckStatusError = u"Помилка контрольної суми запису даних!!!";
const char16_t *const kNoAnswerPortError = u"Немає відповіді. Помилка порту!!!";

int PacketSender::wireMs(qsizetype bytes, int baud)
{
    if (baud <= 0 || bytes <= 0)
        return 0;
    return static_cast<int>((static_cast<long long>(bytes) * 10 * 1000 + baud - 1) / baud);
}

int PacketSender::Packet_Count(int row) const
{
    return row >= 0 && row < rowCount() ? static_cast<int>(rows_[static_cast<std::size_t>(row)].size()) : 0;
}

int PacketSender::start(Rows rows, int linkKind, int requestPeriod)
{
    rows_ = std::move(rows);
    tcp_ = transferOverTcp(linkKind);
    baud_ = tcp_ ? 0 : kSerialBaud;
    // A request period below 1 ms would never let the controller answer.
    requestPeriod_ = qMax(1, requestPeriod);
    band_ = 0;
    packet_ = 1;
    lastBand_ = 0;
    lastPacket_ = 1;
    anySent_ = false;
    awaiting_ = false;
    reply_.clear();
    errors_ = 0;
    // Every transfer gets its eight tries, whatever an earlier one left.
    s_.Send_Error_Count = 0;
    base_ = tcp_ ? kTcpFirstInterval : kSerialInterval;
    interval_ = base_;
    running_ = true;
    return interval_;
}

// The wait for the reply to a packet of this many bytes.
int PacketSender::waitFor(qsizetype packetBytes) const
{
    return qMax(base_, wireMs(packetBytes + kReplyBytes, baud_) + kReplyMargin);
}

void PacketSender::take(const QByteArray &bytes) { reply_ += bytes; }

PacketSender::Result PacketSender::finish(Result r, End end, const QString &message, MsgIcon icon)
{
    running_ = false;
    awaiting_ = false;
    r.end = end;
    r.message = message;
    r.icon = icon;
    r.errors = errors_;
    r.interval = interval_;
    return r;
}

PacketSender::Result PacketSender::tick(LinkIo &io)
{
    if (!running_)
        return {};
    io_ = &io;
    if (awaiting_) {
        const std::optional<QByteArray> received = io.read();
        if (!received) {
            Result r;
            r.stepped = true;
            r.progress = qBound(0, band_, kProgressMaximum);
            band_ = 0;
            packet_ = 0;
            return finish(r, End::PortFailure, QString::fromUtf16(kNoAnswerPortError), MsgIcon::Critical);
        }
        take(*received);
    }
    return step();
}

PacketSender::Result PacketSender::bytesArrived(LinkIo &io)
{
    Result idle;
    idle.errors = errors_;
    idle.interval = interval_;
    if (!running_ || !awaiting_)
        return idle;
    io_ = &io;
    const std::optional<QByteArray> received = io.read();
    if (!received) {
        Result r;
        r.stepped = true;
        r.progress = qBound(0, band_, kProgressMaximum);
        band_ = 0;
        packet_ = 0;
        return finish(r, End::PortFailure, QString::fromUtf16(kNoAnswerPortError), MsgIcon::Critical);
    }
    take(*received);
    if (reply_.size() < kReplyBytes)
        return idle;
    return step();
}

PacketSender::Result PacketSender::step()
{
    Result r;
    r.stepped = true;

    if (awaiting_) {
        // Bytes after the fifth are ignored.
        s_.Packet_Buffer = reply_;
        reply_.clear();
        awaiting_ = false;
        const ReplyVerdict verdict = judgeControllerReply(s_);
        if (verdict == ReplyVerdict::Good) {
            s_.Send_Error_Count = 0;
            if (tcp_)
                base_ = requestPeriod_;
        } else {
            ++errors_;
            ++s_.Send_Error_Count;
            if (s_.Send_Error_Count >= kBadRepliesToGiveUp) {
                s_.Send_Error_Count = 0;
                r.progress = qBound(0, band_, kProgressMaximum);
                const char16_t *text = verdict == ReplyVerdict::ChecksumFailure ? kAckChecksumError : kAckStatusError;
                return finish(r, End::GaveUp, QString::fromUtf16(text), MsgIcon::Critical);
            }
            if (tcp_)
                base_ += kTcpBadReplyStep;
            // The packet whose reply was bad goes again, also the last of a row.
            band_ = lastBand_;
            packet_ = lastPacket_;
        }
    } else if (!anySent_) {
        // Bytes left from an earlier exchange answer nothing of this transfer.
        io_->read();
    }

    // Rows without packets are done at once.
    while (band_ < rowCount() && packet_ > Packet_Count(band_)) {
        packet_ = 1;
        ++band_;
        r.rowsDone = band_;
    }
    r.progress = qBound(0, band_, kProgressMaximum);
    r.errors = errors_;

    if (band_ >= rowCount()) {
        // Every packet has gone out and the last reply was good.
        r.rowsDone = rowCount() + 1;
        band_ = 0;
        packet_ = 1;
        r.interval = interval_;
        return finish(r, End::Done, QString(), MsgIcon::None);
    }

    const QByteArray &packet = rows_[static_cast<std::size_t>(band_)][static_cast<std::size_t>(packet_ - 1)];
    const bool sent = io_->send(packet);
    if (!sent && !anySent_) {
        band_ = 0;
        packet_ = 0;
        return finish(r, End::PortFailure, QString::fromUtf16(kNoAnswerPortError), MsgIcon::Critical);
    }
    // A later packet that did not go out gets no reply: its wait runs out and
    // counts as a bad reply, and it is sent again.
    anySent_ = true;
    awaiting_ = true;
    lastBand_ = band_;
    lastPacket_ = packet_;
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
