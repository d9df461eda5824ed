#include "upload/schema_stepper.h"

#include "core/numbers.h"
#include "link/controller_link.h"
#include "link/controller_reply.h"

#include <utility>

namespace pelmora {

const char16_t *const kSchemaPortError = u"Помилка порту!!!";
const char16_t *const kSchemaTransferError = u"Помилка передачі !!!";

int SchemaStepper::serialWireMs(qsizetype bytes) { return lineWireMs(bytes, 115200); }

SchemaStepper::SchemaStepper(LinkState &state, Clock clock) : s_(state), clock_(std::move(clock))
{
    if (!clock_)
        clock_ = linkClockMs;
}

int SchemaStepper::start(const std::array<QByteArray, 10> &frames, int linkKind, int requestPeriod, int baud)
{
    frames_ = frames;
    baud_ = baud > 0 ? baud : 115200;
    tcp_ = transferOverTcp(linkKind);
    // A timer period below 1 ms would never let the controller answer.
    requestPeriod_ = qMax(1, requestPeriod);
    tcpTableFailures_ = 0;
    textFrame_ = -1;
    textSentAt_ = 0;
    replies_ = repliesBefore_ = 0;
    allGood_ = true;
    junk_ = false;
    firstAfterAt_ = 0;
    Exchange::Setup setup;
    setup.baud = tcp_ ? 0 : baud_;
    setup.replyBytes = kReplyBytes;
    ex_.begin(setup, s_.Held_Frames, s_.Unsure_Until);
    s_.Held_Frames.clear();
    running_ = true;
    s_.Send_Error_Count = 0;
    s_.Schema_Step = 0;
    firstInterval_ = uploadLinkFor(linkKind) == UploadLink::TcpClient ? requestPeriod_ : kSerialTick;
    waitedForSure_ = false;
    return firstInterval_;
}

void SchemaStepper::abandon()
{
    if (!running_)
        return;
    running_ = false;
    // A controller that has answered no frame yet answers the schema once:
    // the frames sent so far get no reply, but the text frame's, when it has
    // gone, may still come. One that has answered some answers every frame:
    // the rest of its replies may still come.
    if (replies_ == 0)
        for (Exchange::Frame f = 0; f < ex_.frameCount(); ++f)
            if (f != textFrame_)
                ex_.settle(f);
    leave(clock_());
}

int SchemaStepper::replyWaitLimit() const
{
    return textFrame_ >= 0 ? static_cast<int>(ex_.lostAt(textFrame_) - textSentAt_) : 0;
}

// The written wait after a frame: the first ticks, then the waits after the
// numeric (8) and text (9) frames. TCP: the request period, and half the
// area's byte count after frames 8 and 9, never less than the request period.
int SchemaStepper::writtenWait(int step, qsizetype frameBytes) const
{
    if (!tcp_)
        return step == 8 ? kSerialAfterValues : step == 9 ? kSerialAfterTexts : kSerialTick;
    if (step < 8)
        return requestPeriod_;
    const int half = static_cast<int>(num::roundHalfEven(static_cast<double>(frameBytes - 5) / 2.0));
    return qMax(requestPeriod_, half);
}

void SchemaStepper::take(LinkIo &io, qint64 now)
{
    const std::optional<QByteArray> got = io.read();
    const bool leaving = io.pendingOutput() > 0;
    // A port that cannot be read any more leaves the run to its waits.
    const std::vector<Exchange::Arrival> arrivals =
        ex_.take(got ? QByteArrayView(*got) : QByteArrayView(), leaving, now);
    int together = 0;
    for (const Exchange::Arrival &a : arrivals) {
        if (a.kind == Exchange::Arrival::Kind::NotAReply) {
            // Bytes before the run's first frame answer nothing of it.
            if (ex_.frameCount() > 0)
                junk_ = true;
            continue;
        }
        if (a.frame < 0)
            continue; // a reply to an earlier transfer's frame
        ++replies_;
        // Two replies at once cannot be told from a reply and its duplicate:
        // the frames are sent apart, and so are their replies.
        if (++together > 1)
            junk_ = true;
        const ReplyVerdict verdict = judgeControllerReply(a.bytes);
        if (verdict != ReplyVerdict::Good)
            allGood_ = false;
        if (verdict == ReplyVerdict::ChecksumFailure) {
            // A garbled reply may be bytes of another.
            junk_ = true;
            ex_.unsure(now);
        }
        const bool textLeft = textFrame_ >= 0 && now >= ex_.leftAt(textFrame_) && !leaving;
        if (!textLeft)
            ++repliesBefore_;
        else if (replies_ == 1)
            firstAfterAt_ = now;
    }
}

void SchemaStepper::leave(qint64 now)
{
    s_.Held_Frames = ex_.stillHeld(now);
    s_.Unsure_Until = ex_.unsureUntil();
}

SchemaStepper::Result SchemaStepper::end(Result r, bool good, qint64 now)
{
    running_ = false;
    r.finished = true;
    s_.Schema_Step = 11;
    // Frames a controller answering once leaves unanswered need nothing more.
    for (Exchange::Frame f = 0; f < ex_.frameCount(); ++f)
        if (!ex_.answered(f) && (good || replies_ > 0))
            ex_.settle(f);
    leave(now);
    s_.Packet_Buffer.clear();
    if (!good) {
        r.message = QString::fromUtf16(kSchemaTransferError);
        r.icon = MsgIcon::Critical;
    }
    return r;
}

SchemaStepper::Result SchemaStepper::tick(LinkIo &io)
{
    Result r;
    const int step = s_.Schema_Step;
    r.progress = qBound(0, step, 10);
    if (!running_ || step < 0 || step > 10)
        return r;
    const qint64 now = clock_();
    take(io, now);

    if (step == 0 && ex_.unsureAt(now)) {
        // After bytes that broke the order of the replies, the header waits
        // until the line is sure again.
        r.interval = static_cast<int>(qMin<qint64>(ex_.unsureUntil() - now, 60 * 60 * 1000));
        waitedForSure_ = true;
        return r;
    }
    if (step <= 9) {
        const QByteArray &frame = frames_[step];
        if (step == 0 && std::exchange(waitedForSure_, false))
            r.interval = firstInterval_;
        if (step == 8)
            r.interval = writtenWait(8, frame.size()) + (tcp_ ? 0 : lineWireMs(frame.size(), baud_));
        else if (step == 9)
            r.interval = kReplyPoll;
        if (!io.send(frame)) {
            // A table frame that did not go out over TCP: the table frames start
            // again from step 1 (the header is not repeated), a few times at most.
            if (tcp_ && step > 0 && ++tcpTableFailures_ < kTcpTableSendTries) {
                r.interval = requestPeriod_;
                s_.Schema_Step = 1;
                return r;
            }
            running_ = false;
            r.finished = true;
            s_.Schema_Step = 0;
            leave(now);
            r.message = QString::fromUtf16(kSchemaPortError);
            return r;
        }
        const Exchange::Frame sent = ex_.sent(frame.size(), writtenWait(step, frame.size()), now);
        if (step == 9) {
            textFrame_ = sent;
            textSentAt_ = now;
        }
        s_.Schema_Step = static_cast<std::int16_t>(step + 1);
        return r;
    }
    return awaitReply(r, now);
}

SchemaStepper::Result SchemaStepper::bytesArrived(LinkIo &io)
{
    Result r;
    const int step = s_.Schema_Step;
    r.progress = qBound(0, step, 10);
    if (!running_ || step < 0 || step > 10)
        return r;
    const qint64 now = clock_();
    take(io, now);
    return step == 10 ? awaitReply(r, now) : r;
}

// Step 10, every kReplyPoll ms.
SchemaStepper::Result SchemaStepper::awaitReply(Result r, qint64 now)
{
    const int frames = ex_.frameCount();
    if (junk_ || replies_ > frames)
        return end(r, false, now);
    if (replies_ == frames)
        return end(r, allGood_, now);
    const bool overdue = now >= ex_.lostAt(textFrame_);
    if (repliesBefore_ > 0 || replies_ > 1) {
        // A controller that answers every frame: all its replies are awaited.
        return overdue ? end(r, false, now) : r;
    }
    if (replies_ == 1) {
        // One reply after the text frame left: the text frame's own, unless
        // another follows within the spacing of the first frames.
        const qint64 spacing = frames > 1 ? ex_.leftAt(1) - ex_.leftAt(0) : 0;
        const qint64 settle = spacing + Exchange::kReplyGapMs + Exchange::kReplyMarginMs;
        if (now - firstAfterAt_ >= settle)
            return end(r, allGood_, now);
        return r;
    }
    return overdue ? end(r, false, now) : r;
}

} // namespace pelmora
