#pragma once
// A dialog's colour boxes: a click opens the colour dialog at the colour last
// chosen in this dialog window (black before any), and a chosen colour goes
// into the box. A cancelled colour dialog leaves the box's colour as it was.

#include <cstdint>
#include <optional>

namespace pelmora::element {

class ColourChooser {
public:
    // Opens the colour dialog (through the installed colour service); the
    // chosen colour, 0x00BBGGRR, or nullopt when the dialog was cancelled.
    std::optional<std::int32_t> choose();
    // A click on a colour box: its colour becomes the chosen one, if any.
    bool chooseInto(std::int32_t &box);

    std::int32_t current() const { return current_; }

private:
    std::int32_t current_ = 0;
};

} // namespace pelmora::element
