// Pages written into the controller simulator from the menu items, with the
// sender's timer, the range window and its one-shot timers, and the write
// progress window, over a socat pseudo-terminal pair (COM2) and loopback TCP.

#include "upload/scada_upload.h"

#include "link/controller_link.h"
#include "link/write_schema.h"
#include "mainwindow/config_scada.h"
#include "project/project_menu.h"
#include "support/fake_services.h"
#include "support/main_window_stand_in.h"
#include "support/page_fixture.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_pages.h"
#include "support/simulator_pty.h"
#include "support/timer_watching_messages.h"
#include "upload/mechanism_upload.h"
#include "upload/page_build.h"
#include "upload/save_n_scada.h"
#include "upload/schema_upload.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace pelmora {
namespace {

using test::ControllerSimulator;
using test::PageController;
using test::PtyPair;
using test::ReplyFault;
using test::ScopedEnv;

const QString kChecksumMessage = QStringLiteral("Помилка контрольної суми підтвердження!!!");
const QString kStatusMessage = QStringLiteral("Помилка контрольної суми запису даних!!!");

class ScadaUploadBase : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        main = std::make_unique<test::MainWindowStandIn>();
        ProjectModel &m = main->model;
        m.settings.Format_Version = 6;
        m.settings.Stranica_Count = 16;
        m.settings.Num_Net = 2;
        test::placeDemoPageElements(m);
        controller.address = 2;
        up = std::make_unique<ScadaUpload>(m, *main);
        up->selectPage = [this](int page) { selected.push_back(page); };
        watcher.timer = up->SCADA_Timer;
        Services::installMessages(&watcher);
    }
    void TearDown() override
    {
        Services::installMessages(&test::fakes());
        up.reset();
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ProjectModel &m() { return main->model; }
    ControllerLink &link() { return main->controllerLink; }
    Write_SCHEMA *window() { return Write_SCHEMA::loaded(*main); }

    // Waits for the upload (and a range with its pauses) to come to rest.
    bool runToRest(int timeoutMs = 60000)
    {
        return ControllerSimulator::waitFor(
            [&] {
                return !up->sender().running() && !up->SCADA_Timer->isActive() &&
                       !up->Timer_SAVE_Stranica_SCADA->isActive() && !up->Timer_Stranica_SCADA->isActive();
            },
            timeoutMs);
    }

    // The controller has page `page` exactly as the program draws and tabulates it.
    void expectPageArrived(int page)
    {
        EXPECT_TRUE(controller.problems().isEmpty()) << controller.problems().join(QStringLiteral("; ")).toStdString();
        ASSERT_TRUE(controller.complete(page)) << page;
        const page::PageUpload u = page::buildPageUpload(m(), page);
        ASSERT_TRUE(u.ok());
        EXPECT_EQ(controller.differingPixels(page, u.picture), 0) << page;
        const QByteArray tables = PageController::expectedTables(m(), page);
        ASSERT_FALSE(tables.isEmpty());
        EXPECT_EQ(controller.tables(page), tables) << page;
    }

    // Opens the range window, chooses the pages by list index and presses Ok.
    void chooseRange(int first, int last)
    {
        up->MnuAllSaveOrvoSCADA_Click();
        Save_n_SCADA *w = main->windows().find<Save_n_SCADA>();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->Ok_Save_SCADA->isDefault()); // the button Enter presses
        w->Num_Start_Stor->setCurrentIndex(first);
        w->Num_Stop_Stor->setCurrentIndex(last);
        w->Ok_Save_SCADA->click();
    }

    // Runs `action` from the event loop right after the step that sends the
    // n-th packet, while the page is still being written.
    void afterPacket(int n, std::function<void()> action)
    {
        auto sent = std::make_shared<int>(0);
        up->selectPage = [this, sent, n, action](int page) {
            selected.push_back(page);
            if (++*sent == n)
                QTimer::singleShot(0, up.get(), action);
        };
    }

    std::unique_ptr<test::MainWindowStandIn> main;
    std::unique_ptr<ScadaUpload> up;
    std::vector<int> selected; // the tabs shown while pages were written
    test::TimerWatchingMessages watcher;
    ControllerSimulator sim;
    PageController controller{sim};
};

using test::Transport;

class ScadaUploadTo : public ScadaUploadBase, public ::testing::WithParamInterface<Transport> {
protected:
    void SetUp() override
    {
        ScadaUploadBase::SetUp();
        line = std::make_unique<test::SimulatorLine>(sim, GetParam(), 2);
        ASSERT_TRUE(line->ok()) << line->error().toStdString();
        line->pointSettings(m().settings);
        if (GetParam() == Transport::Tcp)
            m().settings.T_Zapyt = 40;
        ASSERT_TRUE(line->connectClient(link()));
    }

    // Faults for the replies from the n-th on (0-based).
    void faultFrom(int n, const std::vector<ReplyFault> &faults)
    {
        sim.nextFaults.assign(static_cast<std::size_t>(n), ReplyFault());
        sim.nextFaults.insert(sim.nextFaults.end(), faults.begin(), faults.end());
    }

    std::unique_ptr<test::SimulatorLine> line;
};

TEST_P(ScadaUploadTo, MenuWritesTheCurrentPageAsDrawn)
{
    m().pages.Num_Stranica_SCADA = 0;
    up->MnuSaveOrvoSCADA_Click();
    Write_SCHEMA *w = window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Запис SCADA в Orvo"));
    EXPECT_EQ(w->Err_Write_Scada->text(), QStringLiteral("0"));
    EXPECT_FALSE(main->settingsEnabled);
    EXPECT_TRUE(main->window.isEnabled()) << "the main window stays usable";
    EXPECT_EQ(m().link.Transfer_Busy, LinkTransfer::Page);
    EXPECT_TRUE(up->SCADA_Timer->isActive());
    EXPECT_EQ(up->SCADA_Timer->interval(), GetParam() == Transport::Pty ? 50 : 500);

    // Midway (seen at the step that starts band 2) the window shows the bands
    // done, the page and the wait in force.
    struct Midway {
        int progress = -1, maximum = -1, bandsDone = -1, interval = -1;
        QString sheet, wait;
    } midway;
    up->selectPage = [&](int page) {
        selected.push_back(page);
        Write_SCHEMA *w = window();
        if (midway.progress < 0 && w && up->sender().Send_Band() == 2 && up->sender().Send_Packet() == 1) {
            midway = {w->Write_SCHEMA_ProgressBar->value(), w->Write_SCHEMA_ProgressBar->maximum(),
                      w->Num_Paket_SCADA->text().toInt(),   up->SCADA_Timer->interval(),
                      w->Numb_Sheet_SCADA->text(),          w->T_msec->text()};
        }
    };

    ASSERT_TRUE(runToRest());
    EXPECT_EQ(midway.maximum, 8);
    EXPECT_EQ(midway.progress, 1) << "the band of the packet just sent";
    EXPECT_EQ(midway.bandsDone, 2);
    EXPECT_EQ(midway.sheet, QStringLiteral("1"));
    EXPECT_EQ(midway.wait, QString::number(midway.interval));
    expectPageArrived(0);
    EXPECT_EQ(controller.pagesWritten(), std::vector<int>{0});
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(main->settingsEnabled);
    EXPECT_EQ(m().link.Transfer_Busy, LinkTransfer::None);
    EXPECT_EQ(m().pages.Num_Stranica_SCADA, 0);
    ASSERT_FALSE(selected.empty());
    EXPECT_EQ(selected.back(), 0);
}

TEST_P(ScadaUploadTo, OtherUploadsAreRefusedWhileAPageHoldsTheLink)
{
    SchemaUpload schema(m(), *main);
    MechanismUpload &mechanism = MechanismUpload::of(m(), *main);
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::white);
    bool tried = false;
    up->selectPage = [&](int) {
        if (tried)
            return;
        tried = true;
        // Both are refused with the same words and the page goes on.
        schema.MnuSaveOrvo_Click();
        EXPECT_FALSE(mechanism.ZIP_GIF_Orvo(picture).started);
        EXPECT_EQ(m().link.Transfer_Busy, LinkTransfer::Page);
        EXPECT_TRUE(up->sender().running());
    };
    up->MnuSaveOrvoSCADA_Click();
    ASSERT_TRUE(runToRest());
    ASSERT_TRUE(tried);
    EXPECT_EQ(ui().messageTexts(), (QStringList{QString::fromUtf16(kLinkBusy), QString::fromUtf16(kLinkBusy)}));
    expectPageArrived(0);
    EXPECT_EQ(m().link.Transfer_Busy, LinkTransfer::None);
    EXPECT_FALSE(mechanism.running());

    // Once the page is written the link is free for the next transfer.
    LinkClaim next = LinkClaim::take(m().link, LinkTransfer::Schema);
    EXPECT_TRUE(next.held());
}

TEST_P(ScadaUploadTo, RangeThreeToFiveWritesThreePagesOneAfterTheOther)
{
    up->Timer_Stranica_SCADA->setInterval(100); // the pause between pages, shortened for the test
    chooseRange(2, 4);
    EXPECT_EQ(main->windows().find<Save_n_SCADA>(), nullptr);
    EXPECT_TRUE(main->window.isEnabled());
    EXPECT_EQ(m().link.Save_n_Stranica_Flag, 1);
    EXPECT_TRUE(up->Timer_SAVE_Stranica_SCADA->isActive());
    EXPECT_EQ(up->Timer_SAVE_Stranica_SCADA->interval(), 10);

    ASSERT_TRUE(runToRest(120000));
    EXPECT_EQ(controller.pagesWritten(), (std::vector<int>{2, 3, 4}));
    for (int page = 2; page <= 4; ++page)
        expectPageArrived(page);
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(m().link.Save_n_Stranica_Flag, 0);
    EXPECT_EQ(m().pages.Num_Stranica_SCADA, 4) << "the last page written stays current";
    EXPECT_EQ(m().settings.Stranica_Stop, 5);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(main->settingsEnabled);
    // Each page's tab was shown while it was written.
    std::vector<int> tabs = selected;
    tabs.erase(std::unique(tabs.begin(), tabs.end()), tabs.end());
    EXPECT_EQ(tabs, (std::vector<int>{2, 3, 4}));

    // The next opening proposes the range's last page as the last again.
    up->MnuAllSaveOrvoSCADA_Click();
    Save_n_SCADA *w = main->windows().find<Save_n_SCADA>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Num_Start_Stor->currentIndex(), 4);
    EXPECT_EQ(w->Num_Stop_Stor->currentIndex(), 4);
    w->Cancel_Save_SCADA->click();
}

TEST_P(ScadaUploadTo, RangeGoesOnFromThePageWrittenAndNoPageStartsTwice)
{
    up->Timer_Stranica_SCADA->setInterval(50);
    // The page item chosen while the range's first page is pending starts that
    // page once; a tab clicked while it is written does not move the range.
    afterPacket(4, [&] { m().pages.Num_Stranica_SCADA = 9; });
    chooseRange(1, 2);
    EXPECT_TRUE(up->Timer_SAVE_Stranica_SCADA->isActive());
    up->MnuSaveOrvoSCADA_Click();
    EXPECT_FALSE(up->Timer_SAVE_Stranica_SCADA->isActive());
    ASSERT_TRUE(runToRest());
    EXPECT_EQ(controller.pagesWritten(), (std::vector<int>{1, 2}));
    int firstPackets = 0;
    for (const PageController::Packet &p : controller.packets())
        firstPackets += p.page == 1 && p.band == 0 && p.number == 1;
    EXPECT_EQ(firstPackets, 1) << "page 2 was started once";
    EXPECT_EQ(m().pages.Num_Stranica_SCADA, 2);
    EXPECT_EQ(m().link.Save_n_Stranica_Flag, 0);
    EXPECT_TRUE(ui().messages.empty());
}

// A bad reply sends the same packet again; a reply that comes late, within
// the packet's hold, is still its reply: nothing is sent twice.
TEST_P(ScadaUploadTo, BadReplyIsAnsweredByTheSamePacketAndALateOneIsAwaited)
{
    struct Case {
        const char *what;
        ReplyFault fault;
        bool again;
    };
    ReplyFault badCrc, badStatus, late;
    badCrc.badCrc = true;
    badStatus.status = 2;
    late.delayMs = 1200;
    const Case cases[] = {{"bad checksum", badCrc, true}, {"bad status", badStatus, true}, {"late reply", late, false}};
    for (const Case &c : cases) {
        controller.clear();
        sim.clearRecords();
        faultFrom(6, {c.fault});
        m().pages.Num_Stranica_SCADA = 1;
        up->MnuSaveOrvoSCADA_Click();
        ASSERT_TRUE(runToRest()) << c.what;
        const auto &got = controller.packets();
        ASSERT_GE(got.size(), 8u) << c.what;
        EXPECT_EQ(got[6].number == got[7].number && got[6].band == got[7].band, c.again) << c.what;
        expectPageArrived(1);
        EXPECT_TRUE(ui().messages.empty()) << c.what;
        EXPECT_EQ(window(), nullptr) << c.what;
    }
}

TEST_P(ScadaUploadTo, EightBadRepliesGiveUpAndEndTheRange)
{
    struct Case {
        const char *what;
        ReplyFault fault;
        QString message;
    };
    ReplyFault badCrc, badStatus;
    badCrc.badCrc = true;
    badStatus.status = 1;
    const Case cases[] = {{"bad checksums", badCrc, kChecksumMessage}, {"bad status", badStatus, kStatusMessage}};
    for (const Case &c : cases) {
        ui().reset();
        controller.clear();
        faultFrom(2, std::vector<ReplyFault>(8, c.fault));
        chooseRange(0, 2);
        ASSERT_TRUE(runToRest()) << c.what;
        ASSERT_EQ(ui().messageTexts(), QStringList{c.message}) << c.what;
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
        EXPECT_FALSE(watcher.timerActiveAtMessage);
        // Packets 1 and 2, then packet 3 eight times; no further page.
        EXPECT_EQ(controller.packets().size(), 10u) << c.what;
        EXPECT_TRUE(controller.pagesWritten().empty()) << c.what;
        EXPECT_EQ(m().link.Save_n_Stranica_Flag, 0) << c.what;
        EXPECT_EQ(m().link.Transfer_Busy, LinkTransfer::None) << c.what;
        // The window stays with its last figures, the settings disabled, until "Відміна".
        ASSERT_NE(window(), nullptr) << c.what;
        EXPECT_TRUE(window()->isVisible());
        EXPECT_EQ(window()->Err_Write_Scada->text(), QStringLiteral("8"));
        EXPECT_EQ(window()->Write_SCHEMA_ProgressBar->value(), 0);
        EXPECT_FALSE(main->settingsEnabled);
        window()->Command1->click();
        EXPECT_EQ(window(), nullptr);
        EXPECT_TRUE(main->settingsEnabled);
    }
}

TEST_P(ScadaUploadTo, CancelLetsThePageFinishAndWritesNoFurtherPage)
{
    up->Timer_Stranica_SCADA->setInterval(100);
    bool cancelled = false;
    afterPacket(10, [&] {
        ASSERT_NE(window(), nullptr);
        window()->Command1->click();
        cancelled = true;
        EXPECT_EQ(m().link.Save_n_Stranica_Flag, 0);
        EXPECT_TRUE(main->settingsEnabled);
    });
    chooseRange(0, 3);
    ASSERT_TRUE(runToRest());
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(controller.pagesWritten(), std::vector<int>{0});
    expectPageArrived(0);
    EXPECT_EQ(window(), nullptr) << "the window loaded again (hidden) by the later steps goes at the end";
    EXPECT_TRUE(ui().messages.empty());
}

TEST_P(ScadaUploadTo, ChoosingTheItemAgainStartsThePageOver)
{
    m().pages.Num_Stranica_SCADA = 2;
    // Midway through band 0 or 1 the item is chosen again.
    std::size_t before = 0;
    QString freshBands;
    afterPacket(12, [&] {
        before = controller.packets().size();
        up->MnuSaveOrvoSCADA_Click();
        freshBands = window() ? window()->Num_Paket_SCADA->text() : QString();
    });
    up->MnuSaveOrvoSCADA_Click();
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return !freshBands.isEmpty(); }, 30000));
    EXPECT_EQ(freshBands, QStringLiteral("0")) << "a fresh window";
    ASSERT_TRUE(runToRest());
    // After the packet still on its way, the page again from its first packet.
    const auto &got = controller.packets();
    const auto again = std::find_if(got.begin() + static_cast<std::ptrdiff_t>(before), got.end(),
                                    [](const PageController::Packet &p) { return p.band == 0 && p.number == 1; });
    ASSERT_NE(again, got.end());
    EXPECT_LE(again - got.begin(), static_cast<std::ptrdiff_t>(before) + 1);
    EXPECT_EQ(controller.pagesWritten(), std::vector<int>{2});
    expectPageArrived(2);
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_EQ(m().link.Transfer_Busy, LinkTransfer::None);
}

TEST_P(ScadaUploadTo, OtherTransfersAreRefusedWhileAPageIsWritten)
{
    SchemaUpload schema(m(), *main);
    m().pages.Num_Stranica_SCADA = 3;
    afterPacket(3, [&] {
        schema.MnuSaveOrvo_Click();
        EXPECT_EQ(ui().messageTexts(), QStringList{QString::fromUtf16(kLinkBusy)});
        EXPECT_FALSE(schema.Timer_05->isActive());
        EXPECT_FALSE(schema.stepper().running());
    });
    up->MnuSaveOrvoSCADA_Click();
    ASSERT_TRUE(runToRest());
    EXPECT_EQ(ui().messageTexts(), QStringList{QString::fromUtf16(kLinkBusy)});
    expectPageArrived(3);
    EXPECT_TRUE(sim.unframed().isEmpty()) << "nothing but page packets went out";
    EXPECT_EQ(m().link.Transfer_Busy, LinkTransfer::None);
}

TEST_P(ScadaUploadTo, LinkThatFailsEndsWithThePortMessage)
{
    m().pages.Num_Stranica_SCADA = 0;
    // The port or the connection goes away under the transfer.
    afterPacket(5, [&] {
        if (GetParam() == Transport::Tcp)
            link().closeClient();
        else
            link().closeSerial();
    });
    up->MnuSaveOrvoSCADA_Click();
    ASSERT_TRUE(runToRest());
    ASSERT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Немає відповіді. Помилка порту!!!")});
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(watcher.timerActiveAtMessage);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(main->settingsEnabled);
    EXPECT_FALSE(link().serialIsOpen());
    EXPECT_EQ(m().link.Transfer_Busy, LinkTransfer::None);
}

TEST_F(ScadaUploadBase, UnconnectedTcpClientEndsAtTheFirstPacket)
{
    m().settings.Num_COM_Link = 9;
    up->MnuSaveOrvoSCADA_Click();
    ASSERT_NE(window(), nullptr);
    ASSERT_TRUE(runToRest());
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Немає відповіді. Помилка порту!!!")});
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(main->settingsEnabled);
}

INSTANTIATE_TEST_SUITE_P(Links, ScadaUploadTo, ::testing::Values(Transport::Pty, Transport::Tcp),
                         [](const auto &info) { return test::transportName(info.param); });

TEST_F(ScadaUploadBase, SilentControllerGivesTheChecksumMessageAndThePortStaysOpen)
{
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    ScopedEnv com2("PELMORA_COM2", pty.linkEnd());
    ASSERT_TRUE(sim.openSerial(pty.controllerEnd()));
    m().settings.Num_COM_Link = 2;
    sim.fault.silent = true;
    up->MnuSaveOrvoSCADA_Click();
    ASSERT_TRUE(runToRest());
    EXPECT_EQ(ui().messageTexts(), QStringList{kChecksumMessage});
    EXPECT_EQ(controller.packets().size(), 8u);
    EXPECT_TRUE(link().serialIsOpen());
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->Err_Write_Scada->text(), QStringLiteral("8"));
}

TEST_F(ScadaUploadBase, PagesThatCannotBeStartedSayWhyAndSendNothing)
{
    ScopedEnv com3("PELMORA_COM3", QStringLiteral("/nonexistent/pelmora-tty"));
    struct Case {
        const char *what;
        std::function<void(ProjectModel &)> arrange;
        QString message;
    };
    const Case cases[] = {
        {"serial port missing", [](ProjectModel &m) { m.settings.Num_COM_Link = 3; },
         QStringLiteral("Помилка СОМ порту!")},
        {"TCP server link", [](ProjectModel &m) { m.settings.Num_COM_Link = 10; },
         QString::fromUtf16(kTcpServerNoUpload)},
        {"banner bound to a block but no output",
         [](ProjectModel &m) {
             m.settings.Num_COM_Link = 9;
             m.pages.Varning_Num_Block = 5;
             m.pages.Varning_Num_OUT = -1;
         },
         QString::fromUtf16(page::kBannerWithoutOutput).arg(5)},
        {"another transfer holds the link",
         [](ProjectModel &m) {
             m.settings.Num_COM_Link = 9;
             m.link.Transfer_Busy = LinkTransfer::OrvoReadout;
         },
         QString::fromUtf16(kLinkBusy)},
    };
    for (const Case &c : cases) {
        ui().reset();
        c.arrange(m());
        // Within a range: a page that cannot be started ends it.
        chooseRange(1, 3);
        ASSERT_TRUE(runToRest()) << c.what;
        EXPECT_EQ(ui().messageTexts(), QStringList{c.message}) << c.what;
        EXPECT_EQ(window(), nullptr) << c.what;
        EXPECT_TRUE(main->settingsEnabled) << c.what;
        EXPECT_FALSE(up->sender().running()) << c.what;
        EXPECT_EQ(m().link.Save_n_Stranica_Flag, 0) << c.what;
        EXPECT_TRUE(main->window.isEnabled()) << c.what;
        m().link.Transfer_Busy = LinkTransfer::None;
        m().pages.Varning_Num_Block = 0;
    }
    EXPECT_TRUE(sim.received().isEmpty());
}

TEST_F(ScadaUploadBase, RangeWindowOffersTheProjectsPagesAndKeepsItsOrder)
{
    m().settings.Stranica_Count = 8;
    m().pages.Num_Stranica_SCADA = 4;
    up->MnuAllSaveOrvoSCADA_Click();
    Save_n_SCADA *w = main->windows().find<Save_n_SCADA>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(main->window.isEnabled()) << "the range window is modal";
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Записати сторінки SCADA"));
    EXPECT_EQ(w->Num_Start_Stor->count(), 8);
    EXPECT_EQ(w->Num_Stop_Stor->itemText(7), QStringLiteral("8"));
    EXPECT_EQ(w->Num_Start_Stor->currentIndex(), 4);
    EXPECT_EQ(w->Num_Stop_Stor->currentIndex(), 0);

    // Last page before the first: the message, and the window stays.
    w->Num_Start_Stor->setCurrentIndex(4);
    w->Num_Stop_Stor->setCurrentIndex(1);
    w->Ok_Save_SCADA->click();
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("№ початкової сторінки більше кінечної!")});
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(main->windows().find<Save_n_SCADA>(), w);
    EXPECT_FALSE(main->window.isEnabled());
    EXPECT_EQ(m().link.Save_n_Stranica_Flag, 0);
    EXPECT_FALSE(up->Timer_SAVE_Stranica_SCADA->isActive());

    // A first page typed that is no entry starts from page 1.
    w->Num_Start_Stor->setEditText(QStringLiteral("x"));
    w->Num_Stop_Stor->setCurrentIndex(3);
    w->Ok_Save_SCADA->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main->windows().find<Save_n_SCADA>(), nullptr);
    EXPECT_TRUE(main->window.isEnabled());
    EXPECT_EQ(m().pages.Num_Stranica_SCADA, 0);
    EXPECT_EQ(m().settings.Stranica_Stop, 4);
    EXPECT_EQ(m().link.Save_n_Stranica_Flag, 1);
    EXPECT_TRUE(up->Timer_SAVE_Stranica_SCADA->isActive());
    up->Timer_SAVE_Stranica_SCADA->stop();

    // Cancel changes nothing.
    m().link.Save_n_Stranica_Flag = 0;
    up->MnuAllSaveOrvoSCADA_Click();
    w = main->windows().find<Save_n_SCADA>();
    ASSERT_NE(w, nullptr);
    w->Num_Stop_Stor->setCurrentIndex(6);
    w->Cancel_Save_SCADA->click();
    EXPECT_TRUE(main->window.isEnabled());
    EXPECT_EQ(m().settings.Stranica_Stop, 4);
    EXPECT_FALSE(up->Timer_SAVE_Stranica_SCADA->isActive());
}

// The main window's menu items and the project opener reach the page upload.
TEST(ScadaUploadInMainWindow, MenuItemsAndTheOpenedProjectsLinkKind)
{
    test::fakes().reset();
    Config_SCADA main;
    ProjectModel &m = main.model();
    m.settings.Stranica_Count = 8;
    m.settings.Num_Net = 1;
    ControllerSimulator sim;
    PageController controller(sim);
    ASSERT_TRUE(sim.listenTcp());
    m.settings.Num_COM_Link = 9;
    m.settings.T_Zapyt = 20;
    m.settings.Adr_IP = QStringLiteral("127.0.0.1");
    m.settings.Port_IP = sim.tcpPort();
    main.link().connectClient(QStringLiteral("127.0.0.1"), sim.tcpPort());
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return main.link().clientConnected(); }));

    main.MnuSaveOrvoSCADA->trigger();
    EXPECT_TRUE(main.scadaUpload->SCADA_Timer->isActive());
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return !main.scadaUpload->sender().running(); }, 30000));
    EXPECT_TRUE(controller.complete(0));
    EXPECT_TRUE(test::fakes().messages.empty())
        << test::fakes().messageTexts().join(QStringLiteral(" | ")).toStdString();

    main.MnuAllSaveOrvoSCADA->trigger();
    Save_n_SCADA *w = main.windows().find<Save_n_SCADA>();
    ASSERT_NE(w, nullptr);
    w->Cancel_Save_SCADA->click();

    for (const int kind : {9, 2, 10}) {
        main.projectMenu->linkStarted(kind);
        EXPECT_EQ(main.scadaUpload->Timer_Stranica_SCADA->interval(), kind == 9 ? 3000 : 1000) << kind;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Over the TCP client every page write connects to the address the settings
// show at that moment: a changed port takes the next page to the new
// controller, and a controller that restarted is reached again.
TEST(ScadaUploadOverTcp, EachWriteConnectsAsTheSettingsShowNow)
{
    test::fakes().reset();
    Config_SCADA main;
    ProjectModel &m = main.model();
    m.settings.Stranica_Count = 8;
    m.settings.Num_Net = 1;
    m.settings.Num_COM_Link = 9;
    m.settings.T_Zapyt = 20;
    m.settings.Adr_IP = QStringLiteral("127.0.0.1");
    const auto writePage = [&] {
        main.MnuSaveOrvoSCADA->trigger();
        return ControllerSimulator::waitFor([&] { return !main.scadaUpload->sender().running(); }, 30000);
    };

    auto first = std::make_unique<ControllerSimulator>();
    auto firstPages = std::make_unique<PageController>(*first);
    ASSERT_TRUE(first->listenTcp());
    m.settings.Port_IP = first->tcpPort();
    ASSERT_TRUE(writePage());
    EXPECT_TRUE(firstPages->complete(0));

    // The port changes in the settings: the next page goes to the new controller only.
    auto second = std::make_unique<ControllerSimulator>();
    auto secondPages = std::make_unique<PageController>(*second);
    ASSERT_TRUE(second->listenTcp());
    const quint16 secondPort = second->tcpPort();
    m.settings.Port_IP = secondPort;
    first->clearRecords();
    ASSERT_TRUE(writePage());
    EXPECT_TRUE(secondPages->complete(0));
    EXPECT_TRUE(first->frames().empty());
    EXPECT_TRUE(test::fakes().messages.empty())
        << test::fakes().messageTexts().join(QStringLiteral(" | ")).toStdString();

    // The controller restarts on the same port: the next page reconnects.
    secondPages.reset();
    second.reset();
    ControllerSimulator::waitFor([&] { return !main.link().clientConnected(); }, 2000);
    ControllerSimulator restarted;
    PageController restartedPages(restarted);
    ASSERT_TRUE(restarted.listenTcp(secondPort));
    ASSERT_TRUE(writePage());
    EXPECT_TRUE(restartedPages.complete(0));
    EXPECT_TRUE(test::fakes().messages.empty())
        << test::fakes().messageTexts().join(QStringLiteral(" | ")).toStdString();
}

} // namespace
} // namespace pelmora
