#pragma once
// The pictures the program brings along, drawn for it and compiled in as
// resources: the built-in control-button pictures (STOP_Image, one per key
// type 0..19), the mechanism pictures (PictureVent, one per picture code
// 0..22) and the two fan impellers (Krylcatka_1, Krylcatka_2), and the
// pictures of the menu-item, graph-window and manometer templates.

#include <QPixmap>

namespace pelmora::pages::builtin {

constexpr int kKeyTypes = 20;       // key types 0..19
constexpr int kMechanismCodes = 23; // picture codes 0..22

// Null for a key type or picture code outside the ranges.
QPixmap STOP_Image(int keyType);
QPixmap PictureVent(int code);
QPixmap Krylcatka_1();
QPixmap Krylcatka_2();

QPixmap menuPicture();      // 123 x 44
QPixmap graphPicture();     // 160 x 100
QPixmap manometerPicture(); // 70 x 73

} // namespace pelmora::pages::builtin
