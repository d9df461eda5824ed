#include "upload/schema_upload.h"

#include "core/cp1251.h"
#include "link/controller_link.h"
#include "link/controller_reply.h"
#include "link/write_schema.h"
#include "mainwindow/config_scada.h"
#include "project/config_project.h"
#include "support/fake_services.h"
#include "support/netlist_builder.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_pty.h"
#include "support/simulator_schema.h"
#include "support/timer_watching_messages.h"
#include "upload/schema_frames.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::ControllerSimulator;
using test::NetlistBuilder;
using test::PtyPair;
using test::ReplyFault;
using test::SchemaController;
using test::ScopedEnv;
using test::U;

// A few blocks with values, connections and an inverter; the fixed GRA and JUR
// blocks bring their Cyrillic texts.
NetlistBuilder fixtureNetlist()
{
    NetlistBuilder n;
    n.block(1, QStringLiteral("D_I"), {QStringLiteral("1")});
    n.block(3, QStringLiteral("SUM2_4"),
            {QStringLiteral("0.5"), QStringLiteral("-1.25"), QStringLiteral("2"), QStringLiteral("3"),
             QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")});
    n.inverter(1);
    n.block(5, QStringLiteral("AND2_4"));
    n.net({U(5, 1), U(1, 3)});
    n.net({U(3, 9), test::D(1, 1), U(5, 2)});
    return n;
}

class SchemaUploadBase : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        main = std::make_unique<Config_SCADA>();
        settings = &main->projectSettings->dialog(); // loaded, hidden
        fixtureNetlist().importInto(m());
        ASSERT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();
        m().settings.Num_Net = 2;
        watcher.timer = up().Timer_05;
        Services::installMessages(&watcher);
    }
    void TearDown() override
    {
        Services::installMessages(&test::fakes());
        main.reset();
        delete settings.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ProjectModel &m() { return main->model(); }
    SchemaUpload &up() { return *main->schemaUpload; }
    ControllerLink &link() { return main->link(); }
    Write_SCHEMA *window() { return Write_SCHEMA::loaded(*main); }
    int kind() const { return main->model().settings.Num_COM_Link; }

    // Starts the upload from the menu, then ticks by hand, letting each frame
    // reach the controller and its reply come back before the next tick.
    void clickMenu()
    {
        up().MnuSaveOrvo_Click();
        up().Timer_05->stop(); // the test gives the ticks
    }
    void tick(ControllerSimulator &sim)
    {
        const int step = m().link.Schema_Step;
        const std::size_t before = sim.frames().size();
        if (step == 9)
            sentBeforeText = sim.sent().size();
        if (step == 10) // give the controller's reply time to arrive, if one comes
            ControllerSimulator::waitFor(
                [&] { return sim.sent().size() >= sentBeforeText + 5 && link().bytesAvailable(kind()) >= 5; }, 1500);
        up().Timer_05_Timer();
        if (step <= 9 && up().stepper().running()) {
            EXPECT_TRUE(sim.waitForFrames(before + 1)) << "step " << step;
        }
    }
    void runToEnd(ControllerSimulator &sim)
    {
        for (int guard = 0; up().stepper().running() && guard < 40; ++guard)
            tick(sim);
        EXPECT_FALSE(up().stepper().running());
    }

    std::unique_ptr<Config_SCADA> main;
    QPointer<Config_Project> settings;
    test::TimerWatchingMessages watcher;
    qsizetype sentBeforeText = 0; // what the controller had sent when the text frame went out
};

using test::Transport;

// The upload against the simulator, over a socat pair (COM2) or loopback TCP.
class SchemaUploadTo : public SchemaUploadBase, public ::testing::WithParamInterface<Transport> {
protected:
    void SetUp() override
    {
        SchemaUploadBase::SetUp();
        if (HasFatalFailure())
            return;
        line = std::make_unique<test::SimulatorLine>(sim, GetParam(), 2);
        ASSERT_TRUE(line->ok()) << line->error().toStdString();
        line->pointSettings(m().settings);
        if (GetParam() == Transport::Tcp)
            m().settings.T_Zapyt = 40;
        ASSERT_TRUE(line->connectClient(link()));
    }

    ControllerSimulator sim;
    std::unique_ptr<test::SimulatorLine> line;
    SchemaController controller{sim};
};

TEST_P(SchemaUploadTo, ControllerReassemblesTheModelsTables)
{
    m().schema.Parametr_Value(m().schema.Parametr_Value_Start(3) + 2) = -0.001f;
    clickMenu();
    Write_SCHEMA *w = window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Запис схеми в Orvo"));
    EXPECT_EQ(w->T_msec->text(), QString::number(m().settings.T_Zapyt));
    EXPECT_FALSE(settings->isEnabled());

    runToEnd(sim);

    EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(controller.headers(), 1);
    EXPECT_TRUE(sim.unframed().isEmpty());
    const auto &s = m().schema;
    for (int b = 0; b <= 99; ++b) {
        EXPECT_EQ(static_cast<std::uint8_t>(controller.table(1).at(b)), s.Block_Type(b)) << b;
        EXPECT_EQ(static_cast<std::uint8_t>(controller.table(6).at(b)), s.Invert_Input(b)) << b;
        for (int k = 0; k <= 15; ++k)
            EXPECT_EQ(static_cast<std::uint8_t>(controller.table(2).at(100 * k + b)), s.Block_Link(k, b));
    }
    for (int i = 0; i <= 64; ++i) {
        EXPECT_EQ(static_cast<std::uint8_t>(controller.table(3).at(i)), s.Grafik_Link(i));
        EXPECT_EQ(static_cast<std::uint8_t>(controller.table(4).at(i)), s.Jurnal_Link(i));
        for (int a = 0; a <= 7; ++a)
            EXPECT_EQ(static_cast<std::uint8_t>(controller.table(5).at(65 * a + i)), s.Alg_Link(a, i));
    }
    EXPECT_EQ(controller.valueSize(), s.Parametr_Value_Size);
    EXPECT_EQ(controller.textSize(), s.Parametr_Name_Size);
    const auto values = SchemaController::thousandths(controller.table(8));
    ASSERT_EQ(static_cast<int>(values.size()), s.Parametr_Value_Size / 4);
    for (int i = 0; i < static_cast<int>(values.size()); ++i)
        EXPECT_EQ(values[i], std::lrint(static_cast<double>(s.Parametr_Value(i)) * 1000.0)) << i;
    // The texts of GRA (block 98) then JUR (block 99), each padded to its width.
    const QByteArray texts = controller.table(9);
    const int gra = m().catalogue.Parametr_Name_Count(41);
    for (int i = 0; i < gra; ++i)
        EXPECT_EQ(texts.mid(17 * i, 17).trimmed(), cp1251::encode(s.Parametr_Name(s.Parametr_Name_Start(98) + i)));
    EXPECT_EQ(texts.mid(17 * gra, 40).trimmed(), cp1251::encode(s.Parametr_Name(s.Parametr_Name_Start(99))));

    // A good reply: no message, the window gone, the settings dialog enabled.
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(settings->isEnabled());
    EXPECT_EQ(m().link.Schema_Step, 11);
    EXPECT_FALSE(up().Timer_05->isActive());
}

TEST_P(SchemaUploadTo, BadReplyShowsTheTransferErrorWithTheTimerStopped)
{
    ReplyFault rejected;
    rejected.status = 1;
    sim.nextFaults.push_back(rejected);
    clickMenu();
    runToEnd(sim);
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QStringLiteral("Помилка передачі !!!"));
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(watcher.timerActiveAtMessage);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(settings->isEnabled());
}

TEST_P(SchemaUploadTo, SilentControllerIsATransferError)
{
    ReplyFault silent;
    silent.silent = true;
    sim.nextFaults.push_back(silent);
    clickMenu();
    runToEnd(sim);
    EXPECT_TRUE(controller.complete());
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка передачі !!!")});
}

TEST_P(SchemaUploadTo, InputLeftFromAnEarlierExchangeIsNotTakenForTheReply)
{
    // A good reply waits in the link before the upload starts; the controller
    // then rejects the schema.
    sim.sendRaw(controllerReply(2, 'B', 0));
    ASSERT_TRUE(ControllerSimulator::waitFor([&] {
        if (GetParam() == Transport::Pty)
            link().openSerialOnDemand(2);
        return link().bytesAvailable(kind()) >= 5;
    }));
    sim.clearRecords();
    ReplyFault rejected;
    rejected.status = 1;
    sim.nextFaults.push_back(rejected);
    clickMenu();
    runToEnd(sim);
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка передачі !!!")});
}

TEST_P(SchemaUploadTo, ChoosingTheMenuAgainStartsOverWithAFreshHeader)
{
    clickMenu();
    for (int i = 0; i < 4; ++i)
        tick(sim);
    EXPECT_EQ(m().link.Schema_Step, 4);
    clickMenu();
    EXPECT_EQ(m().link.Schema_Step, 0);
    EXPECT_FALSE(settings->isEnabled());
    runToEnd(sim);
    EXPECT_EQ(controller.headers(), 2);
    EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
    EXPECT_TRUE(ui().messages.empty());
    EXPECT_TRUE(settings->isEnabled());
}

TEST_P(SchemaUploadTo, CancelClosesTheWindowButTheSchemaIsWrittenToTheEnd)
{
    clickMenu();
    for (int i = 0; i < 3; ++i)
        tick(sim);
    window()->Command1->click();
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(settings->isEnabled());
    tick(sim); // writes the bar again: the window is loaded, hidden
    ASSERT_NE(window(), nullptr);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(window()->Write_SCHEMA_ProgressBar->value(), 3);
    runToEnd(sim);
    EXPECT_TRUE(controller.complete());
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(ui().messages.empty());
}

// "Відміна" enables the settings dialog while the upload runs on: a link kind
// changed there meanwhile is the next upload's, and the running one keeps the
// port it started on to its end.
TEST_P(SchemaUploadTo, LinkKindChangedMidwayLeavesTheRunningUploadOnItsPort)
{
    clickMenu();
    for (int step = 0; step <= 3; ++step)
        tick(sim);
    window()->Command1_Click();
    EXPECT_TRUE(settings->isEnabled());
    const std::int16_t started = m().settings.Num_COM_Link;
    m().settings.Num_COM_Link = static_cast<std::int16_t>(GetParam() == Transport::Pty ? 9 : 3);
    for (int step = 4; step <= 9; ++step) {
        up().Timer_05_Timer();
        EXPECT_TRUE(sim.waitForFrames(static_cast<std::size_t>(step + 1))) << "step " << step;
    }
    m().settings.Num_COM_Link = started; // the helpers look at the port by the settings
    runToEnd(sim);
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
}

// The upload is started again after its text frame has gone and before the
// controller's late (accepting) reply has come: that reply is the first
// upload's, never taken for the second's, which the controller rejects.
TEST_P(SchemaUploadTo, LateReplyOfAnEarlierUploadIsNeverJudged)
{
    // Late, but well within the text frame's hold of two seconds, so that a
    // busy machine cannot push it past.
    ReplyFault late;
    late.delayMs = 1000;
    ReplyFault rejected;
    rejected.status = 1;
    sim.nextFaults = {late, rejected};

    clickMenu();
    for (int step = 0; step <= 9; ++step)
        tick(sim);
    ASSERT_TRUE(sim.waitForFrames(10));
    clickMenu();
    runToEnd(sim);
    EXPECT_EQ(sim.repliesSent(), 2);
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка передачі !!!")}) << "the rejection is reported";

    clickMenu();
    runToEnd(sim);
    EXPECT_EQ(ui().messages.size(), 1u) << "the accepted upload is no failure";
    EXPECT_EQ(controller.headers(), 3);
    EXPECT_EQ(sim.repliesSent(), 3);
}

// A peer that floods the line or answers junk: the upload ends with its
// transfer error, and once the line is quiet again the next upload to a good
// controller writes the schema.
TEST_P(SchemaUploadTo, APeerThatFloodsOrAnswersJunkEndsWithTheErrorAndTheNextUploadIsWritten)
{
    for (bool flood : {true, false}) {
        ui().reset();
        if (flood) {
            sim.fault.silent = true;
            sim.startFlood(64, 5);
        } else {
            sim.fault.junkBytes = 12;
        }
        clickMenu();
        runToEnd(sim);
        EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка передачі !!!")}) << flood;
        sim.stopFlood();
        sim.fault = ReplyFault();
        // What broke the order of the replies is past once every frame's hold has passed.
        ControllerSimulator::waitFor([] { return false; }, 3000);
        clickMenu();
        runToEnd(sim);
        EXPECT_EQ(ui().messages.size(), 1u) << flood;
        EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
    }
}

TEST_P(SchemaUploadTo, ReplyEndsTheWaitOverA115200BaudLine)
{
    // The controller holds every frame and its reply for the wire time.
    sim.lineBaud = 115200;
    LinkState state;
    SchemaStepper stepper(state);
    const SchemaFrames frames = Schema_Frame(m());
    ASSERT_TRUE(frames.ok());
    if (GetParam() == Transport::Pty) {
        ASSERT_TRUE(link().openSerialOnDemand(2));
    }
    stepper.start(frames.frame, kind(), m().settings.T_Zapyt);
    ControllerLinkIo io(link(), kind());
    SchemaStepper::Result r;
    for (std::size_t step = 0; step <= 9; ++step) {
        r = stepper.tick(io);
        ASSERT_TRUE(sim.waitForFrames(step + 1)) << step;
    }
    EXPECT_EQ(r.interval, SchemaStepper::kReplyPoll);
    ASSERT_TRUE(ControllerSimulator::waitFor(
        [&] {
            r = stepper.tick(io);
            return r.finished;
        },
        5000));
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(state.Schema_Step, 11);
}

INSTANTIATE_TEST_SUITE_P(Transports, SchemaUploadTo, ::testing::Values(Transport::Pty, Transport::Tcp),
                         [](const auto &info) { return test::transportName(info.param); });

TEST_F(SchemaUploadBase, SerialWaitsAfterTheTwoAreaFrames)
{
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    ScopedEnv com4("PELMORA_COM4", pty.linkEnd());
    ControllerSimulator sim;
    SchemaController controller(sim);
    ASSERT_TRUE(sim.openSerial(pty.controllerEnd()));
    m().settings.Num_COM_Link = 4;
    clickMenu();
    EXPECT_EQ(up().Timer_05->interval(), 100);
    EXPECT_EQ(link().serialDevice(), pty.linkEnd());
    const SchemaFrames frames = Schema_Frame(m());
    for (int step = 0; step <= 9; ++step) {
        tick(sim);
        // After the text frame the timer looks for the reply at short intervals.
        const int expected = step < 8    ? 100
                             : step == 8 ? 500 + SchemaStepper::serialWireMs(frames.frame[8].size())
                                         : SchemaStepper::kReplyPoll;
        EXPECT_EQ(up().Timer_05->interval(), expected) << step;
        EXPECT_EQ(window()->Write_SCHEMA_ProgressBar->value(), step);
        EXPECT_EQ(window()->T_msec->text(), QString::number(m().settings.T_Zapyt));
    }
    // The longest wait for the reply, from the text frame's handing over: its
    // wire time, then its hold, twice its written 1000 ms, its and its reply's
    // (1 ms) wire time and a 50 ms margin, and 2000 ms at least.
    const int wire = SchemaStepper::serialWireMs(frames.frame[9].size());
    EXPECT_EQ(up().stepper().replyWaitLimit(), wire + qMax(2000, 2 * (1000 + wire + 1 + 50)));
    runToEnd(sim);
    EXPECT_TRUE(ui().messages.empty());
    // The port stays open for the next transfer.
    EXPECT_TRUE(link().serialIsOpen());
}

TEST_F(SchemaUploadBase, MissingPortSaysSoAndStartsNothing)
{
    ScopedEnv com3("PELMORA_COM3", QStringLiteral("/nonexistent/pelmora-tty"));
    m().settings.Num_COM_Link = 3;
    up().MnuSaveOrvo_Click();
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка СОМ порту!")});
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::None);
    EXPECT_EQ(window(), nullptr);
    EXPECT_FALSE(up().Timer_05->isActive());
    EXPECT_FALSE(up().stepper().running());
    EXPECT_TRUE(settings->isEnabled());
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(SchemaUploadBase, TcpServerLinkSaysThereIsNoUploadOverIt)
{
    m().settings.Num_COM_Link = 10;
    up().MnuSaveOrvo_Click();
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_TRUE(ui().messages[0].text.contains(QStringLiteral("TCP сервер")));
    EXPECT_EQ(window(), nullptr);
    EXPECT_FALSE(up().Timer_05->isActive());
    EXPECT_TRUE(settings->isEnabled());
}

TEST_F(SchemaUploadBase, ValueThatCannotBeSentRefusesBeforeAnythingIsSent)
{
    ControllerSimulator sim;
    ASSERT_TRUE(sim.listenTcp());
    m().settings.Num_COM_Link = 9;
    m().settings.Adr_IP = QStringLiteral("127.0.0.1");
    m().settings.Port_IP = sim.tcpPort();
    link().connectClient(QStringLiteral("127.0.0.1"), sim.tcpPort());
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return link().clientConnected(); }));
    m().schema.Parametr_Value(m().schema.Parametr_Value_Start(3) + 1) = 5.0e9f;
    up().MnuSaveOrvo_Click();
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_TRUE(ui().messages[0].text.contains(QStringLiteral("блок 3 (SUM), параметр 2")))
        << ui().messages[0].text.toStdString();
    EXPECT_EQ(window(), nullptr);
    EXPECT_FALSE(up().Timer_05->isActive());
    QCoreApplication::processEvents();
    EXPECT_TRUE(sim.received().isEmpty());
}

TEST_F(SchemaUploadBase, UnconnectedTcpClientEndsWithThePortError)
{
    m().settings.Num_COM_Link = 9;
    clickMenu();
    ASSERT_NE(window(), nullptr);
    up().Timer_05_Timer();
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка порту!!!")});
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::None);
    EXPECT_FALSE(watcher.timerActiveAtMessage);
    EXPECT_EQ(m().link.Schema_Step, 0);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(settings->isEnabled());
}

TEST_F(SchemaUploadBase, MenuItemAndTimerRunTheUploadOverTcp)
{
    ControllerSimulator sim;
    SchemaController controller(sim);
    ASSERT_TRUE(sim.listenTcp());
    m().settings.Num_COM_Link = 9;
    m().settings.T_Zapyt = 10;
    m().settings.Adr_IP = QStringLiteral("127.0.0.1");
    m().settings.Port_IP = sim.tcpPort();
    link().connectClient(QStringLiteral("127.0.0.1"), sim.tcpPort());
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return link().clientConnected(); }));
    main->MnuSaveOrvo->trigger();
    EXPECT_TRUE(up().Timer_05->isActive());
    EXPECT_EQ(up().Timer_05->interval(), 10);
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return !up().stepper().running(); }, 20000));
    EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(sim.repliesSent(), 1);
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(window(), nullptr);
}

} // namespace
} // namespace pelmora
