// The monitor windows as an engineer uses them: opened from the main window's
// menu, reading a simulated controller over a socat pseudo-terminal pair (with
// their own timers, or faster through the timers' handlers), plotting, scrolling, zooming, reading values under the
// cursor, scaling, recolouring, renaming and saving and opening trend files.

#include "link/controller_link.h"
#include "monitors/grafik_new.h"
#include "monitors/grafik_new_orvo_io.h"
#include "monitors/monitor_menu.h"
#include "monitors/trend_channels.h"
#include "monitors/trend_cursor.h"
#include "monitors/trend_file.h"

#include "mainwindow/config_scada.h"
#include "support/fake_services.h"
#include "support/main_window_stand_in.h"
#include "support/simulator.h"
#include "support/simulator_pty.h"
#include "support/simulator_readout.h"
#include "ui/window_frame.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>
#include <vector>

namespace pelmora {
namespace {

using test::ControllerSimulator;
using test::MainWindowStandIn;
using test::PtyPair;
using test::ReadoutController;
using test::ScopedEnv;

QString valueText(float v) { return cursorValueText(v, QLocale().decimalPoint().front()); }

std::int32_t backgroundOf(const QWidget *w) { return bgrOf(w->palette().color(QPalette::Window)); }
std::int32_t textColourOf(const QWidget *w) { return bgrOf(w->palette().color(QPalette::WindowText)); }

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Drives a window's readout through its timers' handlers, a round about every
// millisecond with the port's and the simulator's events between rounds, until
// `done` holds; false when it does not within ceilingMs. The waits for the
// controller's answers stay real: only the timers' intervals are skipped.
template <class Done> bool driveReadout(ReadoutTimers &timers, Done done, int ceilingMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ceilingMs)
            return false;
        timers.tickTimersThatAreOn();
        QTest::qWait(1);
    }
    return true;
}

// Every timer of the readout is off: nothing of it runs later.
bool readoutTimersOff(const ReadoutTimers &t)
{
    return !t.Timer1.isActive() && !t.Timer2.isActive() && !t.Timer3.isActive() && !t.Timer6.isActive();
}

class MonitorWindows : public test::WithFakes {
protected:
    void TearDown() override
    {
        main.reset();
        settle();
    }
    ProjectModel &model() { return main->model; }
    MonitorTables &mon() { return main->model.monitors; }
    Grafik_NEW &tesk() { return Grafik_NEW::mnuOSC_Click(model(), *main); }
    Grafik_NEW_Orvo_IO &orvo() { return Grafik_NEW_Orvo_IO::mnuOSC_Orvo_Click(model(), *main); }

    std::unique_ptr<MainWindowStandIn> main = std::make_unique<MainWindowStandIn>();
};

// The readout windows against the simulator on COM1.
class MonitorReadout : public MonitorWindows {
protected:
    void SetUp() override
    {
        MonitorWindows::SetUp();
        ASSERT_TRUE(pty.ok()) << pty.error().toStdString();
        com1 = std::make_unique<ScopedEnv>("PELMORA_COM1", pty.linkEnd());
        ASSERT_TRUE(sim.openSerial(pty.controllerEnd())) << sim.serialError().toStdString();
    }
    PtyPair pty;
    std::unique_ptr<ScopedEnv> com1;
    ControllerSimulator sim;
    ReadoutController controller{sim};
};

// The readout driven through the timers' handlers; the Tesk test below runs
// the window's own timers end to end.
TEST_F(MonitorReadout, OrvoReadoutIsPlottedReadUnderTheCursorSavedAndOpenedAgainEqual)
{
    Grafik_NEW_Orvo_IO &w = orvo();
    w.MnuCOM[0]->trigger();
    EXPECT_EQ(mon().Grafik_COM, 1);
    w.mnuCyckl_2ms->trigger();
    EXPECT_TRUE(w.mnuCyckl_2ms->isChecked());
    EXPECT_FALSE(w.mnuCyckl_1ms->isChecked());

    w.mnuLoad_I_O->trigger();
    EXPECT_TRUE(w.Load_IO->isVisible());
    EXPECT_EQ(model().link.Transfer_Busy, LinkTransfer::OrvoReadout);
    ASSERT_TRUE(driveReadout(w.timers, [&] { return w.Load_IO->isHidden(); }));
    EXPECT_TRUE(readoutTimersOff(w.timers));
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'|').toStdString();
    ASSERT_GE(controller.requested().size(), 300u);
    EXPECT_EQ(controller.requested().front(), 1000);
    EXPECT_EQ(controller.requested().back(), 1299);
    EXPECT_EQ(model().link.Transfer_Busy, LinkTransfer::None);
    EXPECT_EQ(mon().Grafik_Load_Flag, 0);

    // Decoded: record 0's first analog word on the raw scale (no analog-input block).
    const std::uint16_t first = ReadoutController::word(1000, 0);
    EXPECT_EQ(mon().Grafik_Data(0, 45), static_cast<float>(static_cast<std::int16_t>(first)));

    // Plotted a drawing timer tick later: a discrete bar in its column's colour.
    for (int c = 0; c < 40; ++c)
        mon().Grafik_Color(c) = 0x00A0FF;
    w.OFF_ON_IO_DblClick(3); // no colour queued: the dialog is cancelled, nothing changes
    EXPECT_EQ(mon().Grafik_Color(3), 0x00A0FF);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.Timer4.isActive(); }, 2000));
    w.fullRedraw();
    int bars = 0;
    for (int s = 1; s < 400; ++s)
        if (mon().Grafik_Data(s, 3) == 1.0f && (3 * s + 1) % 100 != 0) {
            ++bars;
            EXPECT_EQ(w.plot.picture().pixel(3 * s + 1, 13 * 3 + 5), rgbOf(0x00A0FF)) << s;
        }
    EXPECT_GT(bars, 0);

    // The cursor dragged 17 samples right: squares, analog read-outs and the 2 ms time.
    w.LineCursor1_MouseDown(QPoint(10, 100));
    w.LineCursor1_MouseMove(QPoint(10 + 3 * 17 + 1, 100), true);
    w.LineCursor1_MouseUp();
    // The handle from -10 goes to -10 + 52 = 42, the line 10 further, on sample 17.
    EXPECT_EQ(w.area->LineCursor->x(), 52);
    const int s = 17;
    EXPECT_EQ(w.Time_ms->text(), QString::number(2 * s));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w.aINP_OUT[static_cast<std::size_t>(i)]->text(), valueText(mon().Grafik_Data(s, 45 - i))) << i;
    for (int c = 0; c < 40; ++c)
        EXPECT_EQ(backgroundOf(w.OFF_ON_IO[static_cast<std::size_t>(c)]),
                  mon().Grafik_Data(s, c) != 0.0f ? 0x00A0FF : w.plot.background)
            << c;
    EXPECT_TRUE(w.Cur_Ekran->isVisible());

    // Saved, spoiled, opened again: every value back in its place.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvo.grf"));
    ui().savePaths.push_back(path);
    w.mnuSave->trigger();
    ASSERT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Ім'я проекта не співпадає! Зберегти проект?")});
    const MonitorTables saved = mon();
    for (int c = 0; c < 46; ++c)
        for (int k = 0; k <= 5000; ++k)
            mon().Grafik_Data(k, c) = 0.0f;
    w.MnuCOM[4]->trigger();
    w.mnuCyckl_1ms->trigger();
    ui().openPaths.push_back(path);
    w.mnuOpen->trigger();
    EXPECT_TRUE(mon().Grafik_Data == saved.Grafik_Data);
    EXPECT_TRUE(mon().Grafik_Color == saved.Grafik_Color);
    EXPECT_EQ(mon().Grafik_COM, 1);
    EXPECT_TRUE(w.MnuCOM[0]->isChecked());
    EXPECT_FALSE(w.MnuCOM[4]->isChecked());
    EXPECT_EQ(mon().Grafik_Cikl, 1);
    EXPECT_TRUE(w.mnuCyckl_2ms->isChecked());
}

TEST_F(MonitorReadout, TeskReadoutStopsOnItsButtonStartsAgainFromPacketOneAndIsPlotted)
{
    Grafik_NEW &w = tesk();
    w.Num_COM->setCurrentIndex(0);
    w.Num_COM_Click();
    w.Num_Tesk_Net->setCurrentIndex(2);
    EXPECT_EQ(mon().Grafik_Num_Net, 3);

    w.FLASH->click();
    EXPECT_EQ(w.FLASH->text(), QStringLiteral("End load Tesk"));
    EXPECT_TRUE(w.ProgressBar1->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.requested().size() >= 5; }, 10000));
    // Without failures every request asks for the next packet: the packet
    // count is the number of requests sent, the last perhaps still on its way.
    const std::size_t sent = static_cast<std::size_t>(mon().Grafik_Paket);
    w.FLASH->click(); // stop
    EXPECT_EQ(w.FLASH->text(), QStringLiteral("Load Tesk"));
    EXPECT_FALSE(w.ProgressBar1->isVisible());
    EXPECT_EQ(model().link.Transfer_Busy, LinkTransfer::None);
    EXPECT_TRUE(readoutTimersOff(w.timers));
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.requested().size() >= sent; }, 10000));
    const std::size_t before = controller.requested().size();
    EXPECT_EQ(before, sent);

    w.FLASH->click(); // a new readout from packet 1
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.FLASH->text() == QStringLiteral("Load Tesk"); }, 60000));
    // Every packet asked for in order from packet 1. On a loaded machine an
    // answer may come after its wait: that request is asked again, so a
    // register may follow itself, and nothing else changes.
    ASSERT_GE(controller.requested().size(), before + 240);
    std::vector<int> asked(controller.requested().begin() + static_cast<std::ptrdiff_t>(before),
                           controller.requested().end());
    asked.erase(std::unique(asked.begin(), asked.end()), asked.end());
    std::vector<int> packets(240);
    std::iota(packets.begin(), packets.end(), 1000);
    EXPECT_EQ(asked, packets);
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'|').toStdString();
    EXPECT_EQ(mon().Grafik_Data(0, 1), ReadoutController::word(1000, 0));
    EXPECT_EQ(mon().Grafik_Data(125, 1), ReadoutController::word(1001, 0));

    // The drawing timer plots channel 1 on its default scale 0..100.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.Timer4.isActive(); }, 5000));
    const PlotLayout &l = w.plot.layout();
    const int y = trendY(mon().Grafik_Data(10, 6), mon().Grafik_Min(6), mon().Grafik_Max(6), l.yTop, l.yBottom);
    EXPECT_EQ(w.plot.picture().pixel(11, y), rgbOf(mon().Grafik_Color(6))); // drawn last, on top

    // The Tesk monitor has no visible menu item, so the screenshot scenario
    // cannot open it: with PELMORA_MONITOR_SHOTS set, this readout leaves
    // pictures of the window there, plotted, zoomed and with the cursor on a trend.
    const QString shots = qEnvironmentVariable("PELMORA_MONITOR_SHOTS");
    if (!shots.isEmpty()) {
        w.grab().save(shots + QStringLiteral("/tesk-plotted.png"));
        w.Mashtab_X_Y->setCurrentIndex(2);
        w.Mashtab_X_Y_Click();
        w.LineCursor1_MouseDown(QPoint(10, 200));
        w.LineCursor1_MouseMove(QPoint(10 + 400, 200), true);
        w.dIO_ON->click();
        w.grab().save(shots + QStringLiteral("/tesk-zoomed-cursor.png"));
        w.LineCursor1_MouseUp();
    }
}

TEST_F(MonitorReadout, ASilentControllerStopsTheOrvoReadoutWithAMessageAndABusyLinkRefusesTheOther)
{
    sim.fault.silent = true;
    Grafik_NEW_Orvo_IO &o = orvo();
    Grafik_NEW &t = tesk();
    o.MnuCOM[0]->trigger();
    o.mnuLoad_I_O->trigger();
    ASSERT_TRUE(o.Load_IO->isVisible());

    // The other monitor may not start while this readout holds the link.
    t.FLASH->click();
    EXPECT_EQ(t.FLASH->text(), QStringLiteral("Load Tesk"));
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].text, QString::fromUtf16(kLinkBusy));
    EXPECT_EQ(model().link.Transfer_Busy, LinkTransfer::OrvoReadout);

    // Twenty requests, each waited for its hold of two seconds.
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui().messages.size() == 2; }, 90000));
    EXPECT_EQ(ui().messages[1].text,
              QStringLiteral("Немає правильної відповіді контролера на 20 запитів поспіль. Зчитування зупинено."));
    EXPECT_TRUE(o.Load_IO->isHidden());
    EXPECT_EQ(sim.frames().size(), static_cast<std::size_t>(kReadoutFailureLimit));
    EXPECT_EQ(model().link.Transfer_Busy, LinkTransfer::None);
    EXPECT_TRUE(readoutTimersOff(o.timers)); // nothing runs afterwards
    EXPECT_FALSE(o.timers.readout.running());
}

// An error that escapes a handler stops every readout at once, without a
// message: the link is free, no timer of the readout runs, and the window
// shows no readout running, so its next command is a start.
TEST_F(MonitorReadout, StoppingTheReadoutsLeavesEachWindowIdleWithoutAMessage)
{
    sim.fault.silent = true;
    for (bool teskWindow : {true, false}) {
        SCOPED_TRACE(teskWindow ? "Tesk" : "Orvo");
        TrendMonitorWindow &w = teskWindow ? static_cast<TrendMonitorWindow &>(tesk()) : orvo();
        const auto running = [&] {
            return teskWindow
                       ? tesk().FLASH->text() == QStringLiteral("End load Tesk") && tesk().ProgressBar1->isVisible()
                       : orvo().Load_IO->isVisible();
        };
        if (teskWindow) {
            tesk().Num_COM_Click();
            tesk().FLASH->click();
        } else {
            orvo().MnuCOM[0]->trigger();
            orvo().mnuLoad_I_O->trigger();
        }
        ASSERT_TRUE(w.timers.readout.running());
        ASSERT_TRUE(model().link.busy());
        ASSERT_TRUE(running());

        stopMonitorReadouts(*main);
        EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'|').toStdString();
        EXPECT_FALSE(w.timers.readout.running());
        EXPECT_TRUE(readoutTimersOff(w.timers));
        EXPECT_FALSE(model().link.busy());
        EXPECT_FALSE(running());

        // The next command starts a readout again.
        if (teskWindow)
            tesk().FLASH->click();
        else
            orvo().mnuLoad_I_O->trigger();
        EXPECT_TRUE(w.timers.readout.running());
        EXPECT_TRUE(running());
        w.stopReadout();
    }
}

TEST_F(MonitorReadout, ClosingAWindowDuringItsReadoutStopsItSoTheNextStartIsAStart)
{
    sim.fault.silent = true;
    for (bool teskWindow : {true, false}) {
        QPointer<QWidget> w = teskWindow ? static_cast<QWidget *>(&tesk()) : &orvo();
        if (teskWindow) {
            tesk().Num_COM_Click();
            tesk().FLASH->click();
        } else {
            orvo().mnuLoad_I_O->trigger();
        }
        ASSERT_EQ(mon().Grafik_Load_Flag, 1);
        w->close(); // the Tesk window asks first; the fakes answer Yes
        settle();
        EXPECT_TRUE(w.isNull());
        EXPECT_EQ(mon().Grafik_Load_Flag, 0);
        EXPECT_EQ(model().link.Transfer_Busy, LinkTransfer::None);
    }
    sim.fault.silent = false;
    Grafik_NEW_Orvo_IO &again = orvo();
    again.mnuLoad_I_O->trigger();
    EXPECT_TRUE(again.Load_IO->isVisible()); // a start, not a stop
    again.Load_IO_X_Click();
    EXPECT_TRUE(again.Load_IO->isHidden());
    EXPECT_EQ(ui().messageTexts().back(), QStringLiteral("Помилка завантаження"));
    EXPECT_EQ(model().link.Transfer_Busy, LinkTransfer::None);
}

TEST_F(MonitorWindows, MenuItemsOpenModelessMonitorsThatOutliveTheMainWindowsShutdown)
{
    auto *mainWindow = new Config_SCADA();
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<Config_SCADA> alive(mainWindow);
    EXPECT_FALSE(mainWindow->mnuOSC->isVisible());
    mainWindow->mnuOSC->trigger();
    mainWindow->mnuOSC_Orvo->trigger();
    auto *t = Grafik_NEW::loaded(*mainWindow);
    auto *o = Grafik_NEW_Orvo_IO::loaded(*mainWindow);
    ASSERT_NE(t, nullptr);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(t->windowTitle(), QStringLiteral("Графік Tesk - Virel -"));
    EXPECT_EQ(o->windowTitle(), QStringLiteral("Монітор Orvo_IO - Virel -"));
    EXPECT_TRUE(mainWindow->isEnabled());
    mainWindow->mnuOSC_Orvo->trigger(); // the open window comes to the front; no second one
    EXPECT_EQ(Grafik_NEW_Orvo_IO::loaded(*mainWindow), o);

    // The main window closes; the monitors stay open and keep its model until they go.
    QPointer<QWidget> tp(t), op(o);
    mainWindow->close();
    settle();
    ASSERT_FALSE(alive.isNull());
    EXPECT_FALSE(tp.isNull());
    EXPECT_FALSE(op.isNull());
    o->mnuLoad_I_O->trigger(); // no port chosen: said, and nothing runs
    EXPECT_EQ(ui().messageTexts().back(), QStringLiteral("Помилка № COM?"));
    o->close();
    settle();
    EXPECT_FALSE(alive.isNull());
    t->close();
    settle();
    settle();
    EXPECT_TRUE(alive.isNull()); // the last monitor took the main window with it
}

TEST_F(MonitorWindows, TeskZoomScrollAndCursorReadTheSamplesUnderTheLine)
{
    Grafik_NEW &w = tesk();
    for (int s = 0; s < 5000; ++s) {
        mon().Grafik_Data(s, 1) = static_cast<float>(s % 100);
        mon().Grafik_Data(s, 7) = (s / 10) % 2;
    }
    mon().Grafik_Data(30, 8) = 2.0f; // a value a trend file may hold: a black lamp
    mon().Grafik_Data(30, 9) = 7.0f; // outside the lamp colours: black too

    // Zoom 3: sample s is drawn from x 3s; the time labels follow.
    w.Mashtab_X_Y->setCurrentIndex(2);
    w.Mashtab_X_Y_Click();
    EXPECT_EQ(w.plot.zoom, 3);
    const PlotLayout &l = w.plot.layout();
    const int y50 = trendY(50.0f, 0.0f, 100.0f, l.yTop, l.yBottom);
    EXPECT_EQ(w.plot.picture().pixel(3 * 51, y50), rgbOf(mon().Grafik_Color(1)));

    // Scrolling moves the picture and the cursor, never the drawing.
    const QImage before = w.plot.picture();
    w.area->HScroll1->setValue(3000);
    EXPECT_EQ(w.area->Grafik_Tesk->x(), 1 - 3000);
    EXPECT_EQ(w.area->LineCursor1->x(), 3010);
    EXPECT_EQ(w.area->LineCursor->x(), 3010);
    EXPECT_TRUE(w.plot.picture() == before);
    w.area->HScroll1->setValue(0);

    // The cursor at both zooms: the line moves in whole samples.
    const struct {
        int zoomEntry, pointerX, line;
    } drags[] = {
        {2, 112, 100}, // the handle goes to -10 + 102 = 92, down to the whole sample at 90
        {2, 110, 100},
        {0, 40, 30},
    };
    for (const auto &d : drags) {
        w.Mashtab_X_Y->setCurrentIndex(d.zoomEntry);
        w.Mashtab_X_Y_Click();
        w.area->placeCursor(-10, 0);
        w.LineCursor1_MouseDown(QPoint(10, 50));
        w.LineCursor1_MouseMove(QPoint(d.pointerX, 50), true);
        EXPECT_EQ(w.area->LineCursor->x(), d.line);
        const int s = d.line / w.plot.zoom;
        EXPECT_EQ(w.Ekran2[0]->text(), valueText(mon().Grafik_Data(s, 1))) << d.zoomEntry;
        EXPECT_EQ(w.Time_ms->text(), QString::number(s));
        EXPECT_EQ(backgroundOf(w.dIO[0]), mon().Grafik_Data(s, 7) == 1.0f ? kLampOn : kLampOff);
        EXPECT_EQ(w.Cur_Ekran->text(), QStringLiteral("aINP_1 = ") + valueText(mon().Grafik_Data(s, 1)));
        EXPECT_EQ(w.Ekran2[0]->frameStyle(), QFrame::NoFrame); // the selected cell loses its frame while held
        w.LineCursor1_MouseUp();
        EXPECT_NE(w.Ekran2[0]->frameStyle(), QFrame::NoFrame);
    }
    w.area->placeCursor(-10, 0);
    w.LineCursor1_MouseDown(QPoint(10, 50));
    w.LineCursor1_MouseMove(QPoint(40, 50), true); // the line on sample 30
    EXPECT_EQ(backgroundOf(w.dIO[1]), 0);
    EXPECT_EQ(backgroundOf(w.dIO[2]), 0);
    w.LineCursor1_MouseMove(QPoint(40, 50), false); // no button: the caption goes
    EXPECT_FALSE(w.Cur_Ekran->isVisible());
    w.LineCursor1_MouseUp();
}

TEST_F(MonitorWindows, TeskScalesChannelsNamesColoursAndLamps)
{
    Grafik_NEW &w = tesk();
    EXPECT_EQ(w.Mashtab_Y_max->text(), QStringLiteral("100")); // channel 1 at load
    for (int s = 0; s < 5000; ++s)
        mon().Grafik_Data(s, 2) = 40.0f;

    // The scale boxes: a warning while typing, the value on Enter, then a redraw.
    w.Ekran2_Click(1);
    EXPECT_EQ(w.Grafik_Kanal, 2);
    EXPECT_NE(w.Ekran2[1]->frameStyle(), QFrame::NoFrame);
    EXPECT_EQ(w.Ekran2[0]->frameStyle(), QFrame::NoFrame);
    const struct {
        const char *text;
        bool warns;
    } typed[] = {{"-", true}, {"abc", true}, {"10001", true}, {"", false}, {"80", false}};
    for (const auto &t : typed) {
        ui().messages.clear();
        w.Mashtab_Y_max->setText(QString::fromUtf8(t.text));
        EXPECT_EQ(ui().messages.size(), t.warns ? 1u : 0u) << t.text;
    }
    EXPECT_EQ(ui().messages.size(), 0u);
    QTest::keyClick(w.Mashtab_Y_max, Qt::Key_Return);
    EXPECT_EQ(mon().Grafik_Max(2), 80.0f);
    const PlotLayout &l = w.plot.layout();
    EXPECT_EQ(w.plot.picture().pixel(21, trendY(40.0f, 0.0f, 80.0f, l.yTop, l.yBottom)), rgbOf(mon().Grafik_Color(2)));
    w.Mashtab_Y_max->setText(QStringLiteral("x"));
    QTest::keyClick(w.Mashtab_Y_max, Qt::Key_Return); // not a number: nothing stored
    EXPECT_EQ(mon().Grafik_Max(2), 80.0f);

    // Renaming: a discrete cell and its lamp label; the analog names stay.
    w.Ekran2_Click(8);
    w.Name_IO->setText(QStringLiteral("Насос"));
    QTest::keyClick(w.Name_IO, Qt::Key_Return);
    EXPECT_EQ(mon().Grafik_Name(8), QStringLiteral("Насос"));
    EXPECT_EQ(w.dIO_Name[2]->text(), QStringLiteral("Насос"));
    w.Ekran2_Click(2);
    w.Name_IO->setText(QStringLiteral("X"));
    QTest::keyClick(w.Name_IO, Qt::Key_Return);
    EXPECT_EQ(mon().Grafik_Name(2), QStringLiteral("aINP_3"));

    // Cells 12 and 13 are mirrored by 22 and 23, frame included.
    w.Ekran2_Click(12);
    EXPECT_NE(w.Ekran2[22]->frameStyle(), QFrame::NoFrame);
    EXPECT_EQ(w.Ekran2[23]->frameStyle(), QFrame::NoFrame);

    // Colours: chosen, the channel drawn again over the picture; a cancel
    // changes nothing. Each dialog starts at the colour it changes, never at
    // the one chosen last.
    w.Ekran2_Click(1);
    const std::int32_t channel2 = mon().Grafik_Color(2);
    ui().colors.push_back(QColor(10, 200, 30));
    w.Ekran2[1]->doubleClicked();
    EXPECT_EQ(bgrOf(ui().colorRequests.back()), channel2);
    EXPECT_EQ(mon().Grafik_Color(2), bgrOf(QColor(10, 200, 30)));
    EXPECT_EQ(textColourOf(w.Ekran2[1]), mon().Grafik_Color(2));
    EXPECT_EQ(w.plot.picture().pixel(21, trendY(40.0f, 0.0f, 80.0f, l.yTop, l.yBottom)), rgbOf(mon().Grafik_Color(2)));
    ui().colors.push_back(std::nullopt);
    w.Ekran2_DblClick(1);
    EXPECT_EQ(bgrOf(ui().colorRequests.back()), bgrOf(QColor(10, 200, 30)));
    EXPECT_EQ(mon().Grafik_Color(2), bgrOf(QColor(10, 200, 30)));
    w.Ekran2_Click(3);
    ui().colors.push_back(std::nullopt);
    w.Ekran2_DblClick(3);
    EXPECT_EQ(bgrOf(ui().colorRequests.back()), mon().Grafik_Color(4));

    // The plot's background: picture, cells and the cursor line in the opposite colour.
    const std::int32_t background = w.plot.background;
    ui().colors.push_back(QColor(0, 0, 64));
    w.Grafik_Tesk_DblClick();
    EXPECT_EQ(bgrOf(ui().colorRequests.back()), background);
    EXPECT_EQ(w.plot.background, 0x400000);
    EXPECT_EQ(w.plot.picture().pixel(7, 300), rgbOf(0x400000));
    EXPECT_EQ(backgroundOf(w.area->LineCursor), 0xFFFFFF - 0x400000);
    EXPECT_EQ(backgroundOf(w.Ekran2[5]), 0x400000);

    // The lamp panel shows on "dIO" and is dragged by its background within bounds.
    w.dIO_ON->click();
    EXPECT_TRUE(w.Grafik_NEW_DIO->isVisible());
    w.Cur_OFF_ON->click();
    EXPECT_FALSE(w.area->LineCursor->isVisible());
    EXPECT_FALSE(w.Timer5.isActive());
}

TEST_F(MonitorWindows, TeskTrendFileSavedAndOpenedAgainAndItsCloseQuestion)
{
    Grafik_NEW &w = tesk();
    for (int s = 0; s < 5000; ++s)
        mon().Grafik_Data(s, 4) = static_cast<float>(s % 37) + 0.25f;
    mon().Grafik_Name(20) = QStringLiteral("Клапан");
    mon().Grafik_Num_Net = 5;
    mon().Grafik_COM = 3;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tesk.grf"));
    ui().savePaths.push_back(path);
    w.mnu_Save->trigger();
    ASSERT_TRUE(QFile::exists(path));
    const MonitorTables saved = mon();

    // A failed save says so.
    ui().savePaths.push_back(dir.filePath(QStringLiteral("missing/tesk.grf")));
    ui().messages.clear();
    w.mnu_Save_Click();
    EXPECT_EQ(ui().messageTexts().back(), QStringLiteral("Помилка запису файла!!!"));

    for (int s = 0; s < 5000; ++s)
        mon().Grafik_Data(s, 4) = 0.0f;
    w.Ekran2_Click(4);
    ui().openPaths.push_back(path);
    w.mnu_Load->trigger();
    for (int s : {0, 1, 36, 4999}) // read back to one decimal place, halves to the even digit
        EXPECT_FLOAT_EQ(mon().Grafik_Data(s, 4), static_cast<float>(s % 37) + 0.2f) << s;
    EXPECT_EQ(w.Grafik_Kanal, 1);
    EXPECT_NE(w.Ekran2[0]->frameStyle(), QFrame::NoFrame);
    EXPECT_EQ(w.Ekran2[4]->frameStyle(), QFrame::NoFrame);
    EXPECT_EQ(w.Num_Tesk_Net->currentIndex(), 4);
    EXPECT_EQ(w.Num_COM->currentIndex(), 2);
    EXPECT_EQ(w.dIO_Name[14]->text(), QStringLiteral("Клапан"));
    EXPECT_EQ(w.Name_IO->text(), QStringLiteral("aINP_1"));

    // A cancelled open still draws the plot again.
    w.plot.clear();
    ui().openPaths.push_back(std::nullopt);
    w.mnu_Load_Click();
    EXPECT_NE(w.plot.picture().pixel(100, 100), rgbOf(w.plot.background)); // a grid line again

    // Closing asks; No keeps the window.
    QPointer<Grafik_NEW> p(&w);
    ui().answers.push_back(MsgAnswer::No);
    w.close();
    settle();
    ASSERT_FALSE(p.isNull());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(ui().messageTexts().back(), QStringLiteral("Закрити графік?"));
}

TEST_F(MonitorWindows, OrvoChannelPanelsSelectScaleRenameAndRecolour)
{
    Grafik_NEW_Orvo_IO &w = orvo();
    EXPECT_FALSE(w.Curr_Data->isVisible());
    EXPECT_TRUE(w.mnuCyckl_1ms->isChecked());
    EXPECT_TRUE(w.Type_Grafik->isChecked());
    EXPECT_EQ(w.Name_IO_Orvo[0]->text(), QStringLiteral("aINP_1"));
    EXPECT_EQ(w.Name_IO_Orvo[45]->text(), QStringLiteral("dOUT4_8"));
    for (int s = 0; s <= 5000; ++s) {
        mon().Grafik_Data(s, 43) = 25.0f;
        mon().Grafik_Data(s, 10) = s % 2;
    }

    // A click on an analog name selects its column and shows the scale frame.
    w.Name_IO_Orvo_Click(2);
    EXPECT_EQ(mon().Grafik_Kanal_IO, 43);
    EXPECT_TRUE(w.Curr_Data->isVisible());
    EXPECT_EQ(w.Name_IO_Orvo[46]->text(), QStringLiteral("aINP_3"));
    EXPECT_EQ(w.Mashtab_Y_max->text(), valueText(mon().Grafik_Max(43)));
    EXPECT_EQ(backgroundOf(w.Name_IO_Orvo[2]), 0xFFC0C0);
    w.Mashtab_Y_max->setText(QStringLiteral("50"));
    QTest::keyClick(w.Mashtab_Y_max, Qt::Key_Return);
    EXPECT_EQ(mon().Grafik_Max(43), 50.0f);
    const PlotLayout &l = w.plot.layout();
    EXPECT_EQ(w.plot.picture().pixel(3 * 10 + 1, trendY(25.0f, 0.0f, 50.0f, l.yTop, l.yBottom)),
              rgbOf(mon().Grafik_Color(43)));

    // A click on the background clears the choice; one on a read-out selects without the frame.
    w.Form_Click();
    EXPECT_EQ(mon().Grafik_Kanal_IO, 0);
    EXPECT_FALSE(w.Curr_Data->isVisible());
    w.aINP_OUT_Click(1);
    EXPECT_EQ(mon().Grafik_Kanal_IO, 44);
    EXPECT_FALSE(w.Curr_Data->isVisible());

    // Renaming in place, any row.
    w.Name_IO_Orvo_DblClick(20);
    ASSERT_TRUE(w.Name_IO_Orvo_Text->isVisible());
    EXPECT_EQ(w.Name_IO_Orvo_Text->text(), mon().Grafik_Name_IO(20));
    w.Name_IO_Orvo_Text->setText(QStringLiteral("Засувка"));
    QTest::keyClick(w.Name_IO_Orvo_Text, Qt::Key_Return);
    EXPECT_FALSE(w.Name_IO_Orvo_Text->isVisible());
    EXPECT_EQ(mon().Grafik_Name_IO(20), QStringLiteral("Засувка"));
    EXPECT_EQ(w.Name_IO_Orvo[20]->text(), QStringLiteral("Засувка"));

    // A square's colour redraws its row over the picture.
    ui().colors.push_back(QColor(255, 0, 0));
    w.OFF_ON_IO_DblClick(10);
    EXPECT_EQ(mon().Grafik_Color(10), 0x0000FF);
    EXPECT_EQ(backgroundOf(w.OFF_ON_IO[10]), 0x0000FF);
    EXPECT_EQ(w.plot.picture().pixel(3 * 1 + 1, 13 * 10 + 5), rgbOf(0x0000FF));
    ui().colors.push_back(QColor(0, 255, 0));
    w.OFF_ON_IO_DblClick(44);
    EXPECT_EQ(textColourOf(w.aINP_OUT[1]), 0x00FF00);

    // Beyond the recorded samples the cursor reads nothing.
    w.area->placeCursor(3 * 4999, 3 * 4999 + 10);
    w.LineCursor1_MouseDown(QPoint(10, 10));
    w.aINP_OUT[0]->setText(QStringLiteral("kept"));
    w.LineCursor1_MouseMove(QPoint(10, 10), true);
    EXPECT_EQ(w.area->LineCursor->x(), 3 * 5000 + 7);
    EXPECT_EQ(w.aINP_OUT[0]->text(), QStringLiteral("kept"));
    w.LineCursor1_MouseUp();
    EXPECT_EQ(mon().Cursor_Drag_Flag, 0);
}

// The "&COM" menu ticks the port a readout opens: none while no port is
// chosen, so a tick and "Помилка № COM?" are never seen together; the chosen
// port, also in a window opened again; the port a trend file brings, or none
// for a port the menu does not have.
TEST_F(MonitorWindows, OrvoPortTickIsThePortInUse)
{
    const auto ticked = [](const Grafik_NEW_Orvo_IO &w) {
        std::vector<int> ports;
        for (int n = 1; n <= 8; ++n)
            if (w.MnuCOM[static_cast<std::size_t>(n - 1)]->isChecked())
                ports.push_back(n);
        return ports;
    };
    ASSERT_EQ(mon().Grafik_COM, 0);
    QPointer<Grafik_NEW_Orvo_IO> w = &orvo();
    EXPECT_EQ(ticked(*w), std::vector<int>{});
    w->mnuLoad_I_O->trigger();
    EXPECT_EQ(ui().messageTexts().back(), QStringLiteral("Помилка № COM?"));

    w->MnuCOM[2]->trigger();
    EXPECT_EQ(mon().Grafik_COM, 3);
    EXPECT_EQ(ticked(*w), std::vector<int>{3});
    w->MnuCOM[2]->trigger(); // choosing the ticked port again keeps it ticked
    EXPECT_EQ(ticked(*w), std::vector<int>{3});

    w->close();
    settle();
    ASSERT_TRUE(w.isNull());
    w = &orvo();
    EXPECT_EQ(ticked(*w), std::vector<int>{3});

    QTemporaryDir dir;
    for (const auto &[port, expected] :
         {std::pair{6, std::vector<int>{6}}, std::pair{0, std::vector<int>{}}, std::pair{9, std::vector<int>{}}}) {
        MonitorTables fileTables;
        fileTables.Grafik_COM = static_cast<std::uint8_t>(port);
        const QString path = dir.filePath(QStringLiteral("port%1.grf").arg(port));
        ASSERT_TRUE(saveFileSafely(path, writeTrendFile(fileTables, 0, TrendLayout::Channels46)).isEmpty());
        ui().openPaths.push_back(path);
        w->mnuOpen->trigger();
        EXPECT_EQ(mon().Grafik_COM, port);
        EXPECT_EQ(ticked(*w), expected) << port;
    }
}

// A window centred over a main window at the screen's top left corner opens
// inside the screen's available area, its top left corner (title bar and
// menus) on the screen.
TEST_F(MonitorWindows, OrvoMonitorOverAMainWindowAtTheTopLeftOpensOnTheScreen)
{
    QWidget &mainWindow = main->mainWindow();
    mainWindow.resize(810, 570);
    mainWindow.show();
    QScreen *screen = mainWindow.screen();
    ASSERT_NE(screen, nullptr);
    const QRect available = screen->availableGeometry();
    mainWindow.move(available.topLeft());
    Grafik_NEW_Orvo_IO &w = orvo();
    ASSERT_TRUE(w.isVisible());
    const QRect frame = w.frameGeometry();
    // Centred over the main window it would stand off the top left.
    QRect centred(QPoint(0, 0), frame.size());
    centred.moveCenter(mainWindow.frameGeometry().center());
    ASSERT_FALSE(available.contains(centred.topLeft()));
    EXPECT_TRUE(available.contains(frame.topLeft()));
    EXPECT_EQ(frame.topLeft(), placeOverOwner(mainWindow.frameGeometry(), frame.size(), available));
    if (frame.width() <= available.width()) {
        EXPECT_LE(frame.right(), available.right());
    }
    if (frame.height() <= available.height()) {
        EXPECT_LE(frame.bottom(), available.bottom());
    }
}

// Closing the Tesk monitor while a modal dialog disables the main window
// leaves it disabled: only the dialog's going enables it again.
TEST_F(MonitorWindows, TeskClosedUnderAModalDialogLeavesTheMainWindowDisabled)
{
    Grafik_NEW &w = tesk();
    QWidget dialog;
    WindowFrame frame(dialog, main->mainWindow(), main->windows(), WindowFrameKind::Modal);
    frame.show();
    ASSERT_FALSE(main->mainWindow().isEnabled());

    QPointer<Grafik_NEW> p(&w);
    ui().answers.push_back(MsgAnswer::Yes);
    w.close();
    settle();
    EXPECT_FALSE(p && p->isVisible());
    EXPECT_FALSE(main->mainWindow().isEnabled());

    dialog.close();
    EXPECT_TRUE(main->mainWindow().isEnabled());
}

} // namespace
} // namespace pelmora
