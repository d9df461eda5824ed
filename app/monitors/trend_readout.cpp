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
    cycling_ = false;
    mon_.Grafik_Load_Flag = 1;
    address_ = address;
    baud_ = baud > 0 ? baud : 115200; // a port of unknown speed is taken as the usual line
    waitMs_ = variant_ == ReadoutVariant::Tesk
                  ? readoutAnswerWaitMs(baud_)
                  : kOrvoAnswerLookMs + lineWireMs(kReadRequestLength + kReadAnswerLength, baud_);
    Timer2_Interval = variant_ == ReadoutVariant::Tesk ? 10 : 100;
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
    // The readout state is shared by both monitors: a monitor without a
    // running readout leaves the other one's readout alone.
    if (!claim_ && m_.link.busy())
        return;
    mon_.Grafik_Zapyt = 0;
    mon_.Grafik_Paket = 0;
    mon_.Grafik_Register = 0;
    mon_.Grafik_Load_Flag = 0;
    running_ = false;
    release(lastNow_);
}

void TrendReadout::release(std::int64_t nowMs)
{
    if (cycling_) {
        // Requests whose answers may still come are matched first by the next
        // transfer on the link.
        if (ex_.running())
            ex_.stop();
        ex_.leave(m_.link, nowMs);
        cycling_ = false;
    }
    claim_.release();
}

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

TrendReadout::Tick TrendReadout::bytesArrived(LinkIo &io, std::int64_t nowMs)
{
    // Before the first request there is nothing to answer.
    if (!cycling_)
        return {};
    return cycle(io, nowMs);
}

TrendReadout::Tick TrendReadout::cycle(LinkIo &io, std::int64_t nowMs)
{
    Tick t;
    if (!Timer2_Enabled || !running_)
        return t; // a tick of a readout that has ended or stopped
    lastNow_ = nowMs;
    if (!cycling_) {
        // The first tick of the cycle: the exchange starts, its first request goes now.
        AcknowledgedExchange::Rules rules;
        rules.items = packetCount();
        rules.replyBytes = kReadAnswerLength;
        rules.failureLimit = kReadoutFailureLimit;
        rules.largestFrame = kReadRequestLength;
        const int written = variant_ == ReadoutVariant::Tesk ? kReadoutWaitMarginMs : kOrvoAnswerLookMs;
        rules.longestWrittenWaitMs = written;
        rules.writtenWait = [written](int, bool) { return written; };
        rules.frame = [this](int item) {
            const std::uint8_t address = variant_ == ReadoutVariant::Tesk ? address_ : 1;
            return readRequest(address, static_cast<std::uint16_t>(kReadFirstRegister + item));
        };
        rules.judge = [this](QByteArrayView answer) {
            const AnswerCheck check = checkReadAnswer(answer, kCheckedLength, m_.link);
            mon_.Grafik_CRC_In = check.carried;
            return check.good ? ReplyVerdict::Good : ReplyVerdict::ChecksumFailure;
        };
        ex_.start(std::move(rules), baud_, m_.link, nowMs);
        m_.link.Held_Frames.clear();
        cycling_ = true;
    }
    const AcknowledgedExchange::Step st = ex_.step(io, nowMs);
    if (st.accepted >= 0) {
        mon_.Grafik_CRC_Error = 0;
        takeGoodAnswer(st.reply, t);
    }
    if (st.bad == AcknowledgedExchange::Bad::Checksum) {
        mon_.Grafik_CRC_Error = 1;
        t.beep = true;
    }
    if (st.sent >= 0) {
        // The request out now: packet st.sent + 1 from its register.
        mon_.Grafik_Zapyt = 1;
        mon_.Grafik_Num_Net = variant_ == ReadoutVariant::Tesk ? address_ : 1;
        mon_.Grafik_Register = static_cast<std::int16_t>(kReadFirstRegister + st.sent);
        if (variant_ == ReadoutVariant::Tesk)
            mon_.Grafik_Paket = static_cast<std::int16_t>(st.sent + 1);
        const qint64 lostAt = ex_.lostAt();
        if (lostAt != Exchange::kNever)
            waitMs_ = static_cast<int>(std::clamp<qint64>(lostAt - nowMs, 0, qint64(60) * 60 * 1000));
    }
    // The cycle looks at the link as its timer always has (the Orvo cycle 40 ms
    // after a request, then every 10 ms; the Tesk cycle every 10 ms), and at
    // the latest when the exchange waits on time.
    const int look = variant_ == ReadoutVariant::Orvo && st.sent >= 0 ? kOrvoAnswerLookMs : 10;
    Timer2_Interval =
        st.wakeAt == Exchange::kNever ? look : static_cast<int>(std::clamp<qint64>(st.wakeAt - nowMs, 1, look));

    switch (st.end) {
    case AcknowledgedExchange::End::None: break;
    case AcknowledgedExchange::End::Done: finish(t); break;
    case AcknowledgedExchange::End::GaveUp:
        stop();
        t.message = QString::fromUtf16(kReadoutNoAnswer).arg(kReadoutFailureLimit);
        break;
    case AcknowledgedExchange::End::PortFailure:
        // The port went away: the readout cannot go on.
        stop();
        t.message = QString::fromUtf16(kReadoutPortError);
        break;
    }
    return t;
}

void TrendReadout::takeGoodAnswer(const QByteArray &answer, Tick &t)
{
    const QByteArrayView data = QByteArrayView(answer).sliced(3, kAnswerDataBytes);
    mon_.Grafik_Zapyt = 0;
    if (variant_ == ReadoutVariant::Tesk) {
        decodeTeskPacket(mon_, mon_.Grafik_Paket, data);
        t.packet = mon_.Grafik_Paket;
        return;
    }
    if (fill_ + kAnswerDataBytes <= raw_.size()) {
        std::memcpy(raw_.data() + fill_, data.data(), kAnswerDataBytes);
        fill_ += kAnswerDataBytes;
    }
    ++mon_.Grafik_Paket;
    mon_.Grafik_Register = static_cast<std::int16_t>(kReadFirstRegister + mon_.Grafik_Paket);
    t.packet = mon_.Grafik_Paket;
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
    mon_.Grafik_Zapyt = 0;
    running_ = false;
    release(lastNow_);
}

float TrendReadout::progress() const
{
    const float per = variant_ == ReadoutVariant::Tesk ? 30.0f : 32.0f;
    return static_cast<float>(mon_.Grafik_Paket) / per + 0.25f;
}

} // namespace pelmora
