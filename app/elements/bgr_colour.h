#pragma once
// Colours as the element tables hold them: 24-bit values 0x00BBGGRR, red in
// the low byte. The dialogs' colour boxes and previews, the page canvases and
// the restored views convert through these two functions.

#include <QColor>
#include <cstdint>

namespace pelmora::element {

std::int32_t bgrOf(const QColor &c);
// Only the low 24 bits are colour.
QColor colourOf(std::int32_t bgr);

} // namespace pelmora::element
