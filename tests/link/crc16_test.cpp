#include "link/crc16.h"

#include "support/byte_literals.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::bytes;

TEST(Crc16, KnownValues)
{
    EXPECT_EQ(crc16Modbus("123456789"), 0x4B37);
    EXPECT_EQ(crc16Modbus("abc"), 0x5749);
    EXPECT_EQ(crc16Modbus(QByteArray()), 0xFFFF);
}

// Public Modbus RTU frames carry their checksum low byte first.
TEST(Crc16, ModbusFramesEndInTheirChecksumLowByteFirst)
{
    const QByteArray frames[] = {
        bytes({0x01, 0x03, 0x00, 0x00, 0x00, 0x0A, 0xC5, 0xCD}),
        bytes({0x11, 0x03, 0x00, 0x6B, 0x00, 0x03, 0x76, 0x87}),
    };
    for (const QByteArray &frame : frames) {
        const QByteArray body = frame.left(frame.size() - 2);
        EXPECT_EQ(withCrc(body, CrcOrder::LowFirst), frame) << frame.toHex().constData();
        // The checksum over a whole frame with its low-first checksum is 0.
        EXPECT_EQ(crc16Modbus(frame), 0);
    }
}

TEST(Crc16, ByteOrders)
{
    EXPECT_EQ(withCrc("abc", CrcOrder::LowFirst), bytes({'a', 'b', 'c', 0x49, 0x57}));
    EXPECT_EQ(withCrc("abc", CrcOrder::HighFirst), bytes({'a', 'b', 'c', 0x57, 0x49}));
}

TEST(Crc16, CalcOverTheBufferPrefix)
{
    struct Case {
        const char *buffer;
        int len;
        std::int32_t crc;
    };
    // clang-format off
    const Case cases[] = {
        {"abc", 3, 0x5749},
        {"abcdef", 3, 0x5749},  // only the first CRC16_Len bytes count
        {"abc", 0, 0xFFFF},     // empty range
        {"abc", -2, 0xFFFF},    // negative length: nothing to cover
        {"abc", 4, 0},          // one byte more than the buffer holds
        {"", 1, 0},
        {"123456789", 9, 0x4B37},
    };
    // clang-format on
    for (const Case &c : cases) {
        LinkState s;
        s.Packet_Buffer = c.buffer;
        s.CRC16_Len = static_cast<std::int16_t>(c.len);
        s.CRC16 = 12345;
        Calc_CRC16(s);
        EXPECT_EQ(s.CRC16, c.crc) << c.buffer << " / " << c.len;
    }
}

TEST(Crc16, CalcReadsEveryByteAsUnsigned)
{
    LinkState s;
    s.Packet_Buffer = bytes({0xFF, 0x80, 0xC4});
    s.CRC16_Len = 3;
    Calc_CRC16(s);
    EXPECT_EQ(s.CRC16, crc16Modbus(bytes({0xFF, 0x80, 0xC4})));
    EXPECT_GE(s.CRC16, 0);
    EXPECT_LE(s.CRC16, 0xFFFF);
}

TEST(Crc16, SchemaFrameEndsHighByteFirstAndLeavesTheBuffer)
{
    LinkState s;
    s.Packet_Buffer = "abc";
    s.CRC16_Len = 3;
    EXPECT_EQ(schemaFrameWithCrc(s), bytes({'a', 'b', 'c', 0x57, 0x49}));
    EXPECT_EQ(s.Packet_Buffer, QByteArray("abc"));
    EXPECT_EQ(s.CRC16, 0x5749);
}

} // namespace
} // namespace pelmora
