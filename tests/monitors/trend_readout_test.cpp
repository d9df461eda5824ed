#include "monitors/trend_readout.h"

#include "link/crc16.h"
#include "monitors/trend_decoding.h"
#include "support/simulator_pty.h"
#include "support/simulator_readout.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace pelmora {
namespace {

using test::ReadoutController;

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

TEST(ReadAnswer, WaitIsTheWireTimeOfRequestAndAnswerPlusTheMargin)
{
    const struct {
        int baud, ms;
    } cases[] = {
        {115200, 23 + kReadoutWaitMarginMs}, // 2630 bits: 22.8 ms
        {9600, 274 + kReadoutWaitMarginMs},
        {0, 23 + kReadoutWaitMarginMs}, // not known: the monitors' own speed
    };
    for (const auto &c : cases)
        EXPECT_EQ(readoutAnswerWaitMs(c.baud), c.ms) << c.baud;
}

// A controller on the other end of the link: it answers each request for a
// register with that register's data, except where told otherwise.
struct FakeController final : LinkIo {
    std::vector<int> requested; // registers asked for, in order
    int corruptRegister = -1;   // answered once with a bad checksum
    int shortRegister = -1;     // answered once with 254 bytes only
    int silentRequests = 0;     // this many requests get no answer
    int silentFrom = -1;        // requests from this one on (counted from 0) get no answer
    QByteArray line;            // what the controller has sent and the link not yet read

    bool send(const QByteArray &request) override
    {
        EXPECT_EQ(request.size(), 8);
        const int reg = static_cast<std::uint8_t>(request[2]) * 256 + static_cast<std::uint8_t>(request[3]);
        EXPECT_EQ(request, readRequest(static_cast<std::uint8_t>(request[0]), static_cast<std::uint16_t>(reg)));
        requested.push_back(reg);
        if (silentFrom >= 0 && static_cast<int>(requested.size()) > silentFrom)
            return true;
        if (silentRequests > 0) {
            --silentRequests;
            return true;
        }
        QByteArray a = ReadoutController::answer(static_cast<std::uint8_t>(request[0]), reg);
        if (reg == corruptRegister) {
            corruptRegister = -1;
            a[10] = static_cast<char>(a[10] ^ 0x40);
        } else if (reg == shortRegister) {
            shortRegister = -1;
            a.chop(1);
        }
        line += a;
        return true;
    }
    std::optional<QByteArray> read() override { return std::exchange(line, QByteArray()); }
    qint64 pendingOutput() override { return 0; }
};

struct ReadoutRun {
    std::vector<int> packets; // packets whose good answers were taken, in order
    int beeps = 0;
    bool finished = false;
    QString message;
    std::int64_t now = 0;
};

// Runs the started readout's timers until it ends, 10 ms a tick.
ReadoutRun runTicks(TrendReadout &r, FakeController &controller, int maxTicks = 20000)
{
    ReadoutRun run;
    r.Timer3_Tick();
    EXPECT_TRUE(r.Timer6_Enabled);
    EXPECT_FALSE(r.Timer2_Enabled);
    r.Timer6_Tick();
    EXPECT_TRUE(r.Timer2_Enabled);
    EXPECT_TRUE(r.Timer1_Enabled);
    for (int tick = 0; tick < maxTicks && r.Timer2_Enabled; ++tick) {
        run.now += 10;
        const TrendReadout::Tick t = r.Timer2_Tick(controller, run.now);
        if (t.packet)
            run.packets.push_back(t.packet);
        run.beeps += t.beep;
        run.finished = run.finished || t.finished;
        if (!t.message.isEmpty())
            run.message = t.message;
    }
    return run;
}

TEST(TrendReadoutCycle, TeskReadsPackets1To240DecodingEachAndAsksAgainAfterABadAnswer)
{
    ProjectModel m;
    TrendReadout r(ReadoutVariant::Tesk, m);
    FakeController controller;
    controller.corruptRegister = 1016; // packet 17
    ASSERT_EQ(r.start(3, 115200).outcome, ReadoutCommand::Started);
    EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::TeskReadout);
    const ReadoutRun run = runTicks(r, controller);

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.beeps, 1);
    ASSERT_EQ(run.packets.size(), 240u);
    for (int n = 1; n <= 240; ++n)
        EXPECT_EQ(run.packets[static_cast<std::size_t>(n - 1)], n);
    // Register 1016 was asked twice in a row, and 1239 last.
    ASSERT_EQ(controller.requested.size(), 241u);
    EXPECT_EQ(controller.requested[16], 1016);
    EXPECT_EQ(controller.requested[17], 1016);
    EXPECT_EQ(controller.requested.back(), 1239);
    EXPECT_EQ(m.monitors.Grafik_Num_Net, 3);
    // Every answer went into the samples: the first and last word of packet 17,
    // and the last sample of channel 4 from packet 160.
    EXPECT_EQ(m.monitors.Grafik_Data(16 * 125, 1), ReadoutController::word(1016, 0));
    EXPECT_EQ(m.monitors.Grafik_Data(16 * 125 + 124, 1), ReadoutController::word(1016, 124));
    EXPECT_EQ(m.monitors.Grafik_Data(4999, 4), ReadoutController::word(1159, 124));
    EXPECT_EQ(m.monitors.Grafik_Load_Flag, 0);
    EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);
    EXPECT_FALSE(r.running());
    EXPECT_FALSE(r.Timer1_Enabled);
    EXPECT_FALSE(r.Timer2_Enabled);
    // A late tick after the end sends nothing.
    const std::size_t sent = controller.requested.size();
    r.Timer2_Tick(controller, run.now + 10);
    EXPECT_EQ(controller.requested.size(), sent);
}

// An answer whose bytes stop short (254 of 255) is a failure once they have
// stopped for the gap; where the next answer would begin is then unsure, so
// the same packet is asked for again only when the request's hold has passed.
TEST(TrendReadoutCycle, AnAnswerCutShortIsAFailureAndThePacketIsAskedForAgainOnceTheLineIsSure)
{
    for (ReadoutVariant variant : {ReadoutVariant::Tesk, ReadoutVariant::Orvo}) {
        ProjectModel m;
        TrendReadout r(variant, m);
        FakeController controller;
        controller.shortRegister = 1000;
        r.start(1, 115200);
        r.Timer3_Tick();
        r.Timer6_Tick();
        r.Timer2_Tick(controller, 0); // the request
        ASSERT_EQ(controller.requested.size(), 1u);
        // 254 bytes come at 10 ms; they stop for the gap (50 ms and the
        // answer's 23 ms on the wire): one failure, no beep.
        const int gap = 50 + 23;
        std::int64_t now = 0;
        while (r.failuresInARow() == 0 && now < 1000) {
            const TrendReadout::Tick t = r.Timer2_Tick(controller, now += 10);
            EXPECT_EQ(t.packet, 0);
            EXPECT_FALSE(t.beep);
        }
        EXPECT_EQ(r.failuresInARow(), 1);
        EXPECT_GE(now - 10, gap);
        EXPECT_EQ(controller.requested.size(), 1u);
        while (controller.requested.size() < 2 && now < 10000)
            r.Timer2_Tick(controller, now += 10);
        ASSERT_EQ(controller.requested.size(), 2u);
        EXPECT_GE(now, 2000); // the request's least hold
        EXPECT_EQ(controller.requested[1], 1000);
        const TrendReadout::Tick t = r.Timer2_Tick(controller, now + 10);
        EXPECT_EQ(t.packet, 1);
        EXPECT_EQ(r.failuresInARow(), 0);
    }
}

TEST(TrendReadoutCycle, OrvoReads300PacketsAndDecodesThemAtTheEnd)
{
    ProjectModel m;
    TrendReadout r(ReadoutVariant::Orvo, m);
    EXPECT_EQ(m.monitors.Grafik_CRC_Len, 253);
    EXPECT_EQ(r.Timer2_Interval, 100);
    FakeController controller;
    controller.shortRegister = 1005;
    controller.corruptRegister = 1200;
    r.start(7, 115200);
    const ReadoutRun run = runTicks(r, controller);

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.beeps, 1);
    ASSERT_EQ(run.packets.size(), 300u);
    EXPECT_EQ(run.packets.back(), 300);
    ASSERT_EQ(controller.requested.size(), 302u);
    EXPECT_EQ(controller.requested[5], 1005);
    EXPECT_EQ(controller.requested[6], 1005);
    EXPECT_EQ(controller.requested.back(), 1299);
    EXPECT_EQ(m.monitors.Grafik_Paket, 300);
    EXPECT_EQ(m.monitors.Grafik_Load_Flag, 0);
    EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);

    // The samples are the records of the 300 answers in order, on the raw scale.
    QByteArray raw;
    for (int reg = 1000; reg <= 1299; ++reg)
        raw += ReadoutController::data(reg);
    MonitorTables expected = m.monitors;
    expected.Grafik_Data.fill(0.0f);
    decodeOrvoRecords(expected, raw, orvoAnalogScales(m.schema));
    EXPECT_TRUE(expected.Grafik_Data == m.monitors.Grafik_Data);
}

TEST(TrendReadoutCycle, OrvoIntervalsAndItsAddress)
{
    ProjectModel m;
    TrendReadout r(ReadoutVariant::Orvo, m);
    FakeController controller;
    controller.silentRequests = 1;
    r.start(7, 115200); // the Orvo cycle asks address 1 whatever was chosen
    EXPECT_TRUE(r.Timer1_Enabled);
    r.Timer3_Tick();
    r.Timer6_Tick();
    r.Timer2_Tick(controller, 0);
    EXPECT_EQ(controller.requested.size(), 1u);
    EXPECT_EQ(r.Timer2_Interval, 40);
    r.Timer2_Tick(controller, 40); // nothing came yet: the wait goes on
    EXPECT_EQ(r.Timer2_Interval, 10);
    EXPECT_EQ(controller.line, QByteArray());
}

TEST(TrendReadoutCycle, TwentyFailuresInARowStopTheReadoutWithItsMessage)
{
    for (ReadoutVariant variant : {ReadoutVariant::Tesk, ReadoutVariant::Orvo}) {
        ProjectModel m;
        TrendReadout r(variant, m);
        FakeController controller;
        // Nineteen failures, a good answer, then silence: the count starts over
        // after the good answer, so the stop comes twenty failures after it.
        controller.silentRequests = kReadoutFailureLimit - 1;
        controller.silentFrom = kReadoutFailureLimit;
        r.start(1, 115200);
        ReadoutRun run;
        r.Timer3_Tick();
        r.Timer6_Tick();
        int goodAnswers = 0;
        while (r.Timer2_Enabled && run.now < 1000000) {
            run.now += 10;
            const TrendReadout::Tick t = r.Timer2_Tick(controller, run.now);
            if (t.packet)
                ++goodAnswers;
            if (!t.message.isEmpty())
                run.message = t.message;
        }
        EXPECT_EQ(goodAnswers, 1);
        ASSERT_EQ(controller.requested.size(), static_cast<std::size_t>(2 * kReadoutFailureLimit));
        EXPECT_EQ(controller.requested[kReadoutFailureLimit - 1], 1000);
        EXPECT_EQ(controller.requested.back(), 1001); // the same packet every time after it
        EXPECT_EQ(run.message,
                  QStringLiteral("Немає правильної відповіді контролера на 20 запитів поспіль. Зчитування зупинено."));
        EXPECT_FALSE(r.running());
        EXPECT_FALSE(r.Timer1_Enabled || r.Timer2_Enabled || r.Timer3_Enabled || r.Timer6_Enabled);
        EXPECT_EQ(m.monitors.Grafik_Load_Flag, 0);
        EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);
        // The next start is a start, from packet 1.
        ASSERT_EQ(r.start(1, 115200).outcome, ReadoutCommand::Started);
        r.Timer3_Tick();
        r.Timer6_Tick();
        r.Timer2_Tick(controller, run.now + 10);
        EXPECT_EQ(controller.requested.back(), 1000);
    }
}

TEST(TrendReadoutCycle, BadChecksumsCountAsFailuresAndBeep)
{
    ProjectModel m;
    TrendReadout r(ReadoutVariant::Tesk, m);
    r.start(1, 115200);
    r.Timer3_Tick();
    r.Timer6_Tick();
    struct Corrupting final : LinkIo {
        QByteArray line;
        bool send(const QByteArray &request) override
        {
            QByteArray a = ReadoutController::answer(1, static_cast<std::uint8_t>(request[2]) * 256 +
                                                            static_cast<std::uint8_t>(request[3]));
            a[253] = static_cast<char>(a[253] ^ 1);
            line += a;
            return true;
        }
        std::optional<QByteArray> read() override { return std::exchange(line, QByteArray()); }
        qint64 pendingOutput() override { return 0; }
    } io;
    int beeps = 0;
    QString message;
    for (std::int64_t now = 0; r.Timer2_Enabled; now += 10) {
        const TrendReadout::Tick t = r.Timer2_Tick(io, now);
        beeps += t.beep;
        message += t.message;
    }
    EXPECT_EQ(beeps, kReadoutFailureLimit);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_EQ(m.monitors.Grafik_CRC_Error, 1);
}

TEST(TrendReadoutCycle, StopEndsEverythingAndANewStartBeginsAtPacket1)
{
    for (ReadoutVariant variant : {ReadoutVariant::Tesk, ReadoutVariant::Orvo}) {
        ProjectModel m;
        TrendReadout r(variant, m);
        FakeController controller;
        r.start(1, 115200);
        r.Timer3_Tick();
        r.Timer6_Tick();
        for (int i = 0; i < 20; ++i)
            r.Timer2_Tick(controller, 10 * i);
        EXPECT_GT(m.monitors.Grafik_Paket, 1);
        r.stop();
        EXPECT_EQ(m.monitors.Grafik_Load_Flag, 0);
        EXPECT_EQ(m.monitors.Grafik_Paket, 0);
        EXPECT_EQ(m.monitors.Grafik_Register, 0);
        EXPECT_EQ(m.monitors.Grafik_Zapyt, 0);
        EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);
        EXPECT_FALSE(r.Timer1_Enabled || r.Timer2_Enabled || r.Timer3_Enabled || r.Timer6_Enabled);
        // Ticks that were already due do nothing.
        const std::size_t sent = controller.requested.size();
        r.Timer3_Tick();
        r.Timer6_Tick();
        r.Timer2_Tick(controller, 1000);
        EXPECT_EQ(controller.requested.size(), sent);
        EXPECT_FALSE(r.Timer2_Enabled);

        r.start(1, 115200);
        r.Timer3_Tick();
        r.Timer6_Tick();
        r.Timer2_Tick(controller, 2000);
        EXPECT_EQ(controller.requested.back(), 1000);
    }
}

TEST(TrendReadoutCommand, ARunningReadoutStopsAnotherTransferRefusesAndAPortThatCannotOpenSaysSo)
{
    test::ScopedEnv noDevice("PELMORA_COM3", QStringLiteral("/nonexistent/pelmora-tty"));
    ProjectModel m;
    ControllerLink link;
    TrendReadout tesk(ReadoutVariant::Tesk, m);
    TrendReadout orvo(ReadoutVariant::Orvo, m);

    // No port chosen yet (Grafik_COM 0), or one that does not open.
    for (int com : {0, 3}) {
        m.monitors.Grafik_COM = static_cast<std::uint8_t>(com);
        const auto result = orvo.startOrStop(link, 1);
        EXPECT_EQ(result.outcome, ReadoutCommand::PortError) << com;
        EXPECT_EQ(result.message, QStringLiteral("Помилка № COM?"));
        EXPECT_FALSE(orvo.running());
        EXPECT_FALSE(orvo.Timer1_Enabled || orvo.Timer3_Enabled);
        EXPECT_EQ(m.monitors.Grafik_Load_Flag, 0);
        EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);
    }

    // While the Tesk monitor reads, the Orvo monitor is refused and changes nothing.
    ASSERT_EQ(tesk.start(2, 115200).outcome, ReadoutCommand::Started);
    tesk.Timer3_Tick();
    EXPECT_EQ(m.monitors.Grafik_Register, 1000);
    const auto refused = orvo.startOrStop(link, 1);
    EXPECT_EQ(refused.outcome, ReadoutCommand::Refused);
    EXPECT_EQ(refused.message, QStringLiteral("Іде інший обмін з контролером. Зачекайте його завершення."));
    EXPECT_FALSE(orvo.running());
    // Its stop or close leaves the other readout alone.
    orvo.stop();
    EXPECT_TRUE(tesk.running());
    EXPECT_EQ(m.monitors.Grafik_Load_Flag, 1);
    EXPECT_EQ(m.monitors.Grafik_Register, 1000);
    EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::TeskReadout);

    // The Tesk command again is a stop, without a message; the Orvo one says so.
    const auto stopped = tesk.startOrStop(link, 2);
    EXPECT_EQ(stopped.outcome, ReadoutCommand::Stopped);
    EXPECT_TRUE(stopped.message.isEmpty());
    EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);
    ASSERT_EQ(orvo.start(1, 115200).outcome, ReadoutCommand::Started);
    const auto cancelled = orvo.startOrStop(link, 1);
    EXPECT_EQ(cancelled.outcome, ReadoutCommand::Stopped);
    EXPECT_EQ(cancelled.message, QStringLiteral("Помилка завантаження"));

    // An upload holds the link: both monitors are refused.
    m.link.Transfer_Busy = LinkTransfer::Page;
    EXPECT_EQ(tesk.startOrStop(link, 1).outcome, ReadoutCommand::Refused);
    EXPECT_EQ(orvo.start(1, 115200).outcome, ReadoutCommand::Refused);
    EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::Page);
    EXPECT_EQ(m.monitors.Grafik_Load_Flag, 0);

    // A monitor that goes while it reads gives the link back.
    m.link.Transfer_Busy = LinkTransfer::None;
    {
        TrendReadout closing(ReadoutVariant::Orvo, m);
        ASSERT_EQ(closing.start(1, 115200).outcome, ReadoutCommand::Started);
        EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::OrvoReadout);
    }
    EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);
    EXPECT_EQ(m.monitors.Grafik_Load_Flag, 0);
    EXPECT_EQ(tesk.startOrStop(link, 1).outcome, ReadoutCommand::PortError); // a start again, not a stop
}

TEST(TrendReadoutCycle, Progress)
{
    ProjectModel m;
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
        TrendReadout r(c.variant, m);
        m.monitors.Grafik_Paket = static_cast<std::int16_t>(c.packets);
        EXPECT_FLOAT_EQ(r.progress(), c.value) << c.packets;
    }
}

} // namespace
} // namespace pelmora
