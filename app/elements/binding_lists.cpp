#include "elements/binding_lists.h"

#include "elements/box_numbers.h"

#include <cstdlib>

namespace pelmora::element {

namespace {

constexpr int kTouchType = 50;
constexpr int kCodeType = 31;
constexpr int kAlgorithmType = 45;

QString entry(long long number) { return QLatin1Char(' ') + QString::number(number); }

ChoiceList outputs(const ProjectModel &m, const QString &blockText, bool selectWhenCut)
{
    ChoiceList list;
    const auto t = blockTypeOf(m, blockText);
    if (!t)
        return list;
    const Catalogue &c = m.catalogue;
    const int f = (*t == 1 || *t == 3) ? 0 : 1;
    const long long count = std::llabs(static_cast<long long>(c.Num_OUT_Last(*t)) - c.Num_OUT_First(*t) - f) + 1;
    const bool cut = count > kOutputListCap;
    for (long long e = 0; e < count && e < kOutputListCap; ++e)
        list.entries.push_back(entry(c.Num_OUT_List(*t, e)));
    list.text = list.entries.value(0);
    if (!cut || selectWhenCut)
        list.selected = 0;
    return list;
}

} // namespace

bool ChoiceList::select(int i)
{
    if (i < -1 || i >= entries.size())
        return false;
    selected = i;
    if (i >= 0)
        text = entries.at(i);
    return true;
}

std::optional<int> blockNumberOf(const QString &blockText)
{
    const long long b = wholeNumber(boxNumber(blockText));
    if (b < 0 || b > 100)
        return std::nullopt;
    return static_cast<int>(b);
}

std::optional<int> blockTypeOf(const ProjectModel &m, long long block)
{
    if (block < 0 || block > 100)
        return std::nullopt;
    const int t = m.schema.Block_Type(block);
    if (t > 50)
        return std::nullopt;
    return t;
}

std::optional<int> blockTypeOf(const ProjectModel &m, const QString &blockText)
{
    const auto b = blockNumberOf(blockText);
    if (!b)
        return std::nullopt;
    return blockTypeOf(m, *b);
}

ChoiceList outputList(const ProjectModel &m, const QString &blockText) { return outputs(m, blockText, true); }

ChoiceList bannerOutputList(const ProjectModel &m, const QString &blockText) { return outputs(m, blockText, false); }

ChoiceList setpointEntries(const ProjectModel &m, int type)
{
    ChoiceList list;
    const long long count = std::llabs(static_cast<long long>(m.catalogue.Num_Zad_Max(type))) + 1;
    for (long long i = 1; i <= count; ++i)
        list.entries.push_back(entry(i));
    if (type == kCodeType)
        list.entries << QStringLiteral("PAR1(ADR_SP)") << QStringLiteral("PAR2(ADR_SP)")
                     << QStringLiteral("PAR3(ADR_SP)");
    if (type == kAlgorithmType)
        for (int i = 1; i <= 32; ++i)
            list.entries.push_back(QStringLiteral(" SI(SP%1)").arg(i));
    list.text = QStringLiteral("1");
    return list;
}

ChoiceList setpointList(const ProjectModel &m, const QString &blockText)
{
    const auto t = blockTypeOf(m, blockText);
    if (!t)
        return {};
    ChoiceList list = setpointEntries(m, *t);
    list.select(0);
    return list;
}

ChoiceList bindingList(const ProjectModel &m, const QString &blockText, bool setpoints)
{
    return setpoints ? setpointList(m, blockText) : outputList(m, blockText);
}

ChoiceList channelList(const ProjectModel &m, const QString &blockText)
{
    ChoiceList list;
    const auto t = blockTypeOf(m, blockText);
    if (!t)
        return list;
    const int count = *t == kTouchType ? 255 : 4;
    for (int i = 1; i <= count; ++i)
        list.entries.push_back(entry(i));
    list.select(0);
    return list;
}

} // namespace pelmora::element
