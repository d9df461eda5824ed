#include "pages/editor/element_layout.h"

#include "elements/element_codec.h"
#include "pages/page_rules.h"

#include <algorithm>

namespace pelmora::pages {

namespace {

double nonNegative(int v) { return std::max(v, 0); }

ViewLayout sized(ViewArray a, int index, int x, int y, int w, int h)
{
    return {{a, index}, QPointF(x, y), nonNegative(w), nonNegative(h)};
}

ViewLayout placed(ViewArray a, int index, double x, double y) { return {{a, index}, QPointF(x, y), {}, {}}; }

} // namespace

std::vector<ViewLayout> elementLayout(const PageTables &t, element::Kind kind, int p, int n)
{
    const int i = element::viewIndex(kind, p, n);
    switch (kind) {
    case element::Kind::Parameter:
        return {placed(ViewArray::Parametr_Label, i, t.Parametr_Coord_X(p, n), t.Parametr_Coord_Y(p, n))};
    case element::Kind::Signal: {
        const int rx = t.Signal_Razmer_X(p, n), ry = t.Signal_Razmer_Y(p, n);
        return {sized(ViewArray::Signal_Picture, i, t.Signal_Coord_X(p, n), element::viewTop(t.Signal_Coord_Y(p, n)),
                      element::viewSignalSize(rx), element::viewSignalSize(ry))};
    }
    case element::Kind::TextSignal:
        return {placed(ViewArray::Text_Signal_Picture, i, t.Text_Signal_Coord_X(p, n),
                       element::viewTop(t.Text_Signal_Coord_Y(p, n)))};
    case element::Kind::Level: {
        const LevelLayout l = levelLayout(t, p, n);
        return {{{ViewArray::Level_Picture, i}, l.bar.topLeft(), l.bar.width(), l.bar.height()},
                {{ViewArray::Level_Picture_1, i}, l.fill.topLeft(), l.fill.width(), l.fill.height()}};
    }
    case element::Kind::Transition: {
        ViewLayout l = placed(ViewArray::Go_Block_Label, i, t.Go_Block_Coord_X(p, n), t.Go_Block_Coord_Y(p, n));
        const int used = t.Go_Block_Used(p, n);
        if (used == 1 || used == 3)
            l.width = element::transitionWidth(used == 3);
        return {l};
    }
    case element::Kind::Figure:
        return {sized(ViewArray::ShapePlus1, i, t.Figura_Coord_X(p, n), t.Figura_Coord_Y(p, n), t.Figura_Razmer_X(p, n),
                      t.Figura_Razmer_Y(p, n))};
    case element::Kind::Mechanism:
        return {sized(ViewArray::Ventilator_Picture, i, t.Vent_Coord_X(p, n), t.Vent_Coord_Y(p, n),
                      t.Vent_Razmer_X(p, n), t.Vent_Razmer_Y(p, n))};
    case element::Kind::StaticText:
        return {placed(ViewArray::Text_Label_Label, i, t.Text_Label_Coord_X(p, n), t.Text_Label_Coord_Y(p, n))};
    case element::Kind::Graph:
        return {sized(ViewArray::Grafik_Image, i, t.Grafik_Coord_X(i), t.Grafik_Coord_Y(i), t.Grafik_Razmer_X(i),
                      t.Grafik_Razmer_Y(i))};
    case element::Kind::Clock:
        return {placed(ViewArray::Real_Clock, i, t.Clock_Coord_X(i), t.Clock_Coord_Y(i)),
                placed(ViewArray::Real_Time, i, t.Clock_Coord_X(i), t.Clock_Coord_Y(i) + kClockDateDy)};
    case element::Kind::Control:
        return {sized(ViewArray::Control_Image, i, t.Control_Coord_X(p, n),
                      controlImageTop(t.Control_Coord_Y(p, n), t.Control_Key_Type(p, n)), t.Control_Razmer_X(p, n),
                      t.Control_Razmer_Y(p, n))};
    case element::Kind::Menu: {
        const int x = t.Menu_Coord_X(p, n), y = t.Menu_Coord_Y(p, n);
        return {placed(ViewArray::Menu_Image, i, x + kMenuImageDx, y + kMenuImageDy),
                placed(ViewArray::Menu_Text, i, x, y)};
    }
    case element::Kind::Manometer: return {};
    case element::Kind::Varning: return {bannerLayout(t)};
    }
    return {};
}

ViewLayout bannerLayout(const PageTables &t)
{
    return placed(ViewArray::Varning_Text, 0, t.Varning_Coord_X + kBannerDx, t.Varning_Coord_Y + kBannerDy);
}

} // namespace pelmora::pages
