#include "upload/schema_stepper.h"

#include "core/numbers.h"
#include "link/controller_link.h"
#include "link/controller_reply.h"

#include <chrono>

namespace pelmora {

const char16_t *const kSchemaPortError = u"Помилка порту!!!";
const char16_t *const kSchemaTransferError = u"Помилка передачі !!!";

int SchemaStepper::serialWireMs(qsizetype bytes) { return lineWireMs(bytes, 115200); }

SchemaStepper::SchemaStepper(LinkState &state, Clock clock) : s_(state), clock_(std::move(clock))
{
    if (!clock_)
        clock_ = [] {
            using namespace std::chrono;
            return static_cast<qint64>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
        };
}

int SchemaStepper::start(const std::array<QByteArray, 10> &frames, int linkKind, int requestPeriod, int baud)
{
    frames_ = frames;
    baud_ = baud > 0 ? baud : 115200;
    tcp_ = transferOverTcp(linkKind);
    // A timer period below 1 ms would never let the controller answer.
    requestPeriod_ = qMax(1, requestPeriod);
    tcpTableFailures_ = 0;
    reply_.clear();
    replyWait_ = 0;
    running_ = true;
    s_.Send_Error_Count = 0;
    s_.Schema_Step = 0;
    return uploadLinkFor(linkKind) == UploadLink::TcpClient ? requestPeriod_ : kSerialTick;
}

// The wait after the numeric (8) or text (9) frame. Serial: the fixed wait plus
// the time the frame takes on the line, so a large area is never judged while
// its bytes are still on the way. TCP: half the area's byte count, never less
// than the request period.
int SchemaStepper::interval(int fixedSerial, qsizetype frameBytes, qsizetype areaBytes) const
{
    if (!tcp_)
        return fixedSerial + lineWireMs(frameBytes, baud_);
    const int half = static_cast<int>(num::roundHalfEven(static_cast<double>(areaBytes) / 2.0));
    return qMax(requestPeriod_, half);
}

SchemaStepper::Result SchemaStepper::end(Result r, const QString &message, MsgIcon icon)
{
    running_ = false;
    r.finished = true;
    r.message = message;
    r.icon = icon;
    return r;
}

SchemaStepper::Result SchemaStepper::tick(LinkIo &io)
{
    Result r;
    const int step = s_.Schema_Step;
    r.progress = qBound(0, step, 10);
    if (!running_ || step < 0 || step > 10)
        return r;

    if (step <= 9) {
        const QByteArray &frame = frames_[step];
        if (step == 8) {
            r.interval = interval(kSerialAfterValues, frame.size(), frame.size() - 5);
        } else if (step == 9) {
            // Nothing received so far can be the answer to the text frame.
            io.read();
            reply_.clear();
            replyWait_ = interval(kSerialAfterTexts, frame.size(), frame.size() - 5);
            r.interval = kReplyPoll;
        }
        if (!io.send(frame)) {
            if (step == 0 || !tcp_) {
                s_.Schema_Step = 0;
                return end(r, QString::fromUtf16(kSchemaPortError), MsgIcon::None);
            }
            // A table frame that did not go out over TCP: the table frames start
            // again from step 1 (the header is not repeated), a few times at most.
            if (++tcpTableFailures_ >= kTcpTableSendTries) {
                s_.Schema_Step = 0;
                return end(r, QString::fromUtf16(kSchemaPortError), MsgIcon::None);
            }
            r.interval = requestPeriod_;
            s_.Schema_Step = 1;
            return r;
        }
        if (step == 9)
            sentAt_ = waitFrom_ = clock_();
        s_.Schema_Step = static_cast<std::int16_t>(step + 1);
        return r;
    }
    return awaitReply(r, io);
}

// Step 10, every kReplyPoll ms: the reply is judged once its five bytes are
// in, or when the longest wait has passed since the text frame left. Bytes
// that come while the text frame is still leaving cannot answer it and are
// dropped; the wait starts again when it has left.
SchemaStepper::Result SchemaStepper::awaitReply(Result r, LinkIo &io)
{
    const qint64 now = clock_();
    const bool leaving = io.pendingOutput() > 0;
    const std::optional<QByteArray> received = io.read();
    if (received) {
        if (!leaving)
            reply_ += *received;
        if (reply_.size() < kReplyBytes) {
            if (leaving && now - sentAt_ < qint64(kReplyPostponeLimit) * replyWait_) {
                waitFrom_ = now;
                return r;
            }
            if (!leaving && now - waitFrom_ < replyWait_)
                return r;
        }
    }
    // A port that cannot be read any more is judged on what has come.
    s_.Packet_Buffer = reply_;
    s_.Schema_Step = 11;
    const bool good = judgeControllerReply(s_) == ReplyVerdict::Good;
    return end(r, good ? QString() : QString::fromUtf16(kSchemaTransferError),
               good ? MsgIcon::None : MsgIcon::Critical);
}

} // namespace pelmora
