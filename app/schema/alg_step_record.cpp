#include "schema/alg_step_record.h"

#include "schema/alg_statement_text.h"

namespace pelmora::alg {

OperandBytes packA(int base, double a, double b)
{
    const std::int32_t a1 = toWhole(a - 1);
    const std::int32_t b1 = toWhole(b - 1);
    return {toByte(base + ((a1 / 4) & 7)), toByte((a1 & 3) * 64 + (b1 & 63))};
}

OperandBytes packB(int base, double x, double y)
{
    const std::int32_t x1 = toWhole(x - 1);
    // The item fills the low four bits whole: an item outside 1..16 would run
    // into the bits of the block number, so it cannot be compiled.
    const std::int32_t y1 = toWhole(y - 1);
    if (y1 < 0 || y1 > 15)
        throw CompileError("item number outside 1..16");
    return {toByte(base + ((x1 / 16) & 7)), static_cast<std::uint8_t>((x1 & 15) * 16 + y1)};
}

OperandBytes packC(double t, int unit)
{
    const std::int32_t t1 = toWhole(t - 1);
    return {toByte(192 + ((t1 / 4) & 7)), toByte((t1 & 3) * 64 + unit)};
}

void Save_parametr_NAME(ProjectModel &m, int cnt_BLOK, int YES_NO)
{
    saveStepRecord(m.alg, m.schema.Parametr_Name, m.schema.Parametr_Name_Start(m.settings.Num_Block_Edit), cnt_BLOK,
                   YES_NO);
}

void saveStepRecord(AlgorithmTables &alg, Table<QString, 0, 20000> &texts, long long base, int cnt_BLOK, int YES_NO)
{
    if (cnt_BLOK < 1 || cnt_BLOK > 500)
        throwTableIndexError(cnt_BLOK, 1, 500);
    const int col = cnt_BLOK - 1;
    const long long at = base + alg.Step_Offset(0, col);
    auto put = [&](int e, int value) { texts(at + e) = QString::number(value); };

    for (int i = 0; i <= 4; ++i)
        put(i, alg.Step_Code(i, col));
    const int parts = alg.Step_Code(row::Parts, col);
    put(entry::Parts, parts);
    put(entry::OwnIndex, cnt_BLOK - 1);
    if (parts == 0)
        return;

    int first = 0;
    if (YES_NO == 0) {
        alg.Save_Param_Started = 1;
        alg.Block_Param_Offset = 0;
        alg.Save_Param_Count = kRecordHead;
    } else {
        // A NO side after a stored YES side goes on where that left off.
        if (alg.Save_Param_Started == 0) {
            alg.Save_Param_Count = kRecordHead;
            alg.Block_Param_Offset = 24;
        }
        first = 4;
    }
    for (int k = first; k < first + 4; ++k) {
        const StepPart &p = kStepParts[static_cast<std::size_t>(k)];
        if (parts & p.bit) {
            for (int n = 0; n < p.size; ++n) {
                put(alg.Save_Param_Count, alg.Step_Code(alg.Save_Param_Count + alg.Block_Param_Offset - 1, col));
                ++alg.Save_Param_Count;
            }
        } else {
            alg.Block_Param_Offset = static_cast<std::int16_t>(alg.Block_Param_Offset + p.size);
        }
    }
}

int stepRecordLength(const AlgorithmTables &alg, const Catalogue &c, int s)
{
    const int parts = alg.Step_Code(row::Parts, s - 1);
    int length = kRecordHead;
    for (int f = 0; f <= 7; ++f)
        if (parts & (1 << f))
            length += c.ALGORITHM_Field_Size(f);
    return length;
}

void layOutStepRecords(AlgorithmTables &alg, const Catalogue &c)
{
    alg.Alg_Size = 0;
    alg.Alg_Size_Empty = 0;
    for (int s = 1; s <= 256; ++s) {
        alg.Step_Offset(0, s - 1) = alg.Alg_Size;
        if (alg.Step_Code(row::Kind, s - 1) == 0)
            alg.Alg_Size_Empty += kRecordHead;
        const int length = stepRecordLength(alg, c, s);
        alg.Alg_Size += length;
        alg.Step_Offset(1, s - 1) = length;
    }
}

} // namespace pelmora::alg
