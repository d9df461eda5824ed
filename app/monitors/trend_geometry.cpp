#include "monitors/trend_geometry.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

// clang-format off
const PlotLayout kTeskLayout{
    60, 40, 1200, 520,   15100, 520,   40, 440,
    40, 480, 40,   15100,   40, 480,   485,
    0x808000,   40, 440,   1, false,   20000, 10060,
};
const PlotLayout kOrvoLayout{
    160, 0, 1100, 640,   15010, 640,   520, 620,
    520, 620, 20,   15010,   0, 620,   620,
    0x404040,   1, 620,   3, true,   20000, 10700,
};
// clang-format on

} // namespace

const PlotLayout &plotLayout(PlotWindow w) { return w == PlotWindow::Tesk ? kTeskLayout : kOrvoLayout; }

int trendY(float v, float min, float max, int yTop, int yBottom)
{
    // A scale bound that is infinite or not a number (a damaged trend file
    // has them; the files of this program write them as "Inf" and "NaN") has
    // no factor: the channel is drawn on its 0 % line, the plot's bottom edge,
    // as a scale with a maximum of 0 or below is. The file is still opened.
    if (!std::isfinite(min) || !std::isfinite(max) || !(v >= min) || !(max > 0.0f) || !(max > min))
        return yBottom;
    // Both bounds finite and apart: the factor is finite and above 0, so y is
    // a number, or minus infinity for an infinite value. A y that is not a
    // number would pass the clamp below unchanged and overflow the cast, so
    // it is never let through.
    const double k = static_cast<double>(yBottom - yTop) / (static_cast<double>(max) - static_cast<double>(min));
    const double y = static_cast<double>(yBottom) - k * (static_cast<double>(v) - static_cast<double>(min));
    if (std::isnan(y))
        return yBottom;
    // Clamped before the rounding, so no value can overflow the result; the
    // bounds are whole numbers, so this equals rounding first.
    return static_cast<int>(num::roundHalfEven(std::clamp(y, static_cast<double>(yTop), static_cast<double>(yBottom))));
}

int discreteRowY(float v, int column, int pictureHeight)
{
    if (std::isnan(v))
        return -1;
    const double y = 13.0 * column + 10.0 - static_cast<double>(v);
    return static_cast<int>(num::roundHalfEven(std::clamp(y, -1.0, static_cast<double>(pictureHeight))));
}

std::vector<GridLine> gridLines(PlotWindow w)
{
    const PlotLayout &l = plotLayout(w);
    std::vector<GridLine> lines;
    for (int y = l.gridFirstY; y <= l.gridLastY; y += l.gridStepY)
        lines.push_back({1, y, l.gridRight, y, y == l.yTop || y == l.yBottom ? kGridRed : l.gridColour});
    for (int i = 1; i <= kTimeLabels; ++i)
        lines.push_back({100 * i, l.verticalTop, 100 * i, l.verticalBottom, l.gridColour});
    return lines;
}

TextAt timeLabel(PlotWindow w, int i, int zoom, int cikl)
{
    const long long step = w == PlotWindow::Tesk ? 100 : 100 + 100 * static_cast<long long>(cikl);
    const long long ms = (static_cast<long long>(i - 1) * step) / std::max(1, zoom);
    return {100 * (i - 1), plotLayout(w).timeLabelY, QString::number(ms) + QStringLiteral(" мс")};
}

std::vector<TextAt> timeLabels(PlotWindow w, int zoom, int cikl)
{
    std::vector<TextAt> labels;
    labels.reserve(kTimeLabels);
    for (int i = 1; i <= kTimeLabels; ++i)
        labels.push_back(timeLabel(w, i, zoom, cikl));
    return labels;
}

std::vector<TextAt> percentLabels(PlotWindow w)
{
    std::vector<TextAt> labels;
    if (w == PlotWindow::Tesk) {
        for (int y = 80; y <= 480; y += 40) {
            const QString text = QString::number(100 - (y / 40 - 2) * 10) + QLatin1Char('%');
            labels.push_back({30, y, text});
            labels.push_back({1270, y, text});
        }
    } else {
        for (int y = 520; y <= 620; y += 20)
            labels.push_back({1270, y, QString::number(100 - (y - 520)) + QLatin1Char('%')});
    }
    return labels;
}

int zoomForEntry(int index) { return std::clamp(index + 1, 1, 3); }

ScrollPlace scrollPlace(int value)
{
    const int v = std::clamp(value, 0, kScrollMax);
    return {1 - v, v + 10, v + 10};
}

} // namespace pelmora
