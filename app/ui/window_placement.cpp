#include "ui/window_placement.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace pelmora {

void standAbove(QWidget &window, QWidget *owner)
{
    if (!owner)
        return;
    QWidget *ownerWindow = owner->window();
    window.winId();
    ownerWindow->winId();
    if (QWindow *handle = window.windowHandle())
        handle->setTransientParent(ownerWindow->windowHandle());
}

QPoint placeOverOwner(const QRect &owner, const QSize &frameSize, const QRect &available)
{
    QRect r(QPoint(0, 0), frameSize);
    r.moveCenter(owner.center());
    if (available.isEmpty())
        return r.topLeft();
    // Pulled back from the right and the bottom first, then from the left and
    // the top, so the top left wins when the window does not fit.
    const int x =
        std::max(std::min(r.left(), available.left() + available.width() - frameSize.width()), available.left());
    const int y =
        std::max(std::min(r.top(), available.top() + available.height() - frameSize.height()), available.top());
    return {x, y};
}

} // namespace pelmora
