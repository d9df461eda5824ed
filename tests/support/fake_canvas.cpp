#include "support/fake_canvas.h"

#include "pages/editor/element_layout.h"

namespace pelmora::test {

using namespace pages;

std::optional<QRectF> FakeCanvas::geometry(ViewRef view) const
{
    auto it = views.find(view);
    if (it == views.end())
        return std::nullopt;
    return it->second;
}

QSizeF FakeCanvas::templateSize(ViewArray array)
{
    switch (array) {
    case ViewArray::Parametr_Label: return {10, 22};
    case ViewArray::Signal_Picture: return {33, 33};
    case ViewArray::Text_Signal_Picture: return {84, 15};
    case ViewArray::Level_Picture: return {20, 100};
    case ViewArray::Level_Picture_1: return {20, 50};
    case ViewArray::Manometr_Img: return {70, 73};
    case ViewArray::Go_Block_Label: return {40, 40};
    case ViewArray::Control_Image: return {40, 40};
    case ViewArray::Ventilator_Picture: return {48, 48};
    case ViewArray::ShapePlus1: return {100, 60};
    case ViewArray::Text_Label_Label: return {37, 16};
    case ViewArray::Menu_Image: return {123, 44};
    case ViewArray::Menu_Text: return {109, 16};
    case ViewArray::Grafik_Image: return {160, 100};
    case ViewArray::Real_Clock: return {61, 27};
    case ViewArray::Real_Time: return {61, 15};
    case ViewArray::Varning_Text: return {400, 19};
    }
    return {};
}

void FakeCanvas::put(ViewArray array, int index, double x, double y)
{
    views[{array, index}] = QRectF(QPointF(x, y), templateSize(array));
}

void FakeCanvas::show(const PageTables &t, const ElementRef &element)
{
    for (const ViewLayout &l : elementLayout(t, element.kind, element.page, element.slot)) {
        const QSizeF own = views.count(l.view) ? views[l.view].size() : templateSize(l.view.array);
        views[l.view] = QRectF(l.pos, QSizeF(l.width.value_or(own.width()), l.height.value_or(own.height())));
    }
}

void FakeCanvas::showRecords(const PageTables &t, int pageCount)
{
    // clang-format off
    struct Kind { element::Kind kind; int last; };
    const Kind kinds[] = {
        {element::Kind::Parameter, 32}, {element::Kind::Signal, 32}, {element::Kind::TextSignal, 32},
        {element::Kind::Level, 32}, {element::Kind::Transition, 32}, {element::Kind::Figure, 32},
        {element::Kind::Mechanism, 32}, {element::Kind::StaticText, 64}, {element::Kind::Control, 32},
        {element::Kind::Menu, 8},
    };
    // clang-format on
    auto used = [&t](element::Kind k, int p, int n) {
        switch (k) {
        case element::Kind::Parameter: return t.Parametr_Used(p, n);
        case element::Kind::Signal: return t.Signal_Used(p, n);
        case element::Kind::TextSignal: return t.Text_Signal_Used(p, n);
        case element::Kind::Level: return t.Level_Used(p, n);
        case element::Kind::Transition: return t.Go_Block_Used(p, n);
        case element::Kind::Figure: return t.Figura_Used(p, n);
        case element::Kind::Mechanism: return t.Vent_Used(p, n);
        case element::Kind::StaticText: return t.Text_Label_Used(p, n);
        case element::Kind::Control: return t.Control_Used(p, n);
        case element::Kind::Menu: return t.Menu_Used(p, n);
        default: return std::int16_t(0);
        }
    };
    for (int p = 0; p <= pageCount; ++p) {
        for (const Kind &k : kinds)
            for (int n = 1; n <= k.last; ++n)
                if (used(k.kind, p, n) != 0)
                    show(t, {k.kind, p, n});
        if (p < pageCount) {
            if (t.Grafik_Used(p + 1) == 1)
                show(t, {element::Kind::Graph, p, 0});
            if (t.Clock_Used(p + 1) == 1)
                show(t, {element::Kind::Clock, p, 0});
        }
    }
    const ViewLayout banner = bannerLayout(t);
    views[banner.view] = QRectF(banner.pos, templateSize(ViewArray::Varning_Text));
}

void FakeCanvas::apply(const EditorChanges &changes, const PageTables &t)
{
    for (const ViewPlacement &v : changes.placed)
        views[v.view] = v.rect;
    for (const ElementRef &e : changes.freed)
        for (const ViewLayout &l : elementLayout(t, e.kind, e.page, e.slot)) {
            views.erase(l.view);
            captions.erase(l.view);
            toolTips.erase(l.view);
        }
    for (const ElementRef &e : changes.created)
        show(t, e);
    for (const ViewText &c : changes.captions)
        captions[c.view] = c.text;
    for (const ViewText &c : changes.toolTips)
        toolTips[c.view] = c.text;
}

} // namespace pelmora::test
