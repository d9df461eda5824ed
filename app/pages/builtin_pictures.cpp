#include "pages/builtin_pictures.h"

#include "pages/builtin_images.h"

namespace pelmora::pages::builtin {

QPixmap STOP_Image(int keyType) { return QPixmap::fromImage(controlImage(keyType)); }
QPixmap PictureVent(int code) { return QPixmap::fromImage(mechanismImage(code)); }
QPixmap Krylcatka_1() { return QPixmap::fromImage(impellerImage(1)); }
QPixmap Krylcatka_2() { return QPixmap::fromImage(impellerImage(2)); }
QPixmap menuPicture() { return QPixmap::fromImage(menuImage()); }
QPixmap graphPicture() { return QPixmap::fromImage(graphImage()); }
QPixmap manometerPicture() { return QPixmap::fromImage(manometerImage()); }

} // namespace pelmora::pages::builtin
