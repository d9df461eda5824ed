#pragma once
// Label1: the transparent layer over the whole control. Every mouse event of
// the control comes from it, in the units a host of the control expects:
// Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt; X and Y in
// twips (15 to the pixel) from the control's top left corner.

#include <QWidget>

namespace lumtor {

class Lumtor;

class EventLayer : public QWidget {
    Q_OBJECT
public:
    explicit EventLayer(Lumtor *owner);

    static constexpr float TwipsPerPixel = 15.0f;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Lumtor *owner_;
    bool releaseEndsDoubleClick_ = false;
};

} // namespace lumtor
