#pragma once
// The controller's five-byte reply: two bytes not otherwise examined, a status
// byte (0 = accepted), and the CRC-16 of those three bytes, low byte first.
// Bytes after the fifth are ignored.

#include "core/model/link_state.h"

#include <QByteArrayView>
#include <cstdint>

namespace pelmora {

enum class ReplyVerdict {
    Good,
    ChecksumFailure, // fewer than 4 bytes, or the checksum does not match
    StatusFailure,   // checksum right, status byte not 0
};

// Judges the bytes received as a reply. Packet_Buffer holds them; CRC16_Len
// and CRC16 are left as the check set them (3, and the checksum of the first
// three bytes).
ReplyVerdict judgeControllerReply(LinkState &s);

// The same judgement on bytes alone.
ReplyVerdict judgeControllerReply(QByteArrayView received);

// The reply a controller sends: two leading bytes, the status, the checksum.
QByteArray controllerReply(std::uint8_t first, std::uint8_t second, std::uint8_t status);

} // namespace pelmora
