// Encoding a full 800 x 480 page with elements of every kind: the 12-bit
// read-out, the run words of the eight bands, the element tables and the
// framed packets.

#include "project/startup.h"
#include "support/page_fixture.h"
#include "upload/page_image_codec.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

namespace {

using namespace pelmora;

// A page picture with a background, panels, lines and a gradient band: runs
// of many lengths, as a drawn page has.
QImage drawnPage()
{
    QImage img(page::PageWidth, page::PageHeight, QImage::Format_RGB32);
    img.fill(qRgb(192, 255, 192));
    QPainter p(&img);
    for (int i = 0; i < 20; ++i) {
        p.fillRect(20 + (i % 5) * 150, 20 + (i / 5) * 110, 120, 80, QColor::fromHsv(i * 17, 200, 220));
        p.drawRect(20 + (i % 5) * 150, 20 + (i / 5) * 110, 120, 80);
    }
    for (int x = 0; x < page::PageWidth; ++x) {
        p.setPen(QColor(x * 255 / page::PageWidth, 128, 255 - x * 255 / page::PageWidth));
        p.drawLine(x, 450, x, 479);
    }
    return img;
}

void run(benchmark::State &state, const QImage &canvas)
{
    ProjectModel m;
    startUpModel(m);
    m.settings.Stranica_Count = 16;
    m.settings.Format_Version = 6;
    test::placeDemoPageElements(m);
    QByteArray image(page::ImageBytes, '\0');
    for (auto _ : state) {
        const page::PageData d = page::buildPageData(canvas, m, 0, image);
        if (d.error != page::PageBuildError::None) {
            state.SkipWithError("the page did not encode");
            break;
        }
        benchmark::DoNotOptimize(d.packets[7].back().data());
    }
}

void BM_EncodeOneColourPage(benchmark::State &state)
{
    QImage canvas(page::PageWidth, page::PageHeight, QImage::Format_RGB32);
    canvas.fill(qRgb(192, 255, 192));
    run(state, canvas);
}
BENCHMARK(BM_EncodeOneColourPage)->Unit(benchmark::kMillisecond);

void BM_EncodeDrawnPage(benchmark::State &state) { run(state, drawnPage()); }
BENCHMARK(BM_EncodeDrawnPage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
