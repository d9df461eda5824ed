#pragma once
// The pictures the program brings along, as the page views show them: the
// built-in control-button pictures (STOP_Image, one per key type 0..19), the
// mechanism pictures (PictureVent, one per picture code 0..22) and the two fan
// impellers (Krylcatka_1, Krylcatka_2), and the pictures of the menu-item,
// graph-window and manometer templates. The images themselves are the core's
// (pages/builtin_images.h).

#include "pages/builtin_images.h"

#include <QPixmap>

namespace pelmora::pages::builtin {

// Null for a key type or picture code outside the ranges.
QPixmap STOP_Image(int keyType);
QPixmap PictureVent(int code);
QPixmap Krylcatka_1();
QPixmap Krylcatka_2();

QPixmap menuPicture();      // 123 x 44
QPixmap graphPicture();     // 160 x 100
QPixmap manometerPicture(); // 70 x 73

} // namespace pelmora::pages::builtin
