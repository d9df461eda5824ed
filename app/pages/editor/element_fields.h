#pragma once
// Packed fields as the editing operations rewrite them: a new top edge under
// the list number that signals and text signals carry in their Y, a new size
// under the shape bits of a signal's size fields, and which figure types are
// circles. Kept beside the editor; the dialogs' codec packs the same layout.

namespace pelmora::pages {

// Signal_Coord_Y, Text_Signal_Coord_Y: top + 1024 x list number.
constexpr int kListUnit = 1024;
constexpr int topOfPackedY(int packed) { return packed % kListUnit; }
constexpr int withTop(int packed, int top) { return (packed / kListUnit) * kListUnit + top; }

// Signal_Razmer_X, Signal_Razmer_Y: size + 64 x part of the shape.
constexpr int kShapeUnit = 64;
constexpr int withSignalSize(int packed, int size) { return (packed / kShapeUnit) * kShapeUnit + size; }

// Figura_Type: 0 a rectangle; 1, and 3 as the shape control codes it, a circle.
constexpr bool figureIsCircle(int type) { return type == 1 || type == 3; }

} // namespace pelmora::pages
