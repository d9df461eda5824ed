#pragma once
// The pictures the program brings along, as images: the built-in control-button
// pictures (one per key type 0..19), the mechanism pictures (one per picture
// code 0..22), the two fan impellers and the menu-item picture. Compiled in as
// resources of the core, so the page renderer reaches them without a window;
// the page views show the same pictures (pages/builtin_pictures.h).

#include <QImage>

namespace pelmora::pages::builtin {

constexpr int kKeyTypes = 20;       // key types 0..19
constexpr int kMechanismCodes = 23; // picture codes 0..22

// Null for a key type or picture code outside the ranges.
QImage controlImage(int keyType);
QImage mechanismImage(int code);
QImage impellerImage(int which); // 1 or 2; null for any other number
QImage menuImage();              // 123 x 44
QImage graphImage();             // 160 x 100
QImage manometerImage();         // 70 x 73

} // namespace pelmora::pages::builtin
