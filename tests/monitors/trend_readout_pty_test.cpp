// The readout against the controller simulator over a socat pseudo-terminal
// pair: the program's link on one end as COM1, the simulator on the other.

#include "monitors/trend_channels.h"
#include "monitors/trend_decoding.h"
#include "monitors/trend_file.h"
#include "monitors/trend_plot.h"
#include "monitors/trend_readout.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_pty.h"
#include "support/simulator_readout.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>

namespace pelmora {
namespace {

using test::ControllerSimulator;
using test::PtyPair;
using test::ReadoutController;
using test::ReplyFault;
using test::ScopedEnv;

// The registers asked for run from `first` on, each asked once or, where a
// busy machine let a wait run out, asked again right away; never one skipped,
// never an earlier one asked after a later one.
void expectAskedInOrder(const std::vector<int> &asked, int first, int count)
{
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), first);
    EXPECT_EQ(asked.back(), first + count - 1);
    for (std::size_t i = 1; i < asked.size(); ++i) {
        const int step = asked[i] - asked[i - 1];
        EXPECT_TRUE(step == 0 || step == 1) << "request " << i << ": " << asked[i - 1] << " then " << asked[i];
    }
}

class ReadoutOverPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(line.ok()) << line.error().toStdString();
        m.monitors.Grafik_COM = 1;
    }

    struct Run {
        std::vector<int> packets;
        int beeps = 0;
        bool finished = false;
        QString message;
    };

    // The start command, then the window's timers: the start and start-delay
    // ticks, then the cycle's tick every 2 ms (the handlers are called
    // directly, faster than the window's timers would) until the readout
    // ends or stopAfter good answers have come.
    Run run(TrendReadout &r, int stopAfter = 0, int timeoutMs = 60000)
    {
        Run out;
        const auto command = r.startOrStop(link, 1);
        EXPECT_EQ(command.outcome, ReadoutCommand::Started) << command.message.toStdString();
        r.Timer3_Tick();
        r.Timer6_Tick();
        ControllerLinkIo io(link, m.monitors.Grafik_COM);
        QElapsedTimer clock;
        clock.start();
        while (r.Timer2_Enabled && clock.elapsed() < timeoutMs) {
            // The link's one clock: what a readout leaves on the link is timed by it.
            const TrendReadout::Tick t = r.Timer2_Tick(io, linkClockMs());
            if (t.packet)
                out.packets.push_back(t.packet);
            out.beeps += t.beep;
            out.finished = out.finished || t.finished;
            out.message += t.message;
            if (stopAfter > 0 && static_cast<int>(out.packets.size()) >= stopAfter)
                r.stop();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            QThread::msleep(2);
        }
        return out;
    }

    ControllerSimulator sim;
    test::SimulatorLine line{sim, test::Transport::Pty, 1};
    ReadoutController controller{sim};
    ControllerLink link;
    ProjectModel m;
};

TEST_F(ReadoutOverPty, OrvoReadoutOf300PacketsIsDecodedPlottedSavedAndOpenedAgainEqual)
{
    TrendReadout r(ReadoutVariant::Orvo, m);
    const Run out = run(r);
    ASSERT_TRUE(out.finished) << out.message.toStdString();
    EXPECT_EQ(out.beeps, 0);
    std::vector<int> expected(300);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(out.packets, expected);
    expectAskedInOrder(controller.requested(), 1000, 300);
    EXPECT_EQ(controller.refused(), 0);
    EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);
    EXPECT_TRUE(link.serialIsOpen()); // the monitors leave the port open

    // Samples from the registers the simulator sent: record r's analog word k
    // starts at byte 15r + 2k of the 75000 bytes, register 1000 + byte / 250.
    const auto rawByte = [](int at) {
        const std::uint16_t w = ReadoutController::word(1000 + at / 250, (at % 250) / 2);
        return at % 2 == 0 ? w >> 8 : w & 0xFF;
    };
    int negative = 0;
    for (int rec : {0, 1, 17, 2500, 4999}) {
        for (int k = 0; k < 4; ++k) {
            const auto word = static_cast<std::int16_t>(rawByte(15 * rec + 2 * k) << 8 | rawByte(15 * rec + 2 * k + 1));
            negative += word < 0;
            EXPECT_EQ(m.monitors.Grafik_Data(rec, 45 - k), static_cast<float>(word)) << rec << " " << k;
        }
        EXPECT_EQ(m.monitors.Grafik_Data(rec, 41), rawByte(15 * rec + 8));
        EXPECT_EQ(m.monitors.Grafik_Data(rec, 40), rawByte(15 * rec + 9));
        for (int j = 0; j < 8; ++j)
            EXPECT_EQ(m.monitors.Grafik_Data(rec, 39 - j), (rawByte(15 * rec + 10) >> j) & 1);
        EXPECT_EQ(m.monitors.Grafik_Data(rec, 0), (rawByte(15 * rec + 14) >> 7) & 1);
    }
    EXPECT_GT(negative, 0); // words of 0x8000 and above were among them
    for (int c = 0; c <= 45; ++c)
        EXPECT_EQ(m.monitors.Grafik_Data(5000, c), 0.0f) << c; // past the data, on the raw scale

    // Plotted: a bar where a discrete column is 1, the last analog trend through its samples.
    setOrvoChannelDefaults(m.monitors, m.schema); // the raw scale 0..3200: no analog-input block
    for (int c = 0; c <= 45; ++c)
        m.monitors.Grafik_Color(c) = 0x010101 * (c + 10);
    TrendPlot plot(PlotWindow::Orvo);
    plot.fullRedraw(m.monitors);
    int bars = 0;
    for (int s = 0; s < 300; ++s)
        if (m.monitors.Grafik_Data(s, 5) == 1.0f && (3 * s + 1) % 100 != 0) { // off the grid's columns
            ++bars;
            EXPECT_EQ(plot.picture().pixel(3 * s + 1, 13 * 5 + 5), rgbOf(m.monitors.Grafik_Color(5))) << s;
        }
    EXPECT_GT(bars, 0);
    const int y =
        trendY(m.monitors.Grafik_Data(99, 45), m.monitors.Grafik_Min(45), m.monitors.Grafik_Max(45), 520, 620);
    EXPECT_EQ(plot.picture().pixel(3 * 100, y), rgbOf(m.monitors.Grafik_Color(45)));

    // Saved with the trend file writer, opened again: the same values.
    m.monitors.Grafik_Cikl = 1;
    const QByteArray file = writeTrendFile(m.monitors, 0x202020, TrendLayout::Channels46);
    MonitorTables back;
    std::int32_t background = 0;
    ASSERT_FALSE(readTrendFile(file, TrendLayout::Channels46, back, background).has_value());
    EXPECT_EQ(background, 0x202020);
    EXPECT_TRUE(back.Grafik_Data == m.monitors.Grafik_Data);
    EXPECT_TRUE(back.Grafik_Min == m.monitors.Grafik_Min);
    EXPECT_TRUE(back.Grafik_Max == m.monitors.Grafik_Max);
    EXPECT_TRUE(back.Grafik_Color == m.monitors.Grafik_Color);
    EXPECT_TRUE(back.Grafik_Name_IO == m.monitors.Grafik_Name_IO);
    EXPECT_EQ(back.Grafik_Cikl, 1);
    EXPECT_EQ(back.Grafik_COM, 1);
    EXPECT_EQ(back.Grafik_Num_Net, 1);
}

TEST_F(ReadoutOverPty, ABadChecksumIsAnsweredByTheSameRequest)
{
    for (ReadoutVariant variant : {ReadoutVariant::Tesk, ReadoutVariant::Orvo}) {
        // The request the last case left out has crossed and been answered before this case begins.
        ControllerSimulator::waitFor([] { return false; }, 100);
        ASSERT_TRUE(
            ControllerSimulator::waitFor([&] { return sim.repliesSent() == static_cast<int>(sim.frames().size()); }));
        sim.nextFaults.push_back(ReplyFault{});
        sim.nextFaults.push_back(ReplyFault{});
        ReplyFault bad;
        bad.badCrc = true;
        sim.nextFaults.push_back(bad);
        const std::size_t before = controller.requested().size();
        TrendReadout r(variant, m);
        const Run out = run(r, 4);
        EXPECT_EQ(out.beeps, 1);
        ASSERT_EQ(out.packets, (std::vector<int>{1, 2, 3, 4}));
        const std::vector<int> asked(controller.requested().begin() + static_cast<std::ptrdiff_t>(before),
                                     controller.requested().end());
        EXPECT_EQ(asked, (std::vector<int>{1000, 1001, 1002, 1002, 1003}));
        EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);
    }
}

TEST_F(ReadoutOverPty, AtWireSpeedEveryAnswerComesWithinItsWait)
{
    sim.lineBaud = 115200; // each request and answer takes its wire time
    TrendReadout r(ReadoutVariant::Orvo, m);
    const Run out = run(r, 15);
    EXPECT_EQ(out.beeps, 0);
    std::vector<int> expected(15);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(out.packets, expected);
    expectAskedInOrder(controller.requested(), 1000, 15);
}

// Answers 100, 200 and 600 ms late, one of them with a bad checksum: the
// packets taken are the ones asked for, in order, each with its own samples,
// or the readout ends with its message; never a sample of another packet.
TEST_F(ReadoutOverPty, LateAnswersAreNeverTakenForAnotherRequests)
{
    constexpr int kPackets = 4;
    for (int delay : {100, 200, 600}) {
        ReplyFault late;
        late.delayMs = delay;
        sim.fault = late;
        sim.rejectOnce = readRequest(1, 1001);
        m.monitors.Grafik_Data.fill(-1.0f);
        TrendReadout r(ReadoutVariant::Tesk, m);
        const Run out = run(r, kPackets);
        if (!out.message.isEmpty()) {
            EXPECT_FALSE(out.finished) << delay;
            continue;
        }
        ASSERT_EQ(out.packets, (std::vector<int>{1, 2, 3, 4})) << delay;
        EXPECT_EQ(out.beeps, 1) << delay;
        MonitorTables expected = m.monitors;
        expected.Grafik_Data.fill(-1.0f);
        for (int n = 1; n <= kPackets; ++n)
            decodeTeskPacket(expected, n, ReadoutController::data(999 + n));
        EXPECT_TRUE(expected.Grafik_Data == m.monitors.Grafik_Data) << delay;
        // Whatever is still on its way goes before the next case.
        ControllerSimulator::waitFor([] { return false; }, 3 * delay);
        link.discardInput(1);
    }
}

// A controller that never answers: the first request is asked twenty times,
// each again once its hold has passed, then the readout stops with its
// message and gives the link back.
TEST_F(ReadoutOverPty, ASilentControllerStopsTheReadoutAfterTwentyRequests)
{
    sim.fault.silent = true;
    TrendReadout r(ReadoutVariant::Orvo, m);
    const Run out = run(r, 0, 120000);
    EXPECT_FALSE(out.finished);
    EXPECT_EQ(out.message,
              QStringLiteral("Немає правильної відповіді контролера на 20 запитів поспіль. Зчитування зупинено."));
    ASSERT_EQ(sim.frames().size(), 20u);
    for (const auto &f : sim.frames())
        EXPECT_EQ(f.bytes, readRequest(1, 1000));
    EXPECT_FALSE(r.running());
    EXPECT_EQ(m.monitors.Grafik_Load_Flag, 0);
    EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);
}

// A peer that answers every request with junk: the readout stops with its
// message after twenty failures, within two minutes, and the next readout
// from a good controller reads its packets.
TEST_F(ReadoutOverPty, APeerThatAnswersJunkStopsTheReadoutAndTheNextReadoutReads)
{
    sim.fault.junkBytes = 40;
    TrendReadout r(ReadoutVariant::Orvo, m);
    const Run junk = run(r, 0, 120000);
    EXPECT_FALSE(junk.finished);
    EXPECT_EQ(junk.message,
              QStringLiteral("Немає правильної відповіді контролера на 20 запитів поспіль. Зчитування зупинено."));
    EXPECT_EQ(m.link.Transfer_Busy, LinkTransfer::None);

    sim.fault = ReplyFault();
    // What broke the order of the answers is past once the last request's hold has passed.
    ControllerSimulator::waitFor([] { return false; }, 3000);
    TrendReadout again(ReadoutVariant::Tesk, m);
    const Run good = run(again, 3);
    EXPECT_EQ(good.packets, (std::vector<int>{1, 2, 3}));
}

} // namespace
} // namespace pelmora
