#pragma once
// The static text's dialog `Text_Label` ("Елемент текст"): the text, its
// colour and its font, shown in the text box as they will look on the page.
// The record and the view come from the core (static_text_element.h).

#include "element_dialogs/element_dialog.h"
#include "elements/static_text_element.h"

class QLineEdit;
class QPushButton;

namespace pelmora {

class ElementOpeners;
class NumberBox;

class Text_Label : public ElementDialog {
    Q_OBJECT

public:
    explicit Text_Label(const ElementContext &c);

    NumberBox *Num_Label_Text_1;
    QLineEdit *Text_Text_Label;
    ColourBox *Color_Text_Label;
    QPushButton *Font_Text;
    QPushButton *Ok_Text_Label;
    QPushButton *Cancel_Text;
    QPushButton *Delete_Text;

    void Color_Text_Label_Click();
    void Font_Text_Click();
    void Ok_Text_Label_Click();
    void Cancel_Text_Click();
    void Delete_Text_Click();

    void showFields(const element::StaticTextFields &f);
    element::StaticTextFields fields() const;

    // Text_Label_Label_DblClick: the dialog filled from the text's view.
    static void Text_Label_Label_DblClick(ElementOpeners &openers, int Index);

protected:
    void storeElement(const element::SlotChoice &slot) override;
    void escapePressed() override { Cancel_Text_Click(); }

private:
    void showFont();
    element::TextFont font_; // the text box's font, its size exact
};

} // namespace pelmora
