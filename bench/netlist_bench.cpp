// Reading and importing a full schema netlist: 99 blocks with their
// attributes, close to the largest netlist the import takes (under 10000
// fields, a numeric area within its 16-bit byte size).

#include "core/services.h"
#include "project/startup.h"
#include "schema/netlist_reader.h"
#include "schema/schema_import.h"
#include "support/netlist_builder.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace pelmora;
using pelmora::test::D;
using pelmora::test::NetlistBuilder;
using pelmora::test::U;
using namespace Qt::StringLiterals;

struct Counting final : MessageService {
    int shown = 0;
    MsgAnswer show(const QString &text, MsgIcon, MsgButtons, const QString &) override
    {
        if (++shown == 1)
            std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return MsgAnswer::Ok;
    }
};
Counting messages;

QStringList numbers(int count)
{
    QStringList out;
    for (int k = 0; k < count; ++k)
        out << QString::number(k % 50 + 0.25);
    return out;
}

// Blocks 1..96: 30 PRO, 8 CODE, then 58 of other types.
QByteArray fullNetlist()
{
    NetlistBuilder n;
    int b = 1;
    std::vector<int> firstOutput(97, 0); // output pin used of each block; 0: none
    auto add = [&](int count, const QString &name, const QStringList &attrs, int outputPin) {
        for (int k = 0; k < count; ++k) {
            firstOutput[static_cast<std::size_t>(b)] = outputPin;
            n.block(b++, name, attrs);
        }
    };
    QStringList ai{u"1"_s};
    for (int k = 0; k < 4; ++k)
        ai << u"ТХК"_s << numbers(6);
    QStringList sp;
    for (int k = 0; k < 17; ++k)
        sp << (k % 2 ? u"Уставка"_s : u"5"_s);
    add(30, u"PRO"_s, QStringList{u"2"_s} + numbers(128), 0);
    add(8, u"CODE"_s, QStringList{u"3"_s} + numbers(96), 0);
    add(8, u"A_I"_s, ai, 1);
    add(8, u"PID_ANALOG1"_s, numbers(11), 9);
    add(8, u"S_P"_s, sp, 2);
    add(6, u"SUM2_4"_s, numbers(9), 9);
    add(6, u"D_O"_s, QStringList{u"1"_s, u"Реле"_s} + numbers(7), 9);
    add(6, u"LOG"_s, {u"SP"_s, u"1"_s, u"2"_s, u"Timer"_s, u"3"_s, u"4"_s, u"SP"_s, u"5"_s, u"6"_s}, 9);
    add(6, u"UNI_FILTER_4"_s, numbers(8), 9);
    add(6, u"PAN_INC_DEC_REG"_s, QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s} + numbers(8), 9);
    add(3, u"REP"_s, QStringList(16, u"Звіт"_s), 0);
    add(1, u"ALG"_s, {u"1"_s}, 33);
    // Three nets from each block with outputs to inputs 1 and 2 of the PRO
    // and CODE blocks (listed before their source); every fifth block also
    // drives a graph input and, through an inverter, a journal input.
    int inverter = 1;
    for (int src = 39; src <= 96; ++src) {
        const int pin = firstOutput[static_cast<std::size_t>(src)];
        if (pin == 0)
            continue;
        for (int k = 1; k <= 3; ++k)
            n.net({U((src + k * 7) % 38 + 1, 1), U((src + k * 13) % 38 + 1, 2), U(src, pin)});
        if (src % 5 == 0) {
            n.inverter(inverter);
            n.net({U(src, pin), D(inverter, 1), U(98, src % 33 + 1)});
            n.net({D(inverter, 2), U(99, src % 32 + 1)});
            ++inverter;
        }
    }
    return n.bytes();
}

struct Fixture {
    QByteArray file = fullNetlist();
    ProjectModel model;
    Fixture()
    {
        Services::installMessages(&messages);
        startUpModel(model);
        ProjectModel m = model;
        const int count = readNetlist(m, file);
        Import_NetList(m, count);
        std::fprintf(stderr, "netlist: %d fields, %d value bytes, %d text bytes\n", count - 1,
                     m.schema.Parametr_Value_Size, m.schema.Parametr_Name_Size);
        if (messages.shown != 0 || count > 10000) {
            std::fprintf(stderr, "the benchmark netlist does not import cleanly\n");
            std::exit(1);
        }
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_ReadNetlist(benchmark::State &state)
{
    auto &f = fixture();
    ProjectModel m = f.model;
    for (auto _ : state)
        benchmark::DoNotOptimize(readNetlist(m, f.file));
}
BENCHMARK(BM_ReadNetlist)->Unit(benchmark::kMicrosecond);

void BM_ImportNetlist(benchmark::State &state)
{
    auto &f = fixture();
    ProjectModel m = f.model;
    const int count = readNetlist(m, f.file);
    const auto lines = m.schema.NetList_Line;
    for (auto _ : state) {
        state.PauseTiming();
        m.schema.NetList_Line = lines; // the import rewrites its lines
        state.ResumeTiming();
        Import_NetList(m, count);
        benchmark::DoNotOptimize(m.schema.Parametr_Value_Size);
    }
}
BENCHMARK(BM_ImportNetlist)->Unit(benchmark::kMicrosecond);

void BM_ReadAndImportNetlist(benchmark::State &state)
{
    auto &f = fixture();
    ProjectModel m = f.model;
    for (auto _ : state) {
        Import_NetList(m, readNetlist(m, f.file));
        benchmark::DoNotOptimize(m.schema.Parametr_Value_Size);
    }
}
BENCHMARK(BM_ReadAndImportNetlist)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
