#pragma once
// The menu item's dialog `Menu_SCADA` ("Меню"): the item's number and the
// page it leads to. The caption is typed on the page itself; Ok takes it,
// and the item's place, from the item's text box.

#include "element_dialogs/element_dialog.h"
#include "elements/menu_element.h"

class QComboBox;
class QPushButton;

namespace pelmora {

class ElementOpeners;
class NumberBox;

class Menu_SCADA : public ElementDialog {
    Q_OBJECT

public:
    explicit Menu_SCADA(const ElementContext &c);

    NumberBox *Num_Menu_Text;
    QComboBox *List_Menu;
    QPushButton *Ok_Menu;
    QPushButton *Cancel_Menu;
    QPushButton *Delete_Menu;

    void Ok_Menu_Click();
    void Cancel_Menu_Click();
    void Delete_Menu_Click();

    void showFields(const element::MenuFields &f);
    element::MenuFields fields() const;

    static void Menu_Image_DblClick(ElementOpeners &openers, int Index);

protected:
    void storeElement(const element::SlotChoice &slot) override;
    void escapePressed() override { Cancel_Menu_Click(); }
};

} // namespace pelmora
