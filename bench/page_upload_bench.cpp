// The page upload's waits: drawing and encoding a full demo page (the
// engineer waits on it before the first packet leaves), and writing a page
// into the controller simulator over a socat pseudo-terminal pair on an
// emulated 115200-baud line, against the wire time of its packets and replies,
// by the sender alone and from the menu item with its timer and window.

#include "link/controller_link.h"
#include "link/write_schema.h"
#include "project/startup.h"
#include "support/main_window_stand_in.h"
#include "support/page_fixture.h"
#include "support/sender_driver.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_pages.h"
#include "upload/packet_sender.h"
#include "upload/page_build.h"
#include "upload/page_range.h"
#include "upload/scada_upload.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <memory>

namespace {

using namespace pelmora;

ProjectModel demoModel()
{
    ProjectModel m;
    startUpModel(m);
    m.settings.Stranica_Count = 16;
    m.settings.Format_Version = 6;
    m.settings.Num_Net = 1;
    test::placeDemoPageElements(m);
    return m;
}

void BM_RenderDemoPage(benchmark::State &state)
{
    const ProjectModel m = demoModel();
    for (auto _ : state) {
        const page::RenderedPage r = page::renderPage(m, 0);
        benchmark::DoNotOptimize(r.image.constBits());
    }
}
BENCHMARK(BM_RenderDemoPage)->Unit(benchmark::kMillisecond);

void BM_RenderAndEncodeDemoPage(benchmark::State &state)
{
    const ProjectModel m = demoModel();
    for (auto _ : state) {
        const page::PageUpload u = page::buildPageUpload(m, 0);
        if (!u.ok()) {
            state.SkipWithError("the page was refused");
            break;
        }
        benchmark::DoNotOptimize(u.data.packets[7].back().constData());
    }
}
BENCHMARK(BM_RenderAndEncodeDemoPage)->Unit(benchmark::kMillisecond);

// Writes page `page` over the emulated line once per iteration; the counters
// give the wire time and the ratio of the upload's time to it.
void uploadAt115200(benchmark::State &state, int page)
{
    ProjectModel m = demoModel();
    m.settings.Num_COM_Link = 2;
    test::ControllerSimulator sim;
    test::PageController controller(sim);
    sim.lineBaud = PacketSender::kSerialBaud;
    const test::SimulatorLine line(sim, test::Transport::Pty, 2);
    ControllerLink link;
    if (!line.ok() || !line.open(link)) {
        state.SkipWithError(line.ok() ? "the link cannot open its end of the line" : qPrintable(line.error()));
        return;
    }
    PacketSender sender(m.link);
    test::SenderDriver driver(sender, link, 2);
    const page::PageUpload u = page::buildPageUpload(m, page);
    const double wireSeconds =
        sim.wireMs(static_cast<qsizetype>(u.packetCount()) * (page::PacketBytes + PacketSender::kReplyBytes)) / 1000.0;
    double seconds = 0;
    int badReplies = 0;
    for (auto _ : state) {
        controller.clear();
        QElapsedTimer clock;
        clock.start();
        driver.start(u.rows(), m.settings.T_Zapyt);
        if (!driver.runToEnd(60000) || driver.last().end != PacketSender::End::Done || !controller.complete(page)) {
            state.SkipWithError("the page was not written");
            break;
        }
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        badReplies += driver.last().errors;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["packets"] = u.packetCount();
    state.counters["wire_s"] = wireSeconds;
    state.counters["ratio"] = runs > 0 ? seconds / runs / wireSeconds : 0;
    state.counters["bad_replies"] = badReplies;
}

void BM_UploadOneColourPageAt115200(benchmark::State &state) { uploadAt115200(state, 5); }
BENCHMARK(BM_UploadOneColourPageAt115200)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

void BM_UploadDemoPageAt115200(benchmark::State &state) { uploadAt115200(state, 0); }
BENCHMARK(BM_UploadDemoPageAt115200)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

// The one-colour page written from the menu item, as the engineer starts it:
// drawn and built, then sent on SCADA_Timer with the progress window shown,
// from the menu handler to the window's closing.
void BM_UploadOneColourPageFromTheMenuAt115200(benchmark::State &state)
{
    test::MainWindowStandIn main;
    ProjectModel &m = main.model;
    m = demoModel();
    m.settings.Num_COM_Link = 2;
    m.pages.Num_Stranica_SCADA = 5;
    test::ControllerSimulator sim;
    test::PageController controller(sim);
    sim.lineBaud = PacketSender::kSerialBaud;
    const test::SimulatorLine line(sim, test::Transport::Pty, 2);
    if (!line.ok()) {
        state.SkipWithError(qPrintable(line.error()));
        return;
    }
    ScadaUpload upload(m, main);
    const page::PageUpload u = page::buildPageUpload(m, 5);
    const double wireSeconds =
        sim.wireMs(static_cast<qsizetype>(u.packetCount()) * (page::PacketBytes + PacketSender::kReplyBytes)) / 1000.0;
    double seconds = 0;
    for (auto _ : state) {
        controller.clear();
        QElapsedTimer clock;
        clock.start();
        upload.MnuSaveOrvoSCADA_Click();
        const bool ended = test::ControllerSimulator::waitFor(
            [&] { return !upload.sender().running() && !Write_SCHEMA::loaded(main); }, 60000);
        if (!ended || !controller.complete(5)) {
            state.SkipWithError("the page was not written");
            break;
        }
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(elapsed);
        seconds += elapsed;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["packets"] = u.packetCount();
    state.counters["wire_s"] = wireSeconds;
    state.counters["ratio"] = runs > 0 ? seconds / runs / wireSeconds : 0;
}
BENCHMARK(BM_UploadOneColourPageFromTheMenuAt115200)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

// From the menu click to the first byte of the page at the controller: the
// engineer's wait before anything happens on the line, drawing and building
// the page included. Over the pseudo-terminal pair (COM2) and over a TCP client
// that is not connected yet, so the connection is made on demand each time.
void BM_PageUploadFirstByteFromTheMenu(benchmark::State &state)
{
    const bool tcp = state.range(0) == 1;
    const int page = static_cast<int>(state.range(1));
    test::MainWindowStandIn main;
    ProjectModel &m = main.model;
    m = demoModel();
    m.pages.Num_Stranica_SCADA = static_cast<std::int16_t>(page);
    test::ControllerSimulator sim;
    test::PageController controller(sim);
    // The serial line is played at its speed (a reply cannot come before its
    // frame has left), so the bytes are seen when their wire time has passed:
    // that time is taken off to give the moment the first byte left.
    const test::SimulatorLine line(sim, tcp ? test::Transport::Tcp : test::Transport::Pty, 2);
    if (!line.ok()) {
        state.SkipWithError(qPrintable(line.error()));
        return;
    }
    line.pointSettings(m.settings);
    double handlerSeconds = 0;
    for (auto _ : state) {
        // A fresh upload each time; the one before is dropped after its first byte.
        auto upload = std::make_unique<ScadaUpload>(m, main);
        if (tcp)
            main.link().closeClient();
        test::ControllerSimulator::waitFor([] { return false; }, 20); // the line settles
        sim.clearRecords();
        QElapsedTimer clock;
        clock.start();
        upload->MnuSaveOrvoSCADA_Click();
        handlerSeconds += static_cast<double>(clock.nsecsElapsed()) / 1e9;
        if (!test::ControllerSimulator::waitFor([&] { return !sim.received().isEmpty(); }, 5000)) {
            state.SkipWithError("nothing reached the controller");
            break;
        }
        const double seen = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(qMax(0.0, seen - sim.wireMs(sim.received().size()) / 1000));
        upload.reset();
        Write_SCHEMA::unload(main);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["handler_ms"] = runs > 0 ? handlerSeconds / runs * 1000 : 0;
}
BENCHMARK(BM_PageUploadFirstByteFromTheMenu)
    ->ArgNames({"tcp", "page"})
    ->Args({0, 0})
    ->Args({0, 5})
    ->Args({1, 0})
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Notes when a timer fires, before its handler runs.
class PauseEnd : public QObject {
public:
    explicit PauseEnd(const QElapsedTimer &clock) : clock_(clock) {}
    qint64 at = -1;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Timer)
            at = clock_.nsecsElapsed();
        return false;
    }

private:
    const QElapsedTimer &clock_;
};

// A range of all 16 pages of the demo project, written from the range
// window's Ok over the emulated 115200-baud line: the time spent sending
// (the sender running) against the wire time of every packet and reply, with
// the written pause between pages (Timer_Stranica_SCADA) and the drawing and
// building of each page reported apart.
void BM_UploadSixteenPageRangeAt115200(benchmark::State &state)
{
    test::MainWindowStandIn main;
    ProjectModel &m = main.model;
    m = demoModel();
    m.settings.Num_COM_Link = 2;
    test::ControllerSimulator sim;
    test::PageController controller(sim);
    sim.lineBaud = PacketSender::kSerialBaud;
    const test::SimulatorLine line(sim, test::Transport::Pty, 2);
    if (!line.ok()) {
        state.SkipWithError(qPrintable(line.error()));
        return;
    }
    ScadaUpload upload(m, main);
    qsizetype packets = 0;
    for (int p = 0; p < 16; ++p)
        packets += static_cast<qsizetype>(page::buildPageUpload(m, p).packetCount());
    const double wireSeconds = sim.wireMs(packets * (page::PacketBytes + PacketSender::kReplyBytes)) / 1000.0;
    double sending = 0, pause = 0, other = 0;
    for (auto _ : state) {
        controller.clear();
        if (page::startPageRange(m, 0, 15)) {
            state.SkipWithError("the range was refused");
            break;
        }
        QElapsedTimer clock;
        clock.start();
        upload.Timer_SAVE_Stranica_SCADA_Timer();
        const auto ended = [&] {
            return m.link.Save_n_Stranica_Flag == 0 && !upload.sender().running() &&
                   !upload.Timer_Stranica_SCADA->isActive();
        };
        // The pause ends when its timer fires; the next page is drawn and
        // built in the same handler, so the moment is taken before it runs.
        PauseEnd pauseEnd(clock);
        upload.Timer_Stranica_SCADA->installEventFilter(&pauseEnd);
        qint64 last = clock.nsecsElapsed();
        while (!ended() && clock.elapsed() < 300000) {
            const bool wasSending = upload.sender().running();
            const bool wasPause = !wasSending && upload.Timer_Stranica_SCADA->isActive();
            pauseEnd.at = -1;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            const qint64 now = clock.nsecsElapsed();
            if (wasPause && pauseEnd.at >= last) {
                pause += static_cast<double>(pauseEnd.at - last) / 1e9;
                other += static_cast<double>(now - pauseEnd.at) / 1e9;
            } else {
                (wasSending ? sending : wasPause ? pause : other) += static_cast<double>(now - last) / 1e9;
            }
            last = now;
        }
        upload.Timer_Stranica_SCADA->removeEventFilter(&pauseEnd);
        bool all = ended();
        for (int p = 0; p < 16 && all; ++p)
            all = controller.complete(p);
        if (!all) {
            state.SkipWithError("the range was not written");
            break;
        }
        const double seen = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(qMax(0.0, seen - sim.wireMs(sim.received().size()) / 1000));
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["packets"] = static_cast<double>(packets);
    state.counters["wire_s"] = wireSeconds;
    state.counters["sending_s"] = runs > 0 ? sending / runs : 0;
    state.counters["ratio"] = runs > 0 ? sending / runs / wireSeconds : 0;
    state.counters["pause_s"] = runs > 0 ? pause / runs : 0;
    state.counters["build_s"] = runs > 0 ? other / runs : 0;
}
BENCHMARK(BM_UploadSixteenPageRangeAt115200)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
