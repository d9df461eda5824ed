#pragma once
#include <QPixmap>

namespace pelmora {
// The program's logo, 457 x 179 pixels, drawn for this program.
QPixmap drawLogo();
} // namespace pelmora
