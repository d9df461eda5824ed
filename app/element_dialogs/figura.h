#pragma once
// The figure's dialog `Figura` ("Геометрична фігура"): a rectangle or a
// circle, its size, line width and line colour. The opener reads the
// figure's view; Ok writes the record from the view's place and the dialog.

#include "element_dialogs/element_dialog.h"
#include "elements/figure_element.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

class ElementOpeners;
class NumberBox;

class Figura : public ElementDialog {
    Q_OBJECT

public:
    explicit Figura(const ElementContext &c);

    NumberBox *Num_Figura_Text;
    QLabel *Label3;
    QLineEdit *Razmer_X_Figura_Text;
    QLineEdit *Razmer_Y_Figura_Text;
    QComboBox *Type_Figura1;
    QLineEdit *Width_Line_Figura_Text1;
    ColourBox *Color_Figura;
    QPushButton *Ok_Figura;
    QPushButton *Cancel_Figura;
    QPushButton *Delete_Figura;

    void Type_Figura1_Click();
    void Color_Figura_Click();
    void Ok_Figura_Click();
    void Cancel_Figura_Click();
    void Delete_Figura_Click();

    void showFields(const element::FigureFields &f);
    element::FigureFields fields() const;

    static void ShapePlus1_DblClick(ElementOpeners &openers, int Index);

protected:
    void storeElement(const element::SlotChoice &slot) override;
    void escapePressed() override { Cancel_Figura_Click(); }
};

} // namespace pelmora
