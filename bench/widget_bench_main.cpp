// The main of the benchmarks that run windows, timers and the controller
// link: a widget application on the offscreen platform (texts are drawn with
// the platform's fonts, the uploads show their progress window) with the
// scripted services installed, so no message box ever waits for a click.

#include "core/services.h"
#include "support/fake_services.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pelmora::Services::install(&pelmora::test::fakes(), &pelmora::test::fakes(), &pelmora::test::fakes(),
                               &pelmora::test::fakes());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
