#pragma once
// The mechanism's dialog `Vent` without its window. The picked picture code
// (0..22) is Vent_Picture_Choice, shared by the opener and the dialog; the
// record keeps the size of the picked built-in picture, and the page's
// background words keep whether the element is drawn without background
// (only the fans then show their impeller alone). Picture 22 is the user's
// mechanism, drawn from its phase pictures.

#include "elements/binding_lists.h"
#include "elements/dialog_common.h"
#include "elements/element_codec.h"
#include "elements/slot_choice.h"

#include <QPoint>
#include <QSize>
#include <QString>

namespace pelmora::element {

inline constexpr int kVentPictures = 23;  // picture codes 0..22
inline constexpr int kUserMechanism = 22; // drawn from the phase pictures

struct MechanismFields {
    QString number = QStringLiteral("0"); // Num_Vent_Text
    QString x = QStringLiteral("1");      // Coord_X_Vent_Text
    QString y = QStringLiteral("1");      // Coord_Y_Vent_Text
    QString width;                        // Vent_Width: shown only, Ok does not read it
    QString height;                       // Vent_Height
    int picture = 0;                      // Vent_Picture_Choice, framed by LabelVent
    bool background = true;               // Fon_Vent ("Фон ")
    QString block = QStringLiteral("0");  // Num_Block_Vent
    ChoiceList outputs;                   // Num_OUT_Vent
    bool operator==(const MechanismFields &) const = default;
};

// The size of the built-in picture of a code as the dialog shows it; the
// impellers are 28 x 28 and 20 x 20.
QSize ventPictureSize(int code);
QSize ventImpellerSize(VentLook impeller);
// Where LabelVent frames picture c in the dialog: ((c AND 7) * 100 + 6, (c \ 8) * 65 + 121) pixels.
QPoint ventMarkerPos(int code);

MechanismFields designMechanism();
void mechanismBlockChanged(const ProjectModel &m, MechanismFields &f); // Num_Block_Vent_Change
// PictureVent_Click: the picked code, in the fields and in Vent_Picture_Choice.
void mechanismPictureClicked(ProjectModel &m, MechanismFields &f, int code);

ViewBox mechanismViewBox(const PageTables &t, int page, int slot);

// Ventilator_Picture_DblClick's prefill; it sets Vent_Picture_Choice to the
// element's code. Guarded: "Помилка номера виходу!!!".
Opened<MechanismFields> prefillMechanism(ProjectModel &m, int page, int slot, const ViewBox &view);

// What Ok sets on Ventilator_Picture(viewIndex): its place, and its picture:
// the code's own, an impeller, or (code 22) the phase-0 picture the dialog
// holds, each at its own size; `size` is that of the built-in pictures.
struct MechanismView {
    int viewIndex = 0;
    QPoint pos;
    VentLook look = VentLook::Picture;
    int picture = 0;
    QSize size;
};
MechanismView storeMechanism(ProjectModel &m, int page, const SlotChoice &slot, const MechanismFields &f);

// Delete's reset: position, size and code 0, drawn without background; the
// binding stays.
void resetMechanism(PageTables &t, int page, int slot);

} // namespace pelmora::element
