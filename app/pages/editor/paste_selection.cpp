#include "pages/editor/paste_selection.h"

#include "pages/editor/element_fields.h"
#include "pages/editor/selectable_kinds.h"

#include <algorithm>

namespace pelmora::pages {

namespace {

// Without its view's size a pasted corner stays within 0..790 by 0..470.
constexpr int kPasteRight = 790, kPasteBottom = 470;
constexpr int kPageWidth = 800, kPageHeight = 480;

// The corners at which the copied element (q, s) lies wholly on the page: its
// view keeps its size and its place beside the corner.
struct CornerRange {
    int left = 0, top = 0, right = kPasteRight, bottom = kPasteBottom;
};
CornerRange cornerRange(const CanvasViews *views, SelectKind k, int q, int s, QPoint from)
{
    CornerRange r;
    if (!views)
        return r;
    const std::optional<QRectF> g = views->geometry(viewOf(k, q, s));
    if (!g)
        return r;
    const QRect box = g->toAlignedRect().translated(-from);
    r.left = std::max(0, -box.left());
    r.top = std::max(0, -box.top());
    r.right = std::max(r.left, kPageWidth - (box.left() + box.width()));
    r.bottom = std::max(r.top, kPageHeight - (box.top() + box.height()));
    return r;
}

int freeSlotOf(const PageTables &t, SelectKind k, int page)
{
    for (int n = 1; n <= lastSlot(k); ++n)
        if (!slotUsed(t, k, page, n))
            return n;
    return 0;
}

// The look of source (q, s) into (p, n), as the kind table lists it; the
// binding of (p, n) stays.
void copyLook(PageTables &t, SelectKind k, int q, int s, int p, int n)
{
    for (element::FieldCopy copy : kindRow(k).pasted)
        copy(t, q, s, p, n);
}

// The caption the pasted view takes once shown from its record, if any.
std::optional<QString> pastedCaption(const PageTables &t, SelectKind k, int p, int n)
{
    switch (kindRow(k).pasteCaption) {
    case element::PasteCaption::SlotNumber: return pastedParameterCaption(n, t.Parametr_Digits(p, n));
    case element::PasteCaption::TextOff: return t.Text_Signal_Text_Off(p, n);
    case element::PasteCaption::Zero: return QStringLiteral("0");
    case element::PasteCaption::None: break;
    }
    return std::nullopt;
}

} // namespace

QString pastedParameterCaption(int slot, int digits)
{
    const QString number = QString::number(slot);
    if (digits < 0 || digits > 4)
        return number;
    return number.rightJustified(digits + 2, u'0');
}

EditorChanges pasteSelection(PageTables &t, EditorState &s, const CanvasViews *views)
{
    EditorChanges c;
    const int p = t.Num_Stranica_SCADA;
    const int q = s.Copy_Stranica;
    for (SelectKind k : kCopyOrder) {
        for (int i = 0; i < lastSlot(k); ++i) {
            const int src = s.Selection_Table(copyCode(k), i);
            if (src == 0)
                continue;
            // An element freed since the copy has nothing left to paste.
            if (!slotUsed(t, k, q, src))
                continue;
            const int n = freeSlotOf(t, k, p);
            if (n == 0)
                continue;
            usedField(t, k, p, n) = 1;
            const QPoint from = corner(t, k, q, src);
            const CornerRange room = cornerRange(views, k, q, src, from);
            const int x = std::clamp(s.Mouse_X + (from.x() - s.Copy_Coord_X), room.left, room.right);
            const int top = std::clamp(s.Mouse_Y + (from.y() - s.Copy_Coord_Y), room.top, room.bottom);
            const int y = carriesList(k) ? withTop(yField(t, k, q, src), top) : top;
            xField(t, k, p, n) = static_cast<std::int16_t>(x);
            yField(t, k, p, n) = static_cast<std::int16_t>(y);
            copyLook(t, k, q, src, p, n);
            const ElementRef made{elementKind(k), p, n};
            c.created.push_back(made);
            if (const std::optional<QString> caption = pastedCaption(t, k, p, n))
                c.captions.push_back({viewOf(k, p, n), *caption});
        }
    }
    SelectionRect &r = s.Select_copy;
    r.Width = s.Copy_Razmer_X;
    r.Height = s.Copy_Razmer_Y;
    r.Left = s.Mouse_X;
    r.Top = s.Mouse_Y;
    r.Visible = true;
    r.page = p;
    c.bandChanged = true;
    return c;
}

} // namespace pelmora::pages
