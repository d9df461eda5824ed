#include "link/controller_link.h"

#include "link/controller_reply.h"
#include "link/crc16.h"
#include "link/link_claim.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_pty.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::ControllerSimulator;
using test::PtyPair;
using test::ReplyFault;

using EnvVar = test::ScopedEnv;

QByteArray headerFrame(int address, int valueSize, int nameSize)
{
    LinkState s;
    s.Packet_Buffer = QByteArray(1, static_cast<char>(address)) + 'A';
    s.Packet_Buffer.append(static_cast<char>(valueSize % 256));
    s.Packet_Buffer.append(static_cast<char>(valueSize / 256));
    s.Packet_Buffer.append(static_cast<char>(nameSize % 256));
    s.Packet_Buffer.append(static_cast<char>(nameSize / 256));
    s.CRC16_Len = 6;
    return schemaFrameWithCrc(s);
}

TEST(ComDevice, Mapping)
{
    qunsetenv("PELMORA_COM2");
    EnvVar com3("PELMORA_COM3", QStringLiteral("/dev/ttyUSB0"));
    EnvVar com4("PELMORA_COM4", QString()); // set but empty: the default stands
    struct Case {
        int number;
        QString device;
    };
    // clang-format off
    const Case cases[] = {
        {1, QStringLiteral("/dev/ttyS0")}, {2, QStringLiteral("/dev/ttyS1")}, {3, QStringLiteral("/dev/ttyUSB0")},
        {4, QStringLiteral("/dev/ttyS3")}, {8, QStringLiteral("/dev/ttyS7")}, {0, QString()},
        {9, QString()},                    {10, QString()},                   {-1, QString()},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(comDevicePath(c.number), c.device) << c.number;
}

TEST(ComDevice, UploadLinkOfEachKind)
{
    EXPECT_EQ(uploadLinkFor(1), UploadLink::Serial);
    EXPECT_EQ(uploadLinkFor(8), UploadLink::Serial);
    EXPECT_EQ(uploadLinkFor(9), UploadLink::TcpClient);
    EXPECT_EQ(uploadLinkFor(10), UploadLink::TcpServer);
    EXPECT_EQ(uploadLinkFor(0), UploadLink::NoPort);
    EXPECT_EQ(uploadLinkFor(11), UploadLink::NoPort);
    EXPECT_FALSE(transferOverTcp(8));
    EXPECT_TRUE(transferOverTcp(9));
    EXPECT_TRUE(transferOverTcp(10));
}

TEST(ControllerLinkPorts, MissingDeviceFailsWithoutOpening)
{
    EnvVar com5("PELMORA_COM5", QStringLiteral("/nonexistent/pelmora-tty"));
    ControllerLink link;
    EXPECT_FALSE(link.openSerialOnDemand(5));
    EXPECT_FALSE(link.serialIsOpen());
    EXPECT_FALSE(link.serialError().isEmpty());
    EXPECT_FALSE(link.openSerialOnDemand(0));
    EXPECT_FALSE(link.openSerialOnDemand(12));
    EXPECT_FALSE(link.serialIsOpen());
}

TEST(ControllerLinkPorts, ClosedPortsNeitherSendNorRead)
{
    ControllerLink link;
    for (int kind : {1, 8, 9, 10}) {
        EXPECT_FALSE(link.send(kind, "xyz")) << kind;
        EXPECT_FALSE(link.read(kind).has_value()) << kind;
        link.discardInput(kind); // harmless
    }
}

TEST(ControllerLinkPorts, TcpClientToAClosedPortIsNotConnected)
{
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close(); // nobody listens there now
    ControllerLink link;
    link.connectClient(QStringLiteral("127.0.0.1"), port);
    ControllerSimulator::waitFor([&] { return link.tcpClient().state() == QAbstractSocket::UnconnectedState; });
    EXPECT_FALSE(link.clientConnected());
    EXPECT_FALSE(link.send(9, "xyz"));
    EXPECT_FALSE(link.read(9).has_value());
}

using test::Transport;

// A link and a simulator joined by a socat pseudo-terminal pair (as COM1) or
// by loopback TCP (as the TCP client).
class LinkToSimulator : public ::testing::TestWithParam<Transport> {
protected:
    void SetUp() override
    {
        sim.addRule(test::schemaHeaderRule());
        sim.answerEveryFrame = true;
        sim.lineBaud = -1; // the link alone: bytes cross at once, unless a test plays a line
        line = std::make_unique<test::SimulatorLine>(sim, GetParam(), 1);
        ASSERT_TRUE(line->ok()) << line->error().toStdString();
        ASSERT_TRUE(line->open(link)) << link.serialError().toStdString();
        kind = line->linkKind();
    }

    // Reads until at least `count` bytes have come, or the time runs out.
    QByteArray readAtLeast(qsizetype count)
    {
        QByteArray got;
        ControllerSimulator::waitFor([&] {
            if (auto r = link.read(kind))
                got += *r;
            return got.size() >= count;
        });
        return got;
    }

    // Reads whatever the simulator has sent so far.
    QByteArray readAllSent() { return readAtLeast(sim.sent().size()); }

    ControllerSimulator sim;
    std::unique_ptr<test::SimulatorLine> line;
    ControllerLink link;
    int kind = 0;
};

TEST_P(LinkToSimulator, FrameArrivesByteForByteAndTheReplyIsJudged)
{
    // Bytes a terminal might translate (CR, LF, XON, XOFF, 0, 0xFF) must pass as they are.
    const QByteArray frames[] = {headerFrame(3, 0x1234, 0xFF0A), headerFrame(1, 0, 0),
                                 headerFrame(0x0D, 0x0A0D, 0x1311), headerFrame(0xFF, 0x7F11, 0x8013)};
    QByteArray expected;
    for (const QByteArray &f : frames) {
        ASSERT_TRUE(link.send(kind, f));
        expected += f;
    }
    ASSERT_TRUE(sim.waitForFrames(4));
    EXPECT_EQ(sim.received(), expected);
    for (const auto &f : sim.frames())
        EXPECT_TRUE(f.crcGood);
    EXPECT_TRUE(sim.unframed().isEmpty());

    ASSERT_TRUE(sim.waitForReplies(4));
    const QByteArray replies = readAtLeast(20);
    EXPECT_EQ(replies, sim.sent());
    EXPECT_EQ(judgeControllerReply(replies), ReplyVerdict::Good);
    EXPECT_EQ(replies.left(2), QByteArray("\x03"
                                          "A"));
}

TEST_P(LinkToSimulator, BadFrameChecksumIsSeenByTheSimulator)
{
    QByteArray frame = headerFrame(1, 8, 17);
    std::swap(frame[6], frame[7]); // low byte first: wrong for a schema frame
    ASSERT_TRUE(link.send(kind, frame));
    ASSERT_TRUE(sim.waitForFrames(1));
    EXPECT_FALSE(sim.frames()[0].crcGood);
    ASSERT_TRUE(sim.waitForReplies(1));
    EXPECT_EQ(judgeControllerReply(readAllSent()), ReplyVerdict::StatusFailure);
}

TEST_P(LinkToSimulator, InjectedFaultsAreJudged)
{
    struct Case {
        const char *what;
        ReplyFault fault;
        ReplyVerdict verdict;
    };
    ReplyFault badCrc, status, shortReply, delayed;
    badCrc.badCrc = true;
    status.status = 2;
    shortReply.length = 3;
    delayed.delayMs = 50;
    // clang-format off
    const Case cases[] = {
        {"good", ReplyFault{}, ReplyVerdict::Good},
        {"wrong checksum", badCrc, ReplyVerdict::ChecksumFailure},
        {"status 2", status, ReplyVerdict::StatusFailure},
        {"short reply", shortReply, ReplyVerdict::ChecksumFailure},
        {"delayed", delayed, ReplyVerdict::Good},
    };
    // clang-format on
    for (const Case &c : cases) {
        sim.clearRecords();
        sim.nextFaults.push_back(c.fault);
        ASSERT_TRUE(link.send(kind, headerFrame(2, 4, 0)));
        ASSERT_TRUE(sim.waitForReplies(1)) << c.what;
        const QByteArray got = readAllSent();
        EXPECT_EQ(got, sim.sent()) << c.what;
        EXPECT_EQ(judgeControllerReply(got), c.verdict) << c.what;
    }
}

TEST_P(LinkToSimulator, SilentControllerLeavesNothingToRead)
{
    ReplyFault silent;
    silent.silent = true;
    sim.nextFaults.push_back(silent);
    ASSERT_TRUE(link.send(kind, headerFrame(2, 4, 0)));
    ASSERT_TRUE(sim.waitForFrames(1));
    const auto got = link.read(kind);
    ASSERT_TRUE(got.has_value()); // the port itself is fine
    EXPECT_EQ(judgeControllerReply(*got), ReplyVerdict::ChecksumFailure);
    EXPECT_EQ(sim.repliesSent(), 0);
}

TEST_P(LinkToSimulator, SplitReplyIsGoodOnlyWhenWhole)
{
    ReplyFault split;
    split.splitAt = 2;
    split.splitDelayMs = -1; // the second part waits for sendHeld()
    sim.nextFaults.push_back(split);
    ASSERT_TRUE(link.send(kind, headerFrame(4, 0, 0)));
    ASSERT_TRUE(sim.waitForReplies(1));
    QByteArray got = readAtLeast(2);
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(judgeControllerReply(got), ReplyVerdict::ChecksumFailure);
    sim.sendHeld();
    got += readAtLeast(3);
    EXPECT_EQ(judgeControllerReply(got), ReplyVerdict::Good);
}

TEST_P(LinkToSimulator, LeftoverInputIsDiscarded)
{
    ASSERT_TRUE(link.send(kind, headerFrame(1, 0, 0)));
    ASSERT_TRUE(sim.waitForReplies(1));
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return link.bytesAvailable(kind) >= 5; }));
    link.discardInput(kind);
    EXPECT_EQ(link.bytesAvailable(kind), 0);
    const auto got = link.read(kind);
    ASSERT_TRUE(got.has_value());
    EXPECT_TRUE(got->isEmpty());
}

TEST_P(LinkToSimulator, ReadTakesEverythingReceivedSinceTheLastRead)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(link.send(kind, headerFrame(1, i, 0)));
    ASSERT_TRUE(sim.waitForReplies(3));
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return link.bytesAvailable(kind) >= 15; }));
    const auto first = link.read(kind);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, sim.sent());
    const auto second = link.read(kind);
    ASSERT_TRUE(second.has_value());
    EXPECT_TRUE(second->isEmpty());
}

TEST_P(LinkToSimulator, EmulatedLineSpeedHoldsFramesAndRepliesForTheirWireTime)
{
    // At 1200 baud the 8-byte header takes 66.7 ms to cross and the 5-byte reply 41.7 ms.
    sim.lineBaud = 1200;
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(link.send(kind, headerFrame(3, 1, 2)));
    ASSERT_TRUE(sim.waitForFrames(1));
    EXPECT_GE(clock.elapsed(), 66);
    const QByteArray reply = readAtLeast(5);
    EXPECT_GE(clock.elapsed(), 108);
    EXPECT_EQ(judgeControllerReply(reply), ReplyVerdict::Good);
}

INSTANTIATE_TEST_SUITE_P(Transports, LinkToSimulator, ::testing::Values(Transport::Pty, Transport::Tcp),
                         [](const auto &info) { return test::transportName(info.param); });

TEST(ControllerLinkSerial, OpenPortIsNotReopened)
{
    PtyPair pty;
    ASSERT_TRUE(pty.ok()) << pty.error().toStdString();
    EnvVar com1("PELMORA_COM1", pty.linkEnd());
    EnvVar com2("PELMORA_COM2", QStringLiteral("/nonexistent/pelmora-tty"));
    ControllerSimulator sim;
    sim.addRule(test::schemaHeaderRule());
    sim.answerEveryFrame = true;
    ASSERT_TRUE(sim.openSerial(pty.controllerEnd()));

    ControllerLink link;
    ASSERT_TRUE(link.openSerialOnDemand(1));
    ASSERT_TRUE(link.send(1, headerFrame(1, 0, 0)));
    ASSERT_TRUE(sim.waitForReplies(1));
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return link.bytesAvailable(1) >= 5; }));

    // A second transfer on another port number finds the port open and uses it as it is:
    // the reply waiting in it is still there.
    EXPECT_TRUE(link.openSerialOnDemand(2));
    EXPECT_EQ(link.serialPortNumber(), 1);
    EXPECT_EQ(link.serialDevice(), pty.linkEnd());
    EXPECT_EQ(link.bytesAvailable(2), 5);
    ASSERT_TRUE(link.send(2, headerFrame(2, 0, 0)));
    ASSERT_TRUE(sim.waitForFrames(2));
    EXPECT_EQ(static_cast<int>(sim.frames()[1].bytes.at(0)), 2);

    // Once closed, the number given is the one opened.
    link.closeSerial();
    EXPECT_FALSE(link.serialIsOpen());
    EXPECT_EQ(link.serialPortNumber(), 0);
    EXPECT_FALSE(link.openSerialOnDemand(2));
    EXPECT_TRUE(link.openSerialOnDemand(1));
}

// One transfer at a time holds the link; the claim gives it back however the
// holder ends: released, destroyed, or replaced.
TEST(LinkClaim, OneTransferHoldsTheLinkAtATime)
{
    LinkState link;
    {
        LinkClaim page = LinkClaim::take(link, LinkTransfer::Page);
        ASSERT_TRUE(page.held());
        EXPECT_EQ(link.Transfer_Busy, LinkTransfer::Page);
        for (LinkTransfer other : {LinkTransfer::Page, LinkTransfer::Schema, LinkTransfer::Mechanism,
                                   LinkTransfer::TeskReadout, LinkTransfer::OrvoReadout}) {
            const LinkClaim refused = LinkClaim::take(link, other);
            EXPECT_FALSE(refused.held());
            EXPECT_EQ(link.Transfer_Busy, LinkTransfer::Page) << "a refused claim leaves the holder alone";
        }
        // Handed on, the hold stays one: the moved-from claim gives nothing back.
        LinkClaim moved = std::move(page);
        EXPECT_FALSE(page.held()); // NOLINT(bugprone-use-after-move)
        page.release();
        EXPECT_EQ(link.Transfer_Busy, LinkTransfer::Page);
        EXPECT_EQ(moved.kind(), LinkTransfer::Page);
    }
    EXPECT_EQ(link.Transfer_Busy, LinkTransfer::None) << "destroyed, the claim frees the link";

    LinkClaim schema = LinkClaim::take(link, LinkTransfer::Schema);
    ASSERT_TRUE(schema.held());
    schema.release();
    EXPECT_EQ(link.Transfer_Busy, LinkTransfer::None);
    schema.release(); // twice is harmless
    EXPECT_FALSE(LinkClaim::take(link, LinkTransfer::None).held()) << "no claim is handed out for no transfer";

    LinkClaim mech = LinkClaim::take(link, LinkTransfer::Mechanism);
    mech = LinkClaim(); // replaced by an empty claim
    EXPECT_EQ(link.Transfer_Busy, LinkTransfer::None);

    // A link whose state was set anew meanwhile is not freed by an old claim.
    LinkClaim readout = LinkClaim::take(link, LinkTransfer::OrvoReadout);
    link.Transfer_Busy = LinkTransfer::Page;
    readout.release();
    EXPECT_EQ(link.Transfer_Busy, LinkTransfer::Page);
}

} // namespace
} // namespace pelmora
