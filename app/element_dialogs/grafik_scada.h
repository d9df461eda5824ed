#pragma once
// The graph window's dialog `Grafik_SCADA` ("Графік"): the place, size and
// graph group of the current page's graph window, or its removal. Sizes
// outside 120..240 x 60..150 are set to the nearest limit with a message.

#include "element_dialogs/element_dialog.h"
#include "elements/graph_element.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelmora {

class ElementOpeners;

class Grafik_SCADA : public ElementDialog {
    Q_OBJECT

public:
    explicit Grafik_SCADA(const ElementContext &c);

    QLineEdit *Coord_X_Grafik_Text;
    QLineEdit *Coord_Y_Grafik_Text;
    QLineEdit *Grafik_Width;
    QLineEdit *Grafik_Height;
    QComboBox *Grafik_Grup;
    QPushButton *Ok_Grafik;
    QPushButton *Cancel_Grafik;
    QPushButton *Delete_Grafik;

    void Ok_Grafik_Click();
    void Cancel_Grafik_Click();
    void Delete_Grafik_Click();

    void showFields(const element::GraphFields &f);
    element::GraphFields fields() const;

    // Grafik_Image_DblClick: the page's own graph window, whatever index was clicked.
    static void Grafik_Image_DblClick(ElementOpeners &openers, int Index);

protected:
    void escapePressed() override { Cancel_Grafik_Click(); }
};

} // namespace pelmora
