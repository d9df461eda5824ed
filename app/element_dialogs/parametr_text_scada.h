#pragma once
// The numeric parameter's dialog `Parametr_Text_SCADA` ("Елемент параметр"):
// place, digit count, font or the time format, frame, two colours with the
// background's eyedropper, and the block output or set-point it shows. The
// preview Par_Label shows the placeholder caption at the chosen width.

#include "element_dialogs/element_dialog.h"
#include "elements/parameter_element.h"

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
class ElementOpeners;
class EyedropperButton;
class NumberBox;

class Parametr_Text_SCADA : public ElementDialog {
    Q_OBJECT

public:
    explicit Parametr_Text_SCADA(const ElementContext &c);

    NumberBox *Num_Par_Text;
    QLineEdit *Coord_X_Parametr_Text;
    QLineEdit *Coord_Y_Parametr_Text;
    QComboBox *Parametr_Num_Znak;
    QComboBox *Parametr_Shrift;
    QCheckBox *Parametr_Ramka;
    ColourBox *Color_Text;
    ColourBox *Color_Text_Fon;
    EyedropperButton *Pipetka_key; // the background colour
    pages::ElementLabel *Par_Label;
    QCheckBox *Out_Zad;
    BindingPanel *binding; // Num_Block_Par_Text and Num_OUT_Par
    QLineEdit *Num_Block_Par_Text;
    QLabel *Label9;
    QComboBox *Num_OUT_Par;
    QPushButton *Ok_Parametr;
    QPushButton *Cancel_Par;
    QPushButton *Delete_Parametr;

    void Form_Load();
    void Num_Par_Text_Change();
    void Parametr_Num_Znak_Click();
    void Parametr_Shrift_Click();
    void Parametr_Ramka_Click();
    void Color_Text_Click();
    void Color_Text_Fon_Click();
    void Pipetka_key_Click();
    void Out_Zad_Click();
    void Ok_Parametr_Click();
    void Cancel_Par_Click();
    void Delete_Parametr_Click();

    void showFields(const element::ParameterFields &f);
    element::ParameterFields fields() const;

    static void Parametr_Label_DblClick(ElementOpeners &openers, int Index);

protected:
    void storeElement(const element::SlotChoice &slot) override;
    void escapePressed() override { Cancel_Par_Click(); }

private:
    void showPreview();
};

} // namespace pelmora
