#pragma once
// Rules of the page editor that need no window: the blink preview's tick, the
// layout of restored level bars, control images, menu items and mechanisms,
// the grid step typed in the grid dialog, the names a chosen background
// picture is kept under, and the eyedropper's colour.

#include "core/model/page_tables.h"
#include "elements/bgr_colour.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace pelmora::pages {

// --- blink preview -----------------------------------------------------------

// What one tick writes on the current page: the ForeColor of signal controls
// and the caption of text-signal controls, by control index, in the order the
// tick visits them (slot by slot, the signal before the text signal).
struct BlinkWrite {
    enum Target { SignalColour, TextCaption } target;
    int index;
    std::int32_t colour = 0;
    QString caption;
};

// One tick of Signal_Timer_Miganie_SCADA on page `page`: flips the phase and
// gives the writes. The element tables are only read.
std::vector<BlinkWrite> blinkTick(const PageTables &t, int page, std::int16_t &phase);

// --- restored views ----------------------------------------------------------

// A level bar is two boxes: the bar and the half-size box laid over it. Both
// start at the element's corner; the halves are kept unrounded.
struct LevelLayout {
    QRectF bar;
    QRectF fill;
    std::int32_t barColour;
    std::int32_t fillColour;
    bool frame;
};
LevelLayout levelLayout(const PageTables &t, int page, int slot);

// The top edge of a restored control image: key type 13 stands 10 pixels
// above its stored top.
int controlImageTop(int storedTop, int keyType);

// A menu item's picture lies 7 pixels left of and 13 pixels above its text box.
constexpr int kMenuImageDx = -7, kMenuImageDy = -13;
// The date label of a clock lies 22 pixels below its time label.
constexpr int kClockDateDy = 22;

// What a mechanism shows after the second pass of restoring.
enum class MechanismLook {
    Picture,   // the picture of its code, stretched to the stored size
    Impeller1, // the first fan impeller, at the impeller's own size
    Impeller2, // the second fan impeller
    UserPhase, // phase 0 of the user's mechanism (code 22), at the picture's size
    Hidden,    // code 22 without a phase picture name
};
MechanismLook mechanismLook(const PageTables &t, int page, int slot);

// A figure's outline in its box (left, top, width, height in pixels), as the
// page shows it and as the upload draws it into the page picture, so that both
// put down the same pixels: the line lies inside the box; a circle takes the
// smaller of width and height as its diameter, centred in the box. No
// antialiasing: the controller's picture has no blended edge either.
void drawFigureOutline(QPainter &p, const QRect &box, bool circle, std::int32_t bgrColour, int lineWidth);

// --- grid dialog ---------------------------------------------------------------

// The grid step typed in the grid dialog: the leading number of the text,
// rounded half to even; nullopt for a step below 1 or beyond the 16-bit range.
std::optional<std::int16_t> gridStepFromText(const QString &text);

// --- background picture ----------------------------------------------------------

// The name a chosen picture is kept under (Stranica_Fon_Name of the page): a
// backslash and the bare file name. nullopt when the bare name has fewer than
// 4 characters. Both '/' and '\' separate folders.
std::optional<QString> backgroundEntryName(const QString &path);

// --- eyedropper --------------------------------------------------------------------

// Colour 0x00BBGGRR of canvas point (x, y): the background picture's pixel where
// the picture covers the point, else the page colour; -1 outside the canvas.
std::int32_t canvasPointColour(const QImage &picture, std::int32_t pageColour, int canvasWidth, int canvasHeight, int x,
                               int y);

// 0x00BBGGRR <-> QColor.
using element::bgrOf;
using element::colourOf;

} // namespace pelmora::pages
