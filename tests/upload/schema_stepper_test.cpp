#include "upload/schema_stepper.h"

#include "link/controller_reply.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// A link that records what is sent, and a controller behind it that answers
// the text frame (the frame of 9s, see tenFrames) with `answer`. Bytes wait in
// `received` until they are read.
class FakeIo : public LinkIo {
public:
    std::vector<QByteArray> sent;
    std::vector<bool> sendResults; // by send attempt; true past the end
    std::optional<QByteArray> answer = controllerReply(1, 'B', 0);
    QByteArray received;
    bool readable = true;
    qint64 pending = 0;
    int reads = 0;

    bool send(const QByteArray &bytes) override
    {
        const std::size_t n = attempts++;
        const bool ok = n >= sendResults.size() || sendResults[n];
        if (ok) {
            sent.push_back(bytes);
            if (answer && bytes.startsWith(char(9)))
                received += *answer;
        }
        return ok;
    }
    std::optional<QByteArray> read() override
    {
        ++reads;
        if (!readable)
            return std::nullopt;
        const QByteArray out = received;
        received.clear();
        return out;
    }
    qint64 pendingOutput() override { return pending; }

private:
    std::size_t attempts = 0;
};

std::array<QByteArray, 10> tenFrames(int valueArea = 40, int textArea = 3000)
{
    std::array<QByteArray, 10> f;
    for (int i = 0; i <= 9; ++i)
        f[i] = QByteArray(i == 8 ? valueArea + 5 : i == 9 ? textArea + 5 : 8, static_cast<char>(i));
    return f;
}

class Stepper : public ::testing::Test {
protected:
    // Ticks until the run ends or `limit` ticks have passed, the clock moving
    // on by a poll interval for each; the last result.
    SchemaStepper::Result runToEnd(FakeIo &link, int limit = 1000)
    {
        SchemaStepper::Result r;
        for (int t = 0; t < limit && !r.finished; ++t) {
            r = stepper.tick(link);
            now += SchemaStepper::kReplyPoll;
        }
        return r;
    }

    qint64 now = 1000;
    LinkState state;
    SchemaStepper stepper{state, [this] { return now; }};
    FakeIo io;
};

TEST_F(Stepper, SerialRunSendsTenFramesThenJudgesTheReply)
{
    const auto frames = tenFrames(40, 3000);
    state.Send_Error_Count = 5;
    EXPECT_EQ(stepper.start(frames, 2, 300), 100);
    EXPECT_EQ(state.Schema_Step, 0);
    EXPECT_EQ(state.Send_Error_Count, 0);
    for (int step = 0; step <= 10; ++step) {
        const auto r = stepper.tick(io);
        EXPECT_EQ(r.progress, step);
        if (step == 8) {
            // The wait after the numeric frame keeps its whole length.
            EXPECT_EQ(r.interval, 500 + SchemaStepper::serialWireMs(45));
        } else if (step == 9) {
            // After the text frame the reply is looked for at short intervals.
            EXPECT_EQ(r.interval, SchemaStepper::kReplyPoll);
        } else {
            EXPECT_FALSE(r.interval.has_value()) << step;
        }
        EXPECT_EQ(r.finished, step == 10);
        EXPECT_TRUE(r.message.isEmpty());
    }
    EXPECT_EQ(stepper.replyWaitLimit(), 1000 + SchemaStepper::serialWireMs(3005));
    EXPECT_EQ(io.sent, std::vector<QByteArray>(frames.begin(), frames.end()));
    EXPECT_EQ(io.reads, 2); // emptied before the text frame, then the reply
    EXPECT_EQ(state.Schema_Step, 11);
    EXPECT_FALSE(stepper.running());
    // A tick after the end does nothing.
    const auto after = stepper.tick(io);
    EXPECT_FALSE(after.finished);
    EXPECT_EQ(io.sent.size(), 10u);
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
        int first, afterValues, afterTexts;
    };
    const Case cases[] = {
        {300, 1000, 3000, 300, 500, 1500},
        {300, 200, 0, 300, 300, 300},
        {5, 0, 1, 5, 5, 5},
        {20, 41, 43, 20, 20, 22}, // 20.5 -> 20, 21.5 -> 22: halves to even
        {0, 0, 0, 1, 1, 1},       // a zero period still lets the timer run
        {-7, 100, 100, 1, 50, 50},
    };
    for (const Case &c : cases) {
        const int first = stepper.start(tenFrames(c.values, c.texts), 9, c.period);
        EXPECT_EQ(first, c.first);
        for (int step = 0; step <= 9; ++step) {
            const auto r = stepper.tick(io);
            if (step == 8) {
                EXPECT_EQ(r.interval, c.afterValues) << c.period << "/" << c.values;
            }
        }
        EXPECT_EQ(stepper.replyWaitLimit(), c.afterTexts) << c.period << "/" << c.texts;
    }
}

TEST_F(Stepper, BadRepliesEndWithTheTransferError)
{
    // clang-format off
    const std::optional<QByteArray> replies[] = {
        controllerReply(1, 'B', 1), controllerReply(1, 'B', 0).left(4), QByteArray(), std::nullopt,
        [] {
            QByteArray r = controllerReply(1, 'B', 0);
            r[3] = static_cast<char>(r.at(3) ^ 1);
            return r;
        }(),
    };
    // clang-format on
    for (const auto &reply : replies) {
        FakeIo link;
        link.answer = reply.value_or(QByteArray());
        link.readable = reply.has_value();
        stepper.start(tenFrames(), 1, 300);
        const SchemaStepper::Result r = runToEnd(link);
        EXPECT_TRUE(r.finished);
        EXPECT_EQ(r.message, QStringLiteral("Помилка передачі !!!"));
        EXPECT_EQ(r.icon, MsgIcon::Critical);
    }
}

TEST_F(Stepper, SeveralRepliesInTheBufferAreJudgedByTheFirst)
{
    stepper.start(tenFrames(), 1, 300);
    io.answer = controllerReply(1, 'B', 0) + controllerReply(1, 'B', 1) + controllerReply(1, 'B', 1);
    const SchemaStepper::Result r = runToEnd(io);
    EXPECT_TRUE(r.finished);
    EXPECT_TRUE(r.message.isEmpty());
}

TEST_F(Stepper, FailedSendsEndTheUploadWithThePortError)
{
    struct Case {
        const char *what;
        int kind;
        std::vector<bool> results;
        std::size_t framesSent;
    };
    const Case cases[] = {
        {"serial header", 1, {false}, 0},
        {"serial table frame", 1, {true, true, true, true, false}, 4},
        {"TCP header", 9, {false}, 0},
    };
    for (const Case &c : cases) {
        FakeIo fresh;
        fresh.sendResults = c.results;
        stepper.start(tenFrames(), c.kind, 300);
        SchemaStepper::Result r;
        for (int tick = 0; tick < 20 && !r.finished; ++tick)
            r = stepper.tick(fresh);
        EXPECT_TRUE(r.finished) << c.what;
        EXPECT_EQ(r.message, QStringLiteral("Помилка порту!!!")) << c.what;
        EXPECT_EQ(r.icon, MsgIcon::None) << c.what;
        EXPECT_EQ(state.Schema_Step, 0) << c.what;
        EXPECT_EQ(fresh.sent.size(), c.framesSent) << c.what;
        EXPECT_FALSE(stepper.running());
    }
}

TEST_F(Stepper, TcpTableFrameFailureStartsTheTablesAgainFromStep1)
{
    const auto frames = tenFrames();
    // Header and steps 1, 2 go out; step 3 fails once; then all goes well.
    io.sendResults = {true, true, true, false};
    stepper.start(frames, 9, 50);
    SchemaStepper::Result r;
    int ticks = 0;
    while (!r.finished && ticks < 30) {
        r = stepper.tick(io);
        ++ticks;
        if (ticks == 4) { // the failed step 3
            EXPECT_EQ(state.Schema_Step, 1);
            EXPECT_EQ(r.interval, 50);
            EXPECT_FALSE(r.finished);
        }
    }
    EXPECT_TRUE(r.finished);
    EXPECT_TRUE(r.message.isEmpty());
    // The header once, then steps 1 and 2, then steps 1 to 9 again.
    std::vector<QByteArray> expected{frames[0], frames[1], frames[2]};
    expected.insert(expected.end(), frames.begin() + 1, frames.end());
    EXPECT_EQ(io.sent, expected);
}

TEST_F(Stepper, TcpTableFramesThatKeepFailingEndTheUpload)
{
    io.sendResults = {true, false, false, false, false, false};
    stepper.start(tenFrames(), 9, 50);
    SchemaStepper::Result r;
    int ticks = 0;
    while (!r.finished && ticks < 100) {
        r = stepper.tick(io);
        ++ticks;
    }
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(ticks, 1 + SchemaStepper::kTcpTableSendTries);
    EXPECT_EQ(r.message, QStringLiteral("Помилка порту!!!"));
    EXPECT_EQ(state.Schema_Step, 0);
}

TEST_F(Stepper, ReplyStepEndsAsSoonAsTheFiveBytesAreIn)
{
    io.answer.reset();
    stepper.start(tenFrames(), 1, 300);
    for (int step = 0; step <= 9; ++step)
        stepper.tick(io);
    // The clock stands still: only the reply can end the wait.
    io.received = controllerReply(1, 'B', 0).left(3);
    EXPECT_FALSE(stepper.tick(io).finished);
    EXPECT_FALSE(stepper.tick(io).finished);
    io.received = controllerReply(1, 'B', 0).mid(3);
    const auto r = stepper.tick(io);
    EXPECT_TRUE(r.finished);
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_EQ(r.progress, 10);
}

TEST_F(Stepper, WithoutAReplyTheLongestWaitEndsIt)
{
    io.answer.reset();
    stepper.start(tenFrames(), 1, 300);
    for (int step = 0; step <= 9; ++step)
        stepper.tick(io);
    const int limit = stepper.replyWaitLimit();
    now += limit - 1;
    EXPECT_FALSE(stepper.tick(io).finished);
    now += 1;
    const auto r = stepper.tick(io);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.message, QStringLiteral("Помилка передачі !!!"));
}

TEST_F(Stepper, ReplyFromBeforeTheTextFrameIsNeverJudged)
{
    struct Case {
        const char *what;
        QByteArray early; // arrives while steps 0 to 8 go out
        QByteArray answer;
        bool good;
    };
    const Case cases[] = {
        {"an accepting reply of an earlier upload", controllerReply(1, 'B', 0), controllerReply(1, 'B', 1), false},
        {"a rejecting reply of an earlier upload", controllerReply(1, 'B', 1), controllerReply(1, 'B', 0), true},
    };
    for (const Case &c : cases) {
        FakeIo link;
        link.answer = c.answer;
        stepper.start(tenFrames(), 1, 300);
        for (int step = 0; step <= 8; ++step) {
            stepper.tick(link);
            if (step == 4)
                link.received += c.early;
        }
        const SchemaStepper::Result r = runToEnd(link);
        EXPECT_TRUE(r.finished) << c.what;
        EXPECT_EQ(r.message.isEmpty(), c.good) << c.what;
    }
}

TEST_F(Stepper, BytesWhileTheTextFrameIsLeavingAreDropped)
{
    io.answer.reset();
    stepper.start(tenFrames(), 1, 300);
    for (int step = 0; step <= 9; ++step)
        stepper.tick(io);
    // A late accepting reply comes while the text frame is still leaving.
    io.pending = 100;
    io.received = controllerReply(1, 'B', 0);
    for (int i = 0; i < 3; ++i) {
        const auto r = stepper.tick(io);
        EXPECT_FALSE(r.finished);
        EXPECT_EQ(r.progress, 10);
        now += stepper.replyWaitLimit(); // however long it takes to leave
    }
    // Once it has left, the controller's own answer is judged.
    io.pending = 0;
    io.received = controllerReply(1, 'B', 1);
    const auto r = stepper.tick(io);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.message, QStringLiteral("Помилка передачі !!!"));
}

TEST_F(Stepper, OutputThatNeverLeavesIsJudgedInTheEnd)
{
    io.pending = 1;
    stepper.start(tenFrames(), 9, 300);
    const SchemaStepper::Result r = runToEnd(io, 100000);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.message, QStringLiteral("Помилка передачі !!!"));
}

TEST_F(Stepper, StartingAgainBeginsWithAFreshHeader)
{
    const auto frames = tenFrames();
    stepper.start(frames, 1, 300);
    for (int step = 0; step <= 5; ++step)
        stepper.tick(io);
    stepper.start(frames, 1, 300);
    EXPECT_EQ(state.Schema_Step, 0);
    stepper.tick(io);
    EXPECT_EQ(io.sent.back(), frames[0]);
    EXPECT_EQ(io.sent.size(), 7u);
}

} // namespace
} // namespace pelmora
