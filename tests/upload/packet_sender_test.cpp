#include "upload/packet_sender.h"

#include "link/controller_reply.h"
#include "support/packet_line.h"

#include <gtest/gtest.h>

#include <memory>

namespace pelmora {
namespace {

using End = PacketSender::End;
using Result = PacketSender::Result;
using test::ReplyPlan;
using Fault = ReplyPlan::Fault;

class Sender : public ::testing::Test {
protected:
    // A line at `baud` (0: TCP) whose controller answers as `plan` says.
    test::ScriptedLine &line(int baud, std::function<ReplyPlan(int)> plan = {}, int lineBaud = 0)
    {
        line_ = std::make_unique<test::ScriptedLine>(test::packetLine(baud, std::move(plan), lineBaud));
        return *line_;
    }
    test::SenderRun run(const PacketSender::Rows &rows, int kind = 1, int period = 300)
    {
        const int baud = kind > 8 ? 0 : 115200;
        if (!line_)
            line(baud);
        return test::runSender(sender, *line_, rows, kind, period, baud);
    }
    // (row, number) of every packet sent.
    std::vector<std::pair<int, int>> positions() const
    {
        std::vector<std::pair<int, int>> out;
        for (const auto &t : line_->taken())
            out.emplace_back(t.frame.at(0), t.frame.at(1));
        return out;
    }

    LinkState state;
    std::unique_ptr<test::ScriptedLine> line_;
    PacketSender sender{state, [this] { return line_ ? line_->now() : 0; }};
};

TEST_F(Sender, EveryPacketGoesOnceAndRowsCountAsTheirLastPacketGoes)
{
    struct Case {
        std::vector<int> counts;
    };
    const Case cases[] = {
        {{4, 4, 4, 4, 4, 4, 4, 4}},  // a page of 4 packets a band
        {{6, 6, 6, 6, 6, 6, 6, 10}}, // a one-colour page: 52 packets
        {{3}},                       // a mechanism image: one row
        {{2, 0, 1}},                 // a row without packets is passed over
    };
    for (const Case &c : cases) {
        line_.reset();
        const PacketSender::Rows rows = test::numberedRows(c.counts);
        const test::SenderRun r = run(rows);
        ASSERT_TRUE(r.outcome.ended);
        std::vector<QByteArray> all;
        for (const auto &row : rows)
            all.insert(all.end(), row.begin(), row.end());
        std::vector<QByteArray> sent;
        for (const auto &t : line_->taken())
            sent.push_back(t.frame);
        EXPECT_EQ(sent, all);
        // One step for each packet, and the closing step.
        ASSERT_EQ(r.steps.size(), all.size() + 1);
        EXPECT_EQ(r.last.end, End::Done);
        EXPECT_TRUE(r.last.message.isEmpty());
        EXPECT_EQ(r.last.rowsDone, static_cast<int>(c.counts.size()) + 1);
        EXPECT_EQ(r.last.errors, 0);
        EXPECT_EQ(sender.Send_Band(), 0);
        EXPECT_FALSE(sender.running());
    }
    // A page of four packets a row: the bar shows the row being sent, and each
    // row counts as done when its fourth packet has gone.
    line_.reset();
    const test::SenderRun page = run(test::numberedRows({4, 4, 4, 4, 4, 4, 4, 4}));
    ASSERT_EQ(page.steps.size(), 33u);
    for (int i = 0; i < 32; ++i) {
        const Result &r = page.steps[static_cast<std::size_t>(i)];
        EXPECT_EQ(r.progress, i / 4) << "step " << i + 1;
        if (i % 4 == 3)
            EXPECT_EQ(r.rowsDone, i / 4 + 1) << "step " << i + 1;
        else
            EXPECT_FALSE(r.rowsDone.has_value()) << "step " << i + 1;
    }
    EXPECT_EQ(page.steps.back().rowsDone, 9);
    EXPECT_FALSE(sender.tick(*line_).stepped); // a tick after the end does nothing
}

TEST_F(Sender, EachKindOfBadReplySendsThePacketAgain)
{
    const ReplyPlan faults[] = {
        {Fault::BadStatus}, {Fault::BadCrc},     {Fault::CutShort, 0, 3}, {Fault::CutShort, 0, 4},
        {Fault::Lost},      {Fault::Junk, 0, 9}, {Fault::Twice},          {Fault::Flood, 0, 300},
    };
    for (int kind : {1, 9}) {
        for (const ReplyPlan &fault : faults) {
            const std::string what = std::string(test::faultName(fault.fault)) + (kind == 9 ? " tcp" : " serial");
            // The eleventh packet sent, packet 3 of row 2, gets the fault.
            line(kind == 9 ? 0 : 115200, [fault](int i) { return i == 10 ? fault : ReplyPlan{}; });
            const PacketSender::Rows rows = test::numberedRows({4, 4, 4, 4});
            const test::SenderRun r = run(rows, kind);
            ASSERT_TRUE(r.outcome.ended) << what;
            EXPECT_EQ(r.last.end, End::Done) << what;
            const auto pos = positions();
            ASSERT_GE(pos.size(), 17u) << what;
            EXPECT_EQ(pos[10], std::make_pair(2, 3)) << what;
            EXPECT_EQ(pos[11], std::make_pair(2, 3)) << what;
            EXPECT_GE(r.last.errors, 1) << what; // counted since the start
            EXPECT_EQ(state.Send_Error_Count, 0) << what;
            std::string why;
            EXPECT_TRUE(test::everyLastCopyGood(*line_, rows, &why)) << what << ": " << why;
        }
    }
}

// A bad reply to the last packet of a row, and to the last of the queue,
// sends that packet again like any other; its row counts as done again when
// it has gone again.
TEST_F(Sender, TheLastPacketOfARowAndOfTheQueueIsSentAgain)
{
    // Packet 4 of row 0 (frame 3) and packet 4 of row 1 (its first copy, frame 8) are rejected.
    line(115200, [](int i) { return ReplyPlan{i == 3 || i == 8 ? Fault::BadStatus : Fault::None}; });
    const test::SenderRun r = run(test::numberedRows({4, 4}));
    const std::vector<std::pair<int, int>> expected = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 4},
                                                       {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 4}};
    EXPECT_EQ(positions(), expected);
    ASSERT_EQ(r.steps.size(), 11u); // the ten sends and the closing step
    EXPECT_EQ(r.last.end, End::Done);
    EXPECT_EQ(r.last.errors, 2);
    for (std::size_t i : {3u, 4u}) {
        EXPECT_EQ(r.steps[i].rowsDone, 1) << "step " << i;
        EXPECT_EQ(r.steps[i].progress, 0) << "step " << i;
    }
    for (std::size_t i : {8u, 9u}) {
        EXPECT_EQ(r.steps[i].rowsDone, 2) << "step " << i;
        EXPECT_EQ(r.steps[i].progress, 1) << "step " << i;
    }
    EXPECT_EQ(r.last.rowsDone, 3);
}

// A reply is judged in the step its last byte comes: the next packet leaves
// then, not when the timer runs out.
TEST_F(Sender, AReplyIsJudgedAsSoonAsItIsComplete)
{
    struct Case {
        const char *what;
        ReplyPlan first;
    };
    const Case cases[] = {
        {"whole", {Fault::None, 20}},
        {"in two pieces 30 ms apart", {Fault::Split, 20, 2, 30}},
    };
    for (int kind : {1, 9})
        for (const Case &c : cases) {
            const std::string what = std::string(c.what) + (kind == 9 ? ", tcp" : ", serial");
            line(kind == 9 ? 0 : 115200, [&c](int i) { return i == 0 ? c.first : ReplyPlan{}; });
            const test::SenderRun r = run(test::numberedRows({2}), kind);
            EXPECT_EQ(r.last.end, End::Done) << what;
            const auto &taken = line_->taken();
            ASSERT_EQ(taken.size(), 2u) << what;
            EXPECT_EQ(taken[1].sentAt, taken[0].replyEndsAt) << what;
        }
}

// Bytes that came before the first packet (the end of an earlier exchange)
// confirm nothing: when the first packet's reply is lost, it goes again.
TEST_F(Sender, BytesFromAnEarlierExchangeConfirmNothing)
{
    for (int kind : {1, 9}) {
        line(kind == 9 ? 0 : 115200, [](int i) { return ReplyPlan{i == 0 ? Fault::Lost : Fault::None}; });
        line_->inject(0, test::goodReply() + test::goodReply());
        const test::SenderRun r = run(test::numberedRows({2}), kind);
        EXPECT_EQ(r.last.end, End::Done) << kind;
        EXPECT_EQ(r.last.errors, 1) << kind;
        EXPECT_EQ(positions(), (std::vector<std::pair<int, int>>{{0, 1}, {0, 1}, {0, 2}})) << kind;
    }
}

TEST_F(Sender, EightBadRepliesInARowGiveUp)
{
    struct Case {
        const char *what;
        int badInARow;
        Fault lastBad;
        const char16_t *message; // nullptr: the transfer goes on to its end
    };
    const Case cases[] = {
        {"seven, then good", 7, Fault::BadStatus, nullptr},
        {"eight, the last a status failure", 8, Fault::BadStatus, u"Помилка контрольної суми запису даних!!!"},
        {"eight, the last a checksum failure", 8, Fault::BadCrc, u"Помилка контрольної суми підтвердження!!!"},
        {"eight, the last missing", 8, Fault::Lost, u"Помилка контрольної суми підтвердження!!!"},
    };
    for (const Case &c : cases) {
        // Packet 2 of row 1 (frame 4) is answered badly c.badInARow times,
        // the first of them the other kind.
        const Fault other = c.lastBad == Fault::BadStatus ? Fault::BadCrc : Fault::BadStatus;
        line(115200, [&c, other](int i) {
            if (i < 4 || i >= 4 + c.badInARow)
                return ReplyPlan{};
            return ReplyPlan{i == 3 + c.badInARow ? c.lastBad : other};
        });
        const test::SenderRun r = run(test::numberedRows({3, 3}));
        ASSERT_TRUE(r.outcome.ended) << c.what;
        EXPECT_EQ(state.Send_Error_Count, 0) << c.what;
        EXPECT_EQ(r.last.errors, c.badInARow) << c.what;
        EXPECT_FALSE(sender.running()) << c.what;
        if (!c.message) {
            EXPECT_EQ(r.last.end, End::Done) << c.what;
            EXPECT_EQ(line_->taken().size(), 6u + 7u) << c.what;
            continue;
        }
        EXPECT_EQ(r.last.end, End::GaveUp) << c.what;
        EXPECT_EQ(r.last.message, QString::fromUtf16(c.message)) << c.what;
        EXPECT_EQ(r.last.icon, MsgIcon::Critical) << c.what;
        // The packet went out eight times; the position stays after it.
        EXPECT_EQ(line_->taken().size(), 4u + 8u) << c.what;
        EXPECT_EQ(sender.Send_Band(), 1) << c.what;
        EXPECT_EQ(sender.Send_Packet(), 3) << c.what;
        EXPECT_FALSE(sender.tick(*line_).stepped) << c.what;
    }
}

// The wait for a reply is the packet's hold, from its leaving: never less than
// two seconds, nor than twice the written wait plus the wire times and a
// margin, and twice the longest delay seen.
TEST_F(Sender, WaitsFollowTheWrittenWaitsTheWireAndTheDelaysSeen)
{
    struct Serial {
        int baud;
        int size;
        int shown; // from the packet's handing over: its wire time and its hold
    };
    const Serial serial[] = {
        {115200, 1034, 90 + 2000},
        {9600, 10, 11 + 2000},
        {1200, 1034, 8617 + 2 * (50 + 8617 + 42 + 50)}, // a slow line: twice the written wait and the wire times
    };
    for (const Serial &c : serial) {
        line(c.baud, [](int) { return ReplyPlan{Fault::Lost}; });
        sender.start(test::numberedRows({2}, c.size), 3, 300, c.baud);
        EXPECT_EQ(sender.tick(*line_).interval, c.shown) << c.baud;
    }

    // TCP: 500 ms until the first good reply, then the request period; 100 ms
    // more for every bad reply in a row. A period of 1500 ms makes the hold
    // longer than the least one.
    // Frame 0 good, 1 and 2 rejected, 3 good, 4 rejected.
    line(0, [](int i) { return ReplyPlan{i == 1 || i == 2 || i == 4 ? Fault::BadStatus : Fault::None}; });
    const test::SenderRun r = run(test::numberedRows({4}), 9, 1500);
    std::vector<int> waits;
    for (const Result &s : r.steps)
        if (s.sent)
            waits.push_back(s.interval);
    EXPECT_EQ(waits, (std::vector<int>{2000, 3100, 3300, 3500, 3100, 3300, 3100}));

    // Replies seen to come 1200 ms after their packet left: the holds grow to twice that.
    line(115200, [](int) { return ReplyPlan{Fault::None, 1200}; });
    const test::SenderRun slow = run(test::numberedRows({3}));
    ASSERT_EQ(slow.last.end, End::Done);
    ASSERT_GE(slow.steps.size(), 3u);
    EXPECT_EQ(slow.steps[0].interval, 90 + 2000);
    EXPECT_GE(slow.steps[1].interval, 90 + 2 * 1200 + 50);
    EXPECT_EQ(slow.last.errors, 0);
}

TEST_F(Sender, PortFailures)
{
    struct Case {
        const char *what;
        int kind;
        bool firstSendFails;
        bool readFails;
        bool thirdSendFails;
        End end;
        std::size_t sent;
    };
    const Case cases[] = {
        {"first packet not sent, serial", 2, true, false, false, End::PortFailure, 0},
        {"first packet not sent, TCP", 9, true, false, false, End::PortFailure, 0},
        {"reply cannot be read", 2, false, true, false, End::PortFailure, 1},
        // A later packet that does not go out is counted as a bad reply and sent again.
        {"third packet not sent once", 2, false, false, true, End::Done, 4},
    };
    for (const Case &c : cases) {
        state = LinkState(); // each case on a line of its own, with a clock of its own
        test::ScriptedLine &l = line(c.kind == 9 ? 0 : 115200);
        l.sendFails = c.firstSendFails;
        sender.start(test::numberedRows({4}), c.kind, 300, c.kind == 9 ? 0 : 115200);
        if (c.thirdSendFails)
            l.failingSends = {2};
        Result r = sender.tick(l);
        l.readFails = c.readFails;
        int guard = 0;
        while (r.end == End::None && guard++ < 100) {
            l.advanceTo(qMin(l.nextDelivery(), l.now() + r.nextStepMs));
            r = sender.tick(l);
        }
        EXPECT_EQ(r.end, c.end) << c.what;
        EXPECT_EQ(l.taken().size(), c.sent) << c.what;
        if (c.end == End::PortFailure) {
            EXPECT_EQ(r.message, QStringLiteral("Немає відповіді. Помилка порту!!!")) << c.what;
            EXPECT_EQ(r.icon, MsgIcon::Critical) << c.what;
            EXPECT_EQ(sender.Send_Band(), 0) << c.what;
            EXPECT_EQ(sender.Send_Packet(), 0) << c.what;
        } else {
            EXPECT_EQ(r.errors, 1) << c.what;
        }
    }
}

TEST_F(Sender, EveryTransferStartsWithItsEightTries)
{
    state.Send_Error_Count = 6; // left by a transfer that ended on the port
    line(115200, [](int i) { return ReplyPlan{i < 3 ? Fault::BadStatus : Fault::None}; });
    const test::SenderRun r = run(test::numberedRows({2}));
    EXPECT_EQ(r.last.end, End::Done);
    EXPECT_EQ(r.last.errors, 3);
}

// Replies 1500 ms late over TCP, the second one rejected or lost: the late
// replies are matched to the copies they answer, so the transfer is written
// with every packet's last copy accepted, never on another copy's reply.
TEST_F(Sender, LateRepliesAreMatchedToTheCopiesTheyAnswer)
{
    for (Fault second : {Fault::BadStatus, Fault::Lost}) {
        line(0, [second](int i) { return ReplyPlan{i == 1 ? second : Fault::None, 1500}; });
        const PacketSender::Rows rows = test::numberedRows({4});
        const test::SenderRun r = run(rows, 9, 300);
        ASSERT_TRUE(r.outcome.ended) << test::faultName(second);
        // A controller this slow is still written to: the waits grow to its delay.
        ASSERT_EQ(r.last.end, End::Done) << test::faultName(second);
        std::string why;
        EXPECT_TRUE(test::everyLastCopyGood(*line_, rows, &why)) << test::faultName(second) << ": " << why;
        EXPECT_GE(sender.replyDelay(), 1500);
    }
}

// A reply that comes while the packet has not all left the port (flow
// control holding it back) cannot be the packet's: it breaks the order of the
// replies, the copy is judged bad, and the packet goes again once the line is
// sure, whatever the controller answers to the copy that was held.
TEST_F(Sender, BytesWhileThePacketIsStillInThePortAnswerNothing)
{
    for (int kind : {1, 9}) {
        line(kind == 9 ? 0 : 115200, [](int i) {
            ReplyPlan p;
            if (i == 0)
                p.heldMs = 500;
            return p;
        });
        line_->injectAfter(0, 200, test::goodReply());
        const PacketSender::Rows rows = test::numberedRows({2});
        const test::SenderRun r = run(rows, kind);
        ASSERT_TRUE(r.outcome.ended) << kind;
        EXPECT_EQ(r.last.end, End::Done) << kind;
        EXPECT_EQ(r.last.errors, 1) << kind;
        EXPECT_EQ(positions(), (std::vector<std::pair<int, int>>{{0, 1}, {0, 1}, {0, 2}})) << kind;
        const auto &taken = line_->taken();
        EXPECT_GE(taken[1].sentAt, taken[0].leftAt + test::kLeastHoldMs) << kind;
        std::string why;
        EXPECT_TRUE(test::everyLastCopyGood(*line_, rows, &why)) << kind << ": " << why;
    }
}

// A transfer started over while its packet is out hands the packet on: its
// late reply is matched to it, not taken for the new transfer's packet.
TEST_F(Sender, AReplyToAnEarlierTransfersFrameIsMatchedToIt)
{
    // Frame 0, the first transfer's packet, is answered good 1000 ms late;
    // frame 1, the next transfer's first copy, is rejected.
    line(115200, [](int i) {
        if (i == 0)
            return ReplyPlan{Fault::None, 1000};
        return ReplyPlan{i == 1 ? Fault::BadStatus : Fault::None};
    });
    sender.start(test::numberedRows({1}, 40), 1, 300, 115200);
    ASSERT_TRUE(sender.tick(*line_).sent);
    line_->advanceTo(300);
    sender.abandon(); // the user starts the page over
    ASSERT_EQ(state.Held_Frames.size(), 1u);

    const PacketSender::Rows rows = test::numberedRows({1}, 30);
    const test::SenderRun r = test::runSender(sender, *line_, rows, 1, 300, 115200);
    ASSERT_TRUE(r.outcome.ended);
    EXPECT_EQ(r.last.end, End::Done);
    // The rejected copy went again: the good reply of the first transfer's
    // packet was not taken for it.
    EXPECT_EQ(line_->taken().size(), 3u);
    std::string why;
    EXPECT_TRUE(test::everyLastCopyGood(*line_, rows, &why)) << why;
    EXPECT_TRUE(state.Held_Frames.empty());
}

} // namespace
} // namespace pelmora
