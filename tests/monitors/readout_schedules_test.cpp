// The trend readout's exchange checked over generated schedules in simulated
// time: for every request the schedule says when (if ever) its answer comes
// and what it is. Every run must keep these, checked against the line's truth
// after every step (test::ExchangeWatch):
// (a) a packet is taken only from a good answer to its last request, and the
//     readout finished only when every packet's last request was answered good;
// (b) no request leaves while an earlier one is out: its answer not all in
//     and its least hold not passed;
// (c) the run ends, and never goes longer than the table's cap without a
//     packet taken;
// (d) the samples of a finished readout are the controller's.
// A failing case prints the schedule (and its seed) to replay it.

#include "monitors/trend_channels.h"
#include "monitors/trend_decoding.h"
#include "monitors/trend_readout.h"
#include "support/last_copies.h"
#include "support/schedule_runner.h"
#include "support/scripted_line.h"
#include "support/simulator_readout.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

namespace pelmora {
namespace {

using test::ReadoutController;
using test::ReplyPlan;
using Fault = ReplyPlan::Fault;

int registerOf(const QByteArray &request)
{
    return static_cast<std::uint8_t>(request.at(2)) * 256 + static_cast<std::uint8_t>(request.at(3));
}

struct ReadoutSchedule {
    std::uint32_t seed = 0;
    ReadoutVariant variant = ReadoutVariant::Orvo;
    int baud = 115200;
    int lineBaud = 0;
    int delay = 0;
    std::map<int, ReplyPlan> plans; // by request taken
    int latePercent = 0, lateMax = 0;
    std::map<qint64, int> noise; // bytes of noise on the line (random bytes), by when they come
    qint64 stillCapMs = 0;       // the longest a run may go without a packet taken

    std::string describe() const
    {
        std::ostringstream o;
        o << "seed " << seed << (variant == ReadoutVariant::Tesk ? " tesk" : " orvo") << " baud " << baud;
        if (lineBaud)
            o << " line " << lineBaud;
        o << " delay " << delay;
        if (latePercent)
            o << " late " << latePercent << "%<=" << lateMax;
        for (const auto &[at, bytes] : noise)
            o << " | noise at " << at << " bytes " << bytes;
        for (const auto &[i, p] : plans)
            o << " | request " << i << ' ' << test::faultName(p.fault) << " delay " << p.delayMs << " bytes " << p.bytes
              << " gap " << p.gapMs;
        return o.str();
    }
};

struct ReadoutChecked {
    bool finished = false;
    QString message;
    std::string failure;
};

ReadoutChecked runChecked(const ReadoutSchedule &sc)
{
    ReadoutChecked out;
    ProjectModel m;
    TrendReadout r(sc.variant, m);
    test::ScriptedLine::Setup setup;
    setup.baud = sc.baud;
    setup.lineBaud = sc.lineBaud;
    setup.holdMs = test::kLeastHoldMs;
    setup.seed = sc.seed;
    setup.reply = [](const QByteArray &request, int) {
        return ReadoutController::answer(static_cast<std::uint8_t>(request.at(0)), registerOf(request));
    };
    setup.plan = [&sc](int i) {
        const auto it = sc.plans.find(i);
        return it != sc.plans.end() ? it->second : ReplyPlan{Fault::None, sc.delay};
    };
    test::ScriptedLine line(setup);
    std::mt19937 noiseRng(sc.seed ^ 0x2545f491u);
    for (const auto &[at, bytes] : sc.noise) {
        QByteArray b(bytes, '\0');
        for (char &c : b)
            c = static_cast<char>(noiseRng() & 0xFF);
        line.inject(at, b);
    }
    EXPECT_EQ(r.start(1, sc.baud).outcome, ReadoutCommand::Started);
    r.Timer3_Tick();
    r.Timer6_Tick();

    // Both cycles ask address 1 here, packet n from register 1000 + n.
    test::ExchangeWatch watch(
        line, [](int item) { return readRequest(1, static_cast<std::uint16_t>(kReadFirstRegister + item)); },
        sc.stillCapMs);
    const test::Lateness late = watch.lateness(sc.seed ^ 0x9e3779b9u, sc.latePercent, sc.lateMax);
    const auto step = [&] {
        const TrendReadout::Tick t = r.Timer2_Tick(line, line.now());
        if (t.finished)
            out.finished = true;
        if (!t.message.isEmpty())
            out.message = t.message;
        watch.afterStep(r.exchange().item());
        test::StepOutcome s;
        s.ended = !r.running();
        s.wakeAt = line.now() + r.Timer2_Interval;
        return s;
    };
    const test::RunOutcome run = test::runSteps(line, step, line.now(), 60 * 60 * 1000, late);
    out.failure = watch.failure(run);
    if (!out.failure.empty())
        return out;
    if (!out.finished) {
        if (out.message.isEmpty())
            out.failure = "ended without being finished and without a message";
        return out;
    }
    // (a) the last request for every register was answered good.
    const int packets = r.packetCount();
    std::vector<QByteArray> requests;
    for (int n = 0; n < packets; ++n)
        requests.push_back(readRequest(1, static_cast<std::uint16_t>(kReadFirstRegister + n)));
    const std::optional<std::size_t> bad = test::firstNotWritten(
        requests, line.taken(), &test::ScriptedLine::Taken::frame, &test::ScriptedLine::Taken::good);
    if (bad) {
        out.failure = "(a) finished, but register " + std::to_string(kReadFirstRegister + static_cast<int>(*bad)) +
                      "'s last request was not answered good";
        return out;
    }
    // (d) the samples are the controller's.
    MonitorTables expected = m.monitors;
    expected.Grafik_Data.fill(0.0f);
    if (sc.variant == ReadoutVariant::Tesk) {
        for (int n = 1; n <= packets; ++n)
            decodeTeskPacket(expected, n, ReadoutController::data(999 + n));
    } else {
        QByteArray raw;
        for (int reg = 1000; reg < 1000 + packets; ++reg)
            raw += ReadoutController::data(reg);
        decodeOrvoRecords(expected, raw, orvoAnalogScales(m.schema));
    }
    if (!(expected.Grafik_Data == m.monitors.Grafik_Data))
        out.failure = "(d) the samples differ from the controller's";
    return out;
}

ReadoutSchedule generated(std::uint32_t seed)
{
    std::mt19937 rng(seed);
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    ReadoutSchedule sc;
    sc.seed = seed;
    sc.variant = pick(2) == 0 ? ReadoutVariant::Tesk : ReadoutVariant::Orvo;
    const int bauds[] = {19200, 57600, 115200};
    sc.baud = bauds[pick(3)];
    if (pick(5) == 0)
        sc.lineBaud = sc.baud / (2 + pick(4));
    sc.delay = pick(4) == 0 ? pick(400) : pick(15);
    const int faultPercent = pick(4) * 3;
    for (int i = 0; i < 340; ++i) {
        if (pick(100) >= faultPercent)
            continue;
        const Fault kinds[] = {Fault::Lost, Fault::BadCrc, Fault::CutShort, Fault::Twice,
                               Fault::Junk, Fault::Flood,  Fault::Split,    Fault::None};
        ReplyPlan p{kinds[pick(8)], pick(4) == 0 ? pick(1500) : sc.delay, 1 + pick(254), pick(120)};
        if (p.fault == Fault::Flood)
            p.bytes = 300 + pick(3000);
        sc.plans[i] = p;
    }
    if (pick(3) == 0) {
        sc.latePercent = 10 + pick(40);
        sc.lateMax = 1 + pick(40);
    }
    if (pick(4) == 0)
        for (int n = 1 + pick(3); n > 0; --n)
            sc.noise[pick(30000)] = 1 + pick(300);
    return sc;
}

// Hundreds of generated schedules: answers from on time to near the hold,
// any fault at any request, a slower line, steps running late, and noise on
// the line at any time.
TEST(ReadoutSchedules, GeneratedSchedulesKeepTheInvariants)
{
    // Twenty requests of a packet at most go between two packets taken. Each
    // is judged within its hold after it left: at most twice the longest an
    // answer can be late and still come (the least hold), and 100 ms for the
    // request's wire time, the margin and a step running late.
    constexpr qint64 kCap = 20 * (2 * test::kLeastHoldMs + 100);
    int finished = 0;
    constexpr int kRuns = 300;
    for (std::uint32_t seed = 1; seed <= kRuns; ++seed) {
        ReadoutSchedule sc = generated(seed);
        sc.stillCapMs = kCap;
        const ReadoutChecked c = runChecked(sc);
        finished += c.finished;
        ASSERT_TRUE(c.failure.empty()) << c.failure << "\n  " << sc.describe();
    }
    EXPECT_GT(finished, kRuns / 2);
}

// Every single fault at any of the first eight requests of an Orvo readout.
TEST(ReadoutSchedules, EverySingleFaultOnTheFirstRequests)
{
    const ReplyPlan faults[] = {{Fault::Lost},
                                {Fault::BadCrc},
                                {Fault::CutShort, 0, 254},
                                {Fault::CutShort, 0, 3},
                                {Fault::Twice},
                                {Fault::Junk, 0, 300},
                                {Fault::Flood, 0, 2000},
                                {Fault::Split, 0, 100, 5},
                                {Fault::Split, 0, 100, 200},
                                {Fault::None, 1500}};
    for (int at = 0; at < 8; ++at)
        for (const ReplyPlan &p : faults) {
            ReadoutSchedule sc;
            sc.plans[at] = p;
            // The request is asked again a least hold after it left at most;
            // its answer takes 23 ms at 115200 baud.
            sc.stillCapMs = test::kLeastHoldMs + 100;
            const ReadoutChecked c = runChecked(sc);
            ASSERT_TRUE(c.failure.empty()) << c.failure << "\n  " << sc.describe();
            EXPECT_TRUE(c.finished) << sc.describe();
        }
}

// A controller that does not answer, or answers junk, or floods: the readout
// stops with its message after twenty failures, within its bound.
TEST(ReadoutSchedules, APeerThatNeverAnswersRightStopsWithTheMessage)
{
    for (Fault f : {Fault::Lost, Fault::Junk, Fault::Flood, Fault::BadCrc}) {
        ReadoutSchedule sc;
        sc.variant = ReadoutVariant::Tesk;
        for (int i = 0; i < 40; ++i)
            sc.plans[i] = {f, 0, f == Fault::Flood ? 100000 : 40};
        // Twenty requests, each asked again a least hold after it left (1 ms on the wire).
        sc.stillCapMs = 20 * (test::kLeastHoldMs + 10);
        const ReadoutChecked c = runChecked(sc);
        ASSERT_TRUE(c.failure.empty()) << c.failure << "\n  " << sc.describe();
        EXPECT_FALSE(c.finished);
        EXPECT_EQ(c.message,
                  QStringLiteral("Немає правильної відповіді контролера на 20 запитів поспіль. Зчитування зупинено."))
            << test::faultName(f);
    }
}

} // namespace
} // namespace pelmora
