// The page and mechanism uploads' exchange checked over generated schedules
// in simulated time: for every frame the schedule says when (if ever) its
// reply comes and what it is. Every run must keep these, checked against the
// line's truth after every step (test::ExchangeWatch):
// (a) a packet is accepted only when its last copy was answered good, and
//     "done" only when every packet's last copy was;
// (b) no frame leaves while an earlier one is out: its reply not all in and
//     its least hold not passed;
// (c) the run ends, and never goes longer than the table's cap without a
//     packet accepted.
// A failing case prints the schedule (and its seed) to replay it.

#include "support/packet_line.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    int latePercent = 0, lateMax = 0;
    std::map<qint64, int> noise; // bytes of noise on the line (random bytes), by when they come
    qint64 stillCapMs = 0;       // the longest a run may go without a packet accepted

    std::string describe() const
    {
        std::ostringstream o;
        o << "seed " << seed;
        if (kind == 9)
            o << " tcp";
        else
            o << " serial " << baud;
        if (lineBaud)
            o << " line " << lineBaud;
        o << " period " << period << " size " << packetSize << " rows";
        for (int r : rows)
            o << ' ' << r;
        o << " delay " << baseDelay;
        if (latePercent)
            o << " late " << latePercent << "%<=" << lateMax;
        for (const auto &[at, bytes] : noise)
            o << " | noise at " << at << " bytes " << bytes;
        for (const auto &[i, p] : plans)
            o << " | frame " << i << ' ' << test::faultName(p.fault) << " delay " << p.delayMs << " bytes " << p.bytes
              << " gap " << p.gapMs << " held " << p.heldMs;
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
    std::mt19937 noiseRng(sc.seed ^ 0x2545f491u);
    for (const auto &[at, bytes] : sc.noise) {
        QByteArray b(bytes, '\0');
        for (char &c : b)
            c = static_cast<char>(noiseRng() & 0xFF);
        line.inject(at, b);
    }
    PacketSender sender(state, [&line] { return line.now(); });
    const PacketSender::Rows rows = test::numberedRows(sc.rows, sc.packetSize);
    const std::vector<QByteArray> packets = test::packetsOf(rows);

    test::ExchangeWatch watch(
        line, [&packets](int item) { return packets.at(static_cast<std::size_t>(item)); }, sc.stillCapMs);
    const test::Lateness late = watch.lateness(sc.seed ^ 0x5bd1e995u, sc.latePercent, sc.lateMax);
    const test::SenderRun run = test::runSender(sender, line, rows, sc.kind, sc.period, baud, 30 * 60 * 1000, late,
                                                [&] { watch.afterStep(sender.exchange().item()); });
    out.frames = line.taken().size();
    out.end = run.last.end;
    out.failure = watch.failure(run.outcome);

    std::string why;
    if (out.failure.empty() && run.last.end == PacketSender::End::Done && !test::everyLastCopyGood(line, rows, &why))
        out.failure = "(a) done, but " + why;
    return out;
}

ReplyPlan faultOfKind(int k)
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
    case 10: return {Fault::None, test::kLeastHoldMs - 150};
    default: { // the port holds the packet back for a while
        ReplyPlan held;
        held.heldMs = 300;
        return held;
    }
    }
}
constexpr int kFaultKinds = 12;

// Every single fault and every pair of faults at any two of the first eight
// frames of a four-packet transfer: over TCP, over a serial line at 115200
// baud, and at 9600 baud, where a packet's wire time is longer than the gap
// that cuts a reply short.
TEST(PacketSchedules, EverySingleAndPairOfFaultsOnFourPackets)
{
    struct Line {
        int kind;
        int baud;
        int wireMs; // of a 200-byte packet
    };
    const Line lines[] = {{9, 0, 0}, {1, 115200, 18}, {1, 9600, 209}};
    int runs = 0, done = 0;
    for (const Line &l : lines) {
        // Two faults on the copies of one packet: each costs at most the
        // copy's wire time and its least hold after it left; then the third
        // copy's wire time, and 100 ms for its reply.
        const qint64 cap = 2 * (l.wireMs + test::kLeastHoldMs) + l.wireMs + 100;
        for (int a = 0; a < 8 * kFaultKinds; ++a)
            for (int b = a; b < 8 * kFaultKinds; ++b) {
                const int frameA = a / kFaultKinds, frameB = b / kFaultKinds;
                if (a != b && frameA == frameB)
                    continue;
                Schedule sc;
                sc.kind = l.kind;
                sc.baud = l.baud;
                sc.rows = {4};
                sc.packetSize = 200;
                sc.seed = static_cast<std::uint32_t>(a * 1000 + b);
                sc.stillCapMs = cap;
                sc.plans[frameA] = faultOfKind(a % kFaultKinds);
                sc.plans[frameB] = faultOfKind(b % kFaultKinds);
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
    // Rows may be empty, but the transfer has a packet at least.
    if (std::all_of(sc.rows.begin(), sc.rows.end(), [](int n) { return n == 0; }))
        sc.rows.back() = 1 + pick(4);
    sc.packetSize = 8 + pick(1027);
    // Written wait of the link, to draw delays from nothing to several times it.
    const int written = sc.kind == 9 ? 500 : 50;
    sc.baseDelay = pick(4) == 0 ? pick(3 * written) : pick(20);
    const int faultPercent = pick(4) * 10;
    const int frames = 80;
    for (int i = 0; i < frames; ++i) {
        if (pick(100) >= faultPercent)
            continue;
        ReplyPlan p = faultOfKind(pick(kFaultKinds));
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
    if (pick(4) == 0)
        for (int n = 1 + pick(3); n > 0; --n)
            sc.noise[pick(20000)] = 1 + pick(20);
    return sc;
}

// Thousands of generated schedules: delays from nothing to several times the
// written wait and now and then up to the hold, any fault at any frame, any
// line speed, a slower gateway, steps running late on a busy machine, and
// noise on the line at any time.
TEST(PacketSchedules, GeneratedSchedulesKeepTheInvariants)
{
    // Eight copies of a packet at most go between two packets accepted (seven
    // bad verdicts and the good one, or eight and the give-up). Each is
    // judged within its hold after it left: the longest packet takes 1078 ms
    // at 9600 baud, and its hold is at most its wire time, twice the longest
    // a reply can be late and still come (the least hold) and a 50 ms margin.
    // Steps run up to 60 ms late.
    constexpr qint64 kCap = 8 * (1078 + (1078 + 2 * test::kLeastHoldMs + 50) + 60);
    int done = 0;
    constexpr int kRuns = 3000;
    for (std::uint32_t seed = 1; seed <= kRuns; ++seed) {
        Schedule sc = generated(seed);
        sc.stillCapMs = kCap;
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
            // A packet of 1034 bytes takes 1078 ms at 9600 baud, its reply 6 ms
            // and the controller 3 ms.
            sc.stillCapMs = 1100;
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
        // The lost reply's copy is declared lost a hold after it left, a least
        // hold grown by the second the gateway makes each reply late; the next
        // copy crosses in a second more.
        sc.stillCapMs = 2 * test::kLeastHoldMs;
        const Checked c = runChecked(sc);
        EXPECT_TRUE(c.failure.empty()) << c.failure << "\n  " << sc.describe();
        EXPECT_EQ(c.end, PacketSender::End::Done) << sc.describe();
    }
}

// A peer that floods or answers junk to everything ends the transfer with the
// message after eight copies of the first packet: each of the first seven is
// sent again once a least hold has passed after it left (90 ms on the wire),
// and the junk after the eighth gives up at once.
TEST(PacketSchedules, APeerThatFloodsOrAnswersJunkEndsWithTheMessage)
{
    for (int kind : {1, 9})
        for (Fault f : {Fault::Flood, Fault::Junk}) {
            Schedule sc;
            sc.kind = kind;
            sc.rows = {4};
            for (int i = 0; i < 40; ++i)
                sc.plans[i] = {f, 0, f == Fault::Flood ? 100000 : 11};
            sc.stillCapMs = 7 * (test::kLeastHoldMs + 100) + 200;
            const Checked c = runChecked(sc);
            EXPECT_TRUE(c.failure.empty()) << c.failure << "\n  " << sc.describe();
            EXPECT_EQ(c.end, PacketSender::End::GaveUp) << sc.describe();
        }
}

// Noise on the line late in a copy's hold is taken for a garbled reply: it
// must not count as a delay the controller's replies take, or each burst
// would double the next copy's hold and a dead line would take minutes to
// give up. With every reply lost, each copy keeps the least hold.
TEST(PacketSchedules, NoiseOnTheLineDoesNotLengthenTheWaits)
{
    for (int kind : {1, 9}) {
        Schedule sc;
        sc.kind = kind;
        sc.rows = {2};
        for (int i = 0; i < 8; ++i)
            sc.plans[i] = {Fault::Lost};
        // Each burst comes late in the hold of the copy out then.
        sc.noise = {{1990, 12}, {6000, 12}, {13900, 12}};
        // Eight copies, each given up a least hold after it left (90 ms on the
        // wire); over TCP the hold grows to twice the written 500 + 7 x 100 ms
        // and the margin by the eighth bad reply in a row.
        sc.stillCapMs = kind == 9 ? 8 * 2 * (500 + 7 * 100 + 50) : 8 * (test::kLeastHoldMs + 100);
        const Checked c = runChecked(sc);
        EXPECT_TRUE(c.failure.empty()) << c.failure << "\n  " << sc.describe();
        EXPECT_EQ(c.end, PacketSender::End::GaveUp) << sc.describe();
    }
}

// A run that gives up on garbled replies leaves the line unsure, and one
// abandoned with its packet out leaves that packet held. The next run,
// started at once on the same link and line, sends its first packet only once
// the line is sure again (a least hold after the last garbled frame left) or
// the held packet has been answered, and is written.
TEST(PacketSchedules, TheNextRunTakesOverWhatTheRunBeforeLeftOnTheLine)
{
    struct Case {
        const char *what;
        ReplyPlan before; // of every frame of the run before
        bool abandoned;   // the run before is abandoned 300 ms in, with its first packet out
    };
    const Case cases[] = {
        {"junk", {Fault::Junk, 0, 7}, false},
        {"checksums wrong", {Fault::BadCrc}, false},
        {"replies cut short", {Fault::CutShort, 0, 3}, false},
        {"replies split past the gap", {Fault::Split, 0, 2, 200}, false},
        {"a flood", {Fault::Flood, 0, 600}, false},
        {"abandoned, its packet answered good 1000 ms late", {Fault::None, 1000}, true},
        {"abandoned, its packet rejected 1000 ms late", {Fault::BadStatus, 1000}, true},
    };
    for (int kind : {1, 9})
        for (const Case &c : cases) {
            const std::string what = std::string(c.what) + (kind == 9 ? ", tcp" : ", serial");
            const int baud = kind == 9 ? 0 : 115200;
            const int framesBefore = c.abandoned ? 1 : 8;
            LinkState state;
            test::ScriptedLine line(
                test::packetLine(baud, [&](int i) { return i < framesBefore ? c.before : ReplyPlan{}; }));
            line.setHoldMs(test::kLeastHoldMs);
            PacketSender sender(state, [&line] { return line.now(); });
            if (c.abandoned) {
                sender.start(test::numberedRows({3}, 200), kind, 300, baud);
                ASSERT_TRUE(sender.tick(line).sent) << what;
                line.advanceTo(300);
                sender.abandon();
            } else {
                const test::SenderRun before =
                    test::runSender(sender, line, test::numberedRows({3}, 200), kind, 300, baud);
                ASSERT_EQ(before.last.end, PacketSender::End::GaveUp) << what;
            }
            ASSERT_EQ(line.taken().size(), static_cast<std::size_t>(framesBefore)) << what;

            // Its packets are told from those of the run before by their row.
            const PacketSender::Rows rows = test::numberedRows({0, 2}, 200);
            const std::vector<QByteArray> packets = test::packetsOf(rows);
            // The first packet waits out the hold of the last frame before at
            // most: over TCP, after seven bad replies in a row, twice its
            // written 500 + 7 x 100 ms and a 50 ms margin. Then each is answered at once.
            test::ExchangeWatch watch(
                line, [&packets](int item) { return packets.at(static_cast<std::size_t>(item)); },
                2 * (500 + 7 * 100 + 50) + 100);
            const test::SenderRun next = test::runSender(sender, line, rows, kind, 300, baud, 60 * 1000, {},
                                                         [&] { watch.afterStep(sender.exchange().item()); });
            EXPECT_EQ(watch.failure(next.outcome), "") << what;
            EXPECT_EQ(next.last.end, PacketSender::End::Done) << what;
            std::string why;
            EXPECT_TRUE(test::everyLastCopyGood(line, rows, &why)) << what << ": " << why;
            const auto &taken = line.taken();
            ASSERT_GT(taken.size(), static_cast<std::size_t>(framesBefore)) << what;
            const test::ScriptedLine::Taken &lastBefore = taken[static_cast<std::size_t>(framesBefore) - 1];
            const test::ScriptedLine::Taken &firstNext = taken[static_cast<std::size_t>(framesBefore)];
            if (c.abandoned)
                EXPECT_GE(firstNext.sentAt, lastBefore.replyEndsAt) << what;
            else
                EXPECT_GE(firstNext.sentAt, lastBefore.leftAt + test::kLeastHoldMs) << what;
            EXPECT_EQ(taken.size(), static_cast<std::size_t>(framesBefore) + 2) << what;
        }
}

} // namespace
} // namespace pelmora
