// The schema upload's reply checked over generated schedules in simulated
// time: a controller that answers once or every frame, with delays from
// nothing to near the hold and any fault at any frame. Every run must end,
// within the table's cap after the text frame left, and may say the schema
// was written only when the controller's replies say so: the one reply after
// the text frame was good, or, from a controller that answers every frame,
// every reply was good.

#include "support/schema_line.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace pelmora {
namespace {

using test::ReplyPlan;
using test::SchemaAnswers;
using Fault = ReplyPlan::Fault;

struct SchemaSchedule {
    std::uint32_t seed = 0;
    int kind = 1;
    int baud = 115200;
    SchemaAnswers answers = SchemaAnswers::Once;
    int values = 40, texts = 3000;
    int delay = 0; // of every reply
    std::map<int, ReplyPlan> plans;
    qint64 capMs = 0; // the longest the run may go on after the text frame left

    std::string describe() const
    {
        std::ostringstream o;
        o << "seed " << seed;
        if (kind == 9)
            o << " tcp";
        else
            o << " serial " << baud;
        o << " answers "
          << (answers == SchemaAnswers::Once    ? "once"
              : answers == SchemaAnswers::Every ? "every"
                                                : "never")
          << " areas " << values << "/" << texts << " delay " << delay;
        for (const auto &[i, p] : plans)
            o << " | frame " << i << ' ' << test::faultName(p.fault) << " delay " << p.delayMs << " bytes " << p.bytes
              << " gap " << p.gapMs << " held " << p.heldMs;
        return o.str();
    }
};

// What the run broke (empty: nothing); `written`: whether it said the schema was written.
std::string check(const SchemaSchedule &sc, bool *written = nullptr)
{
    LinkState state;
    const int baud = sc.kind == 9 ? 0 : sc.baud;
    test::ScriptedLine line(test::schemaLine(
        baud, sc.answers,
        [&sc](int i) {
            const auto it = sc.plans.find(i);
            if (it != sc.plans.end())
                return it->second;
            return ReplyPlan{Fault::None, sc.delay};
        },
        sc.seed));
    SchemaStepper stepper(state, [&line] { return line.now(); });
    const test::SchemaRun run =
        test::runSchema(stepper, line, test::tenSchemaFrames(sc.values, sc.texts), sc.kind, 300, baud);
    if (!run.result.finished)
        return "the upload did not end";
    const auto &taken = line.taken();
    if (taken.size() != 10)
        return "frames sent: " + std::to_string(taken.size());
    if (run.endedAt - taken.back().leftAt > sc.capMs)
        return "ended " + std::to_string(run.endedAt - taken.back().leftAt) + " ms after the text frame left, over " +
               std::to_string(sc.capMs);
    if (written)
        *written = run.result.message.isEmpty();
    if (!run.result.message.isEmpty())
        return {};
    // Written: the truth must say so.
    if (sc.answers == SchemaAnswers::Never)
        return "written, but the controller never answered";
    if (sc.answers == SchemaAnswers::Once && !taken.back().good)
        return std::string("written, but the text frame was answered ") + test::faultName(taken.back().plan.fault) +
               (taken.back().replied ? "" : " (never came)");
    if (sc.answers == SchemaAnswers::Every)
        for (std::size_t i = 0; i < taken.size(); ++i)
            if (!taken[i].good)
                return "written, but frame " + std::to_string(i) + " was answered " +
                       test::faultName(taken[i].plan.fault);
    return {};
}

SchemaSchedule generated(std::uint32_t seed)
{
    std::mt19937 rng(seed);
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    SchemaSchedule sc;
    sc.seed = seed;
    sc.kind = pick(3) == 0 ? 9 : 1;
    const int bauds[] = {9600, 19200, 57600, 115200};
    sc.baud = bauds[pick(4)];
    sc.answers = pick(3) == 0 ? SchemaAnswers::Every : pick(10) == 0 ? SchemaAnswers::Never : SchemaAnswers::Once;
    sc.values = 4 * pick(300);
    sc.texts = pick(6000);
    // A controller answering every frame answers them at about one pace.
    sc.delay = pick(3) == 0 ? pick(1500) : pick(30);
    const int faults = pick(3);
    for (int f = 0; f < faults; ++f) {
        const Fault kinds[] = {Fault::Lost,  Fault::BadStatus, Fault::BadCrc, Fault::CutShort,
                               Fault::Twice, Fault::Junk,      Fault::Split};
        ReplyPlan p{kinds[pick(7)], sc.delay, 1 + pick(4), pick(100)};
        if (p.fault == Fault::Junk)
            p.bytes = 1 + pick(30);
        sc.plans[pick(10)] = p;
    }
    return sc;
}

TEST(SchemaSchedules, GeneratedSchedulesKeepTheVerdictTrue)
{
    for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
        SchemaSchedule sc = generated(seed);
        // The text frame's hold at most: twice its written 1000 ms, its wire
        // time (6255 ms for 6005 bytes at 9600 baud), its reply's (6 ms) and
        // a 50 ms margin; and a second for the reply to settle.
        sc.capMs = 2 * (1000 + 6255 + 6 + 50) + 1000;
        const std::string failure = check(sc);
        ASSERT_TRUE(failure.empty()) << failure << "\n  " << sc.describe();
    }
}

// Every single fault at any of the ten frames, for a controller that answers
// once and one that answers every frame, and every pair of faults at any two
// frames of the one that answers every frame (the other answers only the text
// frame), over a serial line and over TCP.
TEST(SchemaSchedules, EverySingleAndPairOfFaults)
{
    std::vector<ReplyPlan> faults = {{Fault::Lost},
                                     {Fault::BadStatus},
                                     {Fault::BadCrc},
                                     {Fault::CutShort, 0, 3},
                                     {Fault::Twice},
                                     {Fault::Junk, 0, 7},
                                     {Fault::Flood, 0, 600},
                                     {Fault::Split, 0, 2, 5},
                                     {Fault::Split, 0, 2, 200},
                                     {Fault::None, 600},
                                     {Fault::None, test::kLeastHoldMs - 150}};
    ReplyPlan held;
    held.heldMs = 300; // the port holds the frame back
    faults.push_back(held);
    const int kinds = static_cast<int>(faults.size());
    int runs = 0, written = 0;
    for (int kind : {1, 9})
        for (SchemaAnswers answers : {SchemaAnswers::Once, SchemaAnswers::Every})
            for (int a = 0; a < 10 * kinds; ++a)
                for (int b = a; b < 10 * kinds; ++b) {
                    const int frameA = a / kinds, frameB = b / kinds;
                    if ((a != b && frameA == frameB) || (a != b && answers == SchemaAnswers::Once))
                        continue;
                    SchemaSchedule sc;
                    sc.kind = kind;
                    sc.answers = answers;
                    sc.seed = static_cast<std::uint32_t>(a * 1000 + b);
                    sc.plans[frameA] = faults[static_cast<std::size_t>(a % kinds)];
                    sc.plans[frameB] = faults[static_cast<std::size_t>(b % kinds)];
                    // The text frame's hold at most: its wire time (261 ms at
                    // 115200 baud), twice the longest a reply can be late and
                    // still come (the least hold) and a 50 ms margin; and a
                    // second for the reply to settle.
                    sc.capMs = 261 + 2 * test::kLeastHoldMs + 50 + 1000;
                    bool wasWritten = false;
                    const std::string failure = check(sc, &wasWritten);
                    ++runs;
                    written += wasWritten;
                    ASSERT_TRUE(failure.empty()) << failure << "\n  " << sc.describe();
                }
    // Late replies, faults on frames a controller answering once leaves
    // unanswered, and held output still let the schema be written.
    EXPECT_GT(written, runs / 20);
}

// A controller that answers every frame, and the reply to the numeric frame
// comes after the text frame has left: that reply is not taken for the schema's.
TEST(SchemaSchedules, ALateReplyOfAnEarlierFrameIsNotTheSchemas)
{
    for (Fault text : {Fault::BadStatus, Fault::Lost}) {
        SchemaSchedule sc;
        sc.answers = SchemaAnswers::Every;
        sc.plans[8] = {Fault::None, 1200};
        sc.plans[9] = {text};
        // The text frame's hold: twice its written 1000 ms, its wire time (261
        // ms at 115200 baud), its reply's and a 50 ms margin; and a second to settle.
        sc.capMs = 2 * (1000 + 261 + 1 + 50) + 1000;
        EXPECT_TRUE(check(sc).empty()) << check(sc) << "\n  " << sc.describe();
    }
}

} // namespace
} // namespace pelmora
