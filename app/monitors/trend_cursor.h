#pragma once
// The cursor of the monitor windows and what it reads, the scale boxes, the
// lamps and the channel renaming: the rules of the plot's controls as pure
// functions, so that a window only shows what they return.

#include "core/model/monitor_tables.h"
#include "monitors/trend_geometry.h"

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace pelmora {

// A position the handle reports in twips, as whole pixels: the twips rounded
// to an integer, then divided by 15, truncating.
int twipsToPixels(double twips);

struct CursorPlace {
    int handleLeft; // LineCursor1.Left, plot pixels
    int lineLeft;   // LineCursor.Left: 10 right of the handle's left edge
    int sample;     // Mouse_Col: the sample under the line
};
// Where the cursor stands when a window loads: handle at -10, line at 0.
CursorPlace cursorAtLoad();
// A move of the held handle with the left button: n = handleLeft - grabX +
// pointerX; within -10..5000 * zoom the handle goes to n - (n mod zoom), so it
// moves in whole samples and keeps the grab point under the pointer; else it
// stays. grabX and pointerX are pixels inside the handle.
CursorPlace dragCursor(int handleLeft, int grabX, int pointerX, int zoom);
// Mouse_Col of a line position: lineLeft \ zoom.
int cursorSample(int lineLeft, int zoom);

// A read-out value: the shortest decimal form with at most 7 significant
// digits, no leading blank, with the given decimal separator.
QString cursorValueText(float v, QChar decimalPoint);

// Lamp colour of a discrete Tesk value, rounded half to even: 0 dark green,
// 1 green, 2 black; any other value (and not a number) black.
std::int32_t lampColour(float v);
inline constexpr std::int32_t kLampOff = 0x004000;
inline constexpr std::int32_t kLampOn = 0x00FF00;

// What the Tesk window shows while the cursor is dragged.
struct TeskCursorValues {
    std::array<QString, 24> cells{};      // Ekran2 0..21: channels 1..22; 22 and 23 copy 12 and 13
    std::array<std::int32_t, 16> lamps{}; // dIO 0..15: channels 7..22
    QString time;                         // Time_ms: the sample index
    QString caption;                      // Cur_Ekran: name " = " value of channel kanal
};
TeskCursorValues teskCursorValues(const MonitorTables &m, int sample, int kanal, QChar decimalPoint);

// What the Orvo window shows while the cursor is dragged; nothing when the
// line stands at or beyond 5000 * zoom (no read-out changes then).
struct OrvoCursorValues {
    std::array<std::int32_t, 40> squares{}; // OFF_ON_IO 0..39: the column's colour when not 0, else the background
    std::array<QString, 6> analog{};        // aINP_OUT i: column 45 - i
    QString time;                           // Time_ms: (Grafik_Cikl + 1) * sample
    QString caption;                        // Cur_Ekran: name " = " value of column Grafik_Kanal_IO
    std::int32_t captionColour = 0;         // Cur_Ekran's text colour: that column's colour
};
std::optional<OrvoCursorValues> orvoCursorValues(const MonitorTables &m, int lineLeft, int zoom,
                                                 std::int32_t background, QChar decimalPoint);

// Cur_Ekran's place beside the line: left = lineLeft + 10, top = the pointer's
// y in the handle + 60 (Tesk) or + 20 (Orvo).
struct CaptionPlace {
    int left, top;
};
CaptionPlace captionPlace(PlotWindow w, int lineLeft, int pointerY);

// One tick of Timer5. Nothing changes while a handle is held (nullopt); else
// the line's visibility: hidden on the first tick of every 21.
std::optional<bool> cursorBlinkTick(MonitorTables &m);

// The scale boxes.
extern const char16_t *const kScaleWarning; // "Число (1 - 10000)"
// While typing: a text that is not empty and does not read as a number, or
// reads below 0 or above 10000, gets the warning.
bool scaleTextWarns(const QString &text);
// On Enter: the value to store, when the whole text reads as a number that a
// single holds ('.' or ',' as the decimal point); else nothing is stored.
std::optional<float> scaleTextValue(const QString &text);

// Name_IO and Enter in the Tesk window: the name of cell nameEdit changes when
// it is a discrete cell (6..23); the six analog names stay. True when renamed.
bool renameTeskChannel(MonitorTables &m, int nameEdit, const QString &text);

// The discrete lamp panel dragged with the left button: the new left and top
// from the grab point, each taken only within 1..1200 and 1..500.
struct PanelPlace {
    int left, top;
};
PanelPlace dragLampPanel(PanelPlace panel, int grabX, int grabY, int pointerX, int pointerY);

} // namespace pelmora
