#pragma once
// The transition's dialog `Go_Block_SCADA` ("Блок "): the block the
// transition leads to, or with 97, 98 and 0 a SCADA page, a graph group or
// the text signalling, chosen in one list; the process screen with its
// set-point ("Процес"), the lock and the double field. The target code and
// the lists follow the project's page count (the core's rules).

#include "element_dialogs/element_dialog.h"
#include "elements/transition_element.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

class ElementOpeners;
class NumberBox;

class Go_Block_SCADA : public ElementDialog {
    Q_OBJECT

public:
    explicit Go_Block_SCADA(const ElementContext &c);

    NumberBox *Num_Go_Block_Text;
    QLineEdit *Num_Block_Text;
    QLabel *Label3;
    QComboBox *Num_Graf_SCADA;
    QCheckBox *Go_Dubl;
    QCheckBox *Blokirovka;
    QCheckBox *Process_Sozdat;
    QPushButton *Ok_Go_Block;
    QPushButton *Cancel_Go_Block;
    QPushButton *Delete_Go_Block;

    void Form_Load();
    void Num_Block_Text_Change();
    void Process_Sozdat_Click();
    void Blokirovka_Click() {}
    void Ok_Go_Block_Click();
    void Cancel_Go_Block_Click();
    void Delete_Go_Block_Click();

    void showFields(const element::TransitionFields &f);
    element::TransitionFields fields() const;

    static void Go_Block_Label_DblClick(ElementOpeners &openers, int Index);

protected:
    void storeElement(const element::SlotChoice &slot) override;
    void escapePressed() override { Cancel_Go_Block_Click(); }
};

} // namespace pelmora
