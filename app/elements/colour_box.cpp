#include "elements/colour_box.h"

#include "core/services.h"
#include "elements/bgr_colour.h"

namespace pelmora::element {

std::optional<std::int32_t> ColourChooser::choose()
{
    const auto chosen = Services::colors().choose(colourOf(current_));
    if (!chosen)
        return std::nullopt;
    current_ = bgrOf(*chosen);
    return current_;
}

bool ColourChooser::chooseInto(std::int32_t &box)
{
    const auto colour = choose();
    if (colour)
        box = *colour;
    return colour.has_value();
}

} // namespace pelmora::element
