#include "elements/figure_element.h"

#include "elements/box_numbers.h"
#include "elements/element_codec.h"

#include <cmath>

namespace pelmora::element {

QStringList figureTypeNames() { return {QStringLiteral("Прямокутник"), QStringLiteral("Коло")}; }

FigureViewState figureViewState(const PageTables &t, int page, int slot)
{
    FigureViewState v;
    v.box = {t.Figura_Coord_X(page, slot), t.Figura_Coord_Y(page, slot), t.Figura_Razmer_X(page, slot),
             t.Figura_Razmer_Y(page, slot)};
    v.shapeKind = t.Figura_Type(page, slot);
    v.lineColour = t.Figura_Color(page, slot);
    v.lineWidth = t.Figura_Line_Width(page, slot);
    return v;
}

int figureTypeChosen(FigureFields &f, int type)
{
    f.type = type;
    if (type == 1) {
        f.height = f.width;
        f.widthLabel = QStringLiteral("Диаметр");
        return figureShapeKind(1);
    }
    f.widthLabel = QStringLiteral("Размер Х");
    return figureShapeKind(0);
}

Opened<FigureFields> prefillFigure(int slot, const FigureViewState &view)
{
    Opened<FigureFields> o;
    FigureFields &f = o.fields;
    f.number = QString::number(slot);
    f.width = QString::number(view.box.width);
    if (view.shapeKind == 0) {
        f.height = QString::number(view.box.height);
        f.widthLabel = QStringLiteral("Размер Х");
    } else {
        f.height = QString::number(view.box.width);
        f.widthLabel = QStringLiteral("Радиус");
    }
    f.colour = view.lineColour;
    f.lineWidth = QString::number(view.lineWidth);
    f.type = figureTypeOfShape(view.shapeKind);
    return o;
}

FigureView storeFigure(ProjectModel &m, int page, const SlotChoice &slot, const FigureFields &f, QPoint viewPos)
{
    PageTables &t = m.pages;
    const int n = slot.slot;
    const int type = f.type == 1 ? 1 : 0;
    t.Figura_Coord_X(page, n) = int16Field(viewPos.x());
    t.Figura_Coord_Y(page, n) = int16Field(viewPos.y());
    t.Figura_Razmer_X(page, n) = int16Field(std::fabs(boxNumber(f.width)));
    t.Figura_Razmer_Y(page, n) = int16Field(std::fabs(boxNumber(f.height)));
    t.Figura_Type(page, n) = static_cast<std::int16_t>(type);
    t.Figura_Color(page, n) = f.colour;
    t.Figura_Line_Width(page, n) = int16Field(std::fabs(boxNumber(f.lineWidth)));
    t.Figura_Used(page, n) = 1;
    if (type == 1)
        t.Figura_Razmer_Y(page, n) = t.Figura_Razmer_X(page, n);

    FigureView v;
    v.viewIndex = slot.viewIndex;
    v.shapeKind = figureShapeKind(type);
    v.lineWidth = t.Figura_Line_Width(page, n);
    v.lineColour = f.colour;
    v.width = t.Figura_Razmer_X(page, n);
    v.height = t.Figura_Razmer_Y(page, n);
    v.zoomIndex = slot.viewIndex;
    v.zoomKind = 0;
    return v;
}

void resetFigure(PageTables &t, int page, int slot)
{
    t.Figura_Used(page, slot) = 0;
    t.Figura_Coord_X(page, slot) = 0;
    t.Figura_Coord_Y(page, slot) = 0;
    t.Figura_Razmer_X(page, slot) = 1;
    t.Figura_Razmer_Y(page, slot) = 1;
    t.Figura_Type(page, slot) = 0;
    t.Figura_Color(page, slot) = 0;
    t.Figura_Line_Width(page, slot) = 3;
}

} // namespace pelmora::element
