// The mechanism upload's wait: a phase picture packed and written by the
// mechanism upload through the program's link into the controller simulator,
// over a socat pseudo-terminal pair on an emulated 115200-baud line. The
// counters give the wire time of its packets and replies and the ratio of
// the upload's time to it.

#include "support/fake_services.h"
#include "support/main_window_stand_in.h"
#include "support/mechanism_pictures.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_mechanism.h"
#include "upload/mechanism_packing.h"
#include "upload/mechanism_upload.h"
#include "upload/packet_sender.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QPainter>

namespace {

using namespace pelmora;

// A machine drawn in a few flat colours on black, the size of a large mechanism.
QImage drawnMechanism(int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(QColor::fromRgb(test::colour565(0x1111 * (i + 1))));
        p.drawEllipse(10 + (i % 3) * width / 3, 10 + (i / 3) * height / 2, width / 4, height / 3);
    }
    return img;
}

void uploadAt115200(benchmark::State &state, const QImage &picture)
{
    test::ControllerSimulator sim;
    test::MechanismController controller(sim);
    sim.lineBaud = PacketSender::kSerialBaud;
    const test::SimulatorLine line(sim, test::Transport::Pty, 2);
    if (!line.ok()) {
        state.SkipWithError(qPrintable(line.error()));
        return;
    }
    test::MainWindowStandIn main;
    main.model.settings.Num_COM_Link = 2;
    main.model.settings.Num_Net = 1;
    MechanismUpload &up = MechanismUpload::of(main.model, main);
    const mechanism::PackedPicture packed = mechanism::packMechanism(picture);
    const auto packets = static_cast<qsizetype>(mechanism::mechanismPackets(packed, 1).size());
    const double wireSeconds = sim.wireMs(packets * (mechanism::PacketBytes + PacketSender::kReplyBytes)) / 1000.0;
    double seconds = 0;
    int badReplies = 0;
    for (auto _ : state) {
        test::fakes().reset();
        QElapsedTimer clock;
        clock.start();
        up.ZIP_GIF_Orvo(picture);
        const bool ended = test::ControllerSimulator::waitFor([&] { return !up.running(); }, 60000);
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        // A bad reply shifts the acknowledgements: the last packet may still be on the line.
        test::ControllerSimulator::waitFor([&] { return controller.complete(); }, 3000);
        if (!ended || !controller.complete() || !test::fakes().messages.empty()) {
            const QString why = !test::fakes().messages.empty() ? test::fakes().messageTexts().join(u'|')
                                                                : controller.problems().join(QStringLiteral("; ")) +
                                                                      QStringLiteral(" taken %1 running %2 errors %3")
                                                                          .arg(controller.packetsTaken())
                                                                          .arg(up.running())
                                                                          .arg(up.sender().errors());
            state.SkipWithError(qPrintable(QStringLiteral("the picture was not written: ") + why));
            break;
        }
        state.SetIterationTime(elapsed);
        badReplies += up.sender().errors();
        seconds += elapsed;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["packets"] = static_cast<double>(packets);
    state.counters["wire_s"] = wireSeconds;
    state.counters["ratio"] = runs > 0 ? seconds / runs / wireSeconds : 0;
    state.counters["bad_replies"] = badReplies;
}

void BM_UploadDrawnMechanismAt115200(benchmark::State &state) { uploadAt115200(state, drawnMechanism(400, 240)); }
BENCHMARK(BM_UploadDrawnMechanismAt115200)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

// Every pixel a literal: the longest image the upload takes.
void BM_UploadLongestMechanismAt115200(benchmark::State &state)
{
    uploadAt115200(state, test::alternatingPicture(125, 120));
}
BENCHMARK(BM_UploadLongestMechanismAt115200)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
