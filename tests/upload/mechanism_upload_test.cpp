// The mechanism picture end to end: packed, sent packet by packet through the
// controller link, each packet waiting for its acknowledgement, and decoded by
// the controller simulator back into the picture that was packed.

#include "link/controller_link.h"
#include "link/controller_reply.h"
#include "support/last_copies.h"
#include "support/mechanism_pictures.h"
#include "support/sender_driver.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_mechanism.h"
#include "support/simulator_pty.h"
#include "upload/mechanism_packing.h"
#include "upload/packet_sender.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pelmora {
namespace {

using test::ControllerSimulator;
using test::MechanismController;
using test::ReplyFault;

constexpr int kNet = 5;

// A machine in five exact colours on black: flat areas that pack into runs,
// and scattered dots that pack into literal groups, over several packets.
QImage drawnMechanism()
{
    return test::sequencePicture(120, 60, [](int s) {
        const int x = s % 120;
        const int y = s / 120;
        if ((x / 8 + y / 5) % 4 == 0)
            return test::kColourA;
        if ((x * x + 3 * y) % 7 == 0)
            return test::kColourC;
        if (y > 40 && x > 60)
            return qRgb(0, 0, 0);
        if ((x + y) % 9 == 0)
            return test::colour565(0x8410);
        return test::kColourB;
    });
}

using test::Transport;

class MechanismUpload : public ::testing::TestWithParam<Transport> {
protected:
    void SetUp() override
    {
        line = std::make_unique<test::SimulatorLine>(sim, GetParam(), 1);
        ASSERT_TRUE(line->ok()) << line->error().toStdString();
        ASSERT_TRUE(line->open(link)) << link.serialError().toStdString();
        if (GetParam() == Transport::Pty)
            sim.lineBaud = 115200; // a packet takes its 90 ms on the line, as on the real port
        kind = line->linkKind();
    }

    // Sends each packet and waits for its acknowledgement; a bad one (or none
    // within the time) sends the same packet again, eight bad ones in a row
    // give up. `corrupt` packets go out once with a byte changed first.
    bool sendAll(const std::vector<QByteArray> &packets, std::vector<std::size_t> corrupt = {})
    {
        for (std::size_t i = 0; i < packets.size(); ++i) {
            int bad = 0;
            for (;;) {
                QByteArray packet = packets[i];
                const auto spoilt = std::find(corrupt.begin(), corrupt.end(), i);
                if (spoilt != corrupt.end()) {
                    packet[100] = static_cast<char>(packet.at(100) ^ 0x10);
                    corrupt.erase(spoilt);
                }
                if (!link.send(kind, packet))
                    return false;
                ++sends;
                QByteArray reply;
                ControllerSimulator::waitFor(
                    [&] {
                        if (auto r = link.read(kind))
                            reply += *r;
                        return reply.size() >= 5;
                    },
                    600);
                if (judgeControllerReply(reply) == ReplyVerdict::Good)
                    break;
                if (++bad == 8)
                    return false;
            }
        }
        return true;
    }

    ControllerSimulator sim;
    std::unique_ptr<test::SimulatorLine> line;
    MechanismController controller{sim};
    ControllerLink link;
    int kind = 0;
    int sends = 0;
};

TEST_P(MechanismUpload, ControllerDecodesThePictureThatWasPacked)
{
    struct Case {
        const char *what;
        QImage picture;
        std::size_t packets;
    };
    const Case cases[] = {
        {"a drawn mechanism", drawnMechanism(), 0},
        {"a trailer across the packet edge", test::alternatingPicture(499, 2), 2},
        {"a column that starts with a literal group",
         test::sequencePicture(1, 3,
                               [](int s) { return s == 0   ? qRgb(0, 0, 0)
                                                  : s == 1 ? test::kColourA
                                                           : test::kColourB; }),
         1},
    };
    for (const Case &c : cases) {
        const mechanism::PackedPicture packed = mechanism::packMechanism(c.picture);
        ASSERT_EQ(packed.error, mechanism::PackError::None) << c.what;
        const std::vector<QByteArray> packets = mechanism::mechanismPackets(packed, kNet);
        if (c.packets > 0)
            EXPECT_EQ(packets.size(), c.packets) << c.what;
        else
            EXPECT_GE(packets.size(), 3u) << c.what;
        sim.clearRecords();
        sends = 0;
        ASSERT_TRUE(sendAll(packets)) << c.what;
        EXPECT_EQ(sends, static_cast<int>(packets.size())) << c.what;
        EXPECT_TRUE(controller.complete())
            << c.what << ": " << controller.problems().join(QStringLiteral("; ")).toStdString();
        EXPECT_EQ(controller.image(), packed.image) << c.what;
        EXPECT_EQ(controller.phaseField(), 0) << c.what;
        // The first pixel is packed with its right-hand neighbour's colour, which these pictures share with it.
        EXPECT_EQ(controller.picture(), c.picture.convertToFormat(QImage::Format_RGB32)) << c.what;
        for (const auto &frame : sim.frames())
            EXPECT_EQ(static_cast<int>(frame.bytes.at(0)), kNet) << c.what;
    }
}

TEST_P(MechanismUpload, RefusedAndUnansweredPacketsAreSentAgain)
{
    const QImage picture = drawnMechanism();
    const mechanism::PackedPicture packed = mechanism::packMechanism(picture);
    const std::vector<QByteArray> packets = mechanism::mechanismPackets(packed, kNet);
    ASSERT_GE(packets.size(), 3u);
    ReplyFault good, badCrc, rejected, silent;
    badCrc.badCrc = true;
    rejected.status = 2;
    silent.silent = true;
    // Packet 1 goes out spoilt and is refused; then packet 2's acknowledgement
    // is garbled, packet 3's says it was rejected and the next one never comes.
    sim.nextFaults = {good, good, badCrc, good, rejected, silent, good};
    ASSERT_TRUE(sendAll(packets, {0}));
    EXPECT_EQ(sends, static_cast<int>(packets.size()) + 4);
    EXPECT_EQ(controller.packetsRefused(), 1);
    EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(controller.picture(), picture);
}

TEST_P(MechanismUpload, ImageCutShortIsNotWhole)
{
    // Without its second packet the 499 x 2 picture has only half its size trailer.
    const mechanism::PackedPicture packed = mechanism::packMechanism(test::alternatingPicture(499, 2));
    std::vector<QByteArray> packets = mechanism::mechanismPackets(packed, kNet);
    ASSERT_EQ(packets.size(), 2u);
    ASSERT_TRUE(sendAll({packets[0]}));
    EXPECT_FALSE(controller.complete());
    EXPECT_TRUE(controller.picture().isNull());

    // A packet out of turn is refused.
    QByteArray third = packets[1];
    third[3] = 3;
    third = withCrc(third.left(1032), CrcOrder::LowFirst);
    EXPECT_FALSE(sendAll({third}));
    EXPECT_FALSE(controller.problems().isEmpty());
}

// Every reply comes 1500 ms late, and the second is a rejection or never
// comes; or the line carries the bytes at 9600 baud (a gateway behind a port
// written at 115200) and one reply is lost: the picture is written with every
// packet's last copy accepted, or the upload ends with the sender's message,
// never written on another copy's reply.
TEST_P(MechanismUpload, LateOrLostRepliesNeverEndInFalseSuccess)
{
    const QImage picture = drawnMechanism();
    const std::vector<QByteArray> packets = mechanism::mechanismPackets(mechanism::packMechanism(picture), kNet);
    ASSERT_GE(packets.size(), 3u);
    struct Case {
        const char *what;
        int lineBaud;
        ReplyFault fault;  // of every reply
        ReplyFault second; // of the second reply
    };
    ReplyFault late, lateRejected, lateSilent, silent;
    late.delayMs = lateRejected.delayMs = lateSilent.delayMs = 1500;
    lateRejected.status = 1;
    lateSilent.silent = true;
    silent.silent = true;
    const Case cases[] = {
        {"1500 ms late, the second rejected", 0, late, lateRejected},
        {"1500 ms late, the second lost", 0, late, lateSilent},
        {"a 9600 baud line, one reply lost", 9600, ReplyFault(), silent},
    };
    for (const Case &c : cases) {
        sim.clearRecords();
        if (c.lineBaud)
            sim.lineBaud = c.lineBaud;
        sim.fault = c.fault;
        sim.nextFaults = {c.fault, c.second};
        LinkState state;
        PacketSender sender(state);
        test::SenderDriver driver(sender, link, kind);
        driver.start({packets}, 20);
        ASSERT_TRUE(driver.runToEnd(120000)) << c.what;
        const PacketSender::Result &last = driver.last();
        if (last.end == PacketSender::End::Done) {
            EXPECT_TRUE(test::everyLastCopyGood(packets, sim.frames(), &test::ReceivedFrame::bytes,
                                                &test::ReceivedFrame::answeredGood))
                << c.what;
            EXPECT_TRUE(controller.complete()) << c.what;
            EXPECT_EQ(controller.picture(), picture) << c.what;
        } else {
            EXPECT_FALSE(last.message.isEmpty()) << c.what;
        }
        // Whatever is still on its way goes before the next case.
        sim.fault = ReplyFault();
        sim.lineBaud = GetParam() == Transport::Pty ? 115200 : 0;
        ControllerSimulator::waitFor([] { return false; }, 2000);
        link.discardInput(kind);
    }
}

// A peer that floods the line (over TCP) or answers junk (over the serial
// line): the upload ends with the sender's message within two minutes, and
// the next upload to a good controller writes the picture.
TEST_P(MechanismUpload, APeerThatFloodsOrAnswersJunkEndsWithAMessageAndTheNextUploadIsWritten)
{
    const QImage picture = drawnMechanism();
    const std::vector<QByteArray> packets = mechanism::mechanismPackets(mechanism::packMechanism(picture), kNet);
    if (GetParam() == Transport::Tcp) {
        sim.fault.silent = true; // it answers nothing but its noise
        sim.startFlood(64, 5);
    } else {
        sim.fault.junkBytes = 7;
    }
    LinkState state;
    PacketSender sender(state);
    test::SenderDriver driver(sender, link, kind);
    driver.start({packets}, 20);
    ASSERT_TRUE(driver.runToEnd(120000)) << "the upload did not end within two minutes";
    EXPECT_EQ(driver.last().end, PacketSender::End::GaveUp);
    EXPECT_EQ(driver.last().message, QStringLiteral("Помилка контрольної суми підтвердження!!!"));

    sim.stopFlood();
    sim.fault = ReplyFault();
    ControllerSimulator::waitFor([] { return false; }, 200);
    driver.start({packets}, 20);
    ASSERT_TRUE(driver.runToEnd(60000));
    EXPECT_EQ(driver.last().end, PacketSender::End::Done);
    EXPECT_TRUE(controller.complete());
    EXPECT_EQ(controller.picture(), picture);
}

// A port opened at 9600 baud: the waits follow its speed, so a controller on
// such a line answers every packet within its wait.
TEST_P(MechanismUpload, WaitsFollowTheOpenPortsSpeed)
{
    if (GetParam() == Transport::Tcp)
        GTEST_SKIP() << "a TCP connection has no line speed";
    link.closeSerial();
    ASSERT_TRUE(link.openSerialOnDemand(1, 9600)) << link.serialError().toStdString();
    sim.lineBaud = 9600;
    const QImage picture = test::alternatingPicture(499, 2);
    const std::vector<QByteArray> packets = mechanism::mechanismPackets(mechanism::packMechanism(picture), kNet);
    LinkState state;
    PacketSender sender(state);
    test::SenderDriver driver(sender, link, kind);
    driver.start({packets}, 20);
    ASSERT_TRUE(driver.runToEnd(60000));
    EXPECT_EQ(driver.last().end, PacketSender::End::Done) << driver.last().message.toStdString();
    EXPECT_EQ(driver.last().errors, 0);
    EXPECT_EQ(driver.timeouts(), 0);
    EXPECT_EQ(sim.frames().size(), packets.size());
    EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Transports, MechanismUpload, ::testing::Values(Transport::Pty, Transport::Tcp),
                         [](const auto &info) { return test::transportName(info.param); });

TEST(MechanismDecoder, FaultsOfAnImageAreNamed)
{
    const mechanism::PackedPicture packed = mechanism::packMechanism(test::alternatingPicture(20, 3));
    ASSERT_EQ(packed.error, mechanism::PackError::None);
    struct Case {
        const char *what;
        int offset;
        int value;
    };
    const Case cases[] = {
        {"a code byte that is neither count nor run", 7, 127},
        {"an index beyond the palette", 8, 9},
        {"a literal group running past the codes", 7, 120},
        {"a trailer one pixel wider", packed.length + 1, 20},
        {"a byte between codes and palette", packed.codeEnd + 2, 1},
    };
    for (const Case &c : cases) {
        QByteArray image = packed.image;
        image[c.offset] = static_cast<char>(c.value);
        QStringList problems;
        MechanismController::decode(image, problems);
        EXPECT_FALSE(problems.isEmpty()) << c.what;
    }
    QStringList none;
    EXPECT_EQ(MechanismController::decode(packed.image, none), test::alternatingPicture(20, 3));
    EXPECT_TRUE(none.isEmpty()) << none.join(QStringLiteral("; ")).toStdString();
}

} // namespace
} // namespace pelmora
