// The one driver of every write into the controller, on its own: the first
// step taken exactly once per run, a run started again while its message is
// open, a TCP client that cannot connect, and the progress window's close box.

#include "link/transfer_driver.h"

#include "link/write_schema.h"
#include "support/fake_services.h"
#include "support/main_window_stand_in.h"
#include "support/simulator_pty.h"

#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

// A transfer whose steps are counted, and whose run goes on until told.
struct CountingTransfer {
    bool running = false;
    int ticks = 0;
    int arrivals = 0;
    int abandoned = 0;
    std::function<void()> onTick; // what a tick does besides counting
    TransferDriver::Steps steps()
    {
        return {[this] { return running; },
                [this](LinkIo &) {
                    ++ticks;
                    if (onTick)
                        onTick();
                },
                [this](LinkIo &) { ++arrivals; },
                [this] {
                    ++abandoned;
                    running = false;
                }};
    }
};

// A message service that runs a test's action while the message is open.
class ActingMessages : public MessageService {
public:
    std::function<void()> whileOpen;
    MsgAnswer show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title) override
    {
        if (whileOpen)
            std::exchange(whileOpen, nullptr)();
        return test::fakes().show(text, icon, buttons, title);
    }
};

class TransferDriverTest : public test::WithFakes {
protected:
    void SetUp() override
    {
        test::WithFakes::SetUp();
        ASSERT_TRUE(pty.ok());
        timer.setObjectName(QStringLiteral("Step_Timer"));
    }
    void TearDown() override { Services::installMessages(&test::fakes()); }

    // A run over COM5, the pseudo-terminal's link end; the first wait `first` ms.
    void launch(TransferDriver &driver, CountingTransfer &t, int first = 1000, bool firstAtOnce = true)
    {
        ASSERT_EQ(driver.begin(), TransferDriver::Begin::Fresh);
        driver.openProgress(QStringLiteral("Запис"), 8);
        t.running = true;
        ASSERT_TRUE(driver.launch(
            5, [first](int) { return first; }, firstAtOnce));
    }

    test::PtyPair pty;
    test::ScopedEnv com5{"PELMORA_COM5", pty.linkEnd()};
    test::MainWindowStandIn main;
    QTimer timer;
};

TEST_F(TransferDriverTest, TheFirstStepIsTakenOnceAsSoonAsTheHandlerReturns)
{
    CountingTransfer t;
    TransferDriver driver(main.model, main, LinkTransfer::Page, timer, t.steps());
    launch(driver, t);
    EXPECT_EQ(t.ticks, 0); // not inside the handler
    EXPECT_FALSE(main.settingsEnabled);
    QTest::qWait(50);
    EXPECT_EQ(t.ticks, 1); // at once, not after the first wait
    EXPECT_TRUE(timer.isActive());
}

// A step of the run that came first (bytes arrived, and the step restarted
// the timer, which keeps its id) stands for the first step: it is not taken again.
TEST_F(TransferDriverTest, AStepThatCameFirstIsNotFollowedByAnotherFirstStep)
{
    CountingTransfer t;
    TransferDriver driver(main.model, main, LinkTransfer::Page, timer, t.steps());
    launch(driver, t);
    emit main.controllerLink.bytesArrived();
    driver.next(1000); // the step restarts the timer: same timer, same id
    QTest::qWait(50);
    EXPECT_EQ(t.arrivals, 1);
    EXPECT_EQ(t.ticks, 0);
}

// Started again while the previous run's message is open: the new run owns
// the progress window and the settings; the old finish leaves them alone.
TEST_F(TransferDriverTest, StartedAgainWhileTheMessageIsOpen)
{
    CountingTransfer t;
    TransferDriver driver(main.model, main, LinkTransfer::Page, timer, t.steps());
    launch(driver, t);
    QTest::qWait(20);
    ActingMessages messages;
    Services::installMessages(&messages);
    bool restarted = false;
    messages.whileOpen = [&] {
        // The user chooses the item again while the box is up.
        t.running = false;
        ASSERT_EQ(driver.begin(), TransferDriver::Begin::Fresh);
        driver.openProgress(QStringLiteral("Запис"), 8);
        t.running = true;
        ASSERT_TRUE(driver.launch(
            5, [](int) { return 1000; }, false));
        restarted = true;
    };
    TransferDriver::Ending e;
    e.message = QStringLiteral("Помилка контрольної суми підтвердження!!!");
    EXPECT_FALSE(driver.finish(e)); // the new run owns what comes after
    ASSERT_TRUE(restarted);
    EXPECT_NE(Write_SCHEMA::loaded(main), nullptr);
    EXPECT_FALSE(main.settingsEnabled);
    EXPECT_TRUE(driver.holdsLink());
    EXPECT_TRUE(timer.isActive());
    driver.abandon();
    EXPECT_FALSE(driver.holdsLink());
}

// The message of a finish is shown with the timer stopped and the link given
// back, so no step runs under it; the window goes and the settings come back.
TEST_F(TransferDriverTest, FinishStopsEverythingBeforeTheMessage)
{
    CountingTransfer t;
    TransferDriver driver(main.model, main, LinkTransfer::Page, timer, t.steps());
    launch(driver, t);
    QTest::qWait(20);
    ActingMessages messages;
    Services::installMessages(&messages);
    bool quiet = false;
    messages.whileOpen = [&] {
        const int before = t.ticks;
        QTest::qWait(30);
        quiet = !timer.isActive() && !main.model.link.busy() && t.ticks == before;
    };
    TransferDriver::Ending e;
    e.message = QStringLiteral("Немає відповіді. Помилка порту!!!");
    EXPECT_TRUE(driver.finish(e));
    EXPECT_TRUE(quiet);
    EXPECT_EQ(Write_SCHEMA::loaded(main), nullptr);
    EXPECT_TRUE(main.settingsEnabled);
}

// A TCP client whose address answers nothing: the run does not wait in the
// handler; its first step runs once the connection has failed, and finds no link.
TEST_F(TransferDriverTest, ATcpClientThatCannotConnect)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close(); // nothing listens there now
    main.model.settings.Adr_IP = QStringLiteral("127.0.0.1");
    main.model.settings.Port_IP = port;
    CountingTransfer t;
    bool sent = true;
    t.onTick = [&] { sent = main.controllerLink.send(9, QByteArray("x")); };
    TransferDriver driver(main.model, main, LinkTransfer::Page, timer, t.steps());
    ASSERT_EQ(driver.begin(), TransferDriver::Begin::Fresh);
    t.running = true;
    ASSERT_TRUE(driver.launch(
        9, [](int) { return 500; }, true));
    EXPECT_TRUE(driver.connecting());
    EXPECT_EQ(t.ticks, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.ticks > 0; }, TransferDriver::kConnectWaitMs + 2000));
    EXPECT_EQ(t.ticks, 1);
    EXPECT_FALSE(sent); // the transfer's first frame meets no connection: its port error follows
    driver.abandon();
}

// After a transfer has given up and left its window open (the settings
// disabled), the close box gives the settings back as "Відміна" does; while
// a transfer still runs, the close box leaves them to the transfer's end.
TEST_F(TransferDriverTest, TheCloseBoxAfterAGiveUpEnablesTheSettings)
{
    for (bool running : {false, true}) {
        CountingTransfer t;
        TransferDriver driver(main.model, main, LinkTransfer::Page, timer, t.steps());
        launch(driver, t, 1000, false);
        if (!running) {
            TransferDriver::Ending e;
            e.keepWindow = true;
            driver.finish(e); // eight bad replies: the window stays, the settings stay disabled
        }
        EXPECT_FALSE(main.settingsEnabled);
        Write_SCHEMA *w = Write_SCHEMA::loaded(main);
        ASSERT_NE(w, nullptr);
        w->close();
        EXPECT_EQ(main.settingsEnabled, !running) << running;
        driver.abandon();
        main.settingsEnabled = true;
        QTest::qWait(1);
    }
}

} // namespace
} // namespace pelmora
