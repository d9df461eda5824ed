#pragma once
// The text signal's dialog `Text_Signal_SCADA` without its window: fields,
// handlers, the opener's prefill, Ok's store and Delete's reset.
//
// The record packs the list number into the top edge (Y + list * 1024), the
// set-point choice into bit 7 of the frame byte and the number mode into bit
// 7 of the output byte; a set-point index is stored without any offset.
// The report signal Rep_Arch_Signal names a slot: "Звіт" is ticked only on
// the text signal it names, and Ok clears it only there.

#include "elements/binding_lists.h"
#include "elements/dialog_common.h"
#include "elements/slot_choice.h"

#include <QString>
#include <cstdint>
#include <utility>

namespace pelmora::element {

struct TextSignalFields {
    QString number = QStringLiteral("0");        // Num_Text_Signal_Text
    QString x = QStringLiteral("1");             // Coord_X_Text_Signal_Text
    QString y = QStringLiteral("1");             // Coord_Y_Text_Signal_Text
    QString textOff = QStringLiteral("Текст 1"); // Text_Signal, at most 12 characters
    QString textOn = QStringLiteral("Текст 2");  // Text_Signal_1, at most 12 characters
    int fontChoice = -1;                         // Text_Signal_Shrift: "1 " 10 points, "2 " 14 points
    int fontSize = 10;                           // the preview's font size, which Ok stores
    int list = -1;                               // Spisok_Text_Signal: "No", "1".."31"
    bool numberMode = false;                     // Text_Num
    bool setpoint = false;                       // Out_Sp
    bool report = false;                         // Rep_Arch
    std::int32_t colour = 0;                     // Color_Text_Signal
    std::int32_t colourFon = 0;                  // Color_Text_Signal_Fon
    bool frame = false;                          // Text_Signal_Ramka
    bool blink = false;                          // Text_Signal_Miganie
    QString block = QStringLiteral("0");         // Num_Block_Sign_Text_Text
    ChoiceList outputs;                          // Num_OUT_Sign_Text
    bool operator==(const TextSignalFields &) const = default;
};

QStringList textSignalListNames(); // "No", "1".."31"
QStringList textSignalFontNames(); // "1 ", "2 "
// Label4 and Label8 after a list choice k.
std::pair<QString, QString> textSignalTextLabels(int list);
QString textNumCaption(bool numberMode); // "Число" / "Текст"
QString outSpCaption(bool setpoint);     // "Номер задавача" / "Номер виходу"

TextSignalFields designTextSignal(const ProjectModel &m);

void textSignalBlockChanged(const ProjectModel &m, TextSignalFields &f);    // Num_Block_Sign_Text_Text_Change
void textSignalSetpointClicked(const ProjectModel &m, TextSignalFields &f); // Out_Sp_Click: the list again
void textSignalFontChosen(TextSignalFields &f, int choice);                 // Text_Signal_Shrift_Click

// The view of a restored text signal (its size follows its caption).
ViewBox textSignalViewBox(const PageTables &t, int page, int slot);

// Text_Signal_Picture_DblClick's prefill; guarded: "Помилка номера выходу!!!".
Opened<TextSignalFields> prefillTextSignal(const ProjectModel &m, int page, int slot, const ViewBox &view);

// What Ok sets on Text_Signal_Picture(viewIndex).
struct TextSignalView {
    int viewIndex = 0;
    int left = 0, top = 0; // the absolute values of the boxes
    std::int32_t foreColor = 0;
    std::int32_t backColor = 0;
    int borderStyle = 0;
    QString caption;
    int fontSize = 10;
};
TextSignalView storeTextSignal(ProjectModel &m, int page, const SlotChoice &slot, TextSignalFields &f);

// Delete's reset: position (1, 1), texts empty, font size 10; the binding
// and the report choice stay.
void resetTextSignal(PageTables &t, int page, int slot);

} // namespace pelmora::element
