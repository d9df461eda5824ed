#pragma once
// The position arithmetic of the page editor: whole pixels rounded half to
// even, the remainder that keeps the dividend's sign, the truncating
// quotient, snapping to the grid, the twips of the element controls' mouse
// events, and the page every position stays on.

#include <QString>

namespace pelmora::pages {

constexpr int kPageWidth = 800, kPageHeight = 480;

// v rounded to a whole number, halves to even (0 for a value that is not finite).
int roundPixel(double v);
// a rounded, then the remainder of a / b with the sign of a; b rounded too.
int modOf(double a, double b);
// a and b rounded, the quotient truncated toward zero.
int quotientOf(double a, double b);

// The grid step in use: a step of 0 or less counts as 1.
int gridStep(int step);
// v rounded and brought down to its grid line: v - (v Mod step).
int snapToGrid(double v, int step);

// A mouse position in twips relative to a control, in whole pixels: rounded,
// then divided by 15 with the quotient truncated.
int pixelsOfTwips(float twips);

// A Left kept on the page, 0..800, and a Top, 0..480.
int onPageX(int x);
int onPageY(int y);

// A position as a tool tip writes it: the shortest decimal form, no point for
// whole pixels.
QString positionText(double v);

} // namespace pelmora::pages
