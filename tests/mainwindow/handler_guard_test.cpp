// An error escaping a window's handler: every transfer that holds the link is
// stopped at once, and the message is shown with the error's text once the
// failing event has been delivered, never inside its delivery; the program
// goes on with its data.

#include "core/table.h"
#include "link/controller_link.h"
#include "link/write_schema.h"
#include "mainwindow/config_scada.h"
#include "monitors/grafik_new_orvo_io.h"
#include "project/config_project.h"
#include "support/fake_services.h"
#include "support/mechanism_pictures.h"
#include "support/netlist_builder.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_mechanism.h"
#include "support/simulator_pages.h"
#include "support/simulator_pty.h"
#include "support/simulator_readout.h"
#include "support/simulator_schema.h"
#include "ui/guarded_application.h"
#include "upload/mechanism_upload.h"
#include "upload/packet_sender.h"
#include "upload/scada_upload.h"
#include "upload/schema_upload.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace pelmora {
namespace {

using test::ControllerSimulator;

// Lets the guard's posted message come up.
void deliverPosted() { QCoreApplication::sendPostedEvents(); }

// Delivers a tick of `timer` through the guard, as the program's event loop
// delivers every event. (A timer's handler is reached through Qt's core alone,
// so the tests below fail their handlers from timers.)
bool tickGuarded(QTimer &timer)
{
    return runGuarded([&] {
        QTimerEvent tick(timer.timerId());
        return QCoreApplication::sendEvent(&timer, &tick);
    });
}

// An error from a click's handler also unwinds through Qt's widget code, which
// is built without exception support: Qt's copy of the mouse event and the
// count of a guarding pointer to the button are never freed (the program's
// guard says so too). What the button and its clicks allocate is therefore
// left out of the leak report, and nothing else: the failing handler is the
// test's own, and the guard's own blocks are checked by the timer cases.
struct QtBlocksLeftByAClicksError {
#if defined(__SANITIZE_ADDRESS__)
    __lsan::ScopedDisabler disabled;
#endif
};

// A click on `button` (press and release at its middle), each event delivered
// to the button through the guard, as the program's application object
// delivers it; false when an error escaped the release.
bool clickGuarded(QPushButton &button)
{
    const QtBlocksLeftByAClicksError leftOut;
    const QPointF at(button.width() / 2.0, button.height() / 2.0);
    const QPointF global = button.mapToGlobal(at);
    const bool pressed = runGuarded([&] {
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        return QCoreApplication::sendEvent(&button, &press);
    });
    const bool released = runGuarded([&] {
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        return QCoreApplication::sendEvent(&button, &release);
    });
    return pressed && released;
}

// A timer of another window that the test ticks itself.
struct OtherTimer : QTimer {
    OtherTimer() { start(3600 * 1000); }
};

class GuardedHandler : public test::WithFakes {
protected:
    void TearDown() override { deliverPosted(); }
};

// The failing handler runs on a timer's tick or on a button's click; the
// timer, or the button, works again for the next event.
TEST_F(GuardedHandler, AnIndexErrorIsShownAfterItsEventAndTheNextEventWorks)
{
    struct Source {
        const char *what;
        // Makes the events' source with `handler` on its event, and gives
        // the delivery of one event through the guard.
        std::function<std::function<bool()>(std::function<void()> handler)> make;
    };
    const Source sources[] = {
        {"a timer's tick",
         [](std::function<void()> handler) -> std::function<bool()> {
             auto timer = std::make_shared<OtherTimer>();
             QObject::connect(timer.get(), &QTimer::timeout, handler);
             return [timer] { return tickGuarded(*timer); };
         }},
        {"a button's click",
         [](std::function<void()> handler) -> std::function<bool()> {
             std::shared_ptr<QPushButton> button;
             {
                 const QtBlocksLeftByAClicksError leftOut;
                 button = std::make_shared<QPushButton>(QStringLiteral("Ok"));
                 button->resize(80, 30);
                 button->show();
             }
             QObject::connect(button.get(), &QPushButton::clicked, handler);
             return [button] { return clickGuarded(*button); };
         }},
    };
    for (const Source &source : sources) {
        SCOPED_TRACE(source.what);
        ui().reset();
        Table<int, 1, 8> values;
        values(3) = 30;
        int index = 9; // one past the table: the handler's missed range check
        int handled = 0;
        const std::function<bool()> deliver = source.make([&] {
            values(index) = 1;
            ++handled;
        });

        EXPECT_FALSE(deliver());
        EXPECT_TRUE(ui().messages.empty()); // not inside the event's delivery
        deliverPosted();
        ASSERT_EQ(ui().messages.size(), 1u);
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(ui().messages[0].text.startsWith(QString::fromUtf16(kHandlerError)));
        EXPECT_GT(ui().messages[0].text.size(), QString::fromUtf16(kHandlerError).size() + 2); // the error's own text
        EXPECT_EQ(values(3), 30);
        EXPECT_EQ(handled, 0);

        // The program goes on: the same handler works once the index is right.
        index = 3;
        EXPECT_TRUE(deliver());
        deliverPosted();
        EXPECT_EQ(handled, 1);
        EXPECT_EQ(values(3), 1);
        EXPECT_EQ(ui().messages.size(), 1u);
    }
}

TEST_F(GuardedHandler, ErrorsBeforeTheMessageShowsGiveOneMessageWithTheFirstErrorsText)
{
    EXPECT_FALSE(runGuarded([]() -> bool { throw std::runtime_error("first"); }));
    EXPECT_FALSE(runGuarded([]() -> bool { throw 42; }));
    EXPECT_TRUE(runGuarded([] { return true; }));
    EXPECT_TRUE(ui().messages.empty());
    deliverPosted();
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_TRUE(ui().messages[0].text.endsWith(QStringLiteral("\n\nfirst")));

    // Once it has been shown, the next error has a message of its own.
    EXPECT_FALSE(runGuarded([]() -> bool { throw 42; }));
    deliverPosted();
    ASSERT_EQ(ui().messages.size(), 2u);
    EXPECT_TRUE(ui().messages[1].text.endsWith(QStringLiteral("\n\nневідома помилка")));
}

// Between two pages of a range the link is free, and the next page waits for
// its timer: an error stops the range there, so no page starts under the
// message. A main window that has gone is no longer asked to stop anything.
TEST_F(GuardedHandler, APageRangeGoesNoFurtherAndAClosedMainWindowIsLeftAlone)
{
    auto main = std::make_unique<Config_SCADA>();
    ScadaUpload &up = *main->scadaUpload;
    main->model().link.Save_n_Stranica_Flag = 1; // a range is under way
    up.Timer_Stranica_SCADA->start();            // its next page after the pause
    OtherTimer other;
    QObject::connect(&other, &QTimer::timeout, [] { throw std::out_of_range("index"); });

    EXPECT_FALSE(tickGuarded(other));
    EXPECT_FALSE(up.Timer_Stranica_SCADA->isActive());
    EXPECT_EQ(main->model().link.Save_n_Stranica_Flag, 0);
    deliverPosted();
    EXPECT_FALSE(up.sender().running());
    EXPECT_EQ(ui().messages.size(), 1u);

    main.reset();
    EXPECT_FALSE(tickGuarded(other));
    deliverPosted();
    EXPECT_EQ(ui().messages.size(), 2u);
}

// A message box as the program's is: it runs its own event loop while it is
// open, so timers and link arrivals are delivered under it. It looks at the
// transfer when it opens and on every turn of its loop.
class BoxWithItsOwnLoop : public MessageService {
public:
    struct Look {
        bool linkFree = false;
        bool running = false;
        bool timerActive = false;
        std::vector<int> progress; // the transfer's step counters
    };
    std::function<Look()> look;
    std::vector<Look> atOpen;  // one for each box
    std::vector<Look> underIt; // every turn of the loops
    int otherTicks = 0;        // ticks of another window's timer under the boxes

    MsgAnswer show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title) override
    {
        atOpen.push_back(look());
        // Open for 40 ticks of another window's 5 ms timer: several steps'
        // waits of any transfer.
        QEventLoop loop;
        QTimer other;
        const int until = otherTicks + 40;
        QObject::connect(&other, &QTimer::timeout, &loop, [&] {
            underIt.push_back(look());
            if (++otherTicks >= until)
                loop.quit();
        });
        other.start(5);
        loop.exec();
        return test::fakes().show(text, icon, buttons, title);
    }
};

test::NetlistBuilder smallSchema()
{
    test::NetlistBuilder n;
    n.block(1, QStringLiteral("D_I"), {QStringLiteral("1")});
    n.block(3, QStringLiteral("SUM2_4"),
            {QStringLiteral("0.5"), QStringLiteral("-1.25"), QStringLiteral("2"), QStringLiteral("3"),
             QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")});
    n.block(5, QStringLiteral("AND2_4"));
    n.net({test::U(5, 1), test::U(1, 3)});
    n.net({test::U(3, 9), test::D(1, 1), test::U(5, 2)});
    return n;
}

// Each transfer that takes the link, started from the main window as the
// user starts it, against the simulator.
enum class Transfer { Schema, Page, Mechanism, Readout };

class HandlerGuardDuringTransfer : public test::WithFakes, public ::testing::WithParamInterface<Transfer> {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        main = std::make_unique<Config_SCADA>();
        settings = &main->projectSettings->dialog(); // loaded, hidden
        // The monitor reads over the serial port only.
        const test::Transport transport = GetParam() == Transfer::Readout ? test::Transport::Pty : test::Transport::Tcp;
        line = std::make_unique<test::SimulatorLine>(sim, transport, 1);
        ASSERT_TRUE(line->ok()) << line->error().toStdString();
        line->pointSettings(m().settings);
        m().settings.T_Zapyt = 40;
        m().settings.Num_Net = 2;
        switch (GetParam()) {
        case Transfer::Schema:
            schema = std::make_unique<test::SchemaController>(sim);
            smallSchema().importInto(m());
            break;
        case Transfer::Page:
            pages = std::make_unique<test::PageController>(sim);
            pages->address = 2;
            m().settings.Format_Version = 6;
            break;
        case Transfer::Mechanism:
            mechanism = std::make_unique<test::MechanismController>(sim);
            sim.fault.delayMs = 30; // its few packets outlast the wait for the first ones
            break;
        case Transfer::Readout: readout = std::make_unique<test::ReadoutController>(sim); break;
        }
        box.look = [this] { return BoxWithItsOwnLoop::Look{!m().link.busy(), running(), timerActive(), progress()}; };
        Services::installMessages(&box);
    }
    void TearDown() override
    {
        Services::installMessages(&test::fakes());
        deliverPosted();
        delete monitor.data();
        main.reset();
        delete settings.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ProjectModel &m() { return main->model(); }
    MechanismUpload &mechanismUpload() { return MechanismUpload::of(m(), *main); }

    void start()
    {
        switch (GetParam()) {
        case Transfer::Schema: main->MnuSaveOrvo->trigger(); return;
        case Transfer::Page: main->MnuSaveOrvoSCADA->trigger(); return;
        case Transfer::Mechanism: mechanismUpload().ZIP_GIF_Orvo(test::alternatingPicture(120, 60)); return;
        case Transfer::Readout:
            monitor = &Grafik_NEW_Orvo_IO::mnuOSC_Orvo_Click(m(), *main);
            monitor->MnuCOM[0]->trigger();
            monitor->mnuLoad_I_O->trigger();
            return;
        }
    }
    bool running()
    {
        switch (GetParam()) {
        case Transfer::Schema: return main->schemaUpload->stepper().running();
        case Transfer::Page: return main->scadaUpload->sender().running();
        case Transfer::Mechanism: return mechanismUpload().running();
        case Transfer::Readout: return monitor && monitor->timers.readout.running();
        }
        return false;
    }
    // The timers that drive its steps (and, for pages, start the next page of a range).
    std::vector<QTimer *> timers()
    {
        switch (GetParam()) {
        case Transfer::Schema: return {main->schemaUpload->Timer_05};
        case Transfer::Page:
            return {main->scadaUpload->SCADA_Timer, main->scadaUpload->Timer_SAVE_Stranica_SCADA,
                    main->scadaUpload->Timer_Stranica_SCADA};
        case Transfer::Mechanism: return {mechanismUpload().MECH_Timer};
        case Transfer::Readout:
            if (!monitor)
                return {};
            return {&monitor->timers.Timer1, &monitor->timers.Timer2, &monitor->timers.Timer3, &monitor->timers.Timer6};
        }
        return {};
    }
    // The counters its steps move on.
    std::vector<int> progress()
    {
        const auto sender = [](const PacketSender &s) {
            return std::vector<int>{s.Send_Band(), s.Send_Packet(), s.errors()};
        };
        switch (GetParam()) {
        case Transfer::Schema: return {m().link.Schema_Step};
        case Transfer::Page: return sender(main->scadaUpload->sender());
        case Transfer::Mechanism: return sender(mechanismUpload().sender());
        case Transfer::Readout:
            return {m().monitors.Grafik_Paket, m().monitors.Grafik_Zapyt, m().monitors.Grafik_Register};
        }
        return {};
    }
    // The write progress window, or the monitor's progress panel.
    bool progressShown()
    {
        if (GetParam() == Transfer::Readout)
            return monitor && monitor->Load_IO->isVisible();
        return Write_SCHEMA::loaded(*main) != nullptr;
    }
    bool timerActive()
    {
        for (QTimer *t : timers())
            if (t->isActive())
                return true;
        return false;
    }

    std::unique_ptr<Config_SCADA> main;
    ControllerSimulator sim;
    std::unique_ptr<test::SimulatorLine> line;
    std::unique_ptr<test::SchemaController> schema;
    std::unique_ptr<test::PageController> pages;
    std::unique_ptr<test::MechanismController> mechanism;
    std::unique_ptr<test::ReadoutController> readout;
    QPointer<Grafik_NEW_Orvo_IO> monitor;
    QPointer<Config_Project> settings;
    BoxWithItsOwnLoop box;
};

TEST_P(HandlerGuardDuringTransfer, TheTransferStopsBeforeTheMessageAndNoStepRunsWhileItIsOpen)
{
    ASSERT_TRUE(line->connectClient(main->link()));
    start();
    ASSERT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'|').toStdString();
    // Well under way: requests have reached the controller and more are to come.
    ASSERT_TRUE(ControllerSimulator::waitFor([&] { return sim.received().size() >= 40; }, 20000));
    ASSERT_TRUE(running());
    ASSERT_TRUE(m().link.busy());
    ASSERT_TRUE(progressShown());

    // Another window's handler changes half of what it means to and fails;
    // a second error follows before the message has come up.
    Table<int, 1, 8> values;
    OtherTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] {
        m().settings.T_Zapyt = 999; // the half-done change
        values(9) = 1;
    });
    for (int error = 0; error < 2; ++error) {
        EXPECT_FALSE(tickGuarded(other));
        // Stopped at once: its timers off, the link given back, its progress window gone.
        EXPECT_FALSE(running());
        EXPECT_FALSE(timerActive());
        EXPECT_FALSE(m().link.busy());
        EXPECT_FALSE(progressShown());
        EXPECT_TRUE(settings->isEnabled());
        EXPECT_TRUE(main->isEnabled());
    }
    EXPECT_TRUE(box.atOpen.empty()); // not shown inside either event's delivery

    // The one message for both errors comes up from the event loop, and
    // nothing of the transfer runs under it.
    const std::vector<int> stoppedAt = progress();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ui().messages.empty(); }, 20000));
    deliverPosted();
    ASSERT_EQ(box.atOpen.size(), 1u);
    EXPECT_GE(box.otherTicks, 40); // the box's own loop ran other windows' timers
    for (const BoxWithItsOwnLoop::Look &l : box.underIt) {
        EXPECT_TRUE(l.linkFree);
        EXPECT_FALSE(l.running);
        EXPECT_FALSE(l.timerActive);
        EXPECT_EQ(l.progress, stoppedAt);
    }
    const BoxWithItsOwnLoop::Look &open = box.atOpen[0];
    EXPECT_TRUE(open.linkFree);
    EXPECT_FALSE(open.running);
    EXPECT_FALSE(open.timerActive);
    EXPECT_EQ(open.progress, stoppedAt);
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(ui().messages[0].text.startsWith(QString::fromUtf16(kHandlerError)));
    EXPECT_EQ(m().settings.T_Zapyt, 999); // the program goes on with its data as the handler left it

    // The link is free for the next transfer, which starts as a fresh one.
    m().settings.T_Zapyt = 40;
    start();
    EXPECT_TRUE(running());
    EXPECT_TRUE(m().link.busy());
    EXPECT_EQ(ui().messages.size(), 1u) << ui().messageTexts().join(u'|').toStdString();
    main->stopTransfers();
    EXPECT_FALSE(running());
    EXPECT_FALSE(m().link.busy());
}

std::string transferName(const ::testing::TestParamInfo<Transfer> &info)
{
    switch (info.param) {
    case Transfer::Schema: return "Schema";
    case Transfer::Page: return "Page";
    case Transfer::Mechanism: return "Mechanism";
    case Transfer::Readout: return "OrvoReadout";
    }
    return "";
}

INSTANTIATE_TEST_SUITE_P(Transfers, HandlerGuardDuringTransfer,
                         ::testing::Values(Transfer::Schema, Transfer::Page, Transfer::Mechanism, Transfer::Readout),
                         transferName);

} // namespace
} // namespace pelmora
