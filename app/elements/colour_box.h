#pragma once
// A dialog's colour boxes: a click opens the colour dialog at the box's own
// colour (the colour being changed, so a quick Ok keeps it), and a chosen
// colour goes into the box. A cancelled colour dialog leaves the box's colour
// as it was.

#include <cstdint>
#include <optional>

namespace pelmora::element {

// Opens the colour dialog (through the installed colour service) at
// `start`; the chosen colour, 0x00BBGGRR, or nullopt when the dialog was
// cancelled.
std::optional<std::int32_t> chooseColour(std::int32_t start);
// A click on a colour box: the dialog starts at the box's colour, which
// becomes the chosen one, if any.
bool chooseColourInto(std::int32_t &box);

} // namespace pelmora::element
