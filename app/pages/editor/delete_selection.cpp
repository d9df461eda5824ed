#include "pages/editor/delete_selection.h"

#include "pages/editor/copy_selection.h"
#include "pages/editor/selectable_kinds.h"

namespace pelmora::pages {

void freeSlot(PageTables &t, ElementKind kind, int p, int s)
{
    // A few fields of a freed record hold 10, and texts one blank, as the
    // project files have always carried them.
    const QString blank = QStringLiteral(" ");
    switch (kind) {
    case ElementKind::Parameter:
        t.Parametr_Used(p, s) = 0, t.Parametr_Coord_X(p, s) = 0, t.Parametr_Coord_Y(p, s) = 0;
        t.Parametr_Color(p, s) = 0, t.Parametr_Color_Fon(p, s) = 0, t.Parametr_Border_Style(p, s) = 0;
        t.Parametr_Font_Size(p, s) = 10;
        t.Parametr_Digits(p, s) = 0, t.Parametr_Num_Block(p, s) = 0, t.Parametr_Num_OUT(p, s) = 0;
        break;
    case ElementKind::Signal:
        t.Signal_Used(p, s) = 0, t.Signal_Coord_X(p, s) = 0, t.Signal_Coord_Y(p, s) = 0;
        t.Signal_Razmer_X(p, s) = 0, t.Signal_Razmer_Y(p, s) = 0;
        t.Signal_Color(p, s) = 0, t.Signal_Color_Fon(p, s) = 0, t.Signal_Border_Style(p, s) = 0;
        t.Signal_Num_Block(p, s) = 0, t.Signal_Num_OUT(p, s) = 0, t.Signal_Miganie_Flag(p, s) = 0;
        break;
    case ElementKind::TextSignal:
        t.Text_Signal_Used(p, s) = 0, t.Text_Signal_Coord_X(p, s) = 0, t.Text_Signal_Coord_Y(p, s) = 0;
        t.Text_Signal_Font_Size(p, s) = 0, t.Text_Signal_Color(p, s) = 0, t.Text_Signal_Color_Fon(p, s) = 0;
        t.Text_Signal_Text_Off(p, s) = blank, t.Text_Signal_Text_On(p, s) = blank;
        t.Text_Signal_Border_Style(p, s) = 0, t.Text_Signal_Miganie_Flag(p, s) = 0;
        t.Text_Signal_Num_Block(p, s) = 0, t.Text_Signal_Num_OUT(p, s) = 0;
        break;
    case ElementKind::Control:
        t.Control_Used(p, s) = 0, t.Control_Coord_X(p, s) = 0, t.Control_Coord_Y(p, s) = 0;
        t.Control_Gif_Name(p, s) = blank;
        t.Control_Razmer_X(p, s) = 0, t.Control_Razmer_Y(p, s) = 0;
        t.Control_Num_Block(p, s) = 0, t.Control_Num_OUT(p, s) = 0, t.Control_Key_Type(p, s) = 0;
        break;
    case ElementKind::Level:
    case ElementKind::Manometer:
        t.Level_Used(p, s) = 0, t.Level_Coord_X(p, s) = 0, t.Level_Coord_Y(p, s) = 0;
        t.Level_Razmer_X(p, s) = 0, t.Level_Razmer_Y(p, s) = 0, t.Level_Color(p, s) = 0;
        t.Level_Color_Fon(p, s) = 10;
        t.Level_Scale(p, s) = 0, t.Level_Type(p, s) = 0, t.Level_Num_Block(p, s) = 0, t.Level_Num_OUT(p, s) = 0;
        break;
    case ElementKind::Transition:
        t.Go_Block_Used(p, s) = 0, t.Go_Block_Coord_X(p, s) = 0, t.Go_Block_Coord_Y(p, s) = 0;
        t.Go_Block_Target(p, s) = 0, t.Go_Block_Param(p, s) = 0;
        break;
    case ElementKind::Figure:
        t.Figura_Used(p, s) = 0, t.Figura_Coord_X(p, s) = 0, t.Figura_Coord_Y(p, s) = 0;
        t.Figura_Razmer_X(p, s) = 0, t.Figura_Razmer_Y(p, s) = 0, t.Figura_Color(p, s) = 0;
        t.Figura_Type(p, s) = 10;
        t.Figura_Line_Width(p, s) = 0;
        break;
    case ElementKind::Mechanism:
        // The background bit in Vent_Fon_Bits stays as it was.
        t.Vent_Used(p, s) = 0, t.Vent_Coord_X(p, s) = 0, t.Vent_Coord_Y(p, s) = 0;
        t.Vent_Razmer_X(p, s) = 0, t.Vent_Razmer_Y(p, s) = 0, t.Vent_Picture_Num(p, s) = 0;
        t.Vent_Num_Block(p, s) = 10;
        t.Vent_Num_OUT(p, s) = 0;
        break;
    case ElementKind::StaticText:
        t.Text_Label_Used(p, s) = 0, t.Text_Label_Coord_X(p, s) = 0, t.Text_Label_Coord_Y(p, s) = 0;
        t.Text_Label_Color(p, s) = 0;
        t.Text_Label_Text(p, s) = blank;
        t.Text_Label_Font_Bold(p, s) = 0;
        t.Text_Label_Font_Name(p, s) = QStringLiteral("10");
        t.Text_Label_Font_Italic(p, s) = 0, t.Text_Label_Font_Size(p, s) = 0;
        break;
    case ElementKind::Varning:
    case ElementKind::Menu:
    case ElementKind::Graph:
    case ElementKind::Clock: break; // not freed by the group commands
    }
}

EditorChanges deleteSelection(PageTables &t, const EditorState &s)
{
    EditorChanges c;
    const int page = t.Num_Stranica_SCADA;
    auto take = [&](SelectKind k, int slot) {
        if (!slotUsed(t, k, page, slot))
            return;
        const QPoint at = corner(t, k, page, slot);
        if (!strictlyInside(s.Select_copy, at.x(), at.y()))
            return;
        freeSlot(t, elementKind(k), page, slot);
        c.freed.push_back({elementKind(k), page, slot});
    };
    for (int slot = 1; slot <= lastSlot(kSlotOrder[0]); ++slot)
        for (SelectKind k : kSlotOrder)
            take(k, slot);
    for (int slot = 1; slot <= lastSlot(SelectKind::StaticText); ++slot)
        take(SelectKind::StaticText, slot);
    return c;
}

} // namespace pelmora::pages
