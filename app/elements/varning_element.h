#pragma once
// The warning banner's dialog `Varning` without its window. The banner is one
// record for the whole project (no slots, no Delete: the page "No" removes
// it); its view is the main window's text box Varning_Text, placed at the
// page position + (2, 42) and shown only while its page's tab is.

#include "elements/binding_lists.h"
#include "elements/dialog_common.h"

#include <QString>
#include <cstdint>

namespace pelmora::element {

struct VarningFields {
    int page = -1;                       // Num_Sheet_Var: 0 "No", 1..16 the page number
    QString x = QStringLiteral("1");     // Coord_X_Text_Var
    QString y = QStringLiteral("1");     // Coord_Y_Text_Var
    std::int32_t colour = 0;             // Color_Text_Var
    std::int32_t colourFon = 0;          // Color_Fon_Var
    QString block = QStringLiteral("0"); // Num_Block_Var_Text
    ChoiceList outputs;                  // Num_OUT_Text_Var; nothing selected when cut at 33 entries
    bool operator==(const VarningFields &) const = default;
};

QStringList varningPageNames(); // "No", "1".."16"

// The banner's Form_Load builds no list: the opener's block number does.
VarningFields designVarning();
void varningBlockChanged(const ProjectModel &m, VarningFields &f); // Num_Block_Var_Text_Change

// MnuJurnSignal_Click's prefill (also the banner's double-click). A stored
// output the rebuilt list does not have gives "Помилка номера выходу!!!" and
// leaves the list as built.
Opened<VarningFields> prefillVarning(const ProjectModel &m);

// What OK does to Varning_Text.
struct VarningView {
    bool placed = false; // false: hidden, colours and place left as they were
    bool visible = false;
    int left = 0, top = 0; // in the main window: the page position + (2, 42)
    std::int32_t textColour = 0;
    std::int32_t backColour = 0;
};
// OKButton_Click: X above 400 and Y above 470 are stored as 400 and 470,
// silently. `currentTab` is the page tab shown (0..15).
VarningView storeVarning(ProjectModel &m, const VarningFields &f, int currentTab);

} // namespace pelmora::element
