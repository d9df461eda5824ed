#include "monitors/trend_readout.h"

#include "link/controller_link.h"
#include "link/crc16.h"
#include "monitors/trend_channels.h"
#include "monitors/trend_decoding.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace pelmora {

const char16_t *const kReadoutPortError = u"Помилка № COM?";
const char16_t *const kReadoutCancelled = u"Помилка завантаження";
const char16_t *const kReadoutNoAnswer =
    u"Немає правильної відповіді контролера на %1 запитів поспіль. Зчитування зупинено.";

namespace {
constexpr int kCheckedLength = kReadAnswerLength - 2; // the answer's bytes under its CRC
} // namespace

QByteArray readRequest(std::uint8_t address, std::uint16_t startRegister)
{
    QByteArray frame;
    frame.append(static_cast<char>(address));
    frame.append('\x50');
    frame.append(static_cast<char>(startRegister >> 8));
    frame.append(static_cast<char>(startRegister & 0xFF));
    frame.append('\x00');
    frame.append(static_cast<char>(kReadRegisterCount));
    return withCrc(frame, CrcOrder::LowFirst);
}

AnswerCheck checkReadAnswer(QByteArrayView answer, int checkedLength, LinkState &link)
{
    AnswerCheck check;
    if (checkedLength < 1 || answer.size() < checkedLength + 2)
        return check;
    const auto byte = [&](int oneBased) { return static_cast<std::uint8_t>(answer[oneBased - 1]); };
    check.carried = byte(checkedLength + 1) + 256 * byte(checkedLength + 2);
    link.Packet_Buffer = answer.toByteArray();
    link.CRC16_Len = static_cast<std::int16_t>(checkedLength);
    Calc_CRC16(link);
    check.good = check.carried == link.CRC16;
    return check;
}

int readoutAnswerWaitMs(int baud)
{
    return lineWireMs(kReadRequestLength + kReadAnswerLength, baud > 0 ? baud : 115200) + kReadoutWaitMarginMs;
}

TrendReadout::TrendReadout(ReadoutVariant variant, ProjectModel &m)
    : Timer2_Interval(variant == ReadoutVariant::Tesk ? 10 : 100), variant_(variant), m_(m), mon_(m.monitors)
{
    if (variant_ == ReadoutVariant::Orvo)
        mon_.Grafik_CRC_Len = kCheckedLength;
}

TrendReadout::~TrendReadout()
{
    if (running_)
        stop();
}

LinkTransfer TrendReadout::transferKind() const
{
    return variant_ == ReadoutVariant::Tesk ? LinkTransfer::TeskReadout : LinkTransfer::OrvoReadout;
}

TrendReadout::CommandResult TrendReadout::startOrStop(ControllerLink &link, std::uint8_t address)
{
    if (running_) {
        stop();
        return {ReadoutCommand::Stopped,
                variant_ == ReadoutVariant::Orvo ? QString::fromUtf16(kReadoutCancelled) : QString()};
    }
    // The link is claimed before the port opens, so no other transfer opens it meanwhile.
    claim_ = LinkClaim::take(m_.link, transferKind());
    if (!claim_)
        return {ReadoutCommand::Refused, QString::fromUtf16(kLinkBusy)};
    if (!link.openSerialOnDemand(mon_.Grafik_COM)) {
        stop();
        return {ReadoutCommand::PortError, QString::fromUtf16(kReadoutPortError)};
    }
    return start(address, link.serialBaudRate());
}

TrendReadout::CommandResult TrendReadout::start(std::uint8_t address, int baud)
{
    // The claim taken by startOrStop carries on; a running readout is not started twice.
    if (!running_ && !claim_)
        claim_ = LinkClaim::take(m_.link, transferKind());
    if (running_ || !claim_)
        return {ReadoutCommand::Refused, QString::fromUtf16(kLinkBusy)};
    running_ = true;
    mon_.Grafik_Load_Flag = 1;
    address_ = address;
    baud_ = baud > 0 ? baud : 115200; // a port of unknown speed is taken as the usual line
    waitMs_ = readoutAnswerWaitMs(baud);
    delay_ = 0;
    guarding_ = false;
    lastPacket_ = -1;
    leftAt_.clear();
    seenBytes_ = 0;
    failures_ = 0;
    repeat_ = false;
    input_.clear();
    raw_ = QByteArray(kOrvoRawBytes, '\0');
    fill_ = 0;
    Timer3_Enabled = true;
    if (variant_ == ReadoutVariant::Orvo)
        Timer1_Enabled = true;
    return {ReadoutCommand::Started, QString()};
}

void TrendReadout::stop()
{
    Timer1_Enabled = Timer2_Enabled = Timer3_Enabled = Timer6_Enabled = false;
    input_.clear();
    // The readout state is shared by both monitors: a monitor without a
    // running readout leaves the other one's readout alone.
    if (!claim_ && m_.link.busy())
        return;
    mon_.Grafik_Zapyt = 0;
    mon_.Grafik_Paket = 0;
    mon_.Grafik_Register = 0;
    mon_.Grafik_Load_Flag = 0;
    running_ = false;
    release();
}

void TrendReadout::release() { claim_.release(); }

void TrendReadout::Timer3_Tick()
{
    if (!Timer3_Enabled)
        return;
    Timer1_Enabled = true;
    Timer3_Enabled = false;
    Timer6_Enabled = true;
    mon_.Grafik_Register = kReadFirstRegister;
    mon_.Grafik_Num_Net = variant_ == ReadoutVariant::Tesk ? address_ : 1;
    mon_.Grafik_Paket = 0;
    mon_.Grafik_Zapyt = 0;
}

void TrendReadout::Timer6_Tick()
{
    if (!Timer6_Enabled)
        return;
    Timer2_Enabled = true;
    Timer6_Enabled = false;
}

TrendReadout::Tick TrendReadout::Timer2_Tick(LinkIo &io, std::int64_t nowMs)
{
    Tick t;
    if (!Timer2_Enabled || !running_)
        return t; // a tick of a readout that has ended or stopped
    if (mon_.Grafik_Zapyt == 0)
        sendTick(io, nowMs);
    else if (guarding_)
        guardTick(io, nowMs);
    else
        answerTick(io, nowMs, t);
    endOfTick(t);
    return t;
}

TrendReadout::Tick TrendReadout::bytesArrived(LinkIo &io, std::int64_t nowMs)
{
    Tick t;
    if (!Timer2_Enabled || !running_ || mon_.Grafik_Zapyt == 0)
        return t;
    if (guarding_) {
        const std::optional<QByteArray> got = io.read();
        if (got && !got->isEmpty()) {
            noteArrival(got->size(), nowMs);
            guardFrom_ = nowMs; // the line was not quiet: the guard starts again
        }
        return t;
    }
    const bool leaving = io.pendingOutput() > 0;
    const std::optional<QByteArray> got = io.read();
    if (!got || got->isEmpty())
        return t;
    take(*got, leaving, nowMs);
    if (input_.size() < kReadAnswerLength)
        return t;
    judge(nowMs, t);
    // The answer is in: the next request leaves at once, the timer only bounds its wait.
    if (running_ && mon_.Grafik_Zapyt == 0 && !(variant_ == ReadoutVariant::Orvo && mon_.Grafik_Paket >= packetCount()))
        sendTick(io, nowMs);
    endOfTick(t);
    return t;
}

void TrendReadout::endOfTick(Tick &t)
{
    // The Orvo cycle looks at its count at the end of every tick.
    if (running_ && variant_ == ReadoutVariant::Orvo && mon_.Grafik_Paket >= packetCount())
        finish(t);
}

int TrendReadout::waitNowMs() const
{
    const int requestWire = lineWireMs(kReadRequestLength, baud_);
    return qMax(waitMs_, requestWire + delay_ + kReadoutWaitMarginMs);
}

int TrendReadout::guardMs() const { return waitNowMs() + lineWireMs(kReadAnswerLength, baud_); }

void TrendReadout::noteArrival(qsizetype bytes, std::int64_t nowMs)
{
    // The controller answers the copies of a request in the order they went:
    // the n-th complete answer answers the n-th copy, so its delay is known.
    const qsizetype before = seenBytes_ / kReadAnswerLength;
    seenBytes_ += bytes;
    const qsizetype after = seenBytes_ / kReadAnswerLength;
    for (qsizetype i = before; i < after && i < static_cast<qsizetype>(leftAt_.size()); ++i)
        delay_ =
            qMax(delay_, static_cast<int>(qMin<std::int64_t>(nowMs - leftAt_[static_cast<std::size_t>(i)], 60000)));
}

void TrendReadout::take(const QByteArray &bytes, bool leaving, std::int64_t nowMs)
{
    if (leaving) {
        // Bytes that come before the request has left cannot answer it; when it
        // is a copy sent again they answer an earlier copy, and are counted.
        if (leftAt_.size() > 1)
            noteArrival(bytes.size(), nowMs);
        return;
    }
    noteArrival(bytes.size(), nowMs);
    input_ += bytes;
}

void TrendReadout::sendTick(LinkIo &io, std::int64_t nowMs)
{
    mon_.Grafik_Zapyt = 1;
    guarding_ = false;
    io.read(); // what is left of an earlier answer goes
    input_.clear();
    int packet = 0;
    if (variant_ == ReadoutVariant::Tesk) {
        // The first request is packet 1; a good answer moves on, a failed one asks again.
        packet = mon_.Grafik_Paket;
        if (packet == 0 || !repeat_)
            ++packet;
        mon_.Grafik_Paket = static_cast<std::int16_t>(packet);
        mon_.Grafik_Register = static_cast<std::int16_t>(kReadFirstRegister - 1 + packet);
    } else {
        packet = mon_.Grafik_Paket + 1;
        mon_.Grafik_Num_Net = 1;
        Timer2_Interval = 40; // the answer is first looked at 40 ms after the request
    }
    if (packet != lastPacket_) {
        // A new request: nothing of it has been answered yet.
        lastPacket_ = packet;
        leftAt_.clear();
        seenBytes_ = 0;
    }
    // A request that cannot be written gets no answer, and fails as a missing one.
    if (io.send(readRequest(mon_.Grafik_Num_Net, static_cast<std::uint16_t>(mon_.Grafik_Register))))
        leftAt_.push_back(nowMs + lineWireMs(kReadRequestLength, baud_));
    sentAt_ = nowMs;
    overdue_ = false;
}

void TrendReadout::answerTick(LinkIo &io, std::int64_t nowMs, Tick &t)
{
    if (variant_ == ReadoutVariant::Orvo)
        Timer2_Interval = 10;
    const bool leaving = io.pendingOutput() > 0;
    if (const std::optional<QByteArray> got = io.read(); got && !got->isEmpty())
        take(*got, leaving, nowMs);
    if (input_.size() < kReadAnswerLength) {
        if (leaving || nowMs - sentAt_ < waitNowMs())
            return; // the answer may still be on its way
        // The port's bytes reach the link only between ticks: a tick that comes
        // late (a busy machine) can find the wait over while the answer already
        // waits to be read. The request fails at the next tick, once the link
        // has had its turn, so a late tick never costs a needless repeat.
        if (!overdue_) {
            overdue_ = true;
            return;
        }
        fail(nowMs, t);
        return;
    }
    judge(nowMs, t);
}

void TrendReadout::guardTick(LinkIo &io, std::int64_t nowMs)
{
    if (variant_ == ReadoutVariant::Orvo)
        Timer2_Interval = 10;
    if (const std::optional<QByteArray> got = io.read(); got && !got->isEmpty()) {
        noteArrival(got->size(), nowMs);
        guardFrom_ = nowMs;
        return;
    }
    if (nowMs - guardFrom_ < guardMs())
        return;
    // The line has been quiet long enough: whatever answers were on their way
    // have come and gone, and the request (or the next one) can be matched.
    sendTick(io, nowMs);
}

void TrendReadout::startGuard(std::int64_t nowMs)
{
    guarding_ = true;
    guardFrom_ = nowMs;
    input_.clear();
}

// The bytes of one request's answer are in: judged, and the readout goes on.
// More than one answer's bytes cannot be matched to the request: they count
// as a failure, and the request goes again once the line is quiet.
void TrendReadout::judge(std::int64_t nowMs, Tick &t)
{
    const QByteArray answer = std::exchange(input_, QByteArray());
    const bool unmatched = answer.size() > kReadAnswerLength;
    const AnswerCheck check = checkReadAnswer(answer, kCheckedLength, m_.link);
    mon_.Grafik_CRC_In = check.carried;
    if (unmatched || !check.good) {
        if (!check.good) {
            mon_.Grafik_CRC_Error = 1;
            t.beep = true;
        }
        fail(nowMs, t);
        return;
    }
    mon_.Grafik_CRC_Error = 0;
    failures_ = 0;
    repeat_ = false;
    takeGoodAnswer(answer, t);
    if (!running_)
        return;
    // A copy sent earlier may still be answered: its answer must not be taken
    // for the next request's, so the line must be quiet first.
    const qsizetype answered = seenBytes_ / kReadAnswerLength;
    if (static_cast<qsizetype>(leftAt_.size()) > answered || seenBytes_ % kReadAnswerLength != 0) {
        startGuard(nowMs);
        return;
    }
    mon_.Grafik_Zapyt = 0;
}

void TrendReadout::takeGoodAnswer(const QByteArray &answer, Tick &t)
{
    const QByteArrayView data = QByteArrayView(answer).sliced(3, kAnswerDataBytes);
    if (variant_ == ReadoutVariant::Tesk) {
        decodeTeskPacket(mon_, mon_.Grafik_Paket, data);
        t.packet = mon_.Grafik_Paket;
        if (mon_.Grafik_Paket >= packetCount())
            finish(t);
        return;
    }
    if (fill_ + kAnswerDataBytes <= raw_.size()) {
        std::memcpy(raw_.data() + fill_, data.data(), kAnswerDataBytes);
        fill_ += kAnswerDataBytes;
    }
    ++mon_.Grafik_Register;
    ++mon_.Grafik_Paket;
    t.packet = mon_.Grafik_Paket;
}

void TrendReadout::fail(std::int64_t nowMs, Tick &t)
{
    repeat_ = true;
    if (++failures_ >= kReadoutFailureLimit) {
        stop();
        t.message = QString::fromUtf16(kReadoutNoAnswer).arg(kReadoutFailureLimit);
        return;
    }
    // The request goes again only after the line has been quiet for the guard
    // interval, so a late answer is never taken for the repeated request's.
    startGuard(nowMs);
}

void TrendReadout::finish(Tick &t)
{
    if (variant_ == ReadoutVariant::Orvo) {
        decodeOrvoRecords(mon_, raw_, orvoAnalogScales(m_.schema));
        fill_ = 0;
    }
    t.finished = true;
    Timer1_Enabled = false;
    Timer2_Enabled = false;
    mon_.Grafik_Load_Flag = 0;
    running_ = false;
    release();
}

float TrendReadout::progress() const
{
    const float per = variant_ == ReadoutVariant::Tesk ? 30.0f : 32.0f;
    return static_cast<float>(mon_.Grafik_Paket) / per + 0.25f;
}

} // namespace pelmora
