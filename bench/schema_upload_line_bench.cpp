// Writing the demo project's schema into a controller over a serial line of
// 115200 baud: the controller simulator, on one end of a socat pseudo-terminal
// pair, holds every frame and its reply for their wire time on such a line.
// The upload runs as the menu item runs it: its timer drives the step machine.
//
// Reported: the wall time of one whole upload (from the menu item to the
// judged reply), and as counters the sum of the waits the upload is written
// with (ticks of 100 ms before the frames, 500 ms after the numeric frame,
// 1000 ms after the text frame) plus the time all bytes take on the line, the
// wire time alone, and the time from the reply's last byte to its judgement.

#include "link/controller_link.h"
#include "project/project_file_disk.h"
#include "project/startup.h"
#include "schema/schema_import.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_schema.h"
#include "upload/schema_frames.h"
#include "upload/schema_stepper.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

using namespace pelmora;

constexpr int kLinkKind = 2; // COM2, the pseudo-terminal's link end

// The demo project opened as the file menu opens it: the file, then its netlist.
bool openDemoProject(ProjectModel &m)
{
    startUpModel(m);
    const QString dir = QStringLiteral(PELMORA_EXAMPLES_DIR);
    ProjectModel staging = m;
    const projectfile::ReadResult read =
        projectfile::openProjectFile(dir + QStringLiteral("/demo_project.prt"), staging, dir);
    if (!read.ok)
        return false;
    projectfile::adoptProject(m, std::move(staging), read);
    return importNetlistFile(m, m.settings.Name_Schema);
}

void BM_DemoSchemaUploadAt115200Baud(benchmark::State &state)
{
    ProjectModel m;
    if (!openDemoProject(m)) {
        state.SkipWithError("the demo project cannot be opened");
        return;
    }
    m.settings.Num_COM_Link = kLinkKind;
    const SchemaFrames frames = Schema_Frame(m);
    if (!frames.ok()) {
        state.SkipWithError("the demo schema cannot be sent");
        return;
    }

    test::ControllerSimulator sim;
    test::SchemaController controller(sim);
    sim.lineBaud = 115200;
    const test::SimulatorLine line(sim, test::Transport::Pty, kLinkKind);
    if (!line.ok()) {
        state.SkipWithError(qPrintable(line.error()));
        return;
    }
    ControllerLink link;
    if (!line.open(link)) {
        state.SkipWithError("the link cannot open its end of the line");
        return;
    }

    qsizetype bytes = 0;
    for (const QByteArray &f : frames.frame)
        bytes += f.size();
    const double wireMs = sim.wireMs(bytes + SchemaStepper::kReplyBytes);
    const double writtenWaitsMs =
        9 * SchemaStepper::kSerialTick + SchemaStepper::kSerialAfterValues + SchemaStepper::kSerialAfterTexts;

    // Timer_05 and its tick handler, as the menu item sets them up.
    SchemaStepper stepper(m.link);
    ControllerLinkIo io(link, kLinkKind);
    QTimer Timer_05;
    bool finished = false;
    QString message;
    QObject::connect(&Timer_05, &QTimer::timeout, [&] {
        const SchemaStepper::Result r = stepper.tick(io);
        if (r.interval)
            Timer_05.setInterval(*r.interval);
        if (r.finished) {
            Timer_05.stop();
            finished = true;
            message = r.message;
        }
    });
    QElapsedTimer clock;
    qint64 lastArrival = 0;
    QObject::connect(&link, &ControllerLink::bytesArrived, [&] { lastArrival = clock.nsecsElapsed(); });

    double replyToEndMs = 0;
    int runs = 0;
    for (auto _ : state) {
        link.discardInput(kLinkKind);
        finished = false;
        lastArrival = 0;
        clock.start();
        Timer_05.setInterval(stepper.start(frames.frame, kLinkKind, m.settings.T_Zapyt));
        Timer_05.start();
        while (!finished && clock.elapsed() < 20000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::usleep(200);
        }
        const qint64 end = clock.nsecsElapsed();
        state.SetIterationTime(static_cast<double>(end) / 1e9);
        if (!finished || !message.isEmpty() || !controller.complete()) {
            state.SkipWithError("the controller did not take the schema");
            return;
        }
        replyToEndMs += static_cast<double>(end - lastArrival) / 1e6;
        ++runs;
    }
    state.counters["written_waits_plus_wire_ms"] = writtenWaitsMs + wireMs;
    state.counters["wire_ms"] = wireMs;
    state.counters["reply_to_end_ms"] = runs > 0 ? replyToEndMs / runs : 0;
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_DemoSchemaUploadAt115200Baud)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
