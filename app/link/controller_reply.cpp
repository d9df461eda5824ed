#include "link/controller_reply.h"

#include "link/crc16.h"

namespace pelmora {

ReplyVerdict judgeControllerReply(LinkState &s)
{
    const QByteArray &r = s.Packet_Buffer;
    s.CRC16_Len = 3;
    Calc_CRC16(s);
    auto byte = [&r](qsizetype i) { return static_cast<std::uint8_t>(r.at(i)); };
    // A reply too short to carry both checksum bytes counts as carrying 0.
    const std::int32_t received = r.size() < 5 ? 0 : byte(3) + 256 * byte(4);
    if (r.size() < 4 || received != s.CRC16)
        return ReplyVerdict::ChecksumFailure;
    if (byte(2) != 0)
        return ReplyVerdict::StatusFailure;
    return ReplyVerdict::Good;
}

ReplyVerdict judgeControllerReply(QByteArrayView received)
{
    LinkState s;
    s.Packet_Buffer = received.toByteArray();
    return judgeControllerReply(s);
}

QByteArray controllerReply(std::uint8_t first, std::uint8_t second, std::uint8_t status)
{
    const char head[3] = {static_cast<char>(first), static_cast<char>(second), static_cast<char>(status)};
    return withCrc(QByteArrayView(head, 3), CrcOrder::LowFirst);
}

} // namespace pelmora
