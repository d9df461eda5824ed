// Whole pages written into the controller simulator through the real link,
// over a socat pseudo-terminal pair (COM2) and over loopback TCP, with the
// sender driven as the page upload's timer drives it.

#include "link/controller_link.h"
#include "project/startup.h"
#include "support/last_copies.h"
#include "support/page_fixture.h"
#include "support/sender_driver.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_pages.h"
#include "support/simulator_pty.h"
#include "upload/packet_sender.h"
#include "upload/page_build.h"
#include "upload/page_range.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace pelmora {
namespace {

using End = PacketSender::End;
using test::ControllerSimulator;
using test::PageController;
using test::PtyPair;
using test::ReplyFault;
using test::ScopedEnv;
using test::SenderDriver;

using test::Transport;

class PageUploadTo : public ::testing::TestWithParam<Transport> {
protected:
    void SetUp() override
    {
        startUpModel(m);
        m.settings.Format_Version = 6;
        m.settings.Stranica_Count = 16;
        m.settings.Num_Net = 2;
        test::placeDemoPageElements(m);
        controller.address = 2;
        line = std::make_unique<test::SimulatorLine>(sim, GetParam(), 2);
        ASSERT_TRUE(line->ok()) << line->error().toStdString();
        line->pointSettings(m.settings);
        if (GetParam() == Transport::Tcp)
            m.settings.T_Zapyt = 40;
        ASSERT_TRUE(line->open(link)) << link.serialError().toStdString();
        driver = std::make_unique<SenderDriver>(sender, link, m.settings.Num_COM_Link);
    }

    // Builds page `page` and sends it to its end.
    page::PageUpload write(int page)
    {
        page::PageUpload u = page::buildPageUpload(m, page);
        EXPECT_TRUE(u.ok()) << u.message.toStdString();
        driver->start(u.rows(), m.settings.T_Zapyt);
        EXPECT_TRUE(driver->runToEnd(60000)) << "the upload did not end";
        return u;
    }

    // Faults for the replies from the n-th on (0-based).
    void faultFrom(int n, const std::vector<ReplyFault> &faults)
    {
        sim.nextFaults.assign(static_cast<std::size_t>(n), ReplyFault());
        sim.nextFaults.insert(sim.nextFaults.end(), faults.begin(), faults.end());
    }

    // Every packet arrived in order and each error sent its packet once more
    // straight after it; at least `faults` errors (the injected ones): a busy
    // machine can make another reply miss its wait, which must then only
    // repeat its packet too.
    void expectResentOnlyAfterErrors(const page::PageUpload &u, int faults, const char *what)
    {
        const auto &got = controller.packets();
        int distinct = 0;
        int repeats = 0;
        for (std::size_t i = 0; i < got.size(); ++i) {
            if (i > 0 && got[i].number == got[i - 1].number && got[i].band == got[i - 1].band)
                ++repeats;
            else
                ++distinct;
        }
        EXPECT_EQ(distinct, u.packetCount()) << what;
        EXPECT_EQ(repeats, driver->last().errors) << what;
        EXPECT_GE(driver->last().errors, faults) << what;
    }

    void expectPageArrived(int page, const page::PageUpload &u)
    {
        EXPECT_TRUE(controller.problems().isEmpty()) << controller.problems().join(QStringLiteral("; ")).toStdString();
        ASSERT_TRUE(controller.complete(page));
        // The picture, pixel by pixel after quantising.
        QString firstAt;
        EXPECT_EQ(controller.differingPixels(page, u.picture, &firstAt), 0) << "pixels " << firstAt.toStdString();
        // The element tables, byte by byte.
        const QByteArray tables = test::PageController::expectedTables(m, page);
        ASSERT_FALSE(tables.isEmpty());
        EXPECT_EQ(controller.tables(page), tables);
    }

    ProjectModel m;
    ControllerSimulator sim;
    std::unique_ptr<test::SimulatorLine> line;
    PageController controller{sim};
    ControllerLink link;
    // The first four packets of a page: enough for the cases that wait long for every reply.
    PacketSender::Rows fourPackets(int page)
    {
        const page::PageUpload u = page::buildPageUpload(m, page);
        PacketSender::Rows rows(1);
        for (const auto &row : u.rows())
            for (const QByteArray &packet : row)
                if (rows[0].size() < 4)
                    rows[0].push_back(packet);
        return rows;
    }

    // Whether every packet reached the controller and its last copy was
    // answered good: the only ground on which packets may be said written.
    bool everyLastCopyAnsweredGood(const PacketSender::Rows &rows) const
    {
        return test::everyLastCopyGood(test::packetsOf(rows), sim.frames(), &test::ReceivedFrame::bytes,
                                       &test::ReceivedFrame::answeredGood);
    }

    // The page of the project with the fewest packets, to keep the slow cases short.
    int shortestPage()
    {
        int page = 0, fewest = std::numeric_limits<int>::max();
        for (int p = 0; p < 16; ++p) {
            const page::PageUpload u = page::buildPageUpload(m, p);
            if (u.ok() && u.packetCount() < fewest) {
                fewest = u.packetCount();
                page = p;
            }
        }
        return page;
    }

    PacketSender sender{m.link};
    std::unique_ptr<SenderDriver> driver;
};

TEST_P(PageUploadTo, DemoPageArrivesAsDrawnWithItsTables)
{
    const page::PageUpload u = write(0);
    ASSERT_FALSE(driver->steps().empty());
    const PacketSender::Result &last = driver->last();
    EXPECT_EQ(last.end, End::Done);
    EXPECT_TRUE(last.message.isEmpty());
    EXPECT_EQ(last.errors, 0);
    EXPECT_EQ(static_cast<int>(driver->steps().size()), u.packetCount() + 1);
    EXPECT_EQ(driver->timeouts(), 0); // every step followed its reply
    EXPECT_EQ(static_cast<int>(controller.packets().size()), u.packetCount());
    EXPECT_EQ(controller.pagesWritten(), std::vector<int>{0});
    EXPECT_TRUE(sim.unframed().isEmpty());
    expectPageArrived(0, u);
}

TEST_P(PageUploadTo, AtWireSpeedThePageArrivesWhole)
{
    if (GetParam() == Transport::Tcp)
        GTEST_SKIP() << "a line speed is emulated on the serial link only";
    // A page takes longer on the line than the written 50 ms a packet: the
    // sender's waits cover each packet's wire time and the page arrives whole.
    // Whether every reply comes within its wait depends on the machine's load,
    // so the count of late replies is not asserted here.
    sim.lineBaud = PacketSender::kSerialBaud;
    const page::PageUpload u = write(5);
    EXPECT_EQ(u.packetCount(), 52);
    EXPECT_EQ(driver->last().end, End::Done);
    // A late reply may end the sender while its last packet is still on the line.
    EXPECT_TRUE(ControllerSimulator::waitFor([&] { return controller.complete(5); }, 5000));
    EXPECT_GE(controller.packets().size(), 52u);
    expectPageArrived(5, u);
}

TEST_P(PageUploadTo, RangeThreeToFiveWritesThreePages)
{
    ASSERT_FALSE(page::startPageRange(m, 2, 4).has_value());
    std::vector<page::PageUpload> uploads;
    for (int guard = 0; guard < 5; ++guard) {
        uploads.push_back(write(m.pages.Num_Stranica_SCADA));
        ASSERT_EQ(driver->last().end, End::Done);
        if (!page::pageRangeStep(m))
            break;
    }
    EXPECT_EQ(controller.pagesWritten(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(m.link.Save_n_Stranica_Flag, 0);
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 4);
    ASSERT_EQ(uploads.size(), 3u);
    for (int i = 0; i < 3; ++i)
        expectPageArrived(2 + i, uploads[static_cast<std::size_t>(i)]);
}

TEST_P(PageUploadTo, BadRepliesAreAnsweredByTheSamePacket)
{
    struct Case {
        const char *what;
        ReplyFault fault;
    };
    ReplyFault badCrc, badStatus, shortReply, slow;
    badCrc.badCrc = true;
    badStatus.status = 3;
    shortReply.length = 4;
    slow.delayMs = 20; // well within the wait
    const Case cases[] = {{"bad checksum", badCrc}, {"bad status", badStatus}, {"short reply", shortReply}};
    for (const Case &c : cases) {
        controller.clear();
        sim.clearRecords();
        // The reply to the 11th packet is bad; the one to the last packet too
        // (reply number packets, after the one resend).
        const int packets = page::buildPageUpload(m, 1).packetCount();
        std::vector<ReplyFault> faults(static_cast<std::size_t>(packets + 1 - 10), ReplyFault());
        faults.front() = c.fault;
        faults.back() = c.fault;
        faultFrom(10, faults);
        const page::PageUpload u = write(1);
        EXPECT_EQ(driver->last().end, End::Done) << c.what;
        expectResentOnlyAfterErrors(u, 2, c.what);
        const auto &got = controller.packets();
        ASSERT_GE(got.size(), 2u);
        EXPECT_TRUE(got[got.size() - 2].last && got.back().last) << c.what;
        expectPageArrived(1, u);
    }
    // A reply that is slow but within the wait is no bad reply (on a loaded
    // machine one may still miss the wait now and then: it is then sent again).
    controller.clear();
    faultFrom(5, {slow, slow, slow});
    const page::PageUpload u = write(1);
    EXPECT_EQ(driver->last().end, End::Done);
    expectResentOnlyAfterErrors(u, 0, "slow replies");
    expectPageArrived(1, u);
}

// A reply 1200 ms late is within its packet's hold: it is that packet's
// reply, and nothing goes twice.
TEST_P(PageUploadTo, AReplyLateWithinItsHoldIsItsPacketsOwn)
{
    ReplyFault late;
    late.delayMs = 1200;
    faultFrom(3, {late});
    const page::PageUpload u = write(0);
    EXPECT_EQ(driver->last().end, End::Done);
    EXPECT_EQ(driver->last().errors, 0);
    EXPECT_EQ(driver->timeouts(), 0);
    EXPECT_EQ(static_cast<int>(controller.packets().size()), u.packetCount());
    EXPECT_GE(sender.replyDelay(), 1200);
    expectPageArrived(0, u);
}

// Every reply comes 1500 ms late, and the second is a rejection or never
// comes: the page is written with every packet's last copy accepted, or the
// upload ends with the sender's message; never written on another copy's reply.
TEST_P(PageUploadTo, LateRepliesWithTheSecondRejectedOrLostNeverEndInFalseSuccess)
{
    const PacketSender::Rows rows = fourPackets(shortestPage());
    for (bool lost : {false, true}) {
        controller.clear();
        sim.clearRecords();
        ReplyFault late;
        late.delayMs = 1500;
        ReplyFault second = late;
        second.status = lost ? 0 : 1;
        second.silent = lost;
        sim.fault = late;
        sim.nextFaults = {late, second};
        driver->start(rows, m.settings.T_Zapyt);
        ASSERT_TRUE(driver->runToEnd(120000)) << lost;
        const PacketSender::Result &last = driver->last();
        if (last.end == End::Done)
            EXPECT_TRUE(everyLastCopyAnsweredGood(rows)) << lost;
        else
            EXPECT_FALSE(last.message.isEmpty()) << lost;
        sim.fault = ReplyFault();
        // Whatever is still on its way goes before the next case.
        ControllerSimulator::waitFor([] { return false; }, 2000);
        link.discardInput(m.settings.Num_COM_Link);
    }
}

// A line that carries the bytes at 9600 baud (a serial gateway or a radio
// modem behind a port written at 115200) with one reply lost: the replies come
// long after the packets have left the port, and every packet is still
// written, the one whose reply was lost sent again.
TEST_P(PageUploadTo, ASlowLineWithOneLostReply)
{
    sim.lineBaud = 9600;
    const PacketSender::Rows rows = fourPackets(shortestPage());
    ReplyFault silent;
    silent.silent = true;
    faultFrom(1, {silent});
    driver->start(rows, m.settings.T_Zapyt);
    ASSERT_TRUE(driver->runToEnd(120000));
    EXPECT_EQ(driver->last().end, End::Done);
    EXPECT_TRUE(everyLastCopyAnsweredGood(rows));
    EXPECT_EQ(controller.packets().size(), 5u); // the packet whose reply was lost went twice
}

// A peer that floods the line (over TCP) or answers junk (over the serial
// line): the upload ends with the sender's message within two minutes, and
// the next page to a good controller is written.
TEST_P(PageUploadTo, APeerThatFloodsOrAnswersJunkEndsWithAMessageAndTheNextPageIsWritten)
{
    const int page = shortestPage();
    const bool flood = GetParam() == Transport::Tcp;
    if (flood) {
        sim.fault.silent = true; // it answers nothing but its noise
        sim.startFlood(64, 5);
    } else {
        sim.fault.junkBytes = 7;
    }
    const page::PageUpload u = page::buildPageUpload(m, page);
    driver->start(u.rows(), m.settings.T_Zapyt);
    ASSERT_TRUE(driver->runToEnd(120000)) << "the upload did not end within two minutes";
    EXPECT_EQ(driver->last().end, End::GaveUp);
    EXPECT_EQ(driver->last().message, QStringLiteral("Помилка контрольної суми підтвердження!!!"));

    sim.stopFlood();
    sim.fault = ReplyFault();
    controller.clear();
    ControllerSimulator::waitFor([] { return false; }, 200);
    driver->start(u.rows(), m.settings.T_Zapyt);
    ASSERT_TRUE(driver->runToEnd(60000));
    EXPECT_EQ(driver->last().end, End::Done);
    expectPageArrived(page, u);
}

TEST_P(PageUploadTo, ControllerThatKeepsRefusingEndsTheTransfer)
{
    struct Case {
        const char *what;
        ReplyFault fault;
        const char16_t *message;
    };
    ReplyFault badCrc, badStatus;
    badCrc.badCrc = true;
    badStatus.status = 1;
    const Case cases[] = {
        {"bad checksums", badCrc, u"Помилка контрольної суми підтвердження!!!"},
        {"bad status", badStatus, u"Помилка контрольної суми запису даних!!!"},
    };
    for (const Case &c : cases) {
        controller.clear();
        faultFrom(2, std::vector<ReplyFault>(8, c.fault));
        write(0);
        const PacketSender::Result &last = driver->last();
        EXPECT_EQ(last.end, End::GaveUp) << c.what;
        EXPECT_EQ(last.message, QString::fromUtf16(c.message)) << c.what;
        EXPECT_EQ(last.errors, 8) << c.what;
        // Packets 1 and 2, then packet 3 eight times.
        ASSERT_EQ(controller.packets().size(), 10u) << c.what;
        EXPECT_EQ(controller.packets().back().number, 3) << c.what;
        EXPECT_FALSE(controller.complete(0)) << c.what;
        EXPECT_EQ(m.link.Send_Error_Count, 0);
    }
}

// A controller that never answers: the first packet goes eight times, each
// copy declared lost at the end of its hold, and the transfer ends with the
// checksum message; the port stays open for the next transfer.
TEST_P(PageUploadTo, SilentControllerGivesEightBadRepliesAndTheChecksumMessage)
{
    if (GetParam() == Transport::Tcp)
        GTEST_SKIP() << "the serial link shows the same; the port is what is left open";
    sim.fault.silent = true;
    write(0);
    const PacketSender::Result &last = driver->last();
    EXPECT_EQ(last.end, End::GaveUp);
    EXPECT_EQ(last.message, QStringLiteral("Помилка контрольної суми підтвердження!!!"));
    EXPECT_EQ(last.errors, 8);
    // The first send, seven more when a copy's hold ran out, and the give-up when the eighth's did.
    EXPECT_EQ(driver->steps().size(), 9u);
    EXPECT_EQ(driver->timeouts(), 8);
    ASSERT_EQ(controller.packets().size(), 8u);
    for (const auto &p : controller.packets()) // the first packet each time
        EXPECT_EQ(std::make_pair(p.band, p.number),
                  std::make_pair(controller.packets()[0].band, controller.packets()[0].number));
    EXPECT_TRUE(link.serialIsOpen());
}

TEST_P(PageUploadTo, LinkThatFailsEndsWithThePortMessage)
{
    if (GetParam() == Transport::Pty)
        link.closeSerial();
    else
        link.closeClient();
    write(0);
    const PacketSender::Result &last = driver->last();
    EXPECT_EQ(last.end, End::PortFailure);
    EXPECT_EQ(last.message, QStringLiteral("Немає відповіді. Помилка порту!!!"));
    EXPECT_TRUE(controller.packets().empty());
}

INSTANTIATE_TEST_SUITE_P(Links, PageUploadTo, ::testing::Values(Transport::Pty, Transport::Tcp),
                         [](const auto &info) { return test::transportName(info.param); });

} // namespace
} // namespace pelmora
