#include "element_dialogs/text_label.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"
#include "elements/bgr_colour.h"

#include <QLineEdit>
#include <QPushButton>

namespace pelmora {

using namespace element;

Text_Label::Text_Label(const ElementContext &c) : ElementDialog(c, Kind::StaticText, QStringLiteral("Елемент текст"))
{
    setFixedSize(420, 196);
    label(QStringLiteral("Номер тексту"), 12, 14, 110);
    Num_Label_Text_1 = new NumberBox(QStringLiteral("Num_Label_Text_1"), this);
    Num_Label_Text_1->setGeometry(126, 12, 60, 24);

    Text_Text_Label = new QLineEdit(QStringLiteral("Текст"), this);
    Text_Text_Label->setObjectName(QStringLiteral("Text_Text_Label"));
    Text_Text_Label->setMaxLength(kStaticTextLength);
    Text_Text_Label->setGeometry(12, 46, 396, 56);

    label(QStringLiteral("Колір тексту"), 12, 116, 110);
    Color_Text_Label = new ColourBox(QStringLiteral("Color_Text_Label"), this);
    Color_Text_Label->setGeometry(126, 114, 60, 24);
    Font_Text = button(QStringLiteral("Font_Text"), QStringLiteral("Шрифт"), 318, 113);

    Ok_Text_Label = button(QStringLiteral("Ok_Text_Label"), QStringLiteral("Ok"), 12, 156);
    Cancel_Text = button(QStringLiteral("Cancel_Text"), QStringLiteral("Відміна"), 165, 156);
    Delete_Text = button(QStringLiteral("Delete_Text"), QStringLiteral("Видалити"), 318, 156);

    connect(Color_Text_Label, &ColourBox::clicked, this, &Text_Label::Color_Text_Label_Click);
    connect(Font_Text, &QPushButton::clicked, this, &Text_Label::Font_Text_Click);
    connect(Ok_Text_Label, &QPushButton::clicked, this, &Text_Label::Ok_Text_Label_Click);
    connect(Cancel_Text, &QPushButton::clicked, this, &Text_Label::Cancel_Text_Click);
    connect(Delete_Text, &QPushButton::clicked, this, &Text_Label::Delete_Text_Click);

    font_.family = Text_Text_Label->font().family();
    font_.pointSize = 10;
    showFields(StaticTextFields{});
}

void Text_Label::showFields(const StaticTextFields &f)
{
    Num_Label_Text_1->setText(f.number);
    Text_Text_Label->setText(f.text);
    Color_Text_Label->setColour(f.colour);
    if (!f.font.family.isEmpty())
        font_ = f.font;
    showFont();
}

StaticTextFields Text_Label::fields() const
{
    StaticTextFields f;
    f.number = Num_Label_Text_1->text();
    f.text = Text_Text_Label->text();
    f.colour = Color_Text_Label->colour();
    f.font = font_;
    return f;
}

void Text_Label::showFont()
{
    Text_Text_Label->setFont(fontOf(font_));
    QPalette pal = Text_Text_Label->palette();
    pal.setColor(QPalette::Text, colourOf(Color_Text_Label->colour()));
    Text_Text_Label->setPalette(pal);
}

void Text_Label::Color_Text_Label_Click()
{
    if (chooseColour(Color_Text_Label))
        showFont();
}

void Text_Label::Font_Text_Click()
{
    // The font dialog with effects starts at the text box's font and colour;
    // the chosen font goes to the text box, the chosen colour to the text box
    // and the swatch. A cancelled dialog changes nothing.
    const auto chosen = Services::fonts().choose({fontOf(font_), colourOf(Color_Text_Label->colour())});
    if (!chosen)
        return;
    font_ = textFontOf(chosen->font);
    if (chosen->colour.isValid())
        Color_Text_Label->setColour(bgrOf(chosen->colour));
    showFont();
}

void Text_Label::Ok_Text_Label_Click() { okSlotted(Num_Label_Text_1->text()); }

void Text_Label::storeElement(const SlotChoice &slot)
{
    // A new text stands where the template stands.
    const auto view = shownOrTemplate(element::Kind::StaticText, slot.viewIndex);
    const StaticTextView v = storeStaticText(m_, page(), slot, fields(), view ? view->box.topLeft() : QPoint());
    views().showElement(element::Kind::StaticText, page(), slot.slot);
    // The record keeps the size in whole points and no underline or strike
    // out; the view shows the font as chosen.
    views().showFont(element::Kind::StaticText, page(), slot.slot, fontOf(v.font));
}

void Text_Label::Cancel_Text_Click() { leave(Way::Cancel); }

void Text_Label::Delete_Text_Click() { deleteSlotted(Num_Label_Text_1->text()); }

void Text_Label::Text_Label_Label_DblClick(ElementOpeners &openers, int Index)
{
    const ElementContext &c = openers.context();
    const auto view = c.views.shownView(element::Kind::StaticText, Index);
    if (!view)
        return;
    const int n = pages::slotOfIndex(element::Kind::StaticText, c.m.pages.Num_Stranica_SCADA, Index);
    if (n < 0 || n > kindInfo(Kind::StaticText).declaredBound)
        return;
    Text_Label &w = openers.showDialog<Text_Label>();
    TextViewState state;
    state.box = boxOf(*view);
    state.caption = view->caption;
    state.foreColour = view->foreColour;
    state.font = textFontOf(view->font);
    const auto opened = prefillStaticText(n, state);
    w.showFields(opened.fields);
    notify(opened.notices);
}

} // namespace pelmora
