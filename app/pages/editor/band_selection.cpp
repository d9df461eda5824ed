#include "pages/editor/band_selection.h"

#include "core/numbers.h"
#include "pages/editor/editor_arithmetic.h"
#include "pages/editor/group_move.h"
#include "pages/editor/selectable_kinds.h"

#include <cmath>

namespace pelmora::pages {

namespace {

constexpr int kLastSlot = 32;
constexpr int kLastTextSlot = 64;

// The rectangle's edges count as inside.
bool onRectangle(const SelectionRect &r, float X, float Y)
{
    return r.Visible && r.Left <= X && X <= r.Left + r.Width && r.Top <= Y && Y <= r.Top + r.Height;
}

// A corner inside the rectangle for the group: left and top edges in, right
// and bottom edges out, compared in single precision.
bool carried(const SelectionRect &r, QPoint c)
{
    const float x = static_cast<float>(c.x()), y = static_cast<float>(c.y());
    return r.Left <= x && x < r.Left + r.Width && r.Top <= y && y < r.Top + r.Height;
}

void flagSlot(const PageTables &t, EditorState &s, SelectKind k, int page, int n)
{
    std::uint8_t &flag = selectedFlag(s, k, n);
    flag = 0;
    // Signals with a list number are tested on their Y without it, like text signals.
    if (slotUsed(t, k, page, n) && carried(s.Select_copy, corner(t, k, page, n)))
        flag = 1;
}

void clearFlags(EditorState &s)
{
    for (int n = 1; n <= kLastSlot; ++n)
        for (SelectKind k : kSlotOrder)
            selectedFlag(s, k, n) = 0;
    for (int n = 1; n <= kLastTextSlot; ++n)
        selectedFlag(s, SelectKind::StaticText, n) = 0;
}

std::int16_t rounded16(float v, std::int16_t otherwise) { return num::toInt16(v).value_or(otherwise); }

} // namespace

EditorChanges canvasPress(const PageTables &t, EditorState &s, int Index, short Button, float X, float Y)
{
    EditorChanges c;
    if (Button == 2) {
        c.popupMenu = true;
        return c;
    }
    if (Button != 1)
        return c;
    SelectionRect &r = s.Select_copy;
    if (onRectangle(r, X, Y)) {
        // A grab: the group is what the rectangle holds now.
        s.Select_Start_X = rounded16(X, 0);
        s.Select_Start_Y = rounded16(Y, 0);
        s.Select_Origin_X = rounded16(r.Left, 0);
        s.Select_Origin_Y = rounded16(r.Top, 0);
        const int page = t.Num_Stranica_SCADA;
        for (int n = 1; n <= kLastSlot; ++n)
            for (SelectKind k : kSlotOrder)
                flagSlot(t, s, k, page, n);
        for (int n = 1; n <= kLastTextSlot; ++n)
            flagSlot(t, s, SelectKind::StaticText, page, n);
        return c;
    }
    // A new band from the press point, on the pressed canvas.
    s.Select_Start_X = 0;
    s.Select_Start_Y = 0;
    clearFlags(s);
    r.page = Index;
    r.Visible = true;
    r.Top = Y;
    r.Left = X;
    r.Height = 1;
    r.Width = 1;
    c.bandChanged = true;
    return c;
}

EditorChanges canvasMove(const PageTables &t, EditorState &s, const CanvasViews &views, short Button, float X, float Y)
{
    s.Mouse_X = rounded16(X, s.Mouse_X);
    s.Mouse_Y = rounded16(Y, s.Mouse_Y);
    EditorChanges c;
    if (Button != 1)
        return c;
    SelectionRect &r = s.Select_copy;
    const bool whollyInside =
        r.Visible && r.Left > 0 && r.Top > 0 && r.Left + r.Width < kPageWidth && r.Top + r.Height < kPageHeight;
    if (!whollyInside) {
        // At an edge of the page the rectangle follows the pointer at its size
        // and carries nothing, so that it can be brought back.
        r.Left = X - s.Select_Start_X + s.Select_Origin_X;
        r.Top = Y - s.Select_Start_Y + s.Select_Origin_Y;
        c.bandChanged = true;
        return c;
    }
    if (s.Select_Start_X < 1 || s.Select_Start_Y < 1) {
        // Drawing: the corner stays at the press point, so a band dragged left
        // or up grows right or down by as much.
        r.Height = std::fabs(r.Top - s.Mouse_Y);
        r.Width = std::fabs(r.Left - s.Mouse_X);
        c.bandChanged = true;
        return c;
    }
    return groupMoveStep(t, s, views, X, Y);
}

EditorChanges bandRelease(EditorState &s)
{
    EditorChanges c;
    SelectionRect &r = s.Select_copy;
    const bool drawing = s.Select_Start_X < 1 || s.Select_Start_Y < 1;
    if (r.Visible && drawing && r.Width <= 1 && r.Height <= 1) {
        r.Visible = false;
        c.bandChanged = true;
    }
    return c;
}

} // namespace pelmora::pages
