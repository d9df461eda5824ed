// Packing an 800 x 480 mechanism picture, the largest the controller takes:
// palette, code stream and packets of a drawn picture that fits, and the
// whole stream of a many-coloured picture that the length limit refuses.

#include "upload/mechanism_packing.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

namespace {

using namespace pelmora;

// A machine drawn in a few flat colours on black: long runs, as a mechanism phase has.
QImage drawnMechanism()
{
    QImage img(mechanism::MaxWidth, mechanism::MaxHeight, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    QPainter p(&img);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv(i * 30, 255, 255));
        p.drawEllipse(40 + (i % 4) * 190, 30 + (i / 4) * 150, 140, 120);
    }
    return img;
}

// Two hundred colours in a pattern that leaves few runs.
QImage busyPicture()
{
    QImage img(mechanism::MaxWidth, mechanism::MaxHeight, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int v = (x * 7 + y * 13) % 200;
            img.setPixel(x, y, qRgb(v, 255 - v, (v * 3) & 255));
        }
    return img;
}

void BM_PackDrawnMechanism(benchmark::State &state)
{
    const QImage picture = drawnMechanism();
    for (auto _ : state) {
        const mechanism::PackedPicture p = mechanism::packMechanism(picture);
        if (p.error != mechanism::PackError::None) {
            state.SkipWithError("the picture did not pack");
            break;
        }
        const std::vector<QByteArray> packets = mechanism::mechanismPackets(p, 1);
        benchmark::DoNotOptimize(packets.back().data());
    }
}
BENCHMARK(BM_PackDrawnMechanism)->Unit(benchmark::kMillisecond);

void BM_RefuseBusyPicture(benchmark::State &state)
{
    const QImage picture = busyPicture();
    for (auto _ : state) {
        const mechanism::PackedPicture p = mechanism::packMechanism(picture);
        benchmark::DoNotOptimize(p.codeEnd);
    }
}
BENCHMARK(BM_RefuseBusyPicture)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
