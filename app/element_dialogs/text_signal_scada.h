#pragma once
// The text signal's dialog `Text_Signal_SCADA` ("Елемент текстова
// сигналізація"): place, list number, the off and on texts or the number
// mode, font, two colours with eyedroppers, frame, blinking, the report
// choice "Звіт", and the block output or set-point it shows. The preview
// Text_Sign_Label shows the texts and colours as the page view will.

#include "element_dialogs/element_dialog.h"
#include "elements/text_signal_element.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

namespace pages {
class ElementLabel;
}

class BindingPanel;
class BlinkPreview;
class ElementOpeners;
class EyedropperButton;
class NumberBox;

class Text_Signal_SCADA : public ElementDialog {
    Q_OBJECT

public:
    explicit Text_Signal_SCADA(const ElementContext &c);

    NumberBox *Num_Text_Signal_Text;
    QLineEdit *Coord_X_Text_Signal_Text;
    QLineEdit *Coord_Y_Text_Signal_Text;
    QLabel *Label4;
    QLineEdit *Text_Signal; // the off text
    QLabel *Label8;
    QLineEdit *Text_Signal_1; // the on text
    QComboBox *Text_Signal_Shrift;
    QComboBox *Spisok_Text_Signal;
    QCheckBox *Text_Num;
    QCheckBox *Out_Sp;
    QCheckBox *Rep_Arch;
    ColourBox *Color_Text_Signal;
    ColourBox *Color_Text_Signal_Fon;
    EyedropperButton *Pipetka_key;   // the background colour
    EyedropperButton *Pipetka_key_1; // the text colour
    QCheckBox *Text_Signal_Ramka;
    QCheckBox *Text_Signal_Miganie;
    pages::ElementLabel *Text_Sign_Label;
    BlinkPreview *Text_Signal_Timer_Miganie;
    BindingPanel *binding; // Num_Block_Sign_Text_Text and Num_OUT_Sign_Text
    QLineEdit *Num_Block_Sign_Text_Text;
    QComboBox *Num_OUT_Sign_Text;
    QPushButton *Ok_Text_Signal;
    QPushButton *Cancel_Text_Signal;
    QPushButton *Delete_Text_Signal;

    void Form_Load();
    void Out_Sp_Click();
    void Text_Num_Click();
    void Spisok_Text_Signal_Click();
    void Text_Signal_Change();
    void Text_Signal_Shrift_Click();
    void Text_Signal_Ramka_Click();
    void Text_Signal_Miganie_Click();
    void Color_Text_Signal_Click();
    void Color_Text_Signal_Fon_Click();
    void Pipetka_key_Click();
    void Pipetka_key_1_Click();
    void Ok_Text_Signal_Click();
    void Delete_Text_Signal_Click();
    void Cancel_Text_Signal_Click();

    void showFields(const element::TextSignalFields &f);
    element::TextSignalFields fields() const;

    static void Text_Signal_Picture_DblClick(ElementOpeners &openers, int Index);

protected:
    void storeElement(const element::SlotChoice &slot) override;
    void escapePressed() override { Cancel_Text_Signal_Click(); }

private:
    void showPreviewColours();
    int fontSize_ = 10; // the preview's font size, which Ok stores
};

} // namespace pelmora
