#pragma once
// The figure's dialog `Figura` without its window. The opener reads every
// value from the figure's view (shape kind 0 rectangle, 1 or 3 circle; both
// circle kinds open as "Коло"); Ok writes the record from the view's place
// and the dialog, gives the view the shape kind type * 3, and makes the
// figure the one under the resize handle, of the handle's figure kind.

#include "elements/dialog_common.h"
#include "elements/slot_choice.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace pelmora::element {

struct FigureFields {
    QString number = QStringLiteral("0");            // Num_Figura_Text
    QString width = QStringLiteral("10");            // Razmer_X_Figura_Text
    QString height = QStringLiteral("10");           // Razmer_Y_Figura_Text
    QString widthLabel = QStringLiteral("Розмір Х"); // Label3
    int type = 0;                                    // Type_Figura1: 0 "Прямокутник", 1 "Коло"
    QString lineWidth = QStringLiteral("1");         // Width_Line_Figura_Text1
    std::int32_t colour = 0x000000FF;                // Color_Figura
    bool operator==(const FigureFields &) const = default;
};

QStringList figureTypeNames(); // "Прямокутник", "Коло"

// The figure view as the opener reads it.
struct FigureViewState {
    ViewBox box;
    int shapeKind = 0;
    std::int32_t lineColour = 0;
    int lineWidth = 1;
};
// The view of a restored figure (its shape kind is the stored type).
FigureViewState figureViewState(const PageTables &t, int page, int slot);

// Type_Figura1_Click: the circle copies the width into the height box.
// Returns the shape kind the insertion template takes (3 circle, 0 rectangle).
int figureTypeChosen(FigureFields &f, int type);

Opened<FigureFields> prefillFigure(int slot, const FigureViewState &view);

// What Ok sets on ShapePlus1(viewIndex), and the resize handle's element.
struct FigureView {
    int viewIndex = 0;
    int shapeKind = 0;
    int lineWidth = 1; // set to 1 first, then to this
    std::int32_t lineColour = 0;
    int width = 0, height = 0;
    int zoomIndex = 0; // Zoom_Index := the figure's view
    int zoomKind = 0;  // Zoom_Kind := the figure kind, so the handle resizes this figure
};
// Ok: `viewPos` is the view's left and top (the template's for a new figure).
FigureView storeFigure(ProjectModel &m, int page, const SlotChoice &slot, const FigureFields &f, QPoint viewPos);

// Delete's reset: size 1 x 1, type 0, colour 0, line width 3. Delete also
// hides the resize handle Zoom(2).
void resetFigure(PageTables &t, int page, int slot);

} // namespace pelmora::element
