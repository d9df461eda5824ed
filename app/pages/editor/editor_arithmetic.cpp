#include "pages/editor/editor_arithmetic.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pelmora::pages {

namespace {
constexpr int kTwipsPerPixel = 15;
} // namespace

int roundPixel(double v)
{
    return static_cast<int>(
        num::roundToInteger(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()).value_or(0));
}

int modOf(double a, double b) { return static_cast<int>(num::mod(a, b).value_or(0)); }

int quotientOf(double a, double b) { return static_cast<int>(num::intDiv(a, b).value_or(0)); }

int gridStep(int step) { return step < 1 ? 1 : step; }

int snapToGrid(double v, int step)
{
    const int r = roundPixel(v);
    return r - modOf(r, gridStep(step));
}

int pixelsOfTwips(float twips) { return quotientOf(twips, kTwipsPerPixel); }

int onPageX(int x) { return std::clamp(x, 0, kPageWidth); }
int onPageY(int y) { return std::clamp(y, 0, kPageHeight); }

QString positionText(double v) { return num::shortText(static_cast<float>(v)); }

} // namespace pelmora::pages
