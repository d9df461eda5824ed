#pragma once
// The level bar's dialog `Level_SCADA` without its window. An element has two
// views, Level_Picture (the bar) and Level_Picture_1 (the half piece laid over
// it); the style byte holds horizontal * 2 + frame. Opening the template
// clears the template's style byte, so a new bar starts vertical and without
// frame; Ok never writes slot 0.

#include "elements/binding_lists.h"
#include "elements/dialog_common.h"
#include "elements/slot_choice.h"

#include <QRectF>
#include <QString>
#include <cstdint>
#include <utility>

namespace pelmora::element {

struct LevelFields {
    QString number = QStringLiteral("0"); // Num_Level_Text
    QString x = QStringLiteral("1");      // Coord_X_Level_Text
    QString y = QStringLiteral("1");      // Coord_Y_Level_Text
    QString width = QStringLiteral("1");  // Level_Width
    QString height = QStringLiteral("1"); // Level_Height
    QString scale = QStringLiteral("1");  // Level_Mashtab
    bool horizontal = false;              // Check1 ("Тип")
    bool frame = false;                   // Level_Ramka
    std::int32_t colour = 0x0080FFFF;     // Color_Level_Level: the level
    std::int32_t colourFon = 0x000000FF;  // Color_Level_Fon: the background
    QString block = QStringLiteral("0");  // Num_Block_Lev_Text
    ChoiceList outputs;                   // Num_OUT_Lev
    bool operator==(const LevelFields &) const = default;
};

// The longest texts of Level_Width and Level_Height: 2 and 3 characters for
// a vertical bar, 3 and 2 for a horizontal one.
std::pair<int, int> levelBoxLengths(bool horizontal);

// The bar and its half piece at (x, y) of size w x h: vertical bars are in
// the level colour with the upper half covered in the background colour,
// horizontal ones in the background colour with the left half in the level
// colour. The dialog's sample and the page views are laid out alike.
struct LevelPieces {
    QRectF bar;
    QRectF piece;
    std::int32_t barColour = 0;
    std::int32_t pieceColour = 0;
    int borderStyle = 0;
};
LevelPieces levelPieces(double x, double y, double w, double h, bool horizontal, bool frame, std::int32_t colour,
                        std::int32_t colourFon);

LevelFields designLevel(const ProjectModel &m);
void levelBlockChanged(const ProjectModel &m, LevelFields &f); // Num_Block_Lev_Text_Change
// Check1_Click, with `horizontal` already the new value: the two sizes swap
// places, each checked against the new type's limits.
Notices levelTypeClicked(LevelFields &f);
Notices levelWidthChanged(LevelFields &f);  // Level_Width_Change
Notices levelHeightChanged(LevelFields &f); // Level_Height_Change

ViewBox levelViewBox(const PageTables &t, int page, int slot);

// Level_Picture_DblClick's prefill from the bar's view; for the template it
// first clears the template's style byte. Guarded: "Помилка номера виходу!!!".
Opened<LevelFields> prefillLevel(ProjectModel &m, int page, int slot, const ViewBox &bar);

// What Ok sets on Level_Picture and Level_Picture_1 (viewIndex), both on the
// current page's canvas.
struct LevelView {
    int viewIndex = 0;
    LevelPieces pieces;
};
struct LevelStored {
    LevelView view;
    Notices notices; // sizes set back to 5, in order
};
LevelStored storeLevel(ProjectModel &m, int page, const SlotChoice &slot, LevelFields &f);

// Delete's reset: size 10 x 10; scale and binding stay.
void resetLevel(PageTables &t, int page, int slot);

} // namespace pelmora::element
