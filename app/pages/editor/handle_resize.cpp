#include "pages/editor/handle_resize.h"

#include "pages/editor/editor_arithmetic.h"
#include "pages/editor/element_fields.h"

#include <algorithm>
#include <cstdlib>

namespace pelmora::pages {

namespace {

constexpr int kHandleRight = 790, kHandleBottom = 470;
constexpr int kSignalMaxSize = 50; // the indicator draws in a grid of 50
constexpr int kLastSlot = 32;

std::optional<HandleKind> handleKindOf(ViewArray array)
{
    switch (array) {
    case ViewArray::ShapePlus1: return HandleFigure;
    case ViewArray::Signal_Picture: return HandleSignal;
    case ViewArray::Level_Picture: return HandleLevel;
    default: return std::nullopt;
    }
}

ViewArray arrayOf(std::uint8_t kind)
{
    switch (kind) {
    case HandleSignal: return ViewArray::Signal_Picture;
    case HandleLevel: return ViewArray::Level_Picture;
    default: return ViewArray::ShapePlus1;
    }
}

// The distance from the corner to the snapped handle, never below 1.
int sizeTo(int snapped, double edge) { return std::max(1, std::abs(snapped - roundPixel(edge))); }

} // namespace

EditorChanges elementClick(const PageTables &t, EditorState &s, const CanvasViews &views, ViewRef view)
{
    EditorChanges c;
    const auto kind = handleKindOf(view.array);
    if (!kind || view.index == 0)
        return c;
    const auto g = views.geometry(view);
    if (!g)
        return c;
    s.Zoom.Visible = true;
    s.Zoom.page = t.Num_Stranica_SCADA;
    s.Zoom.Left = roundPixel(g->left() + g->width());
    s.Zoom.Top = roundPixel(g->top() + g->height());
    s.Zoom_Index = static_cast<std::int16_t>(view.index);
    s.Zoom_Kind = *kind;
    c.handleChanged = true;
    return c;
}

void handlePress(EditorState &s, float X, float Y)
{
    s.Mouse_X = static_cast<std::int16_t>(pixelsOfTwips(X));
    s.Mouse_Y = static_cast<std::int16_t>(pixelsOfTwips(Y));
}

EditorChanges handleMove(PageTables &t, EditorState &s, const CanvasViews &views, short Button, float X, float Y)
{
    EditorChanges c;
    const int x = pixelsOfTwips(X), y = pixelsOfTwips(Y);
    if (Button != 1 || s.Element_Lock)
        return c;
    const int step = t.Setka_Razmer;
    const int newX = s.Zoom.Left - s.Mouse_X + x;
    if (newX >= 1 && newX <= kHandleRight) {
        s.Zoom.Left = snapToGrid(newX, step);
        c.handleChanged = true;
    }
    const int newY = s.Zoom.Top - s.Mouse_Y + y;
    if (newY >= 1 && newY <= kHandleBottom) {
        s.Zoom.Top = snapToGrid(newY, step);
        c.handleChanged = true;
    }
    // The size follows the pointer also where the handle stops.
    const int sx = snapToGrid(newX, step), sy = snapToGrid(newY, step);

    const ViewRef view{arrayOf(s.Zoom_Kind), s.Zoom_Index};
    const auto g = views.geometry(view);
    if (!g)
        return c; // the element is gone; only the handle moves
    const int p = t.Num_Stranica_SCADA;
    const int n = s.Zoom_Index - p * 32;
    if (n < 1 || n > kLastSlot)
        return c; // an element of another page
    QRectF r = *g;
    switch (s.Zoom_Kind) {
    case HandleSignal: {
        const int w = std::min(sizeTo(sx, r.left()), kSignalMaxSize);
        const int h = std::min(sizeTo(sy, r.top()), kSignalMaxSize);
        r.setSize(QSizeF(w, h));
        // The shape bits above the size stay.
        t.Signal_Razmer_X(p, n) = static_cast<std::int16_t>(withSignalSize(t.Signal_Razmer_X(p, n), w));
        t.Signal_Razmer_Y(p, n) = static_cast<std::int16_t>(withSignalSize(t.Signal_Razmer_Y(p, n), h));
        c.placed.push_back({view, r});
        break;
    }
    case HandleLevel: {
        const int w = sizeTo(sx, r.left()), h = sizeTo(sy, r.top());
        r.setSize(QSizeF(w, h));
        t.Level_Razmer_X(p, n) = static_cast<std::int16_t>(w);
        t.Level_Razmer_Y(p, n) = static_cast<std::int16_t>(h);
        c.placed.push_back({view, r});
        // The second picture covers the upper half of the bar.
        const ViewRef fill{ViewArray::Level_Picture_1, view.index};
        if (const auto g1 = views.geometry(fill))
            c.placed.push_back({fill, QRectF(g1->topLeft(), QSizeF(w, h / 2.0))});
        break;
    }
    default: {
        const int w = sizeTo(sx, r.left());
        const int h = figureIsCircle(t.Figura_Type(p, n)) ? w : sizeTo(sy, r.top());
        r.setSize(QSizeF(w, h));
        t.Figura_Razmer_X(p, n) = static_cast<std::int16_t>(w);
        t.Figura_Razmer_Y(p, n) = static_cast<std::int16_t>(h);
        c.placed.push_back({view, r});
        break;
    }
    }
    return c;
}

} // namespace pelmora::pages
