#include "link/acknowledged_exchange.h"

namespace pelmora {

void AcknowledgedExchange::start(Rules rules, int baud, const LinkState &left, qint64 now)
{
    rules_ = std::move(rules);
    rules_.failureLimit = qMax(1, rules_.failureLimit);
    Exchange::Setup setup;
    setup.baud = baud;
    setup.replyBytes = rules_.replyBytes;
    ex_.begin(setup, left.Held_Frames, left.Unsure_Until);
    running_ = rules_.items > 0;
    anySent_ = anyAccepted_ = false;
    item_ = 0;
    badInARow_ = badTotal_ = 0;
    written_ = 0;
    last_ = -1;
    awaiting_ = false;
    sendDue_ = false;
    dueAgain_ = false;
    missingAt_ = 0;
    progressAt_ = now;
}

void AcknowledgedExchange::leave(LinkState &link, qint64 now) const
{
    link.Held_Frames = ex_.stillHeld(now);
    link.Unsure_Until = ex_.unsureUntil();
}

qint64 AcknowledgedExchange::lostAt() const
{
    if (!awaiting_)
        return Exchange::kNever;
    return last_ >= 0 ? ex_.lostAt(last_) : missingAt_;
}

qint64 AcknowledgedExchange::boundMs() const
{
    // Each bad verdict comes at most a hold (and a cut-short reply's gap)
    // after its copy left, and the next copy leaves at most a hold after it:
    // the limit of them in a row, and one more.
    const qint64 hold = ex_.holdMs(rules_.largestFrame, rules_.longestWrittenWaitMs);
    const qint64 perVerdict =
        2 * hold + Exchange::kReplyGapMs + ex_.wireMs(rules_.replyBytes) + ex_.wireMs(rules_.largestFrame);
    return perVerdict * (rules_.failureLimit + 1);
}

qint64 AcknowledgedExchange::wakeAt(qint64 now) const
{
    if (!running_)
        return Exchange::kNever;
    qint64 at = qMin(lostAt(), ex_.nextChange());
    if (sendDue_)
        at = qMin(at, qMax(ex_.unsureUntil(), ex_.heldUntil(now) == Exchange::kNever ? now : ex_.heldUntil(now)));
    at = qMin(at, progressAt_ + boundMs());
    return qMax(at, now);
}

AcknowledgedExchange::Step AcknowledgedExchange::step(LinkIo &io, qint64 now)
{
    Step s;
    if (!running_)
        return s;
    s.stepped = true;
    const std::optional<QByteArray> got = io.read();
    if (!got) {
        running_ = false;
        s.end = End::PortFailure;
        return s;
    }
    const std::vector<Exchange::Arrival> arrivals = ex_.take(*got, io.pendingOutput() > 0, now);
    if (now - progressAt_ >= boundMs()) {
        // Nothing was accepted for longer than any run of bad verdicts takes.
        running_ = false;
        s.bad = Bad::Missing;
        s.end = End::GaveUp;
        return s;
    }
    if (!anySent_ || sendDue_) {
        // What came before the run's first frame answers nothing of it (an
        // earlier run's frames have taken their replies). A frame waits while
        // the line is unsure or an earlier run's frame is held.
        if (!maySend(now)) {
            sendDue_ = true;
            s.wakeAt = wakeAt(now);
            return s;
        }
        sendDue_ = false;
        return send(io, s, now, dueAgain_);
    }
    if (!awaiting_) {
        s.wakeAt = wakeAt(now);
        return s;
    }
    std::optional<ReplyVerdict> verdict;
    QByteArray reply;
    bool notAReply = false;
    for (const Exchange::Arrival &a : arrivals) {
        if (a.kind == Exchange::Arrival::Kind::NotAReply) {
            notAReply = true;
        } else if (last_ >= 0 && a.frame == last_) {
            // Replies matched to earlier copies are not verdicts.
            reply = a.bytes;
            verdict = rules_.judge(a.bytes);
        }
    }
    if (notAReply)
        return judged(io, s, now, Bad::NotAReply, {});
    if (verdict == ReplyVerdict::Good)
        return judged(io, s, now, Bad::None, reply);
    if (verdict == ReplyVerdict::StatusFailure)
        return judged(io, s, now, Bad::Status, reply);
    if (verdict == ReplyVerdict::ChecksumFailure) {
        // A garbled reply may be bytes of another: the line is unsure.
        ex_.unsure(now);
        return judged(io, s, now, Bad::Checksum, reply);
    }
    if (now >= lostAt())
        return judged(io, s, now, Bad::Missing, {});
    s.wakeAt = wakeAt(now);
    return s;
}

AcknowledgedExchange::Step AcknowledgedExchange::judged(LinkIo &io, Step s, qint64 now, Bad bad,
                                                        const QByteArray &reply)
{
    awaiting_ = false;
    if (bad == Bad::None) {
        badInARow_ = 0;
        anyAccepted_ = true;
        s.accepted = item_;
        s.reply = reply;
        progressAt_ = now;
        if (++item_ >= rules_.items) {
            running_ = false;
            s.end = End::Done;
            return s;
        }
        return sendWhenFree(io, s, now, false);
    }
    s.bad = bad;
    ++badTotal_;
    if (++badInARow_ >= rules_.failureLimit) {
        running_ = false;
        s.end = End::GaveUp;
        return s;
    }
    return sendWhenFree(io, s, now, true);
}

bool AcknowledgedExchange::maySend(qint64 now) const { return !ex_.unsureAt(now) && !ex_.anyHeld(now); }

AcknowledgedExchange::Step AcknowledgedExchange::sendWhenFree(LinkIo &io, Step s, qint64 now, bool again)
{
    if (maySend(now))
        return send(io, s, now, again);
    // The frame goes once no frame is held and the line is sure.
    sendDue_ = true;
    dueAgain_ = again;
    s.wakeAt = wakeAt(now);
    return s;
}

AcknowledgedExchange::Step AcknowledgedExchange::send(LinkIo &io, Step s, qint64 now, bool again)
{
    const QByteArray frame = rules_.frame(item_);
    written_ = rules_.writtenWait ? rules_.writtenWait(badInARow_, anyAccepted_) : 0;
    const bool ok = io.send(frame);
    if (!ok && !anySent_) {
        running_ = false;
        s.sendFailed = true;
        s.end = End::PortFailure;
        return s;
    }
    anySent_ = true;
    awaiting_ = true;
    s.sent = item_;
    s.again = again;
    if (ok) {
        last_ = ex_.sent(frame.size(), written_, now);
    } else {
        // A copy that did not go out gets no reply: it counts as missing when
        // its wait has passed, and goes again.
        s.sendFailed = true;
        last_ = -1;
        missingAt_ = now + qMax(1, written_);
    }
    s.wakeAt = wakeAt(now);
    return s;
}

} // namespace pelmora
