#pragma once
// The warning banner's dialog `Varning` ("Попередження"): the banner's page
// ("No" removes it), its place, its two colours with their eyedroppers, and
// the block output it shows. The banner is one record for the project; its
// view is the main window's text box Varning_Text.

#include "element_dialogs/element_dialog.h"
#include "elements/varning_element.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

class BindingPanel;
class ElementOpeners;
class EyedropperButton;

class Varning : public ElementDialog {
    Q_OBJECT

public:
    explicit Varning(const ElementContext &c);

    QComboBox *Num_Sheet_Var;
    QLineEdit *Coord_X_Text_Var;
    QLineEdit *Coord_Y_Text_Var;
    ColourBox *Color_Text_Var;
    ColourBox *Color_Fon_Var;
    EyedropperButton *Pipetka_key;   // the background colour
    EyedropperButton *Pipetka_key_1; // the text colour
    QLabel *Label_Var;               // preview of the two colours
    BindingPanel *binding;           // Num_Block_Var_Text and Num_OUT_Text_Var
    QLineEdit *Num_Block_Var_Text;
    QComboBox *Num_OUT_Text_Var;
    QPushButton *OKButton;
    QPushButton *CancelButton;

    void Form_Load();
    void Color_Text_Var_Click();
    void Color_Fon_Var_Click();
    void Pipetka_key_Click();
    void Pipetka_key_1_Click();
    void OKButton_Click();
    void CancelButton_Click();

    void showFields(const element::VarningFields &f);
    element::VarningFields fields() const;

    // MnuJurnSignal_Click, also the double-click on the warning line.
    static void MnuJurnSignal_Click(ElementOpeners &openers, int Index);

protected:
    void escapePressed() override { CancelButton_Click(); }

private:
    void showPreview();
};

} // namespace pelmora
