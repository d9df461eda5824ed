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

// The look of source (q, s) into (p, n); the binding of (p, n) stays.
void copyLook(PageTables &t, SelectKind k, int q, int s, int p, int n)
{
    switch (k) {
    case SelectKind::Parameter:
        t.Parametr_Color(p, n) = t.Parametr_Color(q, s);
        t.Parametr_Color_Fon(p, n) = t.Parametr_Color_Fon(q, s);
        t.Parametr_Border_Style(p, n) = t.Parametr_Border_Style(q, s);
        t.Parametr_Font_Size(p, n) = t.Parametr_Font_Size(q, s);
        t.Parametr_Digits(p, n) = t.Parametr_Digits(q, s);
        break;
    case SelectKind::Signal:
        t.Signal_Color(p, n) = t.Signal_Color(q, s);
        t.Signal_Color_Fon(p, n) = t.Signal_Color_Fon(q, s);
        t.Signal_Border_Style(p, n) = t.Signal_Border_Style(q, s);
        t.Signal_Razmer_X(p, n) = t.Signal_Razmer_X(q, s);
        t.Signal_Razmer_Y(p, n) = t.Signal_Razmer_Y(q, s);
        t.Signal_Miganie_Flag(p, n) = t.Signal_Miganie_Flag(q, s);
        break;
    case SelectKind::TextSignal:
        t.Text_Signal_Color(p, n) = t.Text_Signal_Color(q, s);
        t.Text_Signal_Color_Fon(p, n) = t.Text_Signal_Color_Fon(q, s);
        t.Text_Signal_Border_Style(p, n) = t.Text_Signal_Border_Style(q, s);
        t.Text_Signal_Miganie_Flag(p, n) = t.Text_Signal_Miganie_Flag(q, s);
        t.Text_Signal_Text_Off(p, n) = t.Text_Signal_Text_Off(q, s);
        t.Text_Signal_Text_On(p, n) = t.Text_Signal_Text_On(q, s);
        t.Text_Signal_Font_Size(p, n) = t.Text_Signal_Font_Size(q, s);
        break;
    case SelectKind::Level:
        t.Level_Razmer_X(p, n) = t.Level_Razmer_X(q, s);
        t.Level_Razmer_Y(p, n) = t.Level_Razmer_Y(q, s);
        t.Level_Color(p, n) = t.Level_Color(q, s);
        t.Level_Color_Fon(p, n) = t.Level_Color_Fon(q, s);
        t.Level_Type(p, n) = t.Level_Type(q, s);
        break;
    case SelectKind::StaticText:
        t.Text_Label_Color(p, n) = t.Text_Label_Color(q, s);
        t.Text_Label_Text(p, n) = t.Text_Label_Text(q, s);
        t.Text_Label_Font_Name(p, n) = t.Text_Label_Font_Name(q, s);
        t.Text_Label_Font_Bold(p, n) = t.Text_Label_Font_Bold(q, s);
        t.Text_Label_Font_Italic(p, n) = t.Text_Label_Font_Italic(q, s);
        t.Text_Label_Font_Size(p, n) = t.Text_Label_Font_Size(q, s);
        break;
    case SelectKind::Control:
        t.Control_Gif_Name(p, n) = t.Control_Gif_Name(q, s);
        t.Control_Key_Type(p, n) = t.Control_Key_Type(q, s);
        t.Control_Razmer_X(p, n) = t.Control_Razmer_X(q, s);
        t.Control_Razmer_Y(p, n) = t.Control_Razmer_Y(q, s);
        t.Control_Num_OUT(p, n) = 0;
        break;
    case SelectKind::Transition:
        // A fresh single-field transition without lock; the target stays the slot's.
        t.Go_Block_Used(p, n) = 1;
        t.Go_Block_Param(p, n) = 0;
        break;
    case SelectKind::Mechanism:
        t.Vent_Razmer_X(p, n) = t.Vent_Razmer_X(q, s);
        t.Vent_Razmer_Y(p, n) = t.Vent_Razmer_Y(q, s);
        t.Vent_Picture_Num(p, n) = t.Vent_Picture_Num(q, s);
        break;
    case SelectKind::Figure:
        t.Figura_Razmer_X(p, n) = t.Figura_Razmer_X(q, s);
        t.Figura_Razmer_Y(p, n) = t.Figura_Razmer_Y(q, s);
        t.Figura_Type(p, n) = t.Figura_Type(q, s);
        t.Figura_Color(p, n) = t.Figura_Color(q, s);
        t.Figura_Line_Width(p, n) = t.Figura_Line_Width(q, s);
        break;
    }
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
            const ViewRef view = viewOf(k, p, n);
            if (k == SelectKind::Parameter)
                c.captions.push_back({view, pastedParameterCaption(n, t.Parametr_Digits(p, n))});
            else if (k == SelectKind::TextSignal)
                c.captions.push_back({view, t.Text_Signal_Text_Off(p, n)});
            else if (k == SelectKind::Transition)
                c.captions.push_back({view, QStringLiteral("0")});
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
