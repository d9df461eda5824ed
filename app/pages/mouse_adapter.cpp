#include "pages/mouse_adapter.h"

#include "core/numbers.h"

#include <QMouseEvent>
#include <QWidget>

namespace pelmora::pages {

short buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

short buttonMask(Qt::MouseButtons buttons)
{
    short mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= 1;
    if (buttons & Qt::RightButton)
        mask |= 2;
    if (buttons & Qt::MiddleButton)
        mask |= 4;
    return mask;
}

short shiftCode(Qt::KeyboardModifiers modifiers)
{
    short shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

int twipsToPixels(float twips) { return static_cast<int>(num::intDiv(twips, kTwipsPerPixel).value_or(0)); }

MouseAdapter *MouseAdapter::attach(QWidget *target, MouseUnits units, MouseHandlers handlers)
{
    return new MouseAdapter(target, units, std::move(handlers));
}

MouseAdapter::MouseAdapter(QWidget *target, MouseUnits units, MouseHandlers handlers)
    : QObject(target), units_(units), handlers_(std::move(handlers))
{
    setObjectName(QStringLiteral("MouseAdapter"));
    target->installEventFilter(this);
    target->setMouseTracking(true);
}

float MouseAdapter::unit(double pixels) const
{
    return static_cast<float>(units_ == MouseUnits::Twips ? pixels * kTwipsPerPixel : pixels);
}

bool MouseAdapter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: break;
    default: return QObject::eventFilter(watched, event);
    }
    // A control of a disabled window (the main window while an element dialog
    // holds it) takes no mouse input; Qt passes the event to the filters all the same.
    if (auto *w = qobject_cast<QWidget *>(watched); w && !w->isEnabled())
        return true;
    // A handler may unload the control; keep this object alive through the call.
    QPointer<MouseAdapter> self(this);
    auto *me = static_cast<QMouseEvent *>(event);
    const QPointF pos = me->position();
    const float x = unit(pos.x()), y = unit(pos.y());
    const short shift = shiftCode(me->modifiers());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        afterDoubleClick_ = false;
        if (handlers_.MouseDown)
            handlers_.MouseDown(buttonCode(me->button()), shift, x, y);
        break;
    case QEvent::MouseButtonDblClick:
        // Only the left button double-clicks; a second press of another
        // button is a press like the first.
        if (me->button() != Qt::LeftButton) {
            afterDoubleClick_ = false;
            if (handlers_.MouseDown)
                handlers_.MouseDown(buttonCode(me->button()), shift, x, y);
            break;
        }
        afterDoubleClick_ = true;
        if (handlers_.DblClick)
            handlers_.DblClick();
        break;
    case QEvent::MouseMove:
        if (handlers_.MouseMove)
            handlers_.MouseMove(buttonMask(me->buttons()), shift, x, y);
        break;
    case QEvent::MouseButtonRelease: {
        // Only the left button clicks; the right one opens the edit menu at its press.
        const bool clicked = me->button() == Qt::LeftButton && !afterDoubleClick_ &&
                             static_cast<QWidget *>(watched)->rect().contains(pos.toPoint());
        afterDoubleClick_ = false;
        if (handlers_.MouseUp)
            handlers_.MouseUp(buttonCode(me->button()), shift, x, y);
        if (self && clicked && handlers_.Click)
            handlers_.Click();
        break;
    }
    default: break;
    }
    return true;
}

} // namespace pelmora::pages
