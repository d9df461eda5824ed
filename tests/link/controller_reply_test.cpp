#include "link/controller_reply.h"

#include "link/crc16.h"

#include "support/byte_literals.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::bytes;

// 01 41 00 has the checksum 0x5010; 01 41 01 has 0x90D1; FF FF 00 has 0.
TEST(ControllerReply, Judgement)
{
    const QByteArray good = bytes({0x01, 0x41, 0x00, 0x10, 0x50});
    const QByteArray rejected = bytes({0x01, 0x41, 0x01, 0xD1, 0x90});
    struct Case {
        const char *what;
        QByteArray reply;
        ReplyVerdict verdict;
    };
    const Case cases[] = {
        {"nothing", QByteArray(), ReplyVerdict::ChecksumFailure},
        {"3 bytes", good.left(3), ReplyVerdict::ChecksumFailure},
        {"4 bytes, received checksum counts as 0", good.left(4), ReplyVerdict::ChecksumFailure},
        {"4 bytes whose first three sum to 0", bytes({0xFF, 0xFF, 0x00, 0x00}), ReplyVerdict::Good},
        {"good", good, ReplyVerdict::Good},
        {"status 1, checksum right", rejected, ReplyVerdict::StatusFailure},
        {"status 7, checksum right", controllerReply(3, 0x43, 7), ReplyVerdict::StatusFailure},
        {"low checksum byte wrong", bytes({0x01, 0x41, 0x00, 0x11, 0x50}), ReplyVerdict::ChecksumFailure},
        {"checksum high byte first", bytes({0x01, 0x41, 0x00, 0x50, 0x10}), ReplyVerdict::ChecksumFailure},
        {"status 1 and checksum wrong", bytes({0x01, 0x41, 0x01, 0x10, 0x50}), ReplyVerdict::ChecksumFailure},
        {"two replies together, first good", good + rejected, ReplyVerdict::Good},
        {"two replies together, first rejected", rejected + good, ReplyVerdict::StatusFailure},
        {"good reply and a stray byte", good + bytes({0x00}), ReplyVerdict::Good},
        {"4 bytes of a good reply and the next reply", good.left(4) + good, ReplyVerdict::ChecksumFailure},
    };
    for (const Case &c : cases)
        EXPECT_EQ(judgeControllerReply(c.reply), c.verdict) << c.what;
}

TEST(ControllerReply, CheckLeavesTheChecksumOfTheFirstThreeBytes)
{
    LinkState s;
    s.Packet_Buffer = bytes({0x01, 0x41, 0x00, 0x10, 0x50, 0x99});
    s.CRC16_Len = 100;
    EXPECT_EQ(judgeControllerReply(s), ReplyVerdict::Good);
    EXPECT_EQ(s.CRC16_Len, 3);
    EXPECT_EQ(s.CRC16, 0x5010);
    EXPECT_EQ(s.Packet_Buffer.size(), 6); // the received bytes stay as they came
}

TEST(ControllerReply, BuiltRepliesAreJudgedByTheirStatus)
{
    EXPECT_EQ(controllerReply(0x01, 0x41, 0x00), bytes({0x01, 0x41, 0x00, 0x10, 0x50}));
    for (int status = 0; status < 256; status += 51)
        EXPECT_EQ(judgeControllerReply(controllerReply(2, 'D', static_cast<std::uint8_t>(status))),
                  status == 0 ? ReplyVerdict::Good : ReplyVerdict::StatusFailure)
            << status;
}

} // namespace
} // namespace pelmora
