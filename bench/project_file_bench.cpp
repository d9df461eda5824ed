// Saving and opening a full project: 16 pages with elements on every page,
// an ALGORITHM block of version 6, RS4 texts and a report block.

#include "core/services.h"
#include "project/project_changes.h"
#include "project/project_file.h"
#include "project/startup.h"
#include "support/project_fixture.h"

#include <QFile>
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

// The question on closing, creating and opening a project compares what the
// writer gives now with what it gave at the last open or save: one write and
// one comparison of the demo project, each time a project is left.
void BM_UnsavedChangesCheckOfTheDemoProject(benchmark::State &state)
{
    QFile file(QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_project.prt"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the demo project cannot be read");
        return;
    }
    ProjectModel m;
    startUpModel(m);
    if (!readProjectFile(file.readAll(), m, QStringLiteral(PELMORA_EXAMPLES_DIR)).ok) {
        state.SkipWithError("the demo project cannot be read");
        return;
    }
    SavedProjectState saved;
    saved.remember(m);
    for (auto _ : state) {
        const bool changed = saved.changedSince(m);
        benchmark::DoNotOptimize(changed);
    }
}
BENCHMARK(BM_UnsavedChangesCheckOfTheDemoProject)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
