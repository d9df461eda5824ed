#pragma once
// The signal indicator's dialog `Signal_SCADA` without its window: the fields
// it shows, what its handlers do to them, the opener's prefill from a record
// and its view, Ok's store and Delete's reset.
//
// The record packs the list number into the top edge (Y + list * 1024) and
// the shape into the sizes (W + (shape AND 3) * 64, H + (shape DIV 4) * 64);
// elements/element_codec.h holds that packing.

#include "elements/binding_lists.h"
#include "elements/dialog_common.h"
#include "elements/slot_choice.h"

#include <QString>
#include <cstdint>
#include <utility>

namespace pelmora::element {

inline constexpr int kSignalShapes = 9; // Type_SIGNAL entries 0..8

struct SignalFields {
    QString number = QStringLiteral("0"); // Num_Signal_Text
    QString x = QStringLiteral("1");      // Coord_X_Signal_Text
    QString y = QStringLiteral("1");      // Coord_Y_Signal_Text
    QString width = QStringLiteral("1");  // Signal_Width
    QString height = QStringLiteral("1"); // Signal_Height
    bool widthEnabled = true;
    bool heightEnabled = true;
    int shape = -1;                      // Type_SIGNAL, 0..8
    int list = -1;                       // Spisok_Signal, 0 "Немає", 1..31
    std::int32_t colour = 0;             // Color_Signal
    std::int32_t colourFon = 0;          // Color_Signal_Fon
    bool frame = false;                  // Signal_Ramka, and the preview's Border_Style
    bool frameEnabled = true;            // only the rectangle and the circle take a frame
    bool blink = false;                  // Signal_Miganie
    QString block = QStringLiteral("0"); // Num_Block_Sign_Text
    ChoiceList outputs;                  // Num_OUT_Sign
    bool operator==(const SignalFields &) const = default;
};

// The entries of Type_SIGNAL and Spisok_Signal.
QStringList signalShapeNames();
QStringList signalListNames();
// Label4 and Label5 for a shape: "Розмір X"/"Розмір Y", or for the line (8)
// "Координата X1"/"Координата Y1".
std::pair<QString, QString> signalSizeLabels(int shape);

// A fresh dialog after Form_Load: the design values and the output list of block 0.
SignalFields designSignal(const ProjectModel &m);

// Handlers. Each changes the fields as the control's handler does, with the
// handlers of the boxes it writes; the notices are the corrections it shows.
void signalBlockChanged(const ProjectModel &m, SignalFields &f); // Num_Block_Sign_Text_Change
Notices signalShapeChosen(SignalFields &f, int shape);           // Type_SIGNAL_Click
Notices signalWidthChanged(SignalFields &f);                     // Signal_Width_Change
Notices signalHeightChanged(SignalFields &f);                    // Signal_Height_Change

// The view of a restored signal: its stored left, the top without the list
// number, the sizes without the shape bits.
ViewBox signalViewBox(const PageTables &t, int page, int slot);

// Signal_Picture_DblClick's prefill of slot n of the page (0: the template),
// from the record and the view's place and size. Its guarded step is the
// output: "Помилка номера выходу!!!".
Opened<SignalFields> prefillSignal(const ProjectModel &m, int page, int slot, const ViewBox &view);

// What Ok sets on the view Signal_Picture(viewIndex).
struct SignalView {
    int viewIndex = 0;
    ViewBox box;
    int shape = 0;              // Type_Signal
    std::int32_t foreColor = 0; // ForeColor (the page's blink timer repaints it from the record)
    int borderStyle = 0;        // Border_Style
};
struct SignalStored {
    SignalView view;
    Notices notices; // the sizes set back to 2, in order
};
// Ok after the slot choice: corrects sizes below 2 in the fields (with their
// messages) and writes the record of the chosen slot.
SignalStored storeSignal(ProjectModel &m, int page, const SlotChoice &slot, SignalFields &f);

// Delete's reset values; the binding stays in the freed slot.
void resetSignal(PageTables &t, int page, int slot);

} // namespace pelmora::element
