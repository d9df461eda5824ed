#include "elements/freed_slots.h"

namespace pelmora::element {

namespace {
QString blank() { return QStringLiteral(" "); }
} // namespace

void freeParameterSlot(PageTables &t, int p, int s)
{
    t.Parametr_Used(p, s) = 0, t.Parametr_Coord_X(p, s) = 0, t.Parametr_Coord_Y(p, s) = 0;
    t.Parametr_Color(p, s) = 0, t.Parametr_Color_Fon(p, s) = 0, t.Parametr_Border_Style(p, s) = 0;
    t.Parametr_Font_Size(p, s) = 10;
    t.Parametr_Digits(p, s) = 0, t.Parametr_Num_Block(p, s) = 0, t.Parametr_Num_OUT(p, s) = 0;
}

void freeSignalSlot(PageTables &t, int p, int s)
{
    t.Signal_Used(p, s) = 0, t.Signal_Coord_X(p, s) = 0, t.Signal_Coord_Y(p, s) = 0;
    t.Signal_Razmer_X(p, s) = 0, t.Signal_Razmer_Y(p, s) = 0;
    t.Signal_Color(p, s) = 0, t.Signal_Color_Fon(p, s) = 0, t.Signal_Border_Style(p, s) = 0;
    t.Signal_Num_Block(p, s) = 0, t.Signal_Num_OUT(p, s) = 0, t.Signal_Miganie_Flag(p, s) = 0;
}

void freeTextSignalSlot(PageTables &t, int p, int s)
{
    t.Text_Signal_Used(p, s) = 0, t.Text_Signal_Coord_X(p, s) = 0, t.Text_Signal_Coord_Y(p, s) = 0;
    t.Text_Signal_Font_Size(p, s) = 0, t.Text_Signal_Color(p, s) = 0, t.Text_Signal_Color_Fon(p, s) = 0;
    t.Text_Signal_Text_Off(p, s) = blank(), t.Text_Signal_Text_On(p, s) = blank();
    t.Text_Signal_Border_Style(p, s) = 0, t.Text_Signal_Miganie_Flag(p, s) = 0;
    t.Text_Signal_Num_Block(p, s) = 0, t.Text_Signal_Num_OUT(p, s) = 0;
}

void freeControlSlot(PageTables &t, int p, int s)
{
    t.Control_Used(p, s) = 0, t.Control_Coord_X(p, s) = 0, t.Control_Coord_Y(p, s) = 0;
    t.Control_Gif_Name(p, s) = blank();
    t.Control_Razmer_X(p, s) = 0, t.Control_Razmer_Y(p, s) = 0;
    t.Control_Num_Block(p, s) = 0, t.Control_Num_OUT(p, s) = 0, t.Control_Key_Type(p, s) = 0;
}

void freeLevelSlot(PageTables &t, int p, int s)
{
    t.Level_Used(p, s) = 0, t.Level_Coord_X(p, s) = 0, t.Level_Coord_Y(p, s) = 0;
    t.Level_Razmer_X(p, s) = 0, t.Level_Razmer_Y(p, s) = 0, t.Level_Color(p, s) = 0;
    t.Level_Color_Fon(p, s) = 10;
    t.Level_Scale(p, s) = 0, t.Level_Type(p, s) = 0, t.Level_Num_Block(p, s) = 0, t.Level_Num_OUT(p, s) = 0;
}

void freeTransitionSlot(PageTables &t, int p, int s)
{
    t.Go_Block_Used(p, s) = 0, t.Go_Block_Coord_X(p, s) = 0, t.Go_Block_Coord_Y(p, s) = 0;
    t.Go_Block_Target(p, s) = 0, t.Go_Block_Param(p, s) = 0;
}

void freeFigureSlot(PageTables &t, int p, int s)
{
    t.Figura_Used(p, s) = 0, t.Figura_Coord_X(p, s) = 0, t.Figura_Coord_Y(p, s) = 0;
    t.Figura_Razmer_X(p, s) = 0, t.Figura_Razmer_Y(p, s) = 0, t.Figura_Color(p, s) = 0;
    t.Figura_Type(p, s) = 10;
    t.Figura_Line_Width(p, s) = 0;
}

void freeMechanismSlot(PageTables &t, int p, int s)
{
    t.Vent_Used(p, s) = 0, t.Vent_Coord_X(p, s) = 0, t.Vent_Coord_Y(p, s) = 0;
    t.Vent_Razmer_X(p, s) = 0, t.Vent_Razmer_Y(p, s) = 0, t.Vent_Picture_Num(p, s) = 0;
    t.Vent_Num_Block(p, s) = 10;
    t.Vent_Num_OUT(p, s) = 0;
}

void freeStaticTextSlot(PageTables &t, int p, int s)
{
    t.Text_Label_Used(p, s) = 0, t.Text_Label_Coord_X(p, s) = 0, t.Text_Label_Coord_Y(p, s) = 0;
    t.Text_Label_Color(p, s) = 0;
    t.Text_Label_Text(p, s) = blank();
    t.Text_Label_Font_Bold(p, s) = 0;
    t.Text_Label_Font_Name(p, s) = QStringLiteral("10");
    t.Text_Label_Font_Italic(p, s) = 0, t.Text_Label_Font_Size(p, s) = 0;
}

} // namespace pelmora::element
