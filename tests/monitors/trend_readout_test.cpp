#include "monitors/trend_readout.h"

#include "upload/crc16.h"

#include <gtest/gtest.h>
#include <vector>

namespace pelmora {
namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

TEST(ReadRequest, FramesForAddressAndRegister)
{
    const struct {
        int address, reg;
        QByteArray frame;
    } cases[] = {
        {1, 1000, bytes({0x01, 0x50, 0x03, 0xE8, 0x00, 0x7D, 0x81, 0x97})},
        {5, 1239, bytes({0x05, 0x50, 0x04, 0xD7, 0x00, 0x7D, 0xB1, 0x6B})},
        {1, 1299, bytes({0x01, 0x50, 0x05, 0x13, 0x00, 0x7D, 0xF0, 0xEE})},
    };
    for (const auto &c : cases)
        EXPECT_EQ(readRequest(static_cast<std::uint8_t>(c.address), static_cast<std::uint16_t>(c.reg)), c.frame)
            << c.reg;
}

// An answer as a controller sends it: 3 header bytes, 250 data bytes, the CRC low byte first.
QByteArray answerWith(const QByteArray &data)
{
    return withCrc(QByteArray("\x01\x50\xFA", 3) + data, CrcOrder::LowFirst);
}

// 250 data bytes that tell which register they came from.
QByteArray dataOf(int reg)
{
    QByteArray d(250, '\0');
    for (int i = 0; i < d.size(); ++i)
        d[i] = static_cast<char>((reg * 7 + i) & 0xFF);
    return d;
}

TEST(ReadAnswer, ChecksumOfTheFirst253Bytes)
{
    const QByteArray good = answerWith(dataOf(1000));
    ASSERT_EQ(good.size(), 255);
    QByteArray swapped = good;
    std::swap(swapped[253], swapped[254]);
    QByteArray flipped = good;
    flipped[100] = static_cast<char>(flipped[100] ^ 0x01);
    // Data whose checksum has two equal bytes: swapping them changes nothing.
    QByteArray equalBytes;
    for (int n = 0; n < 5000 && equalBytes.isEmpty(); ++n) {
        QByteArray a = answerWith(dataOf(n));
        if (a[253] == a[254])
            equalBytes = a;
    }
    ASSERT_FALSE(equalBytes.isEmpty());

    const struct {
        const char *what;
        QByteArray answer;
        bool good;
    } cases[] = {
        {"good", good, true},
        {"high byte first", swapped, false},
        {"equal checksum bytes in either order", equalBytes, true},
        {"a data byte changed", flipped, false},
        {"254 bytes", good.left(254), false},
        {"nothing", QByteArray(), false},
        {"a late answer followed by the next", good + answerWith(dataOf(1001)), true},
    };
    for (const auto &c : cases) {
        LinkState link;
        EXPECT_EQ(checkReadAnswer(c.answer, 253, link).good, c.good) << c.what;
    }
    LinkState link;
    EXPECT_EQ(checkReadAnswer(good, 253, link).carried,
              static_cast<std::uint8_t>(good[253]) + 256 * static_cast<std::uint8_t>(good[254]));
}

// A controller on the other end of the port: it answers each request for a
// register with that register's data, except where told otherwise.
struct Controller {
    std::vector<int> requested; // registers asked for, in order
    int corruptRegister = -1;   // answered once with a bad checksum
    int shortRegister = -1;     // answered once with 254 bytes only

    QByteArray answer(const QByteArray &request)
    {
        EXPECT_EQ(request.size(), 8);
        const int reg = static_cast<std::uint8_t>(request[2]) * 256 + static_cast<std::uint8_t>(request[3]);
        EXPECT_EQ(request, readRequest(static_cast<std::uint8_t>(request[0]), static_cast<std::uint16_t>(reg)));
        requested.push_back(reg);
        QByteArray a = answerWith(dataOf(reg));
        if (reg == corruptRegister) {
            corruptRegister = -1;
            a[10] = static_cast<char>(a[10] ^ 0x40);
        } else if (reg == shortRegister) {
            shortRegister = -1;
            a.chop(1);
        }
        return a;
    }
};

struct ReadoutRun {
    std::vector<std::pair<int, QByteArray>> decoded; // packet and its data, in order
    int beeps = 0;
    int ticks = 0;
    bool finished = false;
};

// Starts a readout and runs its timers until it ends; every request is answered
// before the next tick.
ReadoutRun runReadout(TrendReadout &r, Controller &controller, std::uint8_t address)
{
    ReadoutRun run;
    r.start(address);
    r.Timer3_Tick();
    EXPECT_TRUE(r.Timer6_Enabled);
    EXPECT_FALSE(r.Timer2_Enabled);
    r.Timer6_Tick();
    EXPECT_TRUE(r.Timer2_Enabled);
    EXPECT_TRUE(r.Timer1_Enabled);
    while (!run.finished && run.ticks < 10000) {
        ++run.ticks;
        const TrendReadout::Tick t = r.Timer2_Tick();
        if (!t.request.isEmpty()) {
            EXPECT_EQ(static_cast<std::uint8_t>(t.request[0]), address);
            r.feed(controller.answer(t.request));
        }
        if (!t.data.isEmpty())
            run.decoded.emplace_back(t.packet, t.data);
        run.beeps += t.beep;
        run.finished = t.finished;
    }
    return run;
}

TEST(TrendReadoutCycle, TeskReadsPackets1To240AndAsksAgainAfterABadAnswer)
{
    MonitorTables m;
    LinkState link;
    TrendReadout r(ReadoutVariant::Tesk, m, link);
    Controller controller;
    controller.corruptRegister = 1016; // packet 17
    const ReadoutRun run = runReadout(r, controller, 3);

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.beeps, 1);
    ASSERT_EQ(run.decoded.size(), 240u);
    for (int n = 1; n <= 240; ++n) {
        EXPECT_EQ(run.decoded[n - 1].first, n);
        EXPECT_EQ(run.decoded[n - 1].second, dataOf(999 + n)) << n;
    }
    // Register 1016 was asked twice in a row, and 1239 last.
    ASSERT_EQ(controller.requested.size(), 241u);
    EXPECT_EQ(controller.requested[16], 1016);
    EXPECT_EQ(controller.requested[17], 1016);
    EXPECT_EQ(controller.requested.back(), 1239);
    EXPECT_EQ(m.Grafik_Load_Flag, 0);
    EXPECT_FALSE(r.Timer1_Enabled);
    EXPECT_FALSE(r.Timer2_Enabled);
    EXPECT_EQ(r.Timer2_Tick().request, QByteArray()); // a late tick after the end does nothing
}

TEST(TrendReadoutCycle, TeskWaitsWithoutLimitFor255Bytes)
{
    MonitorTables m;
    LinkState link;
    TrendReadout r(ReadoutVariant::Tesk, m, link);
    r.start(1);
    r.Timer3_Tick();
    r.Timer6_Tick();
    const QByteArray request = r.Timer2_Tick().request;
    EXPECT_EQ(request, readRequest(1, 1000));
    const QByteArray answer = answerWith(dataOf(1000));
    r.feed(answer.left(254));
    for (int i = 0; i < 50; ++i) {
        const TrendReadout::Tick t = r.Timer2_Tick();
        EXPECT_TRUE(t.request.isEmpty());
        EXPECT_TRUE(t.data.isEmpty());
    }
    r.feed(answer.right(1));
    const TrendReadout::Tick t = r.Timer2_Tick();
    EXPECT_EQ(t.packet, 1);
    EXPECT_EQ(t.data, dataOf(1000));
    EXPECT_EQ(r.Timer2_Tick().request, readRequest(1, 1001));
}

TEST(TrendReadoutCycle, OrvoReads300PacketsAsksAgainWhenShortAndPacesItsTicks)
{
    MonitorTables m;
    LinkState link;
    TrendReadout r(ReadoutVariant::Orvo, m, link);
    EXPECT_EQ(m.Grafik_CRC_Len, 253);
    EXPECT_EQ(r.Timer2_Interval, 100);
    Controller controller;
    controller.shortRegister = 1005;
    controller.corruptRegister = 1200;
    const ReadoutRun run = runReadout(r, controller, 1);

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.beeps, 1);
    ASSERT_EQ(run.decoded.size(), 300u);
    for (int n = 1; n <= 300; ++n)
        EXPECT_EQ(run.decoded[n - 1].second, dataOf(999 + n)) << n;
    ASSERT_EQ(controller.requested.size(), 302u);
    EXPECT_EQ(controller.requested[5], 1005);
    EXPECT_EQ(controller.requested[6], 1005);
    EXPECT_EQ(controller.requested.back(), 1299);
    EXPECT_EQ(m.Grafik_Paket, 300);
    EXPECT_EQ(m.Grafik_Load_Flag, 0);
}

TEST(TrendReadoutCycle, OrvoIntervalsAndItsAddress)
{
    MonitorTables m;
    LinkState link;
    TrendReadout r(ReadoutVariant::Orvo, m, link);
    r.start(7); // the Orvo cycle asks address 1 whatever was chosen
    r.Timer3_Tick();
    r.Timer6_Tick();
    EXPECT_EQ(r.Timer2_Tick().request, readRequest(1, 1000));
    EXPECT_EQ(r.Timer2_Interval, 40);
    EXPECT_TRUE(r.Timer2_Tick().request.isEmpty()); // nothing came: the next tick asks again
    EXPECT_EQ(r.Timer2_Interval, 10);
    EXPECT_EQ(r.Timer2_Tick().request, readRequest(1, 1000));
}

TEST(TrendReadoutCycle, StopEndsEverythingAndANewStartBeginsAtPacket1)
{
    for (ReadoutVariant variant : {ReadoutVariant::Tesk, ReadoutVariant::Orvo}) {
        MonitorTables m;
        LinkState link;
        TrendReadout r(variant, m, link);
        Controller controller;
        r.start(1);
        r.Timer3_Tick();
        r.Timer6_Tick();
        for (int i = 0; i < 20; ++i) {
            const TrendReadout::Tick t = r.Timer2_Tick();
            if (!t.request.isEmpty())
                r.feed(controller.answer(t.request));
        }
        EXPECT_GT(m.Grafik_Paket, 1);
        r.stop();
        EXPECT_EQ(m.Grafik_Load_Flag, 0);
        EXPECT_EQ(m.Grafik_Paket, 0);
        EXPECT_EQ(m.Grafik_Register, 0);
        EXPECT_EQ(m.Grafik_Zapyt, 0);
        EXPECT_FALSE(r.Timer1_Enabled || r.Timer2_Enabled || r.Timer3_Enabled || r.Timer6_Enabled);
        // Ticks that were already due do nothing.
        r.Timer3_Tick();
        r.Timer6_Tick();
        EXPECT_TRUE(r.Timer2_Tick().request.isEmpty());
        EXPECT_FALSE(r.Timer2_Enabled);

        r.start(1);
        r.Timer3_Tick();
        r.Timer6_Tick();
        EXPECT_EQ(r.Timer2_Tick().request, readRequest(1, 1000));
    }
}

TEST(TrendReadoutCycle, Progress)
{
    MonitorTables m;
    LinkState link;
    const struct {
        ReadoutVariant variant;
        int packets;
        float value;
        // clang-format off
    } cases[] = {
        {ReadoutVariant::Tesk, 0, 0.25f},   {ReadoutVariant::Tesk, 240, 8.25f},
        {ReadoutVariant::Orvo, 16, 0.75f},  {ReadoutVariant::Orvo, 300, 9.625f},
    };
    // clang-format on
    for (const auto &c : cases) {
        TrendReadout r(c.variant, m, link);
        m.Grafik_Paket = static_cast<std::int16_t>(c.packets);
        EXPECT_FLOAT_EQ(r.progress(), c.value) << c.packets;
    }
}

} // namespace
} // namespace pelmora
