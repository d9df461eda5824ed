#include "project/config_project_model.h"

#include "core/numbers.h"

#include <algorithm>

namespace pelmora {
namespace {

constexpr int kRs4RequestTexts = 48;
constexpr int kStatementTexts = 41;
constexpr int kSetPoints = 128;

// The start of the next block that has a type, or -1.
template <typename StartOf> long long nextStart(const ProjectModel &m, int block, StartOf startOf)
{
    for (int n = block + 1; n <= 99; ++n)
        if (m.schema.Block_Type(n) > 0)
            return startOf(n);
    return -1;
}

template <typename Pool, typename StartOf>
int owned(const ProjectModel &m, int block, int count, const Pool &, StartOf startOf)
{
    const long long start = startOf(block);
    if (start < Pool::lo || start > Pool::hi)
        return 0;
    long long n = std::min<long long>(count, Pool::hi - start + 1);
    const long long next = nextStart(m, block, startOf);
    if (next >= 0)
        n = std::min(n, next - start);
    return static_cast<int>(std::max<long long>(n, 0));
}

} // namespace

std::optional<std::int16_t> requestPeriodFromText(const QString &text)
{
    return num::toInt16(num::leadingNumber(text));
}

std::optional<std::int32_t> portFromText(const QString &text)
{
    const auto port = num::toInt32(num::leadingNumber(text));
    if (!port || *port < 0 || *port > 65535)
        return std::nullopt;
    return port;
}

int ownedTextCount(const ProjectModel &m, int block)
{
    const auto &s = m.schema;
    return owned(m, block, m.catalogue.Parametr_Name_Count(s.Block_Type(block)), s.Parametr_Name,
                 [&s](int b) { return static_cast<long long>(s.Parametr_Name_Start(b)); });
}

int ownedValueCount(const ProjectModel &m, int block)
{
    const auto &s = m.schema;
    return owned(m, block, m.catalogue.Parametr_Value_Count(s.Block_Type(block)), s.Parametr_Value,
                 [&s](int b) { return static_cast<long long>(s.Parametr_Value_Start(b)); });
}

void writeNewProjectDefaults(ProjectModel &m)
{
    auto &s = m.schema;
    const int S = m.settings.ALGORITHM_Statement_Max;
    const QString zero = QStringLiteral("0");
    for (int b = 1; b <= 96; ++b) {
        const int t = s.Parametr_Name_Start(b);
        if (s.Block_Type(b) == type::RS4) {
            // Only in the versions where the block owns its request texts.
            const int texts = std::min(kRs4RequestTexts, ownedTextCount(m, b));
            for (int k = 0; k < texts; ++k)
                s.Parametr_Name(t + k) = zero;
        }
        if (s.Block_Type(b) == type::ALG) {
            const int texts = ownedTextCount(m, b);
            auto text = [&](int g, int k) -> QString * {
                const int i = kStatementTexts * g + k;
                return i < texts ? &s.Parametr_Name(t + i) : nullptr;
            };
            // Every statement text starts as "0".
            for (int g = 0; g < S; ++g)
                for (int k = 0; k < kStatementTexts; ++k)
                    if (QString *p = text(g, k))
                        *p = zero;
            // The set-points SP1 to SP128.
            const int values = ownedValueCount(m, b);
            const int v = s.Parametr_Value_Start(b);
            for (int k = 1; k <= kSetPoints && k < values; ++k)
                s.Parametr_Value(v + k) = 0.0f;
            // Every step names the step count in texts 39 and 40.
            const QString count = QString::number(S);
            for (int g = 0; g < S; ++g) {
                if (QString *p = text(g, 39))
                    *p = count;
                if (QString *p = text(g, 40))
                    *p = count;
                if (QString *p = text(g, 20))
                    *p = QStringLiteral("1");
                if (QString *p = text(g, 21))
                    *p = zero;
            }
        }
    }
}

QString defaultPageName(int page) { return QStringLiteral("Сторінка ") + QString::number(page + 1); }

void resetPageOnConfirm(ProjectModel &m, int page)
{
    auto &pg = m.pages;
    if (pg.Stranica_Name(page).isEmpty())
        pg.Stranica_Name(page) = defaultPageName(page);
    pg.Vent_Fon_Bits(0, page) = 0;
    pg.Vent_Fon_Bits(1, page) = 0;
}

} // namespace pelmora
