#pragma once
// The transition's dialog `Go_Block_SCADA` without its window. The record
// keeps a target code that depends on the page count (block B, its process
// screen B + 100, a page, a graph group, the text signalling), the used flag
// 1 or 3 (double field) and the parameter lock * 128 + list position, plus 2
// when the target block has type 4. Ok takes the position from the view.

#include "elements/binding_lists.h"
#include "elements/dialog_common.h"
#include "elements/slot_choice.h"

#include <QPoint>
#include <QString>

namespace pelmora::element {

struct TransitionFields {
    QString number = QStringLiteral("0");                 // Num_Go_Block_Text
    QString block = QStringLiteral("00");                 // Num_Block_Text
    bool doubleField = false;                             // Go_Dubl
    bool lock = false;                                    // Blokirovka
    bool process = false;                                 // Process_Sozdat
    QString processCaption = QStringLiteral("Процес");    // "Параметри" once it has been ticked
    QString listLabel = QStringLiteral("Група графіків"); // Label3
    bool listShown = true;                                // Label3 and Num_Graf_SCADA
    ChoiceList list;                                      // Num_Graf_SCADA
    bool operator==(const TransitionFields &) const = default;
};

// A fresh dialog after Form_Load: the list "1".."8" with its first entry chosen.
TransitionFields designTransition();
// Num_Block_Text_Change: the list of pages (16 in a 16-page project, else
// 8), graph groups or text signalling groups, hidden for another block; with
// "Процес" ticked the set-points of a block of type 25, 26, 28, 31, 35, 36,
// 38, 45 or 46.
void transitionBlockChanged(const ProjectModel &m, TransitionFields &f);
// Process_Sozdat_Click, with `process` already the new value: ticked, the
// caption becomes "Параметри" and a block of type 4 or of the types above
// gets its set-points; cleared, the list is hidden.
void transitionProcessClicked(const ProjectModel &m, TransitionFields &f);

// Go_Block_Label_DblClick's prefill: the target code decoded for the
// project's page count. Guarded after the double-field box: "Помилка номера
// блоку!!!".
Opened<TransitionFields> prefillTransition(const ProjectModel &m, int page, int slot);

// What Ok sets on Go_Block_Label(viewIndex): width 40, or 100 for a double
// field, and the block number as caption.
struct TransitionView {
    int viewIndex = 0;
    int width = 40;
    QString caption;
};
// Ok: `viewPos` is the view's left and top (the template's for a new element).
TransitionView storeTransition(ProjectModel &m, int page, const SlotChoice &slot, TransitionFields &f, QPoint viewPos);

// Delete's reset: used, position and target 0; the parameter stays.
void resetTransition(PageTables &t, int page, int slot);

} // namespace pelmora::element
