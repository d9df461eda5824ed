// The page and mechanism uploads' exchange checked over generated schedules
// in simulated time: for every frame the schedule says when (if ever) its
// reply comes and what it is. Every run must keep these:
// (a) "done" only when every packet's last copy was answered good;
// (b) no frame leaves while an earlier one is out without its verdict
//     (answered, judged bad, or declared lost);
// (c) the run ends, and never goes longer than its stated bound without a
//     packet accepted.
// A failing case prints the schedule (and its seed) to replay it.

#include "support/packet_line.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace pelmora {
namespace {

using test::ReplyPlan;
using Fault = ReplyPlan::Fault;

struct Schedule {
    std::uint32_t seed = 0;
    int kind = 1; // 1: serial, 9: TCP
    int baud = 115200;
    int lineBaud = 0;
    int period = 300;
    std::vector<int> rows;
    int packetSize = 1034;
    std::map<int, ReplyPlan> plans; // by frame taken; others good after baseDelay
    int baseDelay = 0;
    test::Lateness late;
    int latePercent = 0, lateMax = 0;

    std::string describe() const
    {
        std::ostringstream o;
        o << "seed " << seed << (kind == 9 ? " tcp" : " serial ") << (kind == 9 ? 0 : baud);
        if (lineBaud)
            o << " line " << lineBaud;
        o << " period " << period << " size " << packetSize << " rows";
        for (int r : rows)
            o << ' ' << r;
        o << " delay " << baseDelay;
        if (latePercent)
            o << " late " << latePercent << "%<=" << lateMax;
        for (const auto &[i, p] : plans)
            o << " | frame " << i << ' ' << test::faultName(p.fault) << " delay " << p.delayMs << " bytes " << p.bytes
              << " gap " << p.gapMs;
        return o.str();
    }
};

struct Checked {
    PacketSender::End end = PacketSender::End::None;
    std::string failure; // empty: every invariant held
    std::size_t frames = 0;
};

Checked runChecked(const Schedule &sc)
{
    Checked out;
    LinkState state;
    const int baud = sc.kind == 9 ? 0 : sc.baud;
    test::ScriptedLine line(test::packetLine(
        baud,
        [&sc](int i) {
            const auto it = sc.plans.find(i);
            ReplyPlan p = it != sc.plans.end() ? it->second : ReplyPlan{};
            if (it == sc.plans.end())
                p.delayMs = sc.baseDelay;
            return p;
        },
        sc.kind == 9 ? 0 : sc.lineBaud, sc.seed));
    PacketSender sender(state, [&line] { return line.now(); });
    const PacketSender::Rows rows = test::numberedRows(sc.rows, sc.packetSize);

    std::mt19937 lateRng(sc.seed ^ 0x5bd1e995u);
    test::Lateness late;
    if (sc.latePercent) {
        late.rng = &lateRng;
        late.percent = sc.latePercent;
        late.maxMs = sc.lateMax;
    }
    std::string broken;
    int lastItem = 0;
    qint64 progressAt = 0;
    qint64 longestStill = 0;
    const auto check = [&] {
        const AcknowledgedExchange &ack = sender.exchange();
        const Exchange &ex = ack.exchange();
        const int newest = ex.frameCount() - 1;
        for (Exchange::Frame f = 0; f < newest && broken.empty(); ++f)
            if (!ex.answered(f) && !ack.decided(f) && !ex.lost(f, line.now()))
                broken = "(b) frame " + std::to_string(newest) + " left at " + std::to_string(line.now()) +
                         " while frame " + std::to_string(f) + " was out without a verdict";
        if (ack.item() != lastItem) {
            lastItem = ack.item();
            progressAt = line.now();
        }
        longestStill = qMax(longestStill, line.now() - progressAt);
    };
    const test::SenderRun run =
        test::runSender(sender, line, rows, sc.kind, sc.period, baud, 30 * 60 * 1000, late, check);
    out.frames = line.taken().size();
    out.end = run.last.end;
    const qint64 bound = sender.exchange().boundMs();
    if (!broken.empty())
        out.failure = broken;
    else if (!run.outcome.ended)
        out.failure = "(c) the run did not end";
    else if (qMax(longestStill, run.outcome.endedAt - progressAt) > bound)
        out.failure = "(c) " + std::to_string(qMax(longestStill, run.outcome.endedAt - progressAt)) +
                      " ms without a packet accepted, over the bound " + std::to_string(bound);
    else if (run.last.end == PacketSender::End::Done) {
        std::string why;
        if (!test::everyLastCopyGood(line, rows, &why))
            out.failure = "(a) done, but " + why;
    }
    return out;
}

ReplyPlan faultOfKind(int k, int hold)
{
    switch (k) {
    case 0: return {Fault::Lost};
    case 1: return {Fault::BadStatus};
    case 2: return {Fault::BadCrc};
    case 3: return {Fault::CutShort, 0, 3};
    case 4: return {Fault::Twice};
    case 5: return {Fault::Junk, 0, 7};
    case 6: return {Fault::Flood, 0, 600};
    case 7: return {Fault::Split, 0, 2, 5};
    case 8: return {Fault::Split, 0, 2, 200};
    case 9: return {Fault::None, 600};
    default: return {Fault::None, hold - 150};
    }
}
constexpr int kFaultKinds = 11;

// Every single fault and every pair of faults at any two of the first eight
// frames of a four-packet transfer, over a serial line and over TCP.
TEST(PacketSchedules, EverySingleAndPairOfFaultsOnFourPackets)
{
    int runs = 0, done = 0;
    for (int kind : {1, 9}) {
        const int hold = Exchange::kHoldMs;
        for (int a = 0; a < 8 * kFaultKinds; ++a)
            for (int b = a; b < 8 * kFaultKinds; ++b) {
                const int frameA = a / kFaultKinds, frameB = b / kFaultKinds;
                if (a != b && frameA == frameB)
                    continue;
                Schedule sc;
                sc.kind = kind;
                sc.rows = {4};
                sc.packetSize = 200;
                sc.seed = static_cast<std::uint32_t>(a * 1000 + b);
                sc.plans[frameA] = faultOfKind(a % kFaultKinds, hold);
                sc.plans[frameB] = faultOfKind(b % kFaultKinds, hold);
                const Checked c = runChecked(sc);
                ++runs;
                done += c.end == PacketSender::End::Done;
                ASSERT_TRUE(c.failure.empty()) << c.failure << "\n  " << sc.describe();
            }
    }
    // Two faults never exhaust the eight tries: every run is written whole.
    EXPECT_EQ(done, runs);
}

Schedule generated(std::uint32_t seed)
{
    std::mt19937 rng(seed);
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    Schedule sc;
    sc.seed = seed;
    sc.kind = pick(4) == 0 ? 9 : 1;
    const int bauds[] = {9600, 19200, 57600, 115200};
    sc.baud = bauds[pick(4)];
    if (sc.kind == 1 && pick(4) == 0)
        sc.lineBaud = qMax(1200, sc.baud / (2 + pick(12))); // a slower gateway on the way
    const int periods[] = {1, 5, 50, 300};
    sc.period = periods[pick(4)];
    const int rowCount = 1 + pick(3);
    for (int r = 0; r < rowCount; ++r)
        sc.rows.push_back(pick(5));
    sc.packetSize = 8 + pick(1027);
    // Written wait of the link, to draw delays from nothing to several times it.
    const int written = sc.kind == 9 ? 500 : 50;
    sc.baseDelay = pick(4) == 0 ? pick(3 * written) : pick(20);
    const int faultPercent = pick(4) * 10;
    const int frames = 80;
    for (int i = 0; i < frames; ++i) {
        if (pick(100) >= faultPercent)
            continue;
        ReplyPlan p = faultOfKind(pick(kFaultKinds), Exchange::kHoldMs);
        if (p.fault != Fault::None)
            p.delayMs = pick(4) == 0 ? pick(4 * written) : sc.baseDelay;
        if (p.fault == Fault::Flood)
            p.bytes = 50 + pick(4000);
        if (p.fault == Fault::Junk || p.fault == Fault::CutShort)
            p.bytes = 1 + pick(p.fault == Fault::Junk ? 40 : 4);
        if (p.fault == Fault::Split)
            p.gapMs = pick(120);
        sc.plans[i] = p;
    }
    if (pick(3) == 0) {
        sc.latePercent = 10 + pick(40);
        sc.lateMax = 1 + pick(60);
    }
    return sc;
}

// Thousands of generated schedules: delays from nothing to several times the
// written wait and now and then up to the hold, any fault at any frame, any
// line speed, a slower gateway, and steps running late on a busy machine.
TEST(PacketSchedules, GeneratedSchedulesKeepTheInvariants)
{
    int done = 0;
    constexpr int kRuns = 3000;
    for (std::uint32_t seed = 1; seed <= kRuns; ++seed) {
        const Schedule sc = generated(seed);
        const Checked c = runChecked(sc);
        done += c.end == PacketSender::End::Done;
        ASSERT_TRUE(c.failure.empty()) << c.failure << "\n  " << sc.describe();
    }
    // Most schedules are written whole; the rest end with the give-up message.
    EXPECT_GT(done, kRuns / 2);
}

// A clean line sends every packet once, whatever its speed.
TEST(PacketSchedules, ACleanRunSendsNoPacketTwice)
{
    for (int kind : {1, 9})
        for (int baud : {9600, 115200}) {
            Schedule sc;
            sc.kind = kind;
            sc.baud = baud;
            sc.rows = {6, 6, 6, 6, 6, 6, 6, 10};
            sc.baseDelay = 3;
            const Checked c = runChecked(sc);
            EXPECT_TRUE(c.failure.empty()) << c.failure;
            EXPECT_EQ(c.end, PacketSender::End::Done);
            EXPECT_EQ(c.frames, 52u) << sc.describe();
        }
}

// The line of a radio modem or serial gateway that carries the frames at
// 9600 baud while the program writes at 115200, with one reply lost: the
// replies come long after the program reckons the frames have left.
TEST(PacketSchedules, ASlowGatewayWithOneLostReply)
{
    for (int lost = 0; lost < 6; ++lost) {
        Schedule sc;
        sc.rows = {4};
        sc.lineBaud = 9600;
        sc.plans[lost] = {Fault::Lost};
        const Checked c = runChecked(sc);
        EXPECT_TRUE(c.failure.empty()) << c.failure << "\n  " << sc.describe();
        EXPECT_EQ(c.end, PacketSender::End::Done) << sc.describe();
    }
}

// A peer that floods or answers junk to everything ends the transfer with the
// message, within the bound.
TEST(PacketSchedules, APeerThatFloodsOrAnswersJunkEndsWithTheMessage)
{
    for (int kind : {1, 9})
        for (Fault f : {Fault::Flood, Fault::Junk}) {
            Schedule sc;
            sc.kind = kind;
            sc.rows = {4};
            for (int i = 0; i < 40; ++i)
                sc.plans[i] = {f, 0, f == Fault::Flood ? 100000 : 11};
            const Checked c = runChecked(sc);
            EXPECT_TRUE(c.failure.empty()) << c.failure << "\n  " << sc.describe();
            EXPECT_EQ(c.end, PacketSender::End::GaveUp) << sc.describe();
        }
}

} // namespace
} // namespace pelmora
