#include "elements/bgr_colour.h"

namespace pelmora::element {

std::int32_t bgrOf(const QColor &c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

QColor colourOf(std::int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

} // namespace pelmora::element
