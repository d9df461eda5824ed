#include "link/crc16.h"

namespace pelmora {

namespace {

std::uint16_t crcStep(std::uint16_t crc, std::uint8_t byte)
{
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit)
        crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001u) : static_cast<std::uint16_t>(crc >> 1);
    return crc;
}

} // namespace

std::uint16_t crc16Modbus(QByteArrayView data)
{
    std::uint16_t crc = 0xFFFF;
    for (char c : data)
        crc = crcStep(crc, static_cast<std::uint8_t>(c));
    return crc;
}

void Calc_CRC16(LinkState &s)
{
    if (s.CRC16_Len > s.Packet_Buffer.size()) {
        s.CRC16 = 0;
        return;
    }
    s.CRC16 = s.CRC16_Len <= 0 ? 0xFFFF : crc16Modbus(QByteArrayView(s.Packet_Buffer).first(s.CRC16_Len));
}

void appendCrc(QByteArray &frame, std::uint16_t crc, CrcOrder order)
{
    const char low = static_cast<char>(crc & 0xFFu);
    const char high = static_cast<char>(crc >> 8);
    if (order == CrcOrder::HighFirst) {
        frame.append(high);
        frame.append(low);
    } else {
        frame.append(low);
        frame.append(high);
    }
}

QByteArray withCrc(QByteArrayView data, CrcOrder order)
{
    QByteArray frame = data.toByteArray();
    appendCrc(frame, crc16Modbus(data), order);
    return frame;
}

QByteArray schemaFrameWithCrc(LinkState &s)
{
    Calc_CRC16(s);
    QByteArray frame = s.Packet_Buffer;
    appendCrc(frame, static_cast<std::uint16_t>(s.CRC16), CrcOrder::HighFirst);
    return frame;
}

} // namespace pelmora
