// Saving and opening a full project: 16 pages with elements on every page,
// an ALGORITHM block of version 6, RS4 texts and a report block.

#include "core/services.h"
#include "project/project_file.h"
#include "project/startup.h"
#include "support/project_fixture.h"

#include <benchmark/benchmark.h>

using namespace pelmora;
using namespace pelmora::projectfile;

namespace {

ProjectModel fullProject()
{
    ProjectModel m;
    startUpModel(m);
    test::fillVariedProject(m, 6, 16);
    prepareForSave(m);
    return m;
}

void BM_SaveFullProject(benchmark::State &state)
{
    const ProjectModel m = fullProject();
    for (auto _ : state) {
        const WriteResult w = writeProjectFile(m);
        benchmark::DoNotOptimize(w.bytes.data());
        state.counters["bytes"] = static_cast<double>(w.bytes.size());
    }
}
BENCHMARK(BM_SaveFullProject)->Unit(benchmark::kMillisecond);

void BM_OpenFullProject(benchmark::State &state)
{
    const ProjectModel m = fullProject();
    const QByteArray bytes = writeProjectFile(m).bytes;
    ProjectModel open;
    startUpModel(open);
    for (auto _ : state) {
        ProjectModel staging = open;
        const ReadResult r = readProjectFile(bytes, staging, QStringLiteral("/projects"));
        if (!r.ok)
            state.SkipWithError("the file could not be read");
        adoptProject(open, std::move(staging), r);
    }
}
BENCHMARK(BM_OpenFullProject)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
