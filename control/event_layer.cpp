#include "event_layer.h"

#include "lumtor.h"

#include <QMouseEvent>
#include <QPointer>
#include <cmath>

namespace lumtor {

namespace {

short buttonCode(Qt::MouseButtons b)
{
    short code = 0;
    if (b & Qt::LeftButton)
        code |= 1;
    if (b & Qt::RightButton)
        code |= 2;
    if (b & Qt::MiddleButton)
        code |= 4;
    return code;
}

short shiftCode(Qt::KeyboardModifiers m)
{
    short code = 0;
    if (m & Qt::ShiftModifier)
        code |= 1;
    if (m & Qt::ControlModifier)
        code |= 2;
    if (m & Qt::AltModifier)
        code |= 4;
    return code;
}

float twips(qreal pixels) { return float(std::floor(pixels)) * EventLayer::TwipsPerPixel; }

} // namespace

EventLayer::EventLayer(Lumtor *owner) : QWidget(owner), owner_(owner)
{
    setObjectName(QStringLiteral("Label1"));
    // Moves without a button pressed are events of the control too.
    setMouseTracking(true);
}

void EventLayer::mousePressEvent(QMouseEvent *event)
{
    releaseEndsDoubleClick_ = false;
    const QPointF at = event->position();
    owner_->Label1_MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), twips(at.x()), twips(at.y()));
}

void EventLayer::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    const bool click = event->button() == Qt::LeftButton && rect().contains(at.toPoint()) && !releaseEndsDoubleClick_;
    releaseEndsDoubleClick_ = false;
    // A handler of MouseUp may release the control; the click then goes nowhere.
    QPointer<EventLayer> alive(this);
    owner_->Label1_MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), twips(at.x()), twips(at.y()));
    if (alive && click)
        owner_->Label1_Click();
}

void EventLayer::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    owner_->Label1_MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), twips(at.x()), twips(at.y()));
}

void EventLayer::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click raises DblClick instead of MouseDown,
    // and its release raises MouseUp without a Click.
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    releaseEndsDoubleClick_ = true;
    owner_->Label1_DblClick();
}

} // namespace lumtor
