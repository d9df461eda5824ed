#include "monitors/trend_plot.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <algorithm>
#include <cstdlib>

namespace pelmora {
namespace {

// One-pixel lines straight into the picture's memory: a pass draws up to
// 220 000 of them, most short and steep, where a painter's per-call work would
// dominate. Both end points are drawn; pixels off the picture are skipped.
class LineCanvas {
public:
    explicit LineCanvas(QImage &img)
        : bits_(img.bits()), bytesPerLine_(img.bytesPerLine()), width_(img.width()), height_(img.height())
    {}

    void line(int x0, int y0, int x1, int y1, QRgb colour)
    {
        // The passes compute every point on the picture or one pixel off it.
        // Ends further off are pulled in to one pixel beyond the picture, so
        // the walk below is never longer than the picture and its differences
        // cannot overflow, whatever a caller hands in.
        x0 = std::clamp(x0, -1, width_);
        x1 = std::clamp(x1, -1, width_);
        y0 = std::clamp(y0, -1, height_);
        y1 = std::clamp(y1, -1, height_);
        if (y0 == y1) {
            run(std::min(x0, x1), std::max(x0, x1), y0, colour);
            return;
        }
        const int dx = std::abs(x1 - x0);
        const int dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1;
        const int sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            pixel(x0, y0, colour);
            if (x0 == x1 && y0 == y1)
                return;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }

    void run(int x1, int x2, int y, QRgb colour)
    {
        if (y < 0 || y >= height_)
            return;
        x1 = std::max(x1, 0);
        x2 = std::min(x2, width_ - 1);
        if (x1 <= x2) {
            QRgb *row = rowAt(y);
            std::fill(row + x1, row + x2 + 1, colour);
        }
    }

private:
    QRgb *rowAt(int y) const { return reinterpret_cast<QRgb *>(bits_ + static_cast<qsizetype>(y) * bytesPerLine_); }
    void pixel(int x, int y, QRgb colour)
    {
        if (static_cast<unsigned>(x) < static_cast<unsigned>(width_) &&
            static_cast<unsigned>(y) < static_cast<unsigned>(height_))
            rowAt(y)[x] = colour;
    }

    uchar *bits_;
    qsizetype bytesPerLine_;
    int width_, height_;
};

QPen solidPen(std::int32_t bgr)
{
    QPen pen(QColor::fromRgb(rgbOf(bgr)));
    pen.setWidth(0); // one pixel whatever the transformation
    return pen;
}

} // namespace

TrendPlot::TrendPlot(PlotWindow w)
    : zoom(plotLayout(w).zoomAtLoad), steps(plotLayout(w).stepsAtLoad), window_(w),
      picture_(plotLayout(w).pictureWidth, plotLayout(w).pictureHeight, QImage::Format_RGB32)
{
    clear();
}

void TrendPlot::clear() { picture_.fill(rgbOf(background)); }

void TrendPlot::drawTimeGrid(int cikl)
{
    QPainter p(&picture_);
    QPen pen = solidPen(0);
    pen.setStyle(Qt::DotLine);
    for (const GridLine &g : gridLines(window_)) {
        pen.setColor(QColor::fromRgb(rgbOf(g.colour)));
        p.setPen(pen);
        p.drawLine(g.x1, g.y1, g.x2, g.y2);
    }
    p.setFont(labelFont);
    p.setPen(solidPen(kTimeTextColour));
    const int ascent = QFontMetrics(labelFont).ascent();
    for (const TextAt &t : timeLabels(window_, zoom, cikl))
        p.drawText(QPoint(t.x, t.y + ascent), t.text);
}

void TrendPlot::drawTrend(const MonitorTables &m, int column)
{
    // Segment s runs from the previous y at x = s * zoom to the sample's y at
    // x = (s + 1) * zoom; the step style goes up or down first, then across.
    const PlotLayout &l = layout();
    const float min = m.Grafik_Min(column);
    const float max = m.Grafik_Max(column);
    const QRgb colour = rgbOf(m.Grafik_Color(column));
    LineCanvas canvas(picture_);
    int x = 0;
    int yPrev = yOld[static_cast<std::size_t>(column)];
    for (int s = 0; s < kPlotSamples; ++s) {
        const int y = trendY(m.Grafik_Data(s, column), min, max, l.yTop, l.yBottom);
        if (steps) {
            canvas.line(x, yPrev, x, y, colour);
            canvas.run(x, x + zoom, y, colour);
        } else {
            canvas.line(x, yPrev, x + zoom, y, colour);
        }
        x += zoom;
        yPrev = y;
    }
    yOld[static_cast<std::size_t>(column)] = yPrev;
}

void TrendPlot::drawTeskPass(const MonitorTables &m, int first, int last)
{
    if (!steps)
        for (int c = 1; c <= 22; ++c)
            yOld[static_cast<std::size_t>(c)] = layout().yBottom;
    for (int c = std::max(first, 1); c <= std::min(last, 22); ++c)
        drawTrend(m, c);
}

void TrendPlot::drawOrvoRow(const MonitorTables &m, int c)
{
    if (c < 0 || c >= 40)
        return;
    const QRgb bar = rgbOf(m.Grafik_Color(c));
    const QRgb line = rgbOf(kOrvoRowColour);
    const int height = picture_.height();
    LineCanvas canvas(picture_);
    // Samples with the same piece are drawn as one run; the pieces of a sample
    // cover x .. x + zoom, so runs meet as the single pieces would.
    int s = 0;
    while (s <= 5000) {
        const float v = m.Grafik_Data(s, c);
        const bool isBar = discreteBar(v);
        const int y = discreteRowY(v, c, height);
        int end = s + 1;
        while (end <= 5000) {
            const float w = m.Grafik_Data(end, c);
            if (discreteBar(w) != isBar || discreteRowY(w, c, height) != y)
                break;
            ++end;
        }
        const int x1 = s * zoom;
        const int x2 = end * zoom;
        if (isBar) {
            for (int row = y - 6; row <= y; ++row)
                canvas.run(x1, x2, row, bar);
        } else {
            canvas.run(x1, x2, y, line);
        }
        s = end;
    }
}

void TrendPlot::drawOrvoPass(const MonitorTables &m)
{
    for (int c = 0; c < 40; ++c)
        drawOrvoRow(m, c);
    drawTimeGrid(m.Grafik_Cikl);
    if (!steps)
        for (int c = 40; c <= 45; ++c)
            yOld[static_cast<std::size_t>(c)] = layout().yBottom;
    for (int c = 40; c <= 45; ++c)
        drawTrend(m, c);
}

void TrendPlot::fullRedraw(const MonitorTables &m)
{
    clear();
    drawTimeGrid(m.Grafik_Cikl);
    if (window_ == PlotWindow::Tesk)
        drawTeskPass(m, 1, 22);
    else
        drawOrvoPass(m);
}

} // namespace pelmora
