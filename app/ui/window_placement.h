#pragma once
// Where a window that has no place of its own opens: centred over the window
// it belongs to, then moved inside the screen area that windows may take (the
// screen without its panels), so that its title bar and menus can be reached
// wherever the owner stands.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace pelmora {

// The top left of a window of frameSize (its frame included) centred over
// owner (the owner's frame), kept inside available. A window larger than
// available keeps its top left corner inside it: the title bar and the menus
// stay reachable and the rest runs off the right or the bottom. Without an
// available area (no screen known) the window is only centred.
QPoint placeOverOwner(const QRect &owner, const QSize &frameSize, const QRect &available);

} // namespace pelmora
