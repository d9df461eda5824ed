#pragma once
// The control grid that control buttons, transitions and menu items snap to:
// columns 60 pixels wide and rows 58 pixels high from the page origin, an
// element centred in a cell 80 pixels high (80 wide for a button or a single
// transition, 140 for a double transition and a menu item), and the
// allowances of the button key types that do not fit the plain cell.

namespace pelmora::pages {

constexpr int kRasterColumn = 60;
constexpr int kRasterRow = 58;
constexpr int kRasterCell = 80;
constexpr int kRasterWideCell = 140;
// A control button stands 20 pixels into its column.
constexpr int kControlColumnOffset = 20;
// Control buttons and transitions stay left of 760 and above 440.
constexpr int kRasterRight = 760;
constexpr int kRasterBottom = 440;

// What a key type changes: the width allowance lowers the rightmost X, the
// height allowance widens the cell the button is centred in, the shift moves
// it left in its column.
struct KeyAllowance {
    int width = 0;
    int height = 0;
    int shift = 0;
};
KeyAllowance keyAllowance(int keyType);

// The start of the column and of the row that v (rounded) lies in.
int rasterColumnStart(double v);
int rasterRowStart(double v);
// An element of width or height `size` centred in a cell of `cell` pixels.
int centredIn(int cell, double size);

} // namespace pelmora::pages
