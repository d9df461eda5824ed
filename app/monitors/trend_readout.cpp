#include "monitors/trend_readout.h"

#include "monitors/trend_channels.h"
#include "monitors/trend_decoding.h"
#include "upload/crc16.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace pelmora {

const char16_t *const kReadoutPortError = u"Помилка № COM?";
const char16_t *const kReadoutCancelled = u"Помилка завантаження";
const char16_t *const kReadoutBusy = u"Іде інший обмін з контролером. Зачекайте його завершення.";
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
    const long long bitsPerSecond = baud > 0 ? baud : 115200;
    const long long bits = static_cast<long long>(kReadRequestLength + kReadAnswerLength) * 10;
    return static_cast<int>((bits * 1000 + bitsPerSecond - 1) / bitsPerSecond) + kReadoutWaitMarginMs;
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
    if (m_.link.Transfer_Busy != LinkTransfer::None)
        return {ReadoutCommand::Refused, QString::fromUtf16(kReadoutBusy)};
    if (!link.openSerialOnDemand(mon_.Grafik_COM)) {
        stop();
        return {ReadoutCommand::PortError, QString::fromUtf16(kReadoutPortError)};
    }
    return start(address, link.serialBaudRate());
}

TrendReadout::CommandResult TrendReadout::start(std::uint8_t address, int baud)
{
    if (m_.link.Transfer_Busy != LinkTransfer::None)
        return {ReadoutCommand::Refused, QString::fromUtf16(kReadoutBusy)};
    m_.link.Transfer_Busy = transferKind();
    running_ = true;
    mon_.Grafik_Load_Flag = 1;
    address_ = address;
    waitMs_ = readoutAnswerWaitMs(baud);
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
    if (!running_ && m_.link.Transfer_Busy != LinkTransfer::None)
        return;
    mon_.Grafik_Zapyt = 0;
    mon_.Grafik_Paket = 0;
    mon_.Grafik_Register = 0;
    mon_.Grafik_Load_Flag = 0;
    running_ = false;
    release();
}

void TrendReadout::release()
{
    if (m_.link.Transfer_Busy == transferKind())
        m_.link.Transfer_Busy = LinkTransfer::None;
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

TrendReadout::Tick TrendReadout::Timer2_Tick(LinkIo &io, std::int64_t nowMs)
{
    Tick t;
    if (!Timer2_Enabled || !running_)
        return t; // a tick of a readout that has ended or stopped
    if (mon_.Grafik_Zapyt == 0)
        sendTick(io, nowMs);
    else
        answerTick(io, nowMs, t);
    // The Orvo cycle looks at its count at the end of every tick.
    if (running_ && variant_ == ReadoutVariant::Orvo && mon_.Grafik_Paket >= packetCount())
        finish(t);
    return t;
}

void TrendReadout::sendTick(LinkIo &io, std::int64_t nowMs)
{
    mon_.Grafik_Zapyt = 1;
    io.read(); // what is left of an earlier answer goes
    input_.clear();
    if (variant_ == ReadoutVariant::Tesk) {
        // The first request is packet 1; a good answer moves on, a failed one asks again.
        int packet = mon_.Grafik_Paket;
        if (packet == 0 || !repeat_)
            ++packet;
        mon_.Grafik_Paket = static_cast<std::int16_t>(packet);
        mon_.Grafik_Register = static_cast<std::int16_t>(kReadFirstRegister - 1 + packet);
    } else {
        mon_.Grafik_Num_Net = 1;
        Timer2_Interval = 40; // the answer is looked at 40 ms after the request
    }
    // A request that cannot be written gets no answer, and fails as a missing one.
    io.send(readRequest(mon_.Grafik_Num_Net, static_cast<std::uint16_t>(mon_.Grafik_Register)));
    sentAt_ = nowMs;
}

void TrendReadout::answerTick(LinkIo &io, std::int64_t nowMs, Tick &t)
{
    if (variant_ == ReadoutVariant::Orvo)
        Timer2_Interval = 10;
    if (const std::optional<QByteArray> got = io.read())
        input_ += *got;
    if (input_.size() < kReadAnswerLength) {
        if (nowMs - sentAt_ < waitMs_)
            return; // the answer may still be on its way
        mon_.Grafik_Zapyt = 0;
        fail(t);
        return;
    }
    // Only the first 255 bytes count; anything after them goes with them.
    const QByteArray answer = std::exchange(input_, QByteArray());
    const AnswerCheck check = checkReadAnswer(answer, kCheckedLength, m_.link);
    mon_.Grafik_CRC_In = check.carried;
    mon_.Grafik_Zapyt = 0;
    if (!check.good) {
        mon_.Grafik_CRC_Error = 1;
        t.beep = true;
        fail(t);
        return;
    }
    mon_.Grafik_CRC_Error = 0;
    failures_ = 0;
    repeat_ = false;
    takeGoodAnswer(answer, t);
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

void TrendReadout::fail(Tick &t)
{
    repeat_ = true;
    if (++failures_ < kReadoutFailureLimit)
        return;
    stop();
    t.message = QString::fromUtf16(kReadoutNoAnswer).arg(kReadoutFailureLimit);
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
