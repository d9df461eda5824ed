#include "support/block_records.h"

namespace pelmora::test {

namespace {
constexpr int kMargin = 250; // how far around the record the sentinels reach
}

BlockRecords::BlockRecords(ProjectModel &model, int t, int b, int vs, int ns)
    : m(model), type(t), block(b), valueStart(vs), nameStart(ns)
{
    auto &s = m.schema;
    s.Block_Type(block) = static_cast<std::uint8_t>(type);
    s.Parametr_Value_Start(block) = valueStart;
    s.Parametr_Name_Start(block) = nameStart;
    for (int i = valueStart - kMargin; i < valueStart + valueCount() + kMargin; ++i)
        if (i >= 0)
            s.Parametr_Value(i) = (i >= valueStart && i < valueStart + valueCount()) ? 0.0f : kValueSentinel;
    for (int i = nameStart - kMargin; i < nameStart + nameCount() + kMargin; ++i)
        if (i >= 0)
            s.Parametr_Name(i) = (i >= nameStart && i < nameStart + nameCount()) ? QStringLiteral("0") : kTextSentinel;
    m.settings.Num_Block_Edit = static_cast<std::uint8_t>(block);
    m.settings.Type_Block_Edit = static_cast<std::uint8_t>(type);
}

float &BlockRecords::V(int i) { return m.schema.Parametr_Value(valueStart + i); }

QString &BlockRecords::T(int i) { return m.schema.Parametr_Name(nameStart + i); }

int BlockRecords::valueCount() const { return m.catalogue.Parametr_Value_Count(type); }

int BlockRecords::nameCount() const { return m.catalogue.Parametr_Name_Count(type); }

bool BlockRecords::neighboursUntouched() const
{
    const auto &s = m.schema;
    for (int i = valueStart - kMargin; i < valueStart + valueCount() + kMargin; ++i)
        if (i >= 0 && (i < valueStart || i >= valueStart + valueCount()) && s.Parametr_Value(i) != kValueSentinel)
            return false;
    for (int i = nameStart - kMargin; i < nameStart + nameCount() + kMargin; ++i)
        if (i >= 0 && (i < nameStart || i >= nameStart + nameCount()) && s.Parametr_Name(i) != kTextSentinel)
            return false;
    return true;
}

} // namespace pelmora::test
