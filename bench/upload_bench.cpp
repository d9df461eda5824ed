// Building the ten schema upload frames for a schema that fills every block
// and both areas about as far as a frame carries them.

#include "core/model/catalogue.h"
#include "project/startup.h"
#include "upload/schema_frames.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pelmora;

void fillFullSchema(ProjectModel &m)
{
    startUpModel(m);
    auto &s = m.schema;
    m.settings.Num_Net = 1;
    // One ALGORITHM block with every group flagged, S_P blocks in the rest.
    s.Block_Type(1) = type::ALG;
    for (int b = 2; b <= 96; ++b)
        s.Block_Type(b) = type::S_P;
    s.Block_Type(97) = type::SCA;
    s.Block_Type(98) = type::GRA;
    s.Block_Type(99) = type::JUR;
    for (int g = 0; g < m.settings.ALGORITHM_Statement_Max; ++g) {
        m.alg.Alg_Group_Flag(0, g) = 1;
        m.alg.Alg_Group_Flag(1, g) = 1;
    }
    int next = 0;
    for (int b = 1; b <= 99; ++b) {
        const int count = m.catalogue.Parametr_Name_Count(s.Block_Type(b));
        for (int k = 0; k < count; ++k)
            s.Parametr_Name(next + k) =
                s.Block_Type(b) == type::ALG ? QString::number(k % 100) : QStringLiteral("Текст %1").arg(k);
        next += count;
    }
    for (int k = 0; k <= 15; ++k)
        for (int b = 0; b <= 99; ++b)
            s.Block_Link(k, b) = static_cast<std::uint8_t>(k + b);
    const int values = kMaxSchemaArea / 4;
    for (int i = 0; i < values; ++i)
        s.Parametr_Value(i) = static_cast<float>(i) * 0.37f - 1000.0f;
    s.Parametr_Value_Size = static_cast<std::int16_t>(4 * values);
}

void BM_SchemaFrames(benchmark::State &state)
{
    ProjectModel m;
    fillFullSchema(m);
    qint64 bytes = 0;
    for (auto _ : state) {
        SchemaFrames f = Schema_Frame(m);
        if (!f.ok())
            state.SkipWithError("the schema was refused");
        for (const QByteArray &frame : f.frame)
            bytes += frame.size();
        benchmark::DoNotOptimize(f);
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_SchemaFrames)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
