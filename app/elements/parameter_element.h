#pragma once
// The numeric parameter's dialog `Parametr_Text_SCADA` without its window.
//
// The output byte holds the list position with bit 7 for a set-point, and 2
// more for a set-point of a block of type 4; the font size byte holds 10, 14,
// 18 or 25 points, or 24 for the time format, which always has the digit
// choice 0. Opening writes nothing: a time-format element opens with the
// digit choice 0 in the dialog and Ok stores it. Ok copies the element's look
// into slot 0 of the page, where the next insertion takes it from.

#include "elements/binding_lists.h"
#include "elements/dialog_common.h"
#include "elements/slot_choice.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace pelmora::element {

struct ParameterFields {
    QString number = QStringLiteral("0"); // Num_Par_Text
    QString x = QStringLiteral("1");      // Coord_X_Parametr_Text
    QString y = QStringLiteral("1");      // Coord_Y_Parametr_Text
    int digits = -1;                      // Parametr_Num_Znak: 0..4 = 2..6 digits
    int font = -1;                        // Parametr_Shrift: 0..3, 4 "Time!"
    bool frame = false;                   // Parametr_Ramka, and the preview's border
    std::int32_t colour = 0x00C0FFFF;     // Color_Text
    std::int32_t colourFon = 0x00FF0000;  // Color_Text_Fon
    QString block = QStringLiteral("0");  // Num_Block_Par_Text
    bool setpoint = false;                // Out_Zad
    ChoiceList outputs;                   // Num_OUT_Par
    bool operator==(const ParameterFields &) const = default;
};

QStringList parameterDigitNames();    // "2 ".."6 "
QStringList parameterFontNames();     // "1 ", "2 ", "3", "4", "Time!"
QString label9Caption(bool setpoint); // "Номер задавача" / "Номер виходу"

// How the preview and the page view show a font choice: 10 bold, 14 regular,
// 18 as 14 bold, 25 regular, the time format 24 bold.
struct PreviewFont {
    int pointSize = 14;
    bool bold = false;
    bool operator==(const PreviewFont &) const = default;
};
std::optional<PreviewFont> parameterPreviewFont(int fontChoice);

// The preview's caption: for element number n and digit choice d, d + 1
// zeros and n when n <= 9, else d zeros and n ("0007" for 7 with four digits).
QString parameterPreviewCaption(const QString &numberText, int digits);

ParameterFields designParameter(const ProjectModel &m);
void parameterBlockChanged(const ProjectModel &m, ParameterFields &f);    // Num_Block_Par_Text_Change
void parameterSetpointClicked(const ProjectModel &m, ParameterFields &f); // Out_Zad_Click
void parameterFontChosen(ParameterFields &f, int font); // Parametr_Shrift_Click: "Time!" chooses 2 digits

// Parametr_Label_DblClick's prefill; guarded from the set-point box on:
// "Помилка номера выходу!!!".
Opened<ParameterFields> prefillParameter(const ProjectModel &m, int page, int slot, const ViewBox &view);

// What Ok sets on Parametr_Label(viewIndex); the template's caption goes back to "0".
struct ParameterView {
    int viewIndex = 0;
    int left = 0, top = 0;
    std::int32_t foreColor = 0;
    std::int32_t backColor = 0;
    int borderStyle = 0;
    QString caption;
    PreviewFont font;
};
ParameterView storeParameter(ProjectModel &m, int page, const SlotChoice &slot, ParameterFields &f);

// Delete's reset: every field but the binding to 0.
void resetParameter(PageTables &t, int page, int slot);

} // namespace pelmora::element
