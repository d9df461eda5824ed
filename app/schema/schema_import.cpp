#include "schema/schema_import.h"

#include "core/services.h"
#include "schema/block_params_reader.h"
#include "schema/connections.h"
#include "schema/import_context.h"
#include "schema/netlist_reader.h"

namespace pelmora {
namespace netlist {
namespace {

using namespace Qt::StringLiterals;

// Phase 1: the import's working tables and every connection table, so that a
// stopped import never leaves the previous schema's connections beside the
// new blocks.
void clearTables(ImportContext &ctx)
{
    auto &s = ctx.m.schema;
    for (int j = 1; j <= 100; ++j) {
        for (int f = 1; f <= 3; ++f)
            s.Block_Name(f, j).clear();
        s.Attr_Start(j) = 0;
    }
    for (int b = 1; b <= 104; ++b)
        s.Invert_Input(b) = 0;
    clearConnectionTables(ctx);
}

// Phase 2: each component that is not an inverter takes the next slot with
// its designator and type prefix; its block number keeps its name and the
// line of its first attribute.
void readComponents(ImportContext &ctx)
{
    auto &s = ctx.m.schema;
    long long j = 1;
    for (long long i = 1; i <= ctx.count; ++i) {
        const QString &l = ctx.line(i);
        if (startsWith(l, u"(compInst"))
            s.Block_Name(1, j) = mid(l, 12, 3);
        if (startsWith(l, u"(originalName") && midView(l, 16, 3) != u"INV") {
            s.Block_Name(2, j) = mid(l, 16, 3);
            const long long b = toIndex(val(midView(ctx.line(i - 2), 13, 2)));
            const QString name = mid(l, 16, l.size() - 17);
            s.Block_Name(3, b) = name;
            ++j;
            if (ctx.begins(i + 1, u"(attr") && leftView(name, 5) != u"TOUCH")
                s.Attr_Start(b) = static_cast<std::int32_t>(i + 1);
        }
    }
}

// Phase 3: the type code of each block from its prefix (the lowest code whose
// name matches); blocks 97, 98 and 99 are always SCA, GRA and JUR.
void assignTypes(ImportContext &ctx)
{
    auto &s = ctx.m.schema;
    const auto &c = ctx.m.catalogue;
    for (int b = 1; b <= 100; ++b)
        s.Block_Type(b) = 0;
    for (int n = 1; n <= 99; ++n) {
        const QString &prefix = s.Block_Name(2, n);
        for (int t = 1; t <= 50; ++t)
            if (c.Block_Type_Names(t) == prefix) {
                s.Block_Type(toIndex(val(midView(s.Block_Name(1, n), 2, 2)))) = static_cast<std::uint8_t>(t);
                break;
            }
    }
    s.Block_Type(97) = type::SCA;
    s.Block_Type(98) = type::GRA;
    s.Block_Type(99) = type::JUR;
}
std::int16_t checked16(long long v)
{
    if (v < -32768 || v > 32767)
        throw ImportStop{};
    return static_cast<std::int16_t>(v);
}

// Phase 4: the records lie in block-number order without gaps; each block's
// parameters are read into its records; then the two area sizes.
void placeBlocks(ImportContext &ctx)
{
    auto &s = ctx.m.schema;
    const auto &c = ctx.m.catalogue;
    long long p = 0, q = 0;
    s.Parametr_Name_Size = 0;
    for (int b = 1; b <= 99; ++b) {
        s.Parametr_Value_Start(b) = 0;
        s.Parametr_Name_Start(b) = 0;
        const int t = s.Block_Type(b);
        if (t < 1)
            continue;
        const long long values = c.Parametr_Value_Count(t);
        const long long texts = c.Parametr_Name_Count(t);
        // A record that would not fit its pool stops the import before
        // anything of it is written.
        if (p + values - 1 > decltype(s.Parametr_Value)::hi || q + texts - 1 > decltype(s.Parametr_Name)::hi)
            throw ImportStop{};
        s.Parametr_Value_Start(b) = static_cast<std::int32_t>(p);
        s.Parametr_Name_Start(b) = static_cast<std::int32_t>(q);
        readBlockParameters(ctx, b);
        p += values;
        q += texts;
        s.Parametr_Name_Size = checked16(s.Parametr_Name_Size + texts * schemaTextWidth(t));
    }
    s.Parametr_Value_Size = checked16(4 * p);
}

// Phase 5: the four default texts of every statement of an ALG block.
void algorithmDefaults(ImportContext &ctx)
{
    auto &s = ctx.m.schema;
    const int statements = ctx.m.settings.ALGORITHM_Statement_Max;
    const long long record = ctx.m.catalogue.Parametr_Name_Count(type::ALG);
    const QString max = QString::number(statements);
    for (int b = 1; b <= 96; ++b) {
        if (s.Block_Type(b) != type::ALG)
            continue;
        const long long base = s.Parametr_Name_Start(b);
        auto setDefault = [&](long long offset, const QString &text) {
            if (offset >= record) // only inside the block's own record
                return;
            QString &entry = s.Parametr_Name(base + offset);
            if (entry.isEmpty())
                entry = text;
        };
        for (long long st = 0; st < statements; ++st) {
            setDefault(41 * st + 39, max);
            setDefault(41 * st + 40, max);
            setDefault(41 * st + 20, u"1"_s);
            setDefault(41 * st + 21, u"0"_s);
        }
    }
}

// The import's one stop message: with the source block of the net being
// connected once the connection scan runs.
void showStop(const ImportContext &ctx)
{
    QString text = u"Помилка netLIST!!! Вихід блоку №"_s;
    if (ctx.scanning)
        text += QString::number(ctx.source);
    showMessage(text);
}

} // namespace
} // namespace netlist

void Import_NetList(ProjectModel &m, int count)
{
    using namespace netlist;
    ImportContext ctx{m, count};
    // Whatever the import gives, the schema now comes from a netlist.
    m.schema.Netlist_Not_Loaded = false;
    try {
        clearTables(ctx);
        readComponents(ctx);
        assignTypes(ctx);
        placeBlocks(ctx);
        algorithmDefaults(ctx);
        connectBlocks(ctx);
    } catch (const ImportStop &) {
        showStop(ctx);
    } catch (const TableIndexError &) {
        showStop(ctx);
    }
}

bool importNetlistFile(ProjectModel &m, const QString &path)
{
    const auto read = readNetlistFile(m, path);
    if (!read.opened)
        return false;
    Import_NetList(m, read.count);
    return true;
}

} // namespace pelmora
