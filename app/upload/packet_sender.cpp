#include "upload/packet_sender.h"

#include "link/controller_reply.h"

#include <algorithm>

namespace pelmora {

const char16_t *const kAckChecksumError = u"Помилка контрольної суми підтвердження!!!";
const char16_t *const kAckStatusError = u"Помилка контрольної суми запису даних!!!";
const char16_t *const kNoAnswerPortError = u"Немає відповіді. Помилка порту!!!";

PacketSender::PacketSender(LinkState &state, Clock clock) : s_(state), clock_(std::move(clock))
{
    if (!clock_)
        clock_ = linkClockMs;
}

int PacketSender::Packet_Count(int row) const
{
    return row >= 0 && row < rowCount() ? static_cast<int>(rows_[static_cast<std::size_t>(row)].size()) : 0;
}

void PacketSender::place(int item)
{
    if (item >= 0 && item < static_cast<int>(items_.size())) {
        band_ = items_[static_cast<std::size_t>(item)].first;
        packet_ = items_[static_cast<std::size_t>(item)].second;
    }
}

int PacketSender::start(Rows rows, int linkKind, int requestPeriod, int baud)
{
    const qint64 now = clock_();
    rows_ = std::move(rows);
    items_.clear();
    qsizetype largest = 0;
    for (std::size_t r = 0; r < rows_.size(); ++r)
        for (std::size_t k = 0; k < rows_[r].size(); ++k) {
            items_.emplace_back(static_cast<int>(r), static_cast<int>(k) + 1);
            largest = qMax(largest, rows_[r][k].size());
        }
    tcp_ = transferOverTcp(linkKind);
    // A request period below 1 ms would never let the controller answer.
    requestPeriod_ = qMax(1, requestPeriod);
    band_ = 0;
    packet_ = 1;
    // Every transfer gets its eight tries, whatever an earlier one left.
    s_.Send_Error_Count = 0;

    AcknowledgedExchange::Rules rules;
    rules.items = static_cast<int>(items_.size());
    rules.replyBytes = kReplyBytes;
    rules.failureLimit = kBadRepliesToGiveUp;
    rules.largestFrame = largest;
    rules.longestWrittenWaitMs =
        tcp_ ? qMax(kTcpFirstInterval, requestPeriod_) + kTcpBadReplyStep * (kBadRepliesToGiveUp - 1) : kSerialInterval;
    rules.frame = [this](int item) {
        const auto &[row, number] = items_[static_cast<std::size_t>(item)];
        return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(number - 1)];
    };
    rules.judge = [](QByteArrayView reply) { return judgeControllerReply(reply); };
    const bool tcp = tcp_;
    const int period = requestPeriod_;
    rules.writtenWait = [tcp, period](int badInARow, bool anyAccepted) {
        if (!tcp)
            return kSerialInterval;
        return (anyAccepted ? period : kTcpFirstInterval) + kTcpBadReplyStep * badInARow;
    };
    ex_.start(std::move(rules), tcp_ ? 0 : qMax(0, baud), s_, now);
    s_.Held_Frames.clear();
    return tcp_ ? kTcpFirstInterval : kSerialInterval;
}

void PacketSender::abandon()
{
    if (!ex_.running())
        return;
    ex_.stop();
    ex_.leave(s_, clock_());
}

PacketSender::Result PacketSender::step(LinkIo &io)
{
    const qint64 now = clock_();
    const AcknowledgedExchange::Step st = ex_.step(io, now);
    Result r;
    if (!st.stepped)
        return r;
    r.stepped = true;
    s_.Send_Error_Count = static_cast<std::int16_t>(ex_.badInARow());
    r.errors = ex_.badVerdicts();

    if (st.sent >= 0) {
        place(st.sent);
        r.sent = !st.sendFailed;
        r.progress = qBound(0, band_, kProgressMaximum);
        // The row is done when its last packet has gone (again).
        if (packet_ == Packet_Count(band_))
            r.rowsDone = band_ + 1;
        // The position moves on to the packet after the one just sent.
        if (++packet_ > Packet_Count(band_)) {
            packet_ = 1;
            ++band_;
        }
    } else {
        r.progress = qBound(0, band_, kProgressMaximum);
    }
    // Waits shown and given to the timer, in whole milliseconds (at most an hour).
    const auto ms = [now](qint64 at, qint64 least) {
        return static_cast<int>(std::clamp<qint64>(at - now, least, qint64(60) * 60 * 1000));
    };
    const qint64 lostAt = ex_.lostAt();
    r.interval = lostAt == Exchange::kNever ? ex_.writtenWait() : ms(lostAt, 0);
    r.nextStepMs = st.wakeAt == Exchange::kNever ? qMax(1, r.interval) : ms(st.wakeAt, 1);

    if (st.end == AcknowledgedExchange::End::None)
        return r;
    r.end = st.end;
    ex_.leave(s_, now);
    switch (st.end) {
    case End::Done:
        r.rowsDone = rowCount() + 1;
        r.progress = qBound(0, rowCount(), kProgressMaximum);
        band_ = 0;
        packet_ = 1;
        break;
    case End::GaveUp:
        // The count starts again; the position stays at the packet given up.
        s_.Send_Error_Count = 0;
        r.message =
            QString::fromUtf16(st.bad == AcknowledgedExchange::Bad::Status ? kAckStatusError : kAckChecksumError);
        r.icon = MsgIcon::Critical;
        break;
    case End::PortFailure:
        band_ = 0;
        packet_ = 0;
        r.message = QString::fromUtf16(kNoAnswerPortError);
        r.icon = MsgIcon::Critical;
        break;
    case End::None: break;
    }
    return r;
}

} // namespace pelmora
