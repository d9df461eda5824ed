#include "elements/colour_box.h"

#include "core/services.h"
#include "elements/bgr_colour.h"

namespace pelmora::element {

std::optional<std::int32_t> chooseColour(std::int32_t start)
{
    const auto chosen = Services::colors().choose(colourOf(start));
    if (!chosen)
        return std::nullopt;
    return bgrOf(*chosen);
}

bool chooseColourInto(std::int32_t &box)
{
    const auto colour = chooseColour(box);
    if (colour)
        box = *colour;
    return colour.has_value();
}

} // namespace pelmora::element
