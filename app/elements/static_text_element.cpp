#include "elements/static_text_element.h"

#include "elements/box_numbers.h"
#include "elements/element_codec.h"

namespace pelmora::element {

TextFont textFontOf(const QFont &font)
{
    return {font.family(), font.pointSizeF(), font.bold(), font.italic(), font.underline(), font.strikeOut()};
}

QFont fontOf(const TextFont &font)
{
    QFont f(font.family);
    if (font.pointSize > 0)
        f.setPointSizeF(font.pointSize);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeout);
    return f;
}

TextViewState staticTextViewState(const PageTables &t, int page, int slot, const TextFont &templateFont)
{
    TextViewState v;
    v.box = {t.Text_Label_Coord_X(page, slot), t.Text_Label_Coord_Y(page, slot), 0, 0};
    v.caption = t.Text_Label_Text(page, slot);
    v.foreColour = t.Text_Label_Color(page, slot);
    v.font = templateFont;
    if (!t.Text_Label_Font_Name(page, slot).isEmpty())
        v.font.family = t.Text_Label_Font_Name(page, slot);
    v.font.bold = flagSet(t.Text_Label_Font_Bold(page, slot));
    v.font.italic = flagSet(t.Text_Label_Font_Italic(page, slot));
    if (t.Text_Label_Font_Size(page, slot) > 0)
        v.font.pointSize = t.Text_Label_Font_Size(page, slot);
    return v;
}

Opened<StaticTextFields> prefillStaticText(int slot, const TextViewState &view)
{
    Opened<StaticTextFields> o;
    o.fields.number = QString::number(slot);
    o.fields.colour = view.foreColour;
    o.fields.text = view.caption;
    o.fields.font = view.font;
    return o;
}

StaticTextView storeStaticText(ProjectModel &m, int page, const SlotChoice &slot, const StaticTextFields &f,
                               QPoint viewPos)
{
    PageTables &t = m.pages;
    const int n = slot.slot;
    t.Text_Label_Coord_X(page, n) = int16Field(viewPos.x());
    t.Text_Label_Coord_Y(page, n) = int16Field(viewPos.y());
    t.Text_Label_Color(page, n) = f.colour;
    t.Text_Label_Text(page, n) = f.text;
    t.Text_Label_Font_Name(page, n) = f.font.family;
    t.Text_Label_Font_Bold(page, n) = flagOf(f.font.bold);
    t.Text_Label_Font_Italic(page, n) = flagOf(f.font.italic);
    t.Text_Label_Font_Size(page, n) = byteField(f.font.pointSize);
    t.Text_Label_Used(page, n) = 1;

    StaticTextView v;
    v.viewIndex = slot.viewIndex;
    v.foreColour = f.colour;
    v.caption = f.text;
    v.font = f.font;
    return v;
}

void resetStaticText(PageTables &t, int page, int slot)
{
    t.Text_Label_Used(page, slot) = 0;
    t.Text_Label_Coord_X(page, slot) = 0;
    t.Text_Label_Coord_Y(page, slot) = 0;
    t.Text_Label_Color(page, slot) = 0;
    t.Text_Label_Text(page, slot).clear();
    t.Text_Label_Font_Size(page, slot) = 10;
}

} // namespace pelmora::element
