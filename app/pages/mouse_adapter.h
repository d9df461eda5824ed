#pragma once
// The one way mouse input reaches the page editor's handlers: an event filter
// on a canvas or an element control turns Qt's mouse events into the calls
// the handlers take — Click, DblClick, MouseDown, MouseMove, MouseUp — with
// Button (1 left, 2 right, 4 middle; the mask of the held buttons for a move),
// Shift (1 Shift, 2 Ctrl, 4 Alt) and the pointer position in the unit of the
// control: pixels on a canvas, twips (15 to the pixel) relative to an element
// control. Handlers convert twips back with twipsToPixels.
//
// A double-click gives MouseDown, MouseUp, Click, then DblClick and MouseUp,
// the order the handlers rely on. Click and DblClick come from the left
// button only, as the indicator control raises them.

#include <QObject>
#include <Qt>
#include <functional>

class QWidget;

namespace pelmora::pages {

struct MouseHandlers {
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(short Button, short Shift, float X, float Y)> MouseDown;
    std::function<void(short Button, short Shift, float X, float Y)> MouseMove;
    std::function<void(short Button, short Shift, float X, float Y)> MouseUp;
};

enum class MouseUnits { Pixels, Twips };

constexpr int kTwipsPerPixel = 15;

short buttonCode(Qt::MouseButton button);
short buttonMask(Qt::MouseButtons buttons);
short shiftCode(Qt::KeyboardModifiers modifiers);
// A position in twips as the editor uses it: rounded to a whole number, then
// divided by 15 with the quotient truncated toward zero.
int twipsToPixels(float twips);

class MouseAdapter : public QObject {
    Q_OBJECT

public:
    // Installs an adapter on `target`; it lives as long as the target.
    static MouseAdapter *attach(QWidget *target, MouseUnits units, MouseHandlers handlers);

    MouseHandlers &handlers() { return handlers_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MouseAdapter(QWidget *target, MouseUnits units, MouseHandlers handlers);
    float unit(double pixels) const;

    MouseUnits units_;
    MouseHandlers handlers_;
    bool afterDoubleClick_ = false;
};

} // namespace pelmora::pages
