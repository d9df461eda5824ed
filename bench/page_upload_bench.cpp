// The page upload's waits: drawing and encoding a full demo page (the
// engineer waits on it before the first packet leaves), and writing a page
// into the controller simulator over a socat pseudo-terminal pair on an
// emulated 115200-baud line, against the wire time of its packets and replies,
// by the sender alone and from the menu item with its timer and window.

#include "project/startup.h"
#include "support/main_window_stand_in.h"
#include "support/page_fixture.h"
#include "support/sender_driver.h"
#include "support/simulator.h"
#include "support/simulator_pages.h"
#include "support/simulator_pty.h"
#include "upload/controller_link.h"
#include "upload/packet_sender.h"
#include "upload/page_build.h"
#include "upload/scada_upload.h"
#include "upload/write_schema.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

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
    test::PtyPair pty;
    if (!pty.ok()) {
        state.SkipWithError(qPrintable(pty.error()));
        return;
    }
    test::ScopedEnv com2("PELMORA_COM2", pty.linkEnd());
    test::ControllerSimulator sim;
    test::PageController controller(sim);
    sim.lineBaud = PacketSender::kSerialBaud;
    ControllerLink link;
    if (!sim.openSerial(pty.controllerEnd()) || !link.openSerialOnDemand(2)) {
        state.SkipWithError("the pseudo-terminal pair cannot be opened");
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
    test::PtyPair pty;
    if (!pty.ok()) {
        state.SkipWithError(qPrintable(pty.error()));
        return;
    }
    test::ScopedEnv com2("PELMORA_COM2", pty.linkEnd());
    test::ControllerSimulator sim;
    test::PageController controller(sim);
    sim.lineBaud = PacketSender::kSerialBaud;
    if (!sim.openSerial(pty.controllerEnd())) {
        state.SkipWithError("the pseudo-terminal pair cannot be opened");
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

} // namespace

// Texts are drawn with the platform's fonts, and the menu's upload shows its
// progress window: a widget application on the offscreen platform.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
