#pragma once
// The control button's dialog `Image_Control` without its window. The kind
// (0..19) fixes the element's size on the page; the picture is the kind's
// built-in one or a picture file. A button of kind 13 is stored 10 pixels
// below its view's top edge, and a new one also 10 pixels left of where it
// was typed. The channel list offers 1..4, or 1..255 for a block of type 50.

#include "elements/binding_lists.h"
#include "elements/dialog_common.h"
#include "elements/slot_choice.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

namespace pelmora::element {

inline constexpr int kControlKinds = 20;
// The kind the insertion template shows ("СТОП"): a new button is of this kind
// until its dialog chooses another.
inline constexpr int kNewControlKeyType = 1;

struct ControlFields {
    QString number = QStringLiteral("0"); // Num_Control_Text
    QString x = QStringLiteral("1");      // Coord_X_Control_Text
    QString y = QStringLiteral("1");      // Coord_Y_Control_Text
    QString width = QStringLiteral("1");  // Control_Width: the preview frame only
    QString height = QStringLiteral("1"); // Control_Height
    QString gifName;                      // Name_Control_Gif
    int keyType = kNewControlKeyType;     // Type_Key (design text "СТОП")
    QString block = QStringLiteral("0");  // Num_Block_Contr_Text
    ChoiceList channels;                  // Num_OUT_Contr
    bool operator==(const ControlFields &) const = default;
};

QStringList controlKindNames(); // the 20 entries of Type_Key
// The element's size on the page for a kind: 40 x 40, 105 x 40 for kinds 10
// and 11, 33 x 45 for 12, 60 x 60 for 13.
QSize controlKindSize(int keyType);

ControlFields designControl();
void controlBlockChanged(const ProjectModel &m, ControlFields &f); // Num_Block_Contr_Text_Change

// Load_Control_GIF_Click after the file dialog gave `path`: the picture, its
// size in the two size boxes and the path in the file name box; a file that
// is no picture gives "Не правильний тип файлу" and changes nothing.
struct ChosenPicture {
    std::optional<QImage> picture;
    Notices notices;
};
ChosenPicture chooseControlPicture(ControlFields &f, const QString &path);

ViewBox controlViewBox(const PageTables &t, int page, int slot);

// Control_Image_DblClick's prefill from the record and the view; the preview
// shows the view's own picture. Guarded: "Помилка номера выходу!!!".
Opened<ControlFields> prefillControl(const ProjectModel &m, int page, int slot, const ViewBox &view);

// What Ok sets on Control_Image(viewIndex); its picture is the preview's.
struct ControlView {
    int viewIndex = 0;
    ViewBox box;
};
ControlView storeControl(ProjectModel &m, int page, const SlotChoice &slot, const ControlFields &f);

// Delete's reset: size 40 x 40, no picture file, kind 0; the binding stays.
void resetControl(PageTables &t, int page, int slot);

} // namespace pelmora::element
