#include "elements/graph_element.h"

#include "elements/box_numbers.h"

#include <cmath>

namespace pelmora::element {

QStringList graphGroupNames()
{
    QStringList names;
    for (int k = 1; k <= 8; ++k)
        names.push_back(QString::number(k));
    return names;
}

ViewBox graphViewBox(const PageTables &t, int page)
{
    const int i = page + 1;
    return {t.Grafik_Coord_X(i), t.Grafik_Coord_Y(i), t.Grafik_Razmer_X(i), t.Grafik_Razmer_Y(i)};
}

Opened<GraphFields> prefillGraph(const ProjectModel &m, int page, const ViewBox &view)
{
    Opened<GraphFields> o;
    GraphFields &f = o.fields;
    f.x = QString::number(view.left);
    f.y = QString::number(view.top);
    f.width = QString::number(view.width);
    f.height = QString::number(view.height);
    const int group = m.pages.Grafik_Grup_Num(page + 1);
    f.group = group <= 7 ? group : -1;
    return o;
}

GraphStored storeGraph(ProjectModel &m, int page, GraphFields &f)
{
    PageTables &t = m.pages;
    const int i = page + 1;
    GraphStored r;
    t.Grafik_Coord_X(i) = int16Box(f.x);
    t.Grafik_Coord_Y(i) = int16Box(f.y);
    struct Limit {
        QString *box;
        bool below;
        double limit;
        const char16_t *message;
    };
    const Limit limits[] = {
        {&f.width, true, 120, u"Ширина менше 120"},
        {&f.height, true, 60, u"Висота менше 60"},
        {&f.width, false, 240, u"Ширина більше 240"},
        {&f.height, false, 150, u"Висота більше 150"},
    };
    for (const Limit &l : limits) {
        const double v = std::fabs(boxNumber(*l.box));
        if (l.below ? v < l.limit : v > l.limit) {
            *l.box = decimalText(l.limit);
            r.notices.push_back(question(QString::fromUtf16(l.message)));
        }
    }
    t.Grafik_Razmer_X(i) = int16Field(std::fabs(boxNumber(f.width)));
    t.Grafik_Razmer_Y(i) = int16Field(std::fabs(boxNumber(f.height)));
    if (f.group >= 0 && f.group <= 7)
        t.Grafik_Grup_Num(i) = static_cast<std::uint8_t>(f.group);
    r.viewIndex = i;
    r.box = graphViewBox(t, page);
    return r;
}

int deleteGraph(ProjectModel &m, int page)
{
    PageTables &t = m.pages;
    const int i = page + 1;
    t.Grafik_Used(i) = 0;
    t.Grafik_Coord_X(i) = 0;
    t.Grafik_Coord_Y(i) = 0;
    return i;
}

} // namespace pelmora::element
