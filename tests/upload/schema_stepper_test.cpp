#include "upload/schema_stepper.h"

#include "link/controller_reply.h"
#include "support/packet_line.h"
#include "support/schema_line.h"

#include <gtest/gtest.h>

#include <memory>

namespace pelmora {
namespace {

using test::ReplyPlan;
using Fault = ReplyPlan::Fault;
using test::SchemaAnswers;

class Stepper : public ::testing::Test {
protected:
    test::ScriptedLine &line(int baud, SchemaAnswers answers = SchemaAnswers::Once,
                             std::function<ReplyPlan(int)> plan = {})
    {
        line_ = std::make_unique<test::ScriptedLine>(test::schemaLine(baud, answers, std::move(plan)));
        return *line_;
    }
    test::SchemaRun run(const std::array<QByteArray, 10> &frames, int kind = 1, int period = 300)
    {
        if (!line_)
            line(kind > 8 ? 0 : 115200);
        return test::runSchema(stepper, *line_, frames, kind, period, kind > 8 ? 0 : 115200);
    }

    LinkState state;
    std::unique_ptr<test::ScriptedLine> line_;
    SchemaStepper stepper{state, [this] { return line_ ? line_->now() : 0; }};
};

TEST_F(Stepper, SerialRunSendsTenFramesThenJudgesTheReply)
{
    const auto frames = test::tenSchemaFrames(40, 3000);
    state.Send_Error_Count = 5;
    line(115200);
    EXPECT_EQ(stepper.start(frames, 2, 300, 115200), 100);
    EXPECT_EQ(state.Schema_Step, 0);
    EXPECT_EQ(state.Send_Error_Count, 0);
    std::vector<std::optional<int>> intervals;
    SchemaStepper::Result r;
    int interval = 100;
    while (!r.finished && line_->now() < 60000) {
        line_->advanceTo(line_->now() + interval);
        r = stepper.tick(*line_);
        if (state.Schema_Step <= 10)
            intervals.push_back(r.interval);
        if (r.interval)
            interval = *r.interval;
    }
    EXPECT_TRUE(r.finished);
    EXPECT_TRUE(r.message.isEmpty());
    ASSERT_GE(intervals.size(), 10u);
    for (int step = 0; step < 8; ++step)
        EXPECT_FALSE(intervals[static_cast<std::size_t>(step)].has_value()) << step;
    // The wait after the numeric frame keeps its whole length; after the text
    // frame the reply is looked for at short intervals.
    EXPECT_EQ(intervals[8], 500 + SchemaStepper::serialWireMs(45));
    EXPECT_EQ(intervals[9], SchemaStepper::kReplyPoll);
    std::vector<QByteArray> sent;
    for (const auto &t : line_->taken())
        sent.push_back(t.frame);
    EXPECT_EQ(sent, std::vector<QByteArray>(frames.begin(), frames.end()));
    EXPECT_EQ(state.Schema_Step, 11);
    EXPECT_FALSE(stepper.running());
    // A tick after the end does nothing.
    EXPECT_FALSE(stepper.tick(*line_).finished);
    EXPECT_EQ(line_->taken().size(), 10u);
    // Frames a controller answering once leaves unanswered are not handed on.
    EXPECT_TRUE(state.Held_Frames.empty());
}

TEST(SchemaStepperTiming, SerialWireTime)
{
    EXPECT_EQ(SchemaStepper::serialWireMs(0), 0);
    EXPECT_EQ(SchemaStepper::serialWireMs(1), 1);
    EXPECT_EQ(SchemaStepper::serialWireMs(11520), 1000);
    EXPECT_EQ(SchemaStepper::serialWireMs(32769), 2845);
}

TEST_F(Stepper, TcpWaitsAreHalfTheAreaButNeverBelowTheRequestPeriod)
{
    struct Case {
        int period, values, texts;
        int first, afterValues;
        int replyWait; // the text frame's hold: twice its written wait (half the text area, at least the
                       // period) and a 50 ms margin, at least 2000 ms
    };
    const Case cases[] = {
        {300, 1000, 3000, 300, 500, 3100}, // written 1500
        {300, 200, 0, 300, 300, 2000},
        {5, 0, 1, 5, 5, 2000},
        {20, 41, 43, 20, 20, 2000}, // 20.5 -> 20, 21.5 -> 22: halves to even
        {0, 0, 0, 1, 1, 2000},      // a zero period still lets the timer run
        {-7, 100, 100, 1, 50, 2000},
        {300, 0, 4000, 300, 300, 4100}, // written 2000
    };
    for (const Case &c : cases) {
        line(0, SchemaAnswers::Never);
        const int first = stepper.start(test::tenSchemaFrames(c.values, c.texts), 9, c.period, 0);
        EXPECT_EQ(first, c.first);
        for (int step = 0; step <= 9; ++step) {
            const auto r = stepper.tick(*line_);
            if (step == 8) {
                EXPECT_EQ(r.interval, c.afterValues) << c.period << "/" << c.values;
            }
        }
        EXPECT_EQ(stepper.replyWaitLimit(), c.replyWait) << c.period << "/" << c.texts;
    }
}

TEST_F(Stepper, TheVerdict)
{
    struct Case {
        const char *what;
        SchemaAnswers answers;
        std::function<ReplyPlan(int)> plan;
        bool good;
        // Over TCP two replies come in one read and are taken for a reply and its duplicate.
        bool togetherOverTcp = false;
    };
    const auto at = [](int frame, ReplyPlan p) { return [frame, p](int i) { return i == frame ? p : ReplyPlan{}; }; };
    const Case cases[] = {
        {"answered once, good", SchemaAnswers::Once, {}, true},
        {"answered once, rejected", SchemaAnswers::Once, at(9, {Fault::BadStatus}), false},
        {"answered once, checksum wrong", SchemaAnswers::Once, at(9, {Fault::BadCrc}), false},
        {"answered once, cut short", SchemaAnswers::Once, at(9, {Fault::CutShort, 0, 4}), false},
        {"answered once, junk", SchemaAnswers::Once, at(9, {Fault::Junk, 0, 12}), false},
        {"answered once, twice", SchemaAnswers::Once, at(9, {Fault::Twice}), false},
        {"answered once, late", SchemaAnswers::Once, at(9, {Fault::None, 1500}), true},
        {"not answered", SchemaAnswers::Never, {}, false},
        // A controller that answers every frame: the schema is written when all its replies are good.
        {"every frame, good", SchemaAnswers::Every, {}, true},
        {"every frame, late", SchemaAnswers::Every,
         [](int) {
             return ReplyPlan{Fault::None, 900};
         },
         true},
        {"every frame, the header rejected", SchemaAnswers::Every, at(0, {Fault::BadStatus}), false},
        {"every frame, one lost", SchemaAnswers::Every, at(4, {Fault::Lost}), false},
        // The text frame's reply follows the late one at once; over a serial
        // line it comes its wire time later, over TCP both come together and
        // cannot be told from a reply and its duplicate (see below).
        {"every frame, the numeric frame's reply late", SchemaAnswers::Every, at(8, {Fault::None, 1200}), true, true},
        {"every frame, the text frame's rejected", SchemaAnswers::Every, at(9, {Fault::BadStatus}), false},
    };
    for (const Case &c : cases) {
        for (int kind : {1, 9}) {
            state = LinkState();
            line(kind == 9 ? 0 : 115200, c.answers, c.plan);
            const test::SchemaRun r = run(test::tenSchemaFrames(), kind);
            ASSERT_TRUE(r.result.finished) << c.what;
            const bool together = kind == 9 && c.togetherOverTcp;
            EXPECT_EQ(r.result.message.isEmpty(), c.good && !together) << c.what << (kind == 9 ? " tcp" : " serial");
            if (!c.good) {
                EXPECT_EQ(r.result.message, QStringLiteral("Помилка передачі !!!")) << c.what;
                EXPECT_EQ(r.result.icon, MsgIcon::Critical) << c.what;
            }
        }
    }
}

// Output the port holds back (flow control) or never sends. Bytes that come
// while the text frame has not all left the port cannot be its reply, even
// over TCP where it is reckoned to leave at once; its own reply, once it has
// left, is judged as usual; and output that never leaves ends in the
// transfer error once the text frame's hold has passed.
TEST_F(Stepper, OutputStillInThePort)
{
    struct Case {
        const char *what;
        int kind;
        int heldFrame;    // the frame the port holds back
        ReplyPlan plan;   // of that frame: how long it is held, and the reply to it
        int strayAfterMs; // an accepting reply from elsewhere this long after the text frame is handed over; -1: none
        bool written;
    };
    ReplyPlan heldAndSlow, heldLong, held, stuck;
    heldAndSlow.heldMs = 300;
    heldAndSlow.delayMs = 600; // the controller's own reply comes after the stray one has settled
    heldLong.heldMs = 3000;    // past the holds of the frames before it
    held.heldMs = 1000;
    stuck.heldMs = ReplyPlan::kStuck;
    const Case cases[] = {
        {"TCP, a reply while the text frame is held", 9, 9, heldAndSlow, 100, false},
        {"serial, a reply while the text frame is held past the other frames' holds", 1, 9, heldLong, 2500, false},
        {"serial, the text frame held a second, then answered", 1, 9, held, -1, true},
        {"TCP, the text frame held a second, then answered", 9, 9, held, -1, true},
        {"serial, the output never leaves", 1, 0, stuck, -1, false},
        {"TCP, the output never leaves", 9, 0, stuck, -1, false},
    };
    for (const Case &c : cases) {
        state = LinkState();
        line(c.kind == 9 ? 0 : 115200, SchemaAnswers::Once,
             [&c](int i) { return i == c.heldFrame ? c.plan : ReplyPlan{}; });
        if (c.strayAfterMs >= 0)
            line_->injectAfter(9, c.strayAfterMs, controllerReply(1, 'B', 0));
        const test::SchemaRun r = run(test::tenSchemaFrames(), c.kind);
        ASSERT_TRUE(r.result.finished) << c.what;
        EXPECT_EQ(r.result.message.isEmpty(), c.written) << c.what;
        if (!c.written) {
            EXPECT_EQ(r.result.message, QStringLiteral("Помилка передачі !!!")) << c.what;
        }
    }
}

// The reply of a controller that answers once is judged soon after it comes,
// not at the end of the longest wait.
TEST_F(Stepper, TheReplyIsJudgedSoonAfterItComes)
{
    line(115200);
    const test::SchemaRun r = run(test::tenSchemaFrames());
    ASSERT_TRUE(r.result.finished);
    const qint64 replyAt = line_->taken().back().replyEndsAt;
    EXPECT_LT(r.endedAt - replyAt, 400);
    EXPECT_LT(r.endedAt - replyAt, stepper.replyWaitLimit());
}

// Without a reply the text frame's hold ends the upload with the transfer
// error: at its end, not a millisecond before. Serial: the frame's 261 ms on
// the wire and twice its written 1000 ms, its and its reply's wire time and
// the 50 ms margin; TCP: twice half the text area and the margin.
TEST_F(Stepper, WithoutAReplyTheLongestWaitEndsIt)
{
    struct Case {
        int kind;
        int limit; // from the text frame's handing over
    };
    const Case cases[] = {
        {1, 261 + 2 * (1000 + 261 + 1 + 50)},
        {9, 2 * (1500 + 50)},
    };
    for (const Case &c : cases) {
        state = LinkState();
        const int baud = c.kind == 9 ? 0 : 115200;
        line(baud, SchemaAnswers::Never);
        stepper.start(test::tenSchemaFrames(40, 3000), c.kind, 300, baud);
        while (state.Schema_Step < 10) {
            line_->advanceTo(line_->now() + 100);
            stepper.tick(*line_);
        }
        const qint64 textSentAt = line_->taken().back().sentAt;
        EXPECT_EQ(stepper.replyWaitLimit(), c.limit) << c.kind;
        line_->advanceTo(textSentAt + c.limit - 1);
        EXPECT_FALSE(stepper.tick(*line_).finished) << c.kind;
        line_->advanceTo(textSentAt + c.limit);
        const SchemaStepper::Result r = stepper.tick(*line_);
        EXPECT_TRUE(r.finished) << c.kind;
        EXPECT_EQ(r.message, QStringLiteral("Помилка передачі !!!")) << c.kind;
    }
}

TEST_F(Stepper, FailedSendsEndTheUploadWithThePortError)
{
    struct Case {
        const char *what;
        int kind;
        std::vector<int> failing;
        std::size_t framesSent;
    };
    const Case cases[] = {
        {"serial header", 1, {0}, 0},
        {"serial table frame", 1, {4}, 4},
        {"TCP header", 9, {0}, 0},
        // TCP table frames that keep failing: started again from step 1 a few times, then the error.
        {"TCP table frames", 9, {1, 2, 3, 4, 5, 6}, 1},
    };
    for (const Case &c : cases) {
        state = LinkState();
        test::ScriptedLine &l = line(c.kind == 9 ? 0 : 115200);
        l.failingSends = c.failing;
        const test::SchemaRun r = run(test::tenSchemaFrames(), c.kind);
        EXPECT_TRUE(r.result.finished) << c.what;
        EXPECT_EQ(r.result.message, QStringLiteral("Помилка порту!!!")) << c.what;
        EXPECT_EQ(r.result.icon, MsgIcon::None) << c.what;
        EXPECT_EQ(state.Schema_Step, 0) << c.what;
        EXPECT_EQ(l.taken().size(), c.framesSent) << c.what;
        EXPECT_FALSE(stepper.running());
    }
}

TEST_F(Stepper, TcpTableFrameFailureStartsTheTablesAgainFromStep1)
{
    const auto frames = test::tenSchemaFrames();
    test::ScriptedLine &l = line(0);
    // Header and steps 1, 2 go out; step 3 fails once; then all goes well.
    l.failingSends = {3};
    const test::SchemaRun r = run(frames, 9, 50);
    EXPECT_TRUE(r.result.finished);
    EXPECT_TRUE(r.result.message.isEmpty());
    // The header once, then steps 1 and 2, then steps 1 to 9 again.
    std::vector<QByteArray> expected{frames[0], frames[1], frames[2]};
    expected.insert(expected.end(), frames.begin() + 1, frames.end());
    std::vector<QByteArray> sent;
    for (const auto &t : l.taken())
        sent.push_back(t.frame);
    EXPECT_EQ(sent, expected);
}

// A reply to a frame of an earlier transfer that comes during the schema is
// matched to that frame, never judged as the schema's.
TEST_F(Stepper, AReplyOfAnEarlierTransferIsNeverJudged)
{
    for (int status : {0, 1}) {
        state = LinkState();
        // Frame 0 stands for a page packet of the transfer before, answered
        // 600 ms late (accepting or rejecting); the schema's own reply then
        // rejects it, or accepts it.
        line(115200, SchemaAnswers::Once, [status](int i) {
            if (i == 0)
                return ReplyPlan{status == 0 ? Fault::None : Fault::BadStatus, 600};
            return ReplyPlan{i == 10 && status == 0 ? Fault::BadStatus : Fault::None};
        });
        QByteArray packet(40, '\x43');
        packet[0] = 'P'; // answered like a schema frame of step 9 would not be
        ASSERT_TRUE(line_->send(packet));
        state.Held_Frames = {HeldFrame{line_->now(), line_->now() + 2000, 5}};
        line_->advanceTo(100);
        const test::SchemaRun r = run(test::tenSchemaFrames());
        ASSERT_TRUE(r.result.finished);
        EXPECT_EQ(r.result.message.isEmpty(), status != 0) << "earlier reply status " << status;
    }
}

// A packet upload given up on junk leaves the line unsure: a schema upload
// started at once after it sends its header only once every frame of the
// packet upload has passed its hold, at least a least hold after the last one
// left, and is written.
TEST_F(Stepper, TheHeaderWaitsForTheLineAnUploadBeforeLeftUnsure)
{
    for (int kind : {1, 9}) {
        state = LinkState();
        const int baud = kind == 9 ? 0 : 115200;
        // The packets (a first byte above 9) are answered with junk.
        line(baud, SchemaAnswers::Once, [](int i) { return i < 8 ? ReplyPlan{Fault::Junk, 0, 7} : ReplyPlan{}; });
        PacketSender sender(state, [this] { return line_->now(); });
        const PacketSender::Rows packets{{test::numberedPacket(10, 1, 200), test::numberedPacket(10, 2, 200)}};
        ASSERT_EQ(test::runSender(sender, *line_, packets, kind, 300, baud).last.end, PacketSender::End::GaveUp);
        ASSERT_EQ(line_->taken().size(), 8u);
        EXPECT_GT(state.Unsure_Until, line_->now()) << kind;

        const test::SchemaRun r = run(test::tenSchemaFrames(), kind);
        ASSERT_TRUE(r.result.finished) << kind;
        EXPECT_TRUE(r.result.message.isEmpty()) << kind;
        const auto &taken = line_->taken();
        ASSERT_EQ(taken.size(), 18u) << kind;
        EXPECT_GE(taken[8].sentAt, taken[7].leftAt + test::kLeastHoldMs) << kind;
    }
}

TEST_F(Stepper, StartingAgainBeginsWithAFreshHeader)
{
    const auto frames = test::tenSchemaFrames();
    line(115200);
    stepper.start(frames, 1, 300, 115200);
    for (int step = 0; step <= 5; ++step) {
        line_->advanceTo(line_->now() + 100);
        stepper.tick(*line_);
    }
    stepper.start(frames, 1, 300, 115200);
    EXPECT_EQ(state.Schema_Step, 0);
    stepper.tick(*line_);
    EXPECT_EQ(line_->taken().back().frame, frames[0]);
    EXPECT_EQ(line_->taken().size(), 7u);
}

} // namespace
} // namespace pelmora
