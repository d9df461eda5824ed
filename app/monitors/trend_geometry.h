#pragma once
// Where things stand on the two plot pictures: the y of a sample, the grid,
// the time and percentage labels, the X zoom and the horizontal scroll. All of
// it is computed here, so the windows only place what these functions return.
// Coordinates are pixels; x and y of the plot picture unless said otherwise.

#include <QString>
#include <cstdint>
#include <vector>

namespace pelmora {

enum class PlotWindow {
    Tesk, // the Tesk monitor: 22 channels as trends
    Orvo, // the Orvo I/O monitor: 40 discrete rows above 6 analog trends
};

struct PlotLayout {
    int clipLeft, clipTop, clipWidth, clipHeight; // GR_GR in the window
    int pictureWidth, pictureHeight;              // Grafik_Tesk inside GR_GR
    int yTop, yBottom;                            // the 100 % and 0 % lines: Grafik_Y_Top, Grafik_Y_Bottom
    int gridFirstY, gridLastY, gridStepY;         // horizontal grid lines
    int gridRight;                                // their right end (they start at x 1)
    int verticalTop, verticalBottom;              // extent of the vertical grid lines
    int timeLabelY;                               // top of the time labels
    std::int32_t gridColour;                      // 0x00BBGGRR
    int cursorTop, cursorHeight;                  // LineCursor and LineCursor1
    int zoomAtLoad;                               // Grafik_Zoom when the window loads
    bool stepsAtLoad;                             // Type_Grafik ticked when the window loads
    int windowWidthTwips, windowHeightTwips;
};
const PlotLayout &plotLayout(PlotWindow w);

inline constexpr int kScrollMax = 15000;                  // HScroll1: 0..15000, small change 10, large change 100
inline constexpr int kPlotSamples = 5000;                 // samples 0..4999 are drawn as trends
inline constexpr int kTimeLabels = 150;                   // vertical grid lines and time labels i = 1..150
inline constexpr std::int32_t kGridRed = 0x0000FF;        // the 0 % and 100 % grid lines
inline constexpr std::int32_t kTimeTextColour = 0x00FF00; // the time labels
inline constexpr std::int32_t kOrvoRowColour = 0x404040;  // a discrete row piece that is not 1

// The y of value v on the scale min..max in the band yTop..yBottom (the scale
// height is yBottom - yTop): computed in double, rounded half to even and
// clamped into the band, so it is always a pixel of the band. A value below
// the minimum or not a number, a maximum of 0 or below, a maximum not above
// the minimum (a scale of no width) and a bound that is infinite or not a
// number all give the 0 % line; an infinite value above the minimum gives the
// 100 % line.
int trendY(float v, float min, float max, int yTop, int yBottom);

// The y of discrete column c's row piece for value v: 13c + 10 - v (a value
// of 1 draws the bar from there 6 pixels up). Clamped to -1..pictureHeight, so
// a far-off value from a trend file lands just off the picture; not a number
// gives -1.
int discreteRowY(float v, int column, int pictureHeight);
// Whether a discrete value draws the bar (exactly 1) rather than a grey line.
inline bool discreteBar(float v) { return v == 1.0f; }

struct GridLine {
    int x1, y1, x2, y2;
    std::int32_t colour; // 0x00BBGGRR
};
// Draw_Time_Grid's lines in drawing order: the horizontal lines (red at the
// 0 % and 100 % lines), then the 150 vertical lines every 100 pixels. They are
// dotted.
std::vector<GridLine> gridLines(PlotWindow w);

struct TextAt {
    int x, y; // top left of the text
    QString text;
};
// The label of vertical line i (1..150): ((i - 1) * 100) \ zoom " мс" on the
// Tesk plot, ((i - 1) * (100 + 100 * cikl)) \ zoom " мс" on the Orvo plot,
// at x = 100 (i - 1) and the window's label y. Whole-number arithmetic,
// truncating.
TextAt timeLabel(PlotWindow w, int i, int zoom, int cikl);
std::vector<TextAt> timeLabels(PlotWindow w, int zoom, int cikl);

// The percentage axis, printed on the window itself beside the clip window
// (window coordinates): the Tesk window at x 30 and 1270 from "100%" at y 80
// to "0%" at y 480, the Orvo window at x 1270 from "100%" at y 520 to "0%" at
// y 620.
std::vector<TextAt> percentLabels(PlotWindow w);

// Grafik_Zoom for entry index of Mashtab_X_Y ("M1/1", "M2/1", "M3/1"), 1..3.
int zoomForEntry(int index);
// x where the trends end: every sample drawn is zoom pixels wide.
inline int trendsEndX(int zoom) { return kPlotSamples * zoom; }

// HScroll1 at value v: the picture's left in the clip window, and the handle
// and the line of the cursor, both moved to plot x v + 10.
struct ScrollPlace {
    int pictureLeft;
    int handleLeft;
    int lineLeft;
};
ScrollPlace scrollPlace(int value);

} // namespace pelmora
