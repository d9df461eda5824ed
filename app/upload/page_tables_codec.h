#pragma once
// The element tables of a SCADA page as the controller receives them: every
// element kind's records, byte by byte, written after the picture of the last
// image slot. Pure functions of the model; the page builder decides where in
// the upload image the tables go.

#include "core/model/project_model.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <optional>

namespace pelmora::page {

// 0x00BBGGRR -> RGB565: red (the low byte) in bits 15..11, green in 10..5,
// blue in 4..0. Only the low 24 bits of the value are colour.
std::uint16_t Color_RGB_565(std::int32_t colour);

// Format versions 0, 3, 4, 5 and 6 carry mechanisms, the warning banner and
// the filler; every other version has the short layout.
bool longTableLayout(int formatVersion);
// The table length the packet count covers: 3580 (long) or 2971 (short).
int tableLength(int formatVersion);
// The bytes the writer actually puts down: 3580 (long) or 3036 (short).
int tableWrittenLength(int formatVersion);

// Font code of a numeric parameter's point size: 10 -> 2, 14 -> 3, 18 -> 9,
// 24 -> 12, 25 -> 11, any other size (s - 10) / 4 + 2 rounded half-to-even.
int parameterFontCode(int pointSize);
// Font code of a text signal's point size: (s - 10) / 4 + 2 rounded half-to-even.
int textSignalFontCode(int pointSize);

// The key cell of a position on the 13-column key grid: 0 when x is 0,
// else (x + 22) \ 62 + ((y + 9) \ 60) * 13 + 1 (truncating divisions).
int keyCell(int x, int y);

// Offset (dx, dy) a mechanism's position is sent with, from its picture code
// and its background flag; free slots (used 0 or less) have none.
struct Offset {
    int dx = 0;
    int dy = 0;
};
Offset mechanismOffset(int pictureCode, bool backgroundFlag, int used);

// The current top edge, in pixels, of the view of control button slot n on
// the page being written; asked for buttons of kind 13 only. nullopt (or no
// function at all) means the view stands where its record puts it: ten pixels
// above Control_Coord_Y.
using ControlViewTop = std::function<std::optional<double>(int slot)>;

// Writes the element tables of page `page` (0..15) into `image` from `start`
// on, in the layout `formatVersion` selects. Reserved bytes are skipped and
// keep what the buffer held. Returns the index after the last byte written, or
// nullopt when a value does not fit its field, a text character has no
// single-byte code, or the tables would run past the end of the buffer; the
// buffer may then hold part of the tables.
std::optional<int> writeElementTables(const ProjectModel &m, int page, int formatVersion, QByteArray &image, int start,
                                      const ControlViewTop &controlViewTop = {});

} // namespace pelmora::page
