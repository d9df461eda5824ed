#include "schema/connections.h"

#include "core/services.h"

#include <map>
#include <utility>
#include <vector>

namespace pelmora::netlist {
namespace {

using namespace Qt::StringLiterals;

constexpr QStringView kNode = u"(node ";

QStringView letterOf(QStringView line) { return midView(line, 8, 1); }

// The number of the last three characters: the pin of an inverter node.
double lastThree(QStringView line) { return val(rightView(line, 3)); }

// First of the connections: every net's output node moves to the head of
// its net (it changes places with the node that headed it), and an inverter
// output that ends its net moves up by one line.
void driverFirst(ImportContext &ctx)
{
    const auto &s = ctx.m.schema;
    const auto &c = ctx.m.catalogue;
    long long inputs = 0;
    int T = 0;
    for (long long i = 2; i <= ctx.count; ++i) {
        const QString l = ctx.line(i);
        if (!startsWith(l, kNode)) {
            inputs = 0;
            continue;
        }
        const QStringView letter = letterOf(l);
        if (letter == u"U" || (letter == u"D" && lastThree(l) == 1)) {
            const long long n = toIndex(val(midView(l, 9, 3)));
            if (n < 100)
                T = s.Block_Type(n);
            const long long limit =
                (T == 0 || T == type::SCA || T == type::REP) ? c.Alg_Pin_Group(0) : c.Num_OUT_First(T);
            if (nodePin(l) < limit || letter == u"D") {
                ++inputs;
            } else {
                std::swap(ctx.line(i), ctx.line(i - inputs));
                inputs = 0;
            }
        } else {
            inputs = 0;
            if (lastThree(l) == 2 && ctx.line(i + 1) == u")"_s)
                std::swap(ctx.line(i), ctx.line(i - 1));
        }
    }
}

// Then the input that an inverter output drives is marked inverted; an
// inverter output with more than one node beside it is reported.
void inverterMasks(ImportContext &ctx)
{
    auto &s = ctx.m.schema;
    for (long long i = 1; i <= ctx.count; ++i) {
        const QString &l = ctx.line(i);
        if (!startsWith(l, u"(node") || letterOf(l) != u"D" || lastThree(l) != 2)
            continue;
        const QString id = mid(l, 8, 4);
        const bool before1 = ctx.begins(i - 1, u"(node");
        const bool before2 = ctx.begins(i - 2, u"(node");
        const bool after1 = ctx.begins(i + 1, u"(node");
        const bool after2 = ctx.begins(i + 2, u"(node");
        if (before1 && after1)
            showMessage(u"Помилка підключення виходу інвертора "_s + id, MsgIcon::Critical);
        if (before1 && before2)
            showMessage(u"Помилка підключення виходу інвертора  "_s + id, MsgIcon::Critical);
        if (after1 && after2)
            showMessage(u"Помилка підключення виходу інвертора  "_s + id, MsgIcon::Critical);

        const QString &driven = ctx.line(i + 1);
        const long long d = toIndex(val(midView(driven, 9, 2)));
        double pin = val(rightView(driven, 4));
        if (pin == 0)
            pin = lastThree(driven);
        const long long p = toIndex(pin) - 1;
        const int D = s.Block_Type(d);
        // A mask bit is set once, however many inverters lead to the input.
        if (D == type::JUR || D == type::REP) {
            if (p < 0 || p > 31)
                continue;
            auto &mask = D == type::JUR ? s.Invert_Jurnal : s.Invert_Rep;
            const long long m = p / 8;
            mask(m) = static_cast<std::uint8_t>(mask(m) | (1u << (p % 8)));
            if (D == type::REP)
                s.Alg_Link(1, m) = mask(m);
        } else {
            if (p < 0)
                continue; // no driven input pin (an open inverter output)
            if (p > 7)
                throw ImportStop{};
            s.Invert_Input(d) = static_cast<std::uint8_t>(s.Invert_Input(d) | (1u << p));
        }
    }
}

// The designator of a node line: its letter and one, two or three digits.
QString designator(const QString &line)
{
    if (val(midView(line, 9, 2)) < 10)
        return mid(line, 8, 2);
    if (val(midView(line, 9, 3)) >= 100)
        return mid(line, 8, 4);
    return mid(line, 8, 3);
}

// Then each inverter output that heads its net takes the node of the
// input it drives with it, and that node replaces the inverter's input node
// in the net that feeds the inverter. The inverter's own net is left without
// node lines.
void removeInverters(ImportContext &ctx)
{
    const long long count = ctx.count;
    if (count < 2)
        return;
    auto &lines = ctx.m.schema.NetList_Line;
    // Which lines are node lines, and the designators of the lines whose
    // letter is "D" (only those can equal an inverter's designator), kept in
    // step with the lines as they are rewritten. Built when the first
    // inverter output is met: most schemas have none.
    const long long last = std::min<long long>(count + 1, decltype(ctx.m.schema.NetList_Line)::hi);
    std::vector<char> node;
    std::map<long long, QString> inverterLines;
    auto refresh = [&](long long k) {
        if (k > last)
            return;
        const QString &l = lines(k);
        node[static_cast<std::size_t>(k)] = startsWith(l, kNode);
        if (letterOf(l) == u"D")
            inverterLines[k] = designator(l);
        else
            inverterLines.erase(k);
    };
    auto setLine = [&](long long k, const QString &text) {
        lines(k) = text;
        refresh(k);
    };
    bool cached = false;

    for (long long i = 2; i <= count; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        const bool head =
            cached ? node[ui] && !node[ui - 1] : startsWith(lines(i), kNode) && !startsWith(lines(i - 1), kNode);
        if (!head || letterOf(lines(i)) != u"D")
            continue;
        if (!cached) {
            node.resize(static_cast<std::size_t>(last + 1));
            for (long long k = 1; k <= last; ++k)
                refresh(k);
            cached = true;
        }
        const QString keep = lines(i + 1);
        const QString id = inverterLines.at(i);
        setLine(i, u"INVERTOR"_s);
        setLine(i + 1, u"INVERTOR"_s);
        // Lines 2..count in order, as a scan of every line would meet them.
        std::vector<long long> matches;
        for (const auto &[k, lineId] : inverterLines)
            if (k >= 2 && k <= count && lineId == id)
                matches.push_back(k);
        for (long long k : matches)
            if (node[static_cast<std::size_t>(k - 1)] && inverterLines.count(k) && inverterLines[k] == id)
                setLine(k, keep);
    }
}

// A fixed block type under another number is reported; the scan then ends
// after the line.
bool misnumbered(long long block, int t)
{
    if (t == type::GRA && block != 98) {
        showMessage(u"Номер блоку ГРАФІК не 98"_s);
        return true;
    }
    if (t == type::JUR && block != 99) {
        showMessage(u"Номер блоку ЖУРНАЛ не 99"_s);
        return true;
    }
    if (t == type::SCA && block != 97) {
        showMessage(u"Номер блоку SCADA не 97"_s);
        return true;
    }
    return false;
}

std::uint8_t byteOf(long long v)
{
    if (v < 0 || v > 255)
        throw ImportStop{};
    return static_cast<std::uint8_t>(v);
}

// Last, the first node of every net is its source; every further node is
// an input fed by it.
void scanNets(ImportContext &ctx)
{
    auto &s = ctx.m.schema;
    const auto &c = ctx.m.catalogue;
    ctx.scanning = true;
    ctx.source = 0;
    std::uint8_t o = 0;
    for (long long i = 2; i <= ctx.count; ++i) {
        const QString &l = ctx.line(i);
        if (!startsWith(l, kNode))
            continue;
        const QString &before = ctx.line(i - 1);
        bool end = false;
        if (startsWith(before, u"(net ")) {
            const long long source = toIndex(val(midView(l, 9, 3)));
            byteOf(source);
            ctx.source = source;
            const int T = s.Block_Type(source);
            end = misnumbered(source, T);
            const long long pin = nodePin(l);
            long long index = pin - 1;
            if (T == type::SCA) {
                for (int k = 0; k <= 7; ++k)
                    if (pin == c.Alg_Pin_Group(k)) {
                        index = k;
                        break;
                    }
            } else if (T >= 4 && T <= 49) {
                index = c.Num_OUT_Last(T) - pin - 1;
            }
            o = byteOf(index);
        } else if (startsWith(before, kNode)) {
            const long long q = nodePin(l);
            const long long d = toIndex(val(midView(l, 9, 2)));
            const int D = s.Block_Type(d);
            end = misnumbered(d, D);
            const std::uint8_t src = byteOf(ctx.source);
            auto pair = [&](auto &&set, long long k, long long maxK) {
                if (k < 0 || k > maxK)
                    throw ImportStop{};
                set(2 * k, o);
                set(2 * k + 1, src);
            };
            switch (D) {
            case type::GRA: pair([&](long long j, std::uint8_t v) { s.Grafik_Link(j) = v; }, q - 1, 32); break;
            case type::JUR: pair([&](long long j, std::uint8_t v) { s.Jurnal_Link(j) = v; }, q - 1, 32); break;
            case type::SCA: break;
            case type::ALG:
            case type::REP: {
                const long long row = D == type::ALG ? 2 : 0;
                pair([&](long long j, std::uint8_t v) { s.Alg_Link(row, j) = v; }, q >= 35 ? q % 34 - 1 : q - 1, 32);
                break;
            }
            default: pair([&](long long j, std::uint8_t v) { s.Block_Link(j, d) = v; }, q - 1, 7); break;
            }
        }
        if (end)
            return;
    }
}

} // namespace

void clearConnectionTables(ImportContext &ctx)
{
    auto &s = ctx.m.schema;
    s.Block_Link.fill(0);
    s.Grafik_Link.fill(0);
    s.Jurnal_Link.fill(0);
    s.Alg_Link.fill(0);
    for (int k = 0; k <= 3; ++k) {
        s.Invert_Jurnal(k) = 0;
        s.Invert_Rep(k) = 0;
    }
}

void connectBlocks(ImportContext &ctx)
{
    driverFirst(ctx);
    inverterMasks(ctx);
    removeInverters(ctx);
    scanNets(ctx);
}

} // namespace pelmora::netlist
