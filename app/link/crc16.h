#pragma once
// CRC-16/MODBUS (initial value 0xFFFF, reflected polynomial 0xA001, no final
// XOR) and the two byte orders in which frames carry it: the schema frames put
// the high byte first, every other frame and the controller's reply the low
// byte first.

#include "core/model/link_state.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace pelmora {

enum class CrcOrder { HighFirst, LowFirst };

// The checksum of every byte of data.
std::uint16_t crc16Modbus(QByteArrayView data);

// The checksum of the first CRC16_Len bytes of Packet_Buffer, into CRC16.
// CRC16_Len of 0 or less leaves 0xFFFF; a buffer shorter than CRC16_Len gives 0
// (so a reply check on too few bytes can never pass by chance of the sum).
void Calc_CRC16(LinkState &s);

// data followed by its checksum in the given byte order.
QByteArray withCrc(QByteArrayView data, CrcOrder order);

// Appends the two bytes of crc in the given byte order.
void appendCrc(QByteArray &frame, std::uint16_t crc, CrcOrder order);

// A schema frame ready to send: the checksum of the first CRC16_Len bytes of
// Packet_Buffer is computed, and the whole buffer is followed by its high, then
// its low byte. Packet_Buffer itself stays without the checksum.
QByteArray schemaFrameWithCrc(LinkState &s);

} // namespace pelmora
