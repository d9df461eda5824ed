#pragma once
// The persistent plot picture of a monitor window (Grafik_Tesk) and the
// drawing passes onto it. What is drawn stays until the next clear, so the
// window scrolls by moving the picture under its clip window and never
// redraws for it. The window shows picture() and calls these on the events
// that redraw: the end of a readout, opening a trend file, the zoom, the line
// style, the scales and the colours.

#include "core/model/monitor_tables.h"
#include "monitors/trend_geometry.h"

#include <QFont>
#include <QImage>
#include <array>
#include <cstdint>

namespace pelmora {

class TrendPlot {
public:
    explicit TrendPlot(PlotWindow w);

    PlotWindow window() const { return window_; }
    const PlotLayout &layout() const { return plotLayout(window_); }
    const QImage &picture() const { return picture_; }

    // The picture's background, 0x00BBGGRR (black at load): what clear() fills with.
    std::int32_t background = 0;
    // Grafik_Zoom: pixels per sample, 1..3.
    int zoom;
    // Type_Grafik ticked: steps (a vertical then a horizontal line per sample)
    // instead of straight segments.
    bool steps;
    // The font of the time labels.
    QFont labelFont;

    // Grafik_Y_Old: the last y drawn for each column, where the next pass's
    // step style starts; 0 (the picture's top) before the first pass.
    std::array<int, 46> yOld{};

    // Cls of the picture.
    void clear();
    // Draw_Time_Grid: the dotted grid and the time labels for the zoom and
    // the sampling period (0 = 1 ms, 1 = 2 ms; used by the Orvo plot).
    void drawTimeGrid(int cikl);

    // The Tesk drawing pass: channels first..last over samples 0..4999, each
    // in its colour on its own scale. The straight style starts every channel
    // 1..22 at the 0 % line.
    void drawTeskPass(const MonitorTables &m, int first, int last);
    // The Orvo drawing pass: the 40 discrete rows over samples 0..5000, the
    // grid, then the analog columns 40..45 over samples 0..4999.
    void drawOrvoPass(const MonitorTables &m);
    // One discrete row c (0..39) over samples 0..5000, drawn over the picture.
    void drawOrvoRow(const MonitorTables &m, int c);

    // The full redraw every complete redraw performs: clear, grid, then the
    // pass over all channels (Tesk 1..22).
    void fullRedraw(const MonitorTables &m);

private:
    void drawTrend(const MonitorTables &m, int column);

    PlotWindow window_;
    QImage picture_;
};

// A 0x00BBGGRR colour as the picture's pixel value.
inline QRgb rgbOf(std::int32_t bgr) { return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

} // namespace pelmora
