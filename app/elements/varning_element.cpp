#include "elements/varning_element.h"

#include "elements/box_numbers.h"

#include <algorithm>

namespace pelmora::element {

namespace {
constexpr int kMaxX = 400;
constexpr int kMaxY = 470;
constexpr int kMainDx = 2, kMainDy = 42; // canvas point (x, y) lies at (x + 2, y + 42) of the main window
} // namespace

QStringList varningPageNames()
{
    QStringList names{QStringLiteral("No")};
    for (int k = 1; k <= 16; ++k)
        names.push_back(QString::number(k));
    return names;
}

VarningFields designVarning() { return {}; }

void varningBlockChanged(const ProjectModel &m, VarningFields &f) { f.outputs = bannerOutputList(m, f.block); }

Opened<VarningFields> prefillVarning(const ProjectModel &m)
{
    const PageTables &t = m.pages;
    Opened<VarningFields> o{designVarning(), {}};
    VarningFields &f = o.fields;
    f.page = t.Varning_Stranica >= 0 && t.Varning_Stranica <= 16 ? t.Varning_Stranica : -1;
    f.x = QString::number(t.Varning_Coord_X);
    f.y = QString::number(t.Varning_Coord_Y);
    f.colour = t.Varning_Color;
    f.colourFon = t.Varning_Color_Fon;
    f.block = QString::number(t.Varning_Num_Block);
    varningBlockChanged(m, f);
    if (!f.outputs.select(t.Varning_Num_OUT))
        o.notices.push_back(critical(kOutputErrorY));
    return o;
}

VarningView storeVarning(ProjectModel &m, const VarningFields &f, int currentTab)
{
    PageTables &t = m.pages;
    t.Varning_Stranica = static_cast<std::int16_t>(std::max(f.page, 0));
    t.Varning_Coord_X = std::min<std::int16_t>(int16Box(f.x), kMaxX);
    t.Varning_Coord_Y = std::min<std::int16_t>(int16Box(f.y), kMaxY);
    t.Varning_Color = f.colour;
    t.Varning_Color_Fon = f.colourFon;

    VarningView v;
    if (t.Varning_Stranica > 0) {
        v.placed = true;
        v.textColour = t.Varning_Color;
        v.backColour = t.Varning_Color_Fon;
        v.left = t.Varning_Coord_X + kMainDx;
        v.top = t.Varning_Coord_Y + kMainDy;
        v.visible = currentTab == t.Varning_Stranica - 1;
    }

    t.Varning_Num_Block = int16Box(f.block);
    // No list can be built for a block outside 0..100: output 0.
    t.Varning_Num_OUT = blockNumberOf(f.block) ? static_cast<std::int16_t>(f.outputs.selected) : 0;
    return v;
}

} // namespace pelmora::element
