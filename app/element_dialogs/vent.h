#pragma once
// The mechanism's dialog `Vent` ("Елемент механізм"): its place, one of 23
// built-in pictures picked in a grid (the frame LabelVent marks the pick),
// whether it is drawn with its background, and the block output that drives
// it. Picture 22 is the user's mechanism: a double-click on it opens the
// mechanism phase editor, which hands back the phase-0 picture in
// GIF_MECHANIZM; Vent is disabled while the editor is open.

#include "element_dialogs/element_dialog.h"
#include "elements/mechanism_element.h"

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora {

class BindingPanel;
class ElementOpeners;
class NumberBox;

class Vent : public ElementDialog {
    Q_OBJECT

public:
    explicit Vent(const ElementContext &c);

    NumberBox *Num_Vent_Text;
    QLineEdit *Coord_X_Vent_Text;
    QLineEdit *Coord_Y_Vent_Text;
    QLineEdit *Vent_Width;  // shown only
    QLineEdit *Vent_Height; // shown only
    QCheckBox *Fon_Vent;
    BindingPanel *binding; // Num_Block_Vent and Num_OUT_Vent
    QLineEdit *Num_Block_Vent;
    QComboBox *Num_OUT_Vent;
    std::array<QLabel *, element::kVentPictures> PictureVent{};
    QLabel *LabelVent;
    QLabel *GIF_MECHANIZM; // the user mechanism's phase-0 picture, never shown
    QPushButton *Ok_Vent;
    QPushButton *Cancel_Vent;
    QPushButton *Delete_Vent;

    // Opens the mechanism phase editor over `vent` (which is disabled by
    // then); the editor puts the phase-0 picture into vent.GIF_MECHANIZM and
    // enables vent again when it closes. By default this is the phase editor
    // window; tests put a probe in its place.
    static std::function<void(Vent &vent)> openPhaseEditor;

    void PictureVent_Click(int Index);
    void PictureVent_DblClick(int Index);
    void Ok_Vent_Click();
    void Cancel_Vent_Click(int Index);
    void Delete_Vent_Click();

    void showFields(const element::MechanismFields &f);
    element::MechanismFields fields() const;

    static void Ventilator_Picture_DblClick(ElementOpeners &openers, int Index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void storeElement(const element::SlotChoice &slot) override;
    void escapePressed() override { Cancel_Vent_Click(0); }

private:
    void frameChoice(int code);
    int picture_ = 0;
};

} // namespace pelmora
