#include "support/page_fixture.h"

#include "elements/element_codec.h"

namespace pelmora::test {

using namespace element;

namespace {

void parameter(PageTables &t, int p, int n, int x, int y, int font, int digits, std::int32_t fore, std::int32_t back)
{
    t.Parametr_Used(p, n) = 1;
    t.Parametr_Coord_X(p, n) = x, t.Parametr_Coord_Y(p, n) = y;
    t.Parametr_Color(p, n) = fore, t.Parametr_Color_Fon(p, n) = back;
    t.Parametr_Border_Style(p, n) = 1;
    t.Parametr_Font_Size(p, n) = font;
    t.Parametr_Digits(p, n) = digits;
    t.Parametr_Num_Block(p, n) = 1, t.Parametr_Num_OUT(p, n) = 0;
}

void signal(PageTables &t, int p, int n, int x, int y, int list, int w, int h, int shape, std::int32_t on,
            std::int32_t off, bool blink)
{
    t.Signal_Used(p, n) = 1;
    t.Signal_Coord_X(p, n) = x, t.Signal_Coord_Y(p, n) = listTopPack(y, list);
    t.Signal_Razmer_X(p, n) = signalWidthPack(w, shape), t.Signal_Razmer_Y(p, n) = signalHeightPack(h, shape);
    t.Signal_Color(p, n) = on, t.Signal_Color_Fon(p, n) = off;
    t.Signal_Border_Style(p, n) = 1;
    t.Signal_Miganie_Flag(p, n) = blink ? 1 : 0;
    t.Signal_Num_Block(p, n) = 3, t.Signal_Num_OUT(p, n) = 1;
}

void textSignal(PageTables &t, int p, int n, int x, int y, int list, const QString &off, const QString &on)
{
    t.Text_Signal_Used(p, n) = 1;
    t.Text_Signal_Coord_X(p, n) = x, t.Text_Signal_Coord_Y(p, n) = listTopPack(y, list);
    t.Text_Signal_Font_Size(p, n) = 14;
    t.Text_Signal_Color(p, n) = 0x000000, t.Text_Signal_Color_Fon(p, n) = 0x80FFFF;
    t.Text_Signal_Text_Off(p, n) = off, t.Text_Signal_Text_On(p, n) = on;
    t.Text_Signal_Border_Style(p, n) = textSignalBorderPack(1, true);
    t.Text_Signal_Miganie_Flag(p, n) = 1;
    t.Text_Signal_Num_Block(p, n) = 3, t.Text_Signal_Num_OUT(p, n) = 2;
}

void level(PageTables &t, int p, int n, int x, int y, int w, int h, bool horizontal)
{
    t.Level_Used(p, n) = 1;
    t.Level_Coord_X(p, n) = x, t.Level_Coord_Y(p, n) = y;
    t.Level_Razmer_X(p, n) = w, t.Level_Razmer_Y(p, n) = h;
    t.Level_Scale(p, n) = 100;
    t.Level_Color(p, n) = 0xFF8000, t.Level_Color_Fon(p, n) = 0xFFFFFF;
    t.Level_Type(p, n) = levelTypePack(horizontal, true);
    t.Level_Num_Block(p, n) = 1, t.Level_Num_OUT(p, n) = 0;
}

void transition(PageTables &t, int p, int n, int x, int y, int target, bool doubleField)
{
    t.Go_Block_Used(p, n) = transitionUsedPack(doubleField);
    t.Go_Block_Coord_X(p, n) = x, t.Go_Block_Coord_Y(p, n) = y;
    t.Go_Block_Target(p, n) = target, t.Go_Block_Param(p, n) = 0;
}

void figure(PageTables &t, int p, int n, int x, int y, int w, int h, int type, std::int32_t colour, int width)
{
    t.Figura_Used(p, n) = 1;
    t.Figura_Coord_X(p, n) = x, t.Figura_Coord_Y(p, n) = y;
    t.Figura_Razmer_X(p, n) = w, t.Figura_Razmer_Y(p, n) = h;
    t.Figura_Color(p, n) = colour, t.Figura_Type(p, n) = type, t.Figura_Line_Width(p, n) = width;
}

void mechanism(PageTables &t, int p, int n, int x, int y, int size, int code, bool fan)
{
    t.Vent_Used(p, n) = 1;
    t.Vent_Coord_X(p, n) = x, t.Vent_Coord_Y(p, n) = y;
    t.Vent_Razmer_X(p, n) = size, t.Vent_Razmer_Y(p, n) = size;
    t.Vent_Picture_Num(p, n) = code;
    t.Vent_Num_Block(p, n) = 3, t.Vent_Num_OUT(p, n) = 1;
    const int word = ventFonWord(n);
    t.Vent_Fon_Bits(word, p) = ventFonSet(t.Vent_Fon_Bits(word, p), n, fan);
}

void text(PageTables &t, int p, int n, int x, int y, const QString &caption, int size, bool bold, std::int32_t colour)
{
    t.Text_Label_Used(p, n) = 1;
    t.Text_Label_Coord_X(p, n) = x, t.Text_Label_Coord_Y(p, n) = y;
    t.Text_Label_Text(p, n) = caption;
    t.Text_Label_Font_Name(p, n) = QStringLiteral("DejaVu Sans");
    t.Text_Label_Font_Bold(p, n) = bold ? -1 : 0;
    t.Text_Label_Font_Italic(p, n) = 0;
    t.Text_Label_Font_Size(p, n) = size;
    t.Text_Label_Color(p, n) = colour;
}

void control(PageTables &t, int p, int n, int x, int y, int key)
{
    t.Control_Used(p, n) = 1;
    t.Control_Coord_X(p, n) = x, t.Control_Coord_Y(p, n) = y;
    t.Control_Razmer_X(p, n) = 40, t.Control_Razmer_Y(p, n) = 40;
    t.Control_Key_Type(p, n) = key;
    t.Control_Num_Block(p, n) = 3, t.Control_Num_OUT(p, n) = 0;
}

void menu(PageTables &t, int p, int n, int x, int y, const QString &caption, int target)
{
    t.Menu_Used(p, n) = 1;
    t.Menu_Coord_X(p, n) = x, t.Menu_Coord_Y(p, n) = y;
    t.Menu_Caption(p, n) = caption;
    t.Menu_Stranica(p, n) = target;
}

} // namespace

void placeDemoPageElements(ProjectModel &m)
{
    PageTables &t = m.pages;
    // clang-format off
    const QString names[16] = {
        QStringLiteral("Котельня"), QStringLiteral("Насоси"), QStringLiteral("Вентиляція"),
    };
    // clang-format on
    for (int k = 0; k <= 15; ++k) {
        t.Stranica_Name(k) = names[k].isEmpty() ? QStringLiteral("Сторінка %1").arg(k + 1) : names[k];
        t.Stranica_Num_Net(k) = 0;
    }
    t.Stranica_Fon_Color(1) = 0xF0E0D0;

    // Page 0: the boiler.
    figure(t, 0, 10, 10, 10, 780, 420, 0, 0x804000, 2);
    text(t, 0, 64, 300, 20, QStringLiteral("Котел №1"), 18, true, 0x400000);
    text(t, 0, 1, 40, 95, QStringLiteral("Температура, °C"), 10, false, 0x000000);
    parameter(t, 0, 7, 180, 90, 18, 2, 0x0000FF, 0xFFFFFF);
    parameter(t, 0, 5, 180, 130, 24, 3, 0x000000, 0xE0E0E0);
    signal(t, 0, 1, 40, 160, 0, 24, 24, 1, 0x00C000, 0x0000FF, true);
    signal(t, 0, 2, 80, 160, 3, 30, 20, 6, 0x0000FF, 0x00FFFF, false);
    textSignal(t, 0, 3, 130, 165, 2, QStringLiteral("Норма"), QStringLiteral("Аварія"));
    level(t, 0, 4, 600, 90, 30, 151, false);
    level(t, 0, 6, 420, 90, 151, 30, true);
    transition(t, 0, 8, 40, 240, 105, false);
    transition(t, 0, 9, 100, 240, 201, true);
    figure(t, 0, 11, 440, 200, 90, 90, 1, 0x0000C0, 3);
    mechanism(t, 0, 12, 300, 230, 48, 8, false);
    mechanism(t, 0, 17, 360, 230, 48, 5, true);
    control(t, 0, 13, 220, 380, 1);
    control(t, 0, 14, 270, 390, 13);
    menu(t, 0, 2, 100, 330, QStringLiteral("Насоси"), 1);
    t.Grafik_Used(1) = 1;
    t.Grafik_Coord_X(1) = 560, t.Grafik_Coord_Y(1) = 290;
    t.Grafik_Razmer_X(1) = 200, t.Grafik_Razmer_Y(1) = 120;
    t.Grafik_Grup_Num(1) = 0;
    t.Clock_Used(1) = 1;
    t.Clock_Coord_X(1) = 700, t.Clock_Coord_Y(1) = 20;

    // Page 1: the pumps.
    text(t, 1, 2, 20, 20, QStringLiteral("Насосна станція"), 14, true, 0x000000);
    mechanism(t, 1, 1, 100, 100, 64, 8, false);
    mechanism(t, 1, 2, 200, 100, 64, 9, false);
    signal(t, 1, 1, 110, 180, 0, 20, 20, 0, 0x00C000, 0x808080, false);
    parameter(t, 1, 1, 200, 180, 14, 1, 0x000000, 0xFFFFFF);
    menu(t, 1, 1, 100, 400, QStringLiteral("Котельня"), 0);
    t.Clock_Used(2) = 1;
    t.Clock_Coord_X(2) = 650, t.Clock_Coord_Y(2) = 40;

    // Page 2: ventilation.
    figure(t, 2, 1, 50, 50, 300, 200, 0, 0x000000, 1);
    transition(t, 2, 4, 60, 60, 220, false);
    mechanism(t, 2, 3, 100, 100, 48, 0, true);

    // The extra page index of a 16-page project, which no canvas shows.
    text(t, 16, 64, 5, 5, QStringLiteral("поза сторінками"), 10, false, 0);

    // The warning line on page 1.
    t.Varning_Stranica = 1;
    t.Varning_Coord_X = 200, t.Varning_Coord_Y = 450;
    t.Varning_Color = 0x0000FF, t.Varning_Color_Fon = 0x00FFFF;
    t.Varning_Num_Block = 3, t.Varning_Num_OUT = 1;
}

} // namespace pelmora::test
