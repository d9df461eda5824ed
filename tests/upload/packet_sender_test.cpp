#include "upload/packet_sender.h"

#include "link/controller_reply.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace pelmora {
namespace {

using End = PacketSender::End;
using Result = PacketSender::Result;

// Packet k of row r: its row and number in its first bytes, padded to `size`.
QByteArray packet(int row, int number, int size = 1034)
{
    QByteArray p(size, '\0');
    p[0] = static_cast<char>(row);
    p[1] = static_cast<char>(number);
    return p;
}

PacketSender::Rows rowsOf(const std::vector<int> &counts, int size = 1034)
{
    PacketSender::Rows rows;
    for (std::size_t r = 0; r < counts.size(); ++r) {
        rows.emplace_back();
        for (int k = 1; k <= counts[r]; ++k)
            rows.back().push_back(packet(static_cast<int>(r), k, size));
    }
    return rows;
}

QByteArray good() { return controllerReply(2, 0x43, 0); }
QByteArray badStatus() { return controllerReply(2, 0x43, 1); }
QByteArray badChecksum()
{
    QByteArray r = good();
    r[4] = static_cast<char>(r.at(4) ^ 0x11);
    return r;
}

// A controller behind a fake link: every packet sent is recorded, and the
// reply the script gives for it (by the number of the send, from 0) waits in
// the inbox until the sender reads.
class FakeController : public LinkIo {
public:
    std::vector<QByteArray> sent;
    std::function<std::optional<QByteArray>(std::size_t send)> answer = [](std::size_t) { return good(); };
    QByteArray inbox;
    std::vector<bool> sendResults; // by send attempt; true past the end
    bool readFails = false;

    bool send(const QByteArray &bytes) override
    {
        const std::size_t attempt = attempts_++;
        if (attempt < sendResults.size() && !sendResults[attempt])
            return false;
        const std::size_t n = sent.size();
        sent.push_back(bytes);
        if (const auto reply = answer(n))
            inbox += *reply;
        return true;
    }
    std::optional<QByteArray> read() override
    {
        if (readFails)
            return std::nullopt;
        const QByteArray got = inbox;
        inbox.clear();
        return got;
    }
    qint64 pendingOutput() override { return 0; }

    // (row, number) of each packet sent.
    std::vector<std::pair<int, int>> positions() const
    {
        std::vector<std::pair<int, int>> out;
        for (const QByteArray &p : sent)
            out.emplace_back(p.at(0), p.at(1));
        return out;
    }

private:
    std::size_t attempts_ = 0;
};

class Sender : public ::testing::Test {
protected:
    // Ticks until the sender ends (or a guard), keeping every result.
    std::vector<Result> runTicks(int guard = 200)
    {
        std::vector<Result> out;
        while (sender.running() && guard-- > 0)
            out.push_back(sender.tick(io));
        return out;
    }

    LinkState state;
    qint64 now = 0; // the sender's clock: replies take no time unless a test says so
    PacketSender sender{state, [this] { return now; }};
    FakeController io;
};

TEST_F(Sender, NPacketsTakeNPlusOneSteps)
{
    struct Case {
        std::vector<int> counts;
        int steps;
    };
    const Case cases[] = {
        {{4, 4, 4, 4, 4, 4, 4, 4}, 33},  // a page of 4 packets a band
        {{6, 6, 6, 6, 6, 6, 6, 10}, 53}, // a one-colour page: 52 packets
        {{3}, 4},                        // a mechanism image: one row
        {{2, 0, 1}, 4},                  // a row without packets is passed over
    };
    for (const Case &c : cases) {
        io = FakeController();
        const PacketSender::Rows rows = rowsOf(c.counts);
        sender.start(rows, 1, 300);
        const std::vector<Result> steps = runTicks();
        ASSERT_EQ(static_cast<int>(steps.size()), c.steps);
        std::vector<QByteArray> all;
        for (const auto &row : rows)
            all.insert(all.end(), row.begin(), row.end());
        EXPECT_EQ(io.sent, all);
        for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
            EXPECT_TRUE(steps[i].sent);
            EXPECT_EQ(steps[i].end, End::None);
        }
        EXPECT_FALSE(steps.back().sent);
        EXPECT_EQ(steps.back().end, End::Done);
        EXPECT_TRUE(steps.back().message.isEmpty());
        EXPECT_EQ(steps.back().rowsDone, static_cast<int>(c.counts.size()) + 1);
        EXPECT_EQ(steps.back().errors, 0);
        EXPECT_EQ(sender.Send_Band(), 0);
        EXPECT_FALSE(sender.running());
    }
}

TEST_F(Sender, ProgressAndRowCountsOfAPageOfFourPacketsABand)
{
    sender.start(rowsOf({4, 4, 4, 4, 4, 4, 4, 4}), 1, 300);
    const std::vector<Result> steps = runTicks();
    ASSERT_EQ(steps.size(), 33u);
    // The first step reads nothing and sends packet 1 of row 0.
    EXPECT_EQ(io.positions().front(), std::make_pair(0, 1));
    for (int i = 0; i < 33; ++i) {
        const Result &r = steps[static_cast<std::size_t>(i)];
        EXPECT_EQ(r.progress, i / 4) << "step " << i + 1;
        // Rows complete when their fourth packet has gone: 1..8, then 9 on the closing step.
        if (i % 4 == 3 || i == 32) {
            EXPECT_EQ(r.rowsDone, i / 4 + 1) << "step " << i + 1;
        } else {
            EXPECT_FALSE(r.rowsDone.has_value()) << "step " << i + 1;
        }
    }
    // A tick after the end does nothing.
    EXPECT_FALSE(sender.tick(io).stepped);
    EXPECT_EQ(io.sent.size(), 32u);
}

TEST_F(Sender, BadReplyIsAnsweredByTheSamePacket)
{
    struct Case {
        const char *what;
        std::optional<QByteArray> reply;
    };
    const Case cases[] = {
        {"status not 0", badStatus()},
        {"wrong checksum", badChecksum()},
        {"four bytes", good().left(4)},
        {"no reply", std::nullopt},
    };
    for (const Case &c : cases) {
        io = FakeController();
        sender.start(rowsOf({4, 4, 4, 4}), 1, 300);
        // The send of packet 3 of row 2 (the 11th packet) gets the bad reply.
        io.answer = [&c](std::size_t n) { return n == 10 ? c.reply : std::optional<QByteArray>(good()); };
        const std::vector<Result> steps = runTicks();
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.back().end, End::Done) << c.what;
        const auto pos = io.positions();
        ASSERT_EQ(pos.size(), 17u) << c.what;
        EXPECT_EQ(pos[10], std::make_pair(2, 3)) << c.what;
        EXPECT_EQ(pos[11], std::make_pair(2, 3)) << c.what;
        EXPECT_EQ(pos[12], std::make_pair(2, 4)) << c.what;
        EXPECT_EQ(steps[11].errors, 1) << c.what;
        EXPECT_EQ(steps.back().errors, 1) << c.what; // counted since the start, not the run
        EXPECT_EQ(state.Send_Error_Count, 0) << c.what;
    }
}

TEST_F(Sender, LastPacketOfARowAndOfTheQueueIsSentAgain)
{
    sender.start(rowsOf({4, 4}), 1, 300);
    // Packet 4 of row 0 (send 3) and packet 4 of row 1 (its first send, 8) get bad replies.
    io.answer = [](std::size_t n) { return n == 3 || n == 8 ? badStatus() : good(); };
    const std::vector<Result> steps = runTicks();
    const std::vector<std::pair<int, int>> expected = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 4},
                                                       {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 4}};
    EXPECT_EQ(io.positions(), expected);
    // Each bad reply is followed by a guard step that sends nothing.
    ASSERT_EQ(steps.size(), 13u);
    EXPECT_EQ(steps.back().end, End::Done);
    EXPECT_EQ(steps.back().errors, 2);
    EXPECT_TRUE(steps[4].guarding);
    EXPECT_FALSE(steps[4].sent);
    // The row is counted done again when its last packet has gone again.
    EXPECT_EQ(steps[3].rowsDone, 1);
    EXPECT_EQ(steps[5].rowsDone, 1);
    EXPECT_EQ(steps[5].progress, 0);
}

TEST_F(Sender, EightBadRepliesInARowGiveUp)
{
    struct Case {
        const char *what;
        int badInARow;
        QByteArray lastBad;
        const char16_t *message; // nullptr: the transfer goes on to its end
    };
    const Case cases[] = {
        {"seven, then good", 7, badStatus(), nullptr},
        {"eight, the last a status failure", 8, badStatus(), u"Помилка контрольної суми запису даних!!!"},
        {"eight, the last a checksum failure", 8, badChecksum(), u"Помилка контрольної суми підтвердження!!!"},
    };
    for (const Case &c : cases) {
        io = FakeController();
        sender.start(rowsOf({3, 3}), 1, 300);
        // Packet 2 of row 1 (send 4) is answered badly c.badInARow times,
        // the first replies of the run the other kind.
        const QByteArray other = c.lastBad == badStatus() ? badChecksum() : badStatus();
        io.answer = [&c, other](std::size_t n) -> std::optional<QByteArray> {
            if (n < 4 || n >= 4 + static_cast<std::size_t>(c.badInARow))
                return good();
            return n == 3 + static_cast<std::size_t>(c.badInARow) ? c.lastBad : other;
        };
        const std::vector<Result> steps = runTicks();
        ASSERT_FALSE(steps.empty());
        const Result &last = steps.back();
        EXPECT_EQ(state.Send_Error_Count, 0) << c.what;
        EXPECT_EQ(last.errors, c.badInARow) << c.what;
        EXPECT_FALSE(sender.running()) << c.what;
        if (!c.message) {
            EXPECT_EQ(last.end, End::Done) << c.what;
            EXPECT_EQ(io.sent.size(), 6u + 7u) << c.what;
            continue;
        }
        EXPECT_EQ(last.end, End::GaveUp) << c.what;
        EXPECT_EQ(last.message, QString::fromUtf16(c.message)) << c.what;
        EXPECT_EQ(last.icon, MsgIcon::Critical) << c.what;
        // The packet went out eight times; the position stays where it was.
        EXPECT_EQ(io.sent.size(), 4u + 8u) << c.what;
        EXPECT_EQ(sender.Send_Band(), 1) << c.what;
        EXPECT_EQ(sender.Send_Packet(), 3) << c.what;
        EXPECT_FALSE(sender.tick(io).stepped) << c.what;
    }
}

TEST_F(Sender, WaitsOnEachLink)
{
    // Serial: the written 50 ms, or the packet's and its reply's wire time
    // at 115200 baud and the margin when that is longer.
    EXPECT_EQ(lineWireMs(1039, 115200), 91);
    EXPECT_EQ(sender.start(rowsOf({2}), 3, 300), 50);
    EXPECT_EQ(sender.tick(io).interval, 91 + 50);
    sender.start(rowsOf({2}, 10), 3, 300);
    EXPECT_EQ(sender.tick(io).interval, 52);
    sender.start(rowsOf({2}, 2), 3, 300);
    EXPECT_EQ(sender.tick(io).interval, 51);

    // TCP: 500 ms until the first good reply, then the request period; 100 ms
    // more for every bad reply in a row. No speed is known: only the margin bounds it.
    struct Case {
        int period;
        std::vector<int> intervals; // of the steps, the first one sending packet 1
    };
    const Case cases[] = {
        // A bad reply is followed by the guard, as long as the wait, then the packet again.
        {300, {500, 300, 400, 400, 500, 500, 300, 400}},
        {20, {500, 50, 120, 120, 220, 220, 50, 120}}, // the margin is the least wait
        {0, {500, 50, 101, 101, 201, 201, 50, 101}},  // a zero period counts as 1 ms
    };
    for (const Case &c : cases) {
        io = FakeController();
        // Send 1 good, sends 2 and 3 bad, send 4 good, send 5 bad.
        io.answer = [](std::size_t n) { return n == 1 || n == 2 || n == 4 ? badStatus() : good(); };
        EXPECT_EQ(sender.start(rowsOf({8}), 9, c.period), 500);
        std::vector<int> intervals;
        for (std::size_t i = 0; i < c.intervals.size(); ++i)
            intervals.push_back(sender.tick(io).interval);
        EXPECT_EQ(intervals, c.intervals) << "period " << c.period;
    }
}

TEST_F(Sender, AReplyIsJudgedAsSoonAsItIsComplete)
{
    io.answer = [](std::size_t) { return std::nullopt; };
    sender.start(rowsOf({2}), 1, 300);
    ASSERT_TRUE(sender.tick(io).sent);
    io.inbox = good().left(3);
    EXPECT_FALSE(sender.bytesArrived(io).stepped);
    io.inbox = good().mid(3) + badStatus(); // a second reply in the same read is not looked at
    Result r = sender.bytesArrived(io);
    EXPECT_TRUE(r.stepped);
    EXPECT_TRUE(r.sent);
    EXPECT_EQ(r.errors, 0);
    EXPECT_EQ(io.positions().back(), std::make_pair(0, 2));
    // Nor is what the step left, when the next reply comes.
    io.inbox = badStatus();
    r = sender.bytesArrived(io);
    EXPECT_EQ(r.errors, 1);
    EXPECT_TRUE(r.guarding);
    EXPECT_EQ(io.sent.size(), 2u);
    // Bytes during the guard start it again; the packet goes once the line was quiet.
    io.inbox = good();
    r = sender.bytesArrived(io);
    EXPECT_TRUE(r.guarding);
    EXPECT_EQ(io.sent.size(), 2u);
    r = sender.tick(io);
    EXPECT_TRUE(r.sent);
    EXPECT_EQ(io.positions().back(), std::make_pair(0, 2));
    io.inbox = good();
    r = sender.bytesArrived(io);
    EXPECT_EQ(r.end, End::Done);
    EXPECT_EQ(r.errors, 1);
}

TEST_F(Sender, BytesFromAnEarlierExchangeConfirmNothing)
{
    for (int kind : {1, 9}) {
        io = FakeController();
        io.answer = [](std::size_t) { return std::nullopt; };
        io.inbox = good() + good();
        sender.start(rowsOf({2}), kind, 300);
        // Bytes that came before the first packet are not looked at.
        EXPECT_FALSE(sender.bytesArrived(io).stepped);
        ASSERT_TRUE(sender.tick(io).sent);
        EXPECT_TRUE(io.inbox.isEmpty());
        // The wait runs out with nothing: a bad reply, the guard, and packet 1 again.
        const Result r = sender.tick(io);
        EXPECT_EQ(r.errors, 1) << kind;
        EXPECT_TRUE(r.guarding) << kind;
        EXPECT_TRUE(sender.tick(io).sent) << kind;
        EXPECT_EQ(io.positions(), (std::vector<std::pair<int, int>>{{0, 1}, {0, 1}})) << kind;
    }
}

TEST_F(Sender, PortFailures)
{
    struct Case {
        const char *what;
        int kind;
        std::vector<bool> sends;
        bool readFailsAfterFirst;
        End end;
        std::size_t sent;
    };
    const Case cases[] = {
        {"first packet not sent, serial", 2, {false}, false, End::PortFailure, 0},
        {"first packet not sent, TCP", 9, {false}, false, End::PortFailure, 0},
        {"reply cannot be read", 2, {}, true, End::PortFailure, 1},
        // A later packet that does not go out is counted as a bad reply and sent again.
        {"third packet not sent once", 2, {true, true, false}, false, End::Done, 4},
    };
    for (const Case &c : cases) {
        io = FakeController();
        io.sendResults = c.sends;
        sender.start(rowsOf({4}), c.kind, 300);
        std::vector<Result> steps;
        steps.push_back(sender.tick(io));
        io.readFails = c.readFailsAfterFirst;
        const std::vector<Result> rest = runTicks();
        steps.insert(steps.end(), rest.begin(), rest.end());
        const Result &last = steps.back();
        EXPECT_EQ(last.end, c.end) << c.what;
        EXPECT_EQ(io.sent.size(), c.sent) << c.what;
        if (c.end == End::PortFailure) {
            EXPECT_EQ(last.message, QStringLiteral("Немає відповіді. Помилка порту!!!")) << c.what;
            EXPECT_EQ(last.icon, MsgIcon::Critical) << c.what;
            EXPECT_EQ(sender.Send_Band(), 0) << c.what;
            EXPECT_EQ(sender.Send_Packet(), 0) << c.what;
        } else {
            EXPECT_EQ(last.errors, 1) << c.what;
            EXPECT_FALSE(steps[2].sent) << c.what;
        }
    }
}

TEST_F(Sender, EveryTransferStartsWithItsEightTries)
{
    state.Send_Error_Count = 6; // left by a transfer that ended on the port
    sender.start(rowsOf({2}), 1, 300);
    io.answer = [](std::size_t n) { return n < 3 ? badStatus() : good(); };
    const std::vector<Result> steps = runTicks();
    EXPECT_EQ(steps.back().end, End::Done);
    EXPECT_EQ(steps.back().errors, 3);
}

} // namespace
} // namespace pelmora
