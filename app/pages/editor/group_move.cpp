#include "pages/editor/group_move.h"

#include "pages/editor/control_raster.h"
#include "pages/editor/editor_arithmetic.h"
#include "pages/editor/element_fields.h"
#include "pages/editor/selectable_kinds.h"

namespace pelmora::pages {

namespace {

constexpr int kLastSlot = 32;
constexpr int kLastTextSlot = 64;

class GroupStep {
public:
    GroupStep(const PageTables &t, const EditorState &s, const CanvasViews &views, float X, float Y)
        : t_(t), s_(s), views_(views), X_(X), Y_(Y), page_(t.Num_Stranica_SCADA)
    {}

    void element(SelectKind k, int n)
    {
        if (selectedFlag(s_, k, n) != 1)
            return;
        const ViewRef view = viewOf(k, page_, n);
        const auto g = views_.geometry(view);
        if (!g)
            return; // deleted since the grab
        const QPoint at = corner(t_, k, page_, n);
        // The stored place plus the whole offset since the grab.
        const int newX = roundPixel(X_ - s_.Select_Start_X + at.x());
        const int newY = roundPixel(Y_ - s_.Select_Start_Y + at.y());
        QRectF r = *g;
        switch (k) {
        case SelectKind::Control: control(r, n, newX, newY); break;
        case SelectKind::Transition: transition(r, newX, newY); break;
        default:
            // Nothing goes off the page, whatever the group's offset.
            r.moveTo(snapToGrid(onPageX(newX), t_.Setka_Razmer), snapToGrid(onPageY(newY), t_.Setka_Razmer));
            break;
        }
        changes.placed.push_back({view, r});
        if (k == SelectKind::Level) {
            const ViewRef second{ViewArray::Level_Picture_1, view.index};
            if (const auto g1 = views_.geometry(second))
                changes.placed.push_back({second, QRectF(r.topLeft(), g1->size())});
        }
    }

    EditorChanges changes;

private:
    // A button keeps its last Left or Top on an axis whose new place lies
    // outside its bounds.
    void control(QRectF &r, int n, int newX, int newY)
    {
        const KeyAllowance a = keyAllowance(t_.Control_Key_Type(page_, n));
        if (newX >= 0 && newX <= kRasterRight - a.width)
            r.moveLeft(onPageX(rasterColumnStart(newX) + kControlColumnOffset - a.shift));
        if (newY >= 0 && newY <= kRasterBottom)
            r.moveTop(onPageY(rasterRowStart(newY) + centredIn(kRasterCell + a.height, r.height())));
    }

    void transition(QRectF &r, int newX, int newY)
    {
        if (newX >= 0 && newX <= kRasterRight)
            r.moveLeft(onPageX(rasterColumnStart(newX) + centredIn(kRasterCell, r.width())));
        if (newY >= 0 && newY <= kRasterBottom)
            r.moveTop(onPageY(rasterRowStart(newY) + centredIn(kRasterCell, r.height())));
    }

    const PageTables &t_;
    const EditorState &s_;
    const CanvasViews &views_;
    float X_, Y_;
    int page_;
};

} // namespace

EditorChanges groupMoveStep(const PageTables &t, EditorState &s, const CanvasViews &views, float X, float Y)
{
    SelectionRect &r = s.Select_copy;
    r.Left = X - s.Select_Start_X + s.Select_Origin_X;
    r.Top = Y - s.Select_Start_Y + s.Select_Origin_Y;
    if (r.Left < 0)
        r.Left = 0;
    if (r.Top < 0)
        r.Top = 0;
    GroupStep step(t, s, views, X, Y);
    for (int n = 1; n <= kLastSlot; ++n)
        for (SelectKind k : kSlotOrder)
            step.element(k, n);
    for (int n = 1; n <= kLastTextSlot; ++n)
        step.element(SelectKind::StaticText, n);
    step.changes.bandChanged = true;
    return std::move(step.changes);
}

void canvasRelease(PageTables &t, const EditorState &s, const CanvasViews &views)
{
    const int page = t.Num_Stranica_SCADA;
    auto write = [&](SelectKind k, int n) {
        if (selectedFlag(s, k, n) != 1)
            return;
        const auto g = views.geometry(viewOf(k, page, n));
        if (!g)
            return;
        xField(t, k, page, n) = static_cast<std::int16_t>(onPageX(roundPixel(g->left())));
        const int top = onPageY(roundPixel(g->top()));
        std::int16_t &y = yField(t, k, page, n);
        // The list number of a signal or text signal stays.
        y = static_cast<std::int16_t>(carriesList(k) ? withTop(y, top) : top);
    };
    for (int n = 1; n <= kLastSlot; ++n)
        for (SelectKind k : kSlotOrder)
            write(k, n);
    for (int n = 1; n <= kLastTextSlot; ++n)
        write(SelectKind::StaticText, n);
}

} // namespace pelmora::pages
