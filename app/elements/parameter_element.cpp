#include "elements/parameter_element.h"

#include "elements/box_numbers.h"
#include "elements/element_codec.h"

#include <cmath>

namespace pelmora::element {

QStringList parameterDigitNames()
{
    return {QStringLiteral("2 "), QStringLiteral("3 "), QStringLiteral("4 "), QStringLiteral("5 "),
            QStringLiteral("6 ")};
}

QStringList parameterFontNames()
{
    return {QStringLiteral("1 "), QStringLiteral("2 "), QStringLiteral("3"), QStringLiteral("4"),
            QStringLiteral("Time!")};
}

QString label9Caption(bool setpoint)
{
    return setpoint ? QStringLiteral("Номер задавача") : QStringLiteral("Номер виходу");
}

std::optional<PreviewFont> parameterPreviewFont(int fontChoice)
{
    switch (fontChoice) {
    case 0: return PreviewFont{10, true};
    case 1: return PreviewFont{14, false};
    case 2: return PreviewFont{14, true};
    case 3: return PreviewFont{25, false};
    case kParameterTimeFormatChoice: return PreviewFont{24, true};
    default: return std::nullopt;
    }
}

QString parameterPreviewCaption(const QString &numberText, int digits)
{
    const long long n = elementNumber(numberText);
    const int zeros = std::max(0, n <= 9 ? digits + 1 : digits);
    return QString(zeros, QLatin1Char('0')) + QString::number(n);
}

ParameterFields designParameter(const ProjectModel &m)
{
    ParameterFields f;
    parameterBlockChanged(m, f);
    return f;
}

void parameterBlockChanged(const ProjectModel &m, ParameterFields &f)
{
    f.outputs = bindingList(m, f.block, f.setpoint);
}

void parameterSetpointClicked(const ProjectModel &m, ParameterFields &f) { parameterBlockChanged(m, f); }

void parameterFontChosen(ParameterFields &f, int font)
{
    f.font = font;
    if (font == kParameterTimeFormatChoice)
        f.digits = 0;
}

Opened<ParameterFields> prefillParameter(const ProjectModel &m, int page, int slot, const ViewBox &view)
{
    const PageTables &t = m.pages;
    Opened<ParameterFields> o{designParameter(m), {}};
    ParameterFields &f = o.fields;

    f.number = QString::number(slot);
    f.x = QString::number(view.left);
    f.y = QString::number(view.top);
    const int digits = t.Parametr_Digits(page, slot);
    f.digits = digits <= 4 ? digits : -1;
    f.frame = t.Parametr_Border_Style(page, slot) != 0;
    f.colour = t.Parametr_Color(page, slot);
    f.colourFon = t.Parametr_Color_Fon(page, slot);
    const int font = parameterFontChoice(t.Parametr_Font_Size(page, slot));
    parameterFontChosen(f, font >= 0 && font <= kParameterTimeFormatChoice ? font : -1);
    const int block = t.Parametr_Num_Block(page, slot);
    f.block = QString::number(block);
    parameterBlockChanged(m, f);
    const int out = t.Parametr_Num_OUT(page, slot);
    f.setpoint = parameterSetpoint(out);
    parameterSetpointClicked(m, f);
    const int position = parameterOutPosition(out, blockTypeOf(m, block).value_or(0));
    if (!f.outputs.select(position))
        o.notices.push_back(critical(kOutputErrorY));
    return o;
}

ParameterView storeParameter(ProjectModel &m, int page, const SlotChoice &slot, ParameterFields &f)
{
    PageTables &t = m.pages;
    const int n = slot.slot;
    t.Parametr_Coord_X(page, n) = int16Box(f.x);
    t.Parametr_Coord_Y(page, n) = int16Box(f.y);
    if (f.font == kParameterTimeFormatChoice)
        f.digits = 0;
    const int digits = std::max(f.digits, 0);
    const int size = parameterFontSize(f.font).value_or(10);
    t.Parametr_Digits(page, n) = static_cast<std::uint8_t>(digits);
    t.Parametr_Border_Style(page, n) = f.frame ? 1 : 0;
    t.Parametr_Font_Size(page, n) = static_cast<std::uint8_t>(size);
    t.Parametr_Color(page, n) = f.colour;
    t.Parametr_Color_Fon(page, n) = f.colourFon;
    const double block = std::fabs(boxNumber(f.block));
    t.Parametr_Num_Block(page, n) = byteField(block);
    const int type = blockTypeOf(m, wholeNumber(block)).value_or(0);
    t.Parametr_Num_OUT(page, n) = byteField(parameterOutPack(f.outputs.storedPosition() & 127, f.setpoint, type));

    // The next parameter inserted on the page starts with this look.
    t.Parametr_Coord_X(page, 0) = t.Parametr_Coord_X(page, n);
    t.Parametr_Coord_Y(page, 0) = t.Parametr_Coord_Y(page, n);
    t.Parametr_Digits(page, 0) = t.Parametr_Digits(page, n);
    t.Parametr_Border_Style(page, 0) = t.Parametr_Border_Style(page, n);
    t.Parametr_Font_Size(page, 0) = t.Parametr_Font_Size(page, n);
    t.Parametr_Color(page, 0) = t.Parametr_Color(page, n);
    t.Parametr_Color_Fon(page, 0) = t.Parametr_Color_Fon(page, n);
    t.Parametr_Used(page, n) = 1;

    ParameterView v;
    v.viewIndex = slot.viewIndex;
    v.left = t.Parametr_Coord_X(page, n);
    v.top = t.Parametr_Coord_Y(page, n);
    v.foreColor = f.colour;
    v.backColor = f.colourFon;
    v.borderStyle = f.frame ? 1 : 0;
    v.caption = parameterPreviewCaption(QString::number(n), digits);
    v.font = parameterPreviewFont(f.font).value_or(PreviewFont{10, true});
    return v;
}

void resetParameter(PageTables &t, int page, int slot)
{
    t.Parametr_Coord_X(page, slot) = 0;
    t.Parametr_Coord_Y(page, slot) = 0;
    t.Parametr_Digits(page, slot) = 0;
    t.Parametr_Border_Style(page, slot) = 0;
    t.Parametr_Font_Size(page, slot) = 0;
    t.Parametr_Color(page, slot) = 0;
    t.Parametr_Color_Fon(page, slot) = 0;
    t.Parametr_Used(page, slot) = 0;
}

} // namespace pelmora::element
