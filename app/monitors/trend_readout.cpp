#include "monitors/trend_readout.h"

#include "upload/crc16.h"

#include <utility>

namespace pelmora {

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

TrendReadout::TrendReadout(ReadoutVariant variant, MonitorTables &m, LinkState &link)
    : Timer2_Interval(variant == ReadoutVariant::Tesk ? 10 : 100), variant_(variant), m_(m), link_(link)
{
    if (variant_ == ReadoutVariant::Orvo)
        m_.Grafik_CRC_Len = 253;
}

void TrendReadout::start(std::uint8_t address)
{
    m_.Grafik_Load_Flag = 1;
    address_ = address;
    Timer3_Enabled = true;
    if (variant_ == ReadoutVariant::Orvo)
        Timer1_Enabled = true;
}

void TrendReadout::stop()
{
    m_.Grafik_Zapyt = 0;
    m_.Grafik_Paket = 0;
    m_.Grafik_Register = 0;
    Timer1_Enabled = Timer2_Enabled = Timer3_Enabled = Timer6_Enabled = false;
    m_.Grafik_Load_Flag = 0;
}

void TrendReadout::Timer3_Tick()
{
    if (!Timer3_Enabled)
        return;
    Timer1_Enabled = true;
    Timer3_Enabled = false;
    Timer6_Enabled = true;
    m_.Grafik_Register = kReadFirstRegister;
    m_.Grafik_Num_Net = variant_ == ReadoutVariant::Tesk ? address_ : 1;
    m_.Grafik_Paket = 0;
    m_.Grafik_Zapyt = 0;
}

void TrendReadout::Timer6_Tick()
{
    if (!Timer6_Enabled)
        return;
    Timer2_Enabled = true;
    Timer6_Enabled = false;
}

TrendReadout::Tick TrendReadout::Timer2_Tick()
{
    if (!Timer2_Enabled)
        return {}; // a tick of a readout that has ended or stopped
    if (m_.Grafik_Zapyt == 0)
        return sendTick();
    return variant_ == ReadoutVariant::Tesk ? answerTeskTick() : answerOrvoTick();
}

TrendReadout::Tick TrendReadout::sendTick()
{
    Tick t;
    m_.Grafik_Zapyt = 1;
    input_.clear();
    if (variant_ == ReadoutVariant::Tesk) {
        // The first request is packet 1; a good answer moves on, a bad one asks again.
        int packet = m_.Grafik_Paket;
        if (packet == 0 || m_.Grafik_CRC_Error == 0)
            ++packet;
        m_.Grafik_Paket = static_cast<std::int16_t>(packet);
        m_.Grafik_Register = static_cast<std::int16_t>(kReadFirstRegister - 1 + packet);
    } else {
        m_.Grafik_Num_Net = 1;
        Timer2_Interval = 40; // the answer is looked at 40 ms after the request
    }
    t.request = readRequest(m_.Grafik_Num_Net, static_cast<std::uint16_t>(m_.Grafik_Register));
    return t;
}

TrendReadout::Tick TrendReadout::answerTeskTick()
{
    Tick t;
    if (input_.size() < kReadAnswerLength)
        return t; // no time-out: the wait goes on until the answer or a stop
    const QByteArray answer = std::exchange(input_, QByteArray());
    const AnswerCheck check = checkReadAnswer(answer, kReadAnswerLength - 2, link_);
    m_.Grafik_CRC_In = check.carried;
    m_.Grafik_Zapyt = 0;
    if (!check.good) {
        m_.Grafik_CRC_Error = 1;
        t.beep = true;
        return t;
    }
    m_.Grafik_CRC_Error = 0;
    t.data = answer.mid(3, kReadAnswerLength - 5);
    t.packet = m_.Grafik_Paket;
    if (m_.Grafik_Paket >= packetCount())
        finish(t);
    return t;
}

TrendReadout::Tick TrendReadout::answerOrvoTick()
{
    Tick t;
    Timer2_Interval = 10;
    const int checked = m_.Grafik_CRC_Len;
    if (input_.size() < checked + 2) {
        m_.Grafik_Zapyt = 0; // no full answer: the next tick asks again
    } else {
        const QByteArray answer = std::exchange(input_, QByteArray());
        const AnswerCheck check = checkReadAnswer(answer, checked, link_);
        m_.Grafik_CRC_In = check.carried;
        m_.Grafik_Zapyt = 0;
        if (!check.good) {
            m_.Grafik_CRC_Error = 1;
            t.beep = true;
        } else {
            m_.Grafik_CRC_Error = 0;
            t.data = answer.mid(3, checked - 3);
            ++m_.Grafik_Register;
            ++m_.Grafik_Paket;
            t.packet = m_.Grafik_Paket;
        }
    }
    if (m_.Grafik_Paket >= packetCount())
        finish(t);
    return t;
}

void TrendReadout::finish(Tick &t)
{
    t.finished = true;
    Timer1_Enabled = false;
    Timer2_Enabled = false;
    m_.Grafik_Load_Flag = 0;
}

float TrendReadout::progress() const
{
    const float per = variant_ == ReadoutVariant::Tesk ? 30.0f : 32.0f;
    return static_cast<float>(m_.Grafik_Paket) / per + 0.25f;
}

} // namespace pelmora
