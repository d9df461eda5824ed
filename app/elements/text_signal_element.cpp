#include "elements/text_signal_element.h"

#include "elements/box_numbers.h"
#include "elements/element_codec.h"

#include <cmath>

namespace pelmora::element {

QStringList textSignalListNames()
{
    QStringList names{QStringLiteral("No")};
    for (int k = 1; k <= 31; ++k)
        names.push_back(QString::number(k));
    return names;
}

QStringList textSignalFontNames() { return {QStringLiteral("1 "), QStringLiteral("2 ")}; }

std::pair<QString, QString> textSignalTextLabels(int list)
{
    if (list < 0)
        return {QStringLiteral("Текст сигналу Вимк."), QStringLiteral("Текст сигналу Вмик.")};
    if (list == 0)
        return {QStringLiteral("Текст сигнала Выкл."), QStringLiteral("Текст сигнала Вкл.")};
    const int first = 2 * std::abs(list - 1);
    return {QStringLiteral("Текст сигнала №") + QString::number(first),
            QStringLiteral("Текст сигнала №") + QString::number(first + 1)};
}

QString textNumCaption(bool numberMode) { return numberMode ? QStringLiteral("Число") : QStringLiteral("Текст"); }

QString outSpCaption(bool setpoint)
{
    return setpoint ? QStringLiteral("Номер задавача") : QStringLiteral("Номер виходу");
}

TextSignalFields designTextSignal(const ProjectModel &m)
{
    TextSignalFields f;
    textSignalBlockChanged(m, f);
    return f;
}

void textSignalBlockChanged(const ProjectModel &m, TextSignalFields &f)
{
    f.outputs = bindingList(m, f.block, f.setpoint);
}

void textSignalSetpointClicked(const ProjectModel &m, TextSignalFields &f) { textSignalBlockChanged(m, f); }

void textSignalFontChosen(TextSignalFields &f, int choice)
{
    f.fontChoice = choice;
    if (choice >= 0 && choice <= 2)
        f.fontSize = textSignalFontSize(choice);
}

ViewBox textSignalViewBox(const PageTables &t, int page, int slot)
{
    return {t.Text_Signal_Coord_X(page, slot), viewTop(t.Text_Signal_Coord_Y(page, slot)), 0, 0};
}

Opened<TextSignalFields> prefillTextSignal(const ProjectModel &m, int page, int slot, const ViewBox &view)
{
    const PageTables &t = m.pages;
    Opened<TextSignalFields> o{designTextSignal(m), {}};
    TextSignalFields &f = o.fields;

    f.number = QString::number(slot);
    f.x = QString::number(view.left);
    f.y = QString::number(view.top);
    const int list = listNumber(t.Text_Signal_Coord_Y(page, slot));
    f.list = list >= 0 && list <= 31 ? list : -1;
    const int border = t.Text_Signal_Border_Style(page, slot);
    f.textOff = t.Text_Signal_Text_Off(page, slot);
    f.textOn = t.Text_Signal_Text_On(page, slot);
    f.frame = textSignalFrame(border) != 0;
    f.blink = t.Text_Signal_Miganie_Flag(page, slot) != 0;
    f.colour = t.Text_Signal_Color(page, slot);
    f.colourFon = t.Text_Signal_Color_Fon(page, slot);
    // The font list offers 10 and 14 points. A size it cannot show keeps its
    // value with nothing chosen; a slot that never had a size (0) starts at 10.
    const int size = t.Text_Signal_Font_Size(page, slot);
    const int choice = textSignalFontChoice(size);
    f.fontSize = size;
    if (choice < 0)
        textSignalFontChosen(f, 0);
    else if (choice <= 1)
        textSignalFontChosen(f, choice);
    f.block = QString::number(t.Text_Signal_Num_Block(page, slot));
    textSignalBlockChanged(m, f);
    f.report = slot > 0 && t.Rep_Arch_Signal == slot;
    const int out = t.Text_Signal_Num_OUT(page, slot);
    f.numberMode = textSignalNumberMode(out);
    f.setpoint = textSignalSetpoint(border);
    textSignalSetpointClicked(m, f);
    if (!f.outputs.select(textSignalOutIndex(out)))
        o.notices.push_back(critical(kOutputErrorY));
    return o;
}

TextSignalView storeTextSignal(ProjectModel &m, int page, const SlotChoice &slot, TextSignalFields &f)
{
    PageTables &t = m.pages;
    const int n = slot.slot;
    t.Text_Signal_Coord_X(page, n) = int16Box(f.x);
    if (f.numberMode || f.list < 0)
        f.list = 0;
    t.Text_Signal_Coord_Y(page, n) = int16Field(listTopPack(boxNumber(f.y), f.list));
    t.Text_Signal_Border_Style(page, n) = static_cast<std::uint8_t>(textSignalBorderPack(f.frame ? 1 : 0, f.setpoint));
    t.Text_Signal_Color(page, n) = f.colour;
    t.Text_Signal_Color_Fon(page, n) = f.colourFon;
    t.Text_Signal_Miganie_Flag(page, n) = f.blink ? 1 : 0;
    t.Text_Signal_Used(page, n) = 1;
    t.Text_Signal_Text_Off(page, n) = f.textOff;
    t.Text_Signal_Text_On(page, n) = f.textOn;
    t.Text_Signal_Font_Size(page, n) = byteField(f.fontSize);
    t.Text_Signal_Num_Block(page, n) = byteField(std::fabs(boxNumber(f.block)));
    t.Text_Signal_Num_OUT(page, n) =
        static_cast<std::uint8_t>(textSignalOutPack(f.outputs.storedPosition() & 127, f.numberMode));
    if (f.report)
        t.Rep_Arch_Signal = static_cast<std::int16_t>(n);
    else if (t.Rep_Arch_Signal == n)
        t.Rep_Arch_Signal = 0;

    TextSignalView v;
    v.viewIndex = slot.viewIndex;
    v.left = std::abs(int16Box(f.x));
    v.top = std::abs(int16Box(f.y));
    v.foreColor = f.colour;
    v.backColor = f.colourFon;
    v.borderStyle = f.frame ? 1 : 0;
    v.caption = f.textOff;
    v.fontSize = f.fontSize;
    return v;
}

void resetTextSignal(PageTables &t, int page, int slot)
{
    t.Text_Signal_Coord_X(page, slot) = 1;
    t.Text_Signal_Coord_Y(page, slot) = 1;
    t.Text_Signal_Border_Style(page, slot) = 0;
    t.Text_Signal_Color(page, slot) = 0;
    t.Text_Signal_Color_Fon(page, slot) = 0;
    t.Text_Signal_Miganie_Flag(page, slot) = 0;
    t.Text_Signal_Used(page, slot) = 0;
    t.Text_Signal_Text_Off(page, slot).clear();
    t.Text_Signal_Text_On(page, slot).clear();
    t.Text_Signal_Font_Size(page, slot) = 10;
}

} // namespace pelmora::element
