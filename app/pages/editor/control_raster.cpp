#include "pages/editor/control_raster.h"

#include "pages/editor/editor_arithmetic.h"

namespace pelmora::pages {

KeyAllowance keyAllowance(int keyType)
{
    switch (keyType) {
    case 10:
    case 11: return {50, 0, 0}; // the wide "СТОП 1" and "ПУСК 11" buttons
    case 12: return {0, 5, 0};
    case 13: return {0, 0, 10};
    default: return {};
    }
}

int rasterColumnStart(double v)
{
    const int r = roundPixel(v);
    return r - modOf(r, kRasterColumn);
}

int rasterRowStart(double v)
{
    const int r = roundPixel(v);
    return r - modOf(r, kRasterRow);
}

int centredIn(int cell, double size) { return quotientOf(cell - size, 2); }

} // namespace pelmora::pages
