#pragma once
// Small pictures for the mechanism packing tests, built from their pixels in
// sequence order (rows from the top, each from left to right).

#include <QImage>
#include <functional>

namespace pelmora::test {

// A width x height picture whose pixel number s (in sequence order) has the colour colourAt(s).
QImage sequencePicture(int width, int height, const std::function<QRgb(int s)> &colourAt);

// Colours exact in RGB565 (their dropped low bits are 0), so a picture made of
// them comes back unchanged from its packed form.
constexpr QRgb kColourA = qRgb(0x10, 0x34, 0x58); // RGB565 0x11AB
constexpr QRgb kColourB = qRgb(0xF8, 0x80, 0x08); // RGB565 0xFC01
constexpr QRgb kColourC = qRgb(0x00, 0xFC, 0xF8); // RGB565 0x07FF

// Pixels 0 and 1 colour B, then A and B by turns (A on even s): after a run of
// two, every pixel is a literal of its own. The last tailRun pixels (if any)
// have colour C instead and make one run. Palette: black, B, A (and C).
QImage alternatingPicture(int width, int height, int tailRun = 0);

// The RGB565 colour number v (1..65535) as an exact 24-bit colour.
QRgb colour565(int v);

} // namespace pelmora::test
