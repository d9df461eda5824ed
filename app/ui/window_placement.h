#pragma once
// How a window stands over the window it belongs to: transient for it, so the
// window manager keeps it above, and, when it has no place of its own, opened
// centred over it, then moved inside the screen area that windows may take
// (the screen without its panels), so that its title bar and menus can be
// reached wherever the owner stands.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace pelmora {

// Makes `window` transient for `owner`'s window, so that it stands above it
// (and Qt centres a dialog over it when it is shown); a null owner changes
// nothing. Called before the window is shown: the native windows are created
// here, so the window manager learns the transient parent before the window
// is mapped.
void standAbove(QWidget &window, QWidget *owner);

// The top left of a window of frameSize (its frame included) centred over
// owner (the owner's frame), kept inside available. A window larger than
// available keeps its top left corner inside it: the title bar and the menus
// stay reachable and the rest runs off the right or the bottom. Without an
// available area (no screen known) the window is only centred.
QPoint placeOverOwner(const QRect &owner, const QSize &frameSize, const QRect &available);

} // namespace pelmora
