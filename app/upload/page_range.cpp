#include "upload/page_range.h"

#include <cstdlib>

namespace pelmora::page {

const char16_t *const kRangeOrderError = u"№ початкової сторінки більше кінечної!";

namespace {

// The project's page count, 1..16 even before a project has set it.
int pageCount(const ProjectModel &m) { return qBound(1, static_cast<int>(m.settings.Stranica_Count), 16); }

} // namespace

int pagePauseAfterOpening(int linkKind) { return linkKind == 9 ? 3000 : 1000; }

QStringList pageRangeChoices(const ProjectModel &m)
{
    QStringList pages;
    for (int p = 1; p <= pageCount(m); ++p)
        pages << QString::number(p);
    return pages;
}

PageRangeChoice pageRangePrefill(const ProjectModel &m)
{
    const int last = pageCount(m) - 1;
    PageRangeChoice c;
    c.first = qBound(0, static_cast<int>(m.pages.Num_Stranica_SCADA), last);
    c.last = qBound(0, std::abs(m.settings.Stranica_Stop - 1), last);
    return c;
}

std::optional<QString> startPageRange(ProjectModel &m, int firstIndex, int lastIndex)
{
    if (lastIndex < firstIndex)
        return QString::fromUtf16(kRangeOrderError);
    const int last = pageCount(m) - 1;
    const int first = firstIndex < 0 ? 0 : qMin(firstIndex, last);
    const int stop = (lastIndex < 0 ? 0 : qMin(lastIndex, last)) + 1;
    m.pages.Num_Stranica_SCADA = static_cast<std::int16_t>(first);
    m.settings.Stranica_Stop = static_cast<std::int16_t>(stop);
    m.link.Save_n_Stranica_Flag = 1;
    return std::nullopt;
}

bool pageRangeStep(ProjectModel &m)
{
    if (m.link.Save_n_Stranica_Flag != 1)
        return false;
    const int next = m.pages.Num_Stranica_SCADA + 1;
    if (next < m.settings.Stranica_Stop) {
        m.pages.Num_Stranica_SCADA = static_cast<std::int16_t>(next);
        return true;
    }
    m.link.Save_n_Stranica_Flag = 0;
    return false;
}

void endPageRange(ProjectModel &m) { m.link.Save_n_Stranica_Flag = 0; }

} // namespace pelmora::page
