#pragma once
// Packed fields as the editing operations rewrite them: a new top edge under
// the list number that signals and text signals carry in their Y, a new size
// under the shape bits of a signal's size fields, and which figure types are
// circles. The layout of the bits is the codec's (elements/element_codec.h).

#include "elements/element_codec.h"

namespace pelmora::pages {

// Signal_Coord_Y, Text_Signal_Coord_Y: the top a view shows, and a new top
// under the same list number.
constexpr int topOfPackedY(int packed) { return element::viewTop(packed); }
constexpr int withTop(int packed, int top) { return element::withListTop(packed, top); }

// Signal_Razmer_X, Signal_Razmer_Y: a new size under the same shape bits.
constexpr int withSignalSize(int packed, int size) { return element::withSignalSize(packed, size); }

// Figura_Type: 0 a rectangle; 1, and 3 as the shape control codes it, a circle.
constexpr bool figureIsCircle(int type) { return element::figureTypeOfShape(type) == 1; }

} // namespace pelmora::pages
