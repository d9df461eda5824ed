#pragma once
// The frame every secondary window of the program stands in. The window is a
// top-level window without a parent (a disabled parent would disable it too)
// and transient for the window it belongs to, its owner: the window manager
// keeps it above the owner and the frame centres it over the owner when it is
// first shown. A modal window counts itself in the registry, with its owner,
// while it is shown: the registry disables the owner and the main window
// refuses to close. Whichever way it goes (its own buttons, the close box,
// Escape, being deleted) it leaves the registry, which enables the owner again
// once no other modal window is open over it. Escape does what the window's own cancel or close does;
// Enter presses the window's default button (its Ok) and no other, unless the
// control with the focus takes Enter itself: no other push button of the
// window is auto-default, so a button that keeps the focus after a click (the
// settings dialog's "Завантажити") does not take Enter from the Ok.

#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractButton;
class QWidget;

namespace pelmora {

class WindowRegistry;

enum class WindowFrameKind {
    Modal,   // disables its owner while shown
    Modeless // stays above its owner, which stays usable
};

class WindowFrame : public QObject {
    Q_OBJECT

public:
    WindowFrame(QWidget &window, QWidget &owner, WindowRegistry &registry, WindowFrameKind kind);
    ~WindowFrame() override;

    // What Escape does; without it Escape does nothing.
    void onEscape(std::function<void()> handler) { escape_ = std::move(handler); }
    // The button Enter presses (the window's Ok); without one Enter does nothing.
    // It is drawn as the default button; the window's other push buttons are
    // not auto-default.
    void setDefaultButton(QAbstractButton *button);
    QAbstractButton *defaultButton() const { return default_.data(); }

    // Shows the window above its owner; a window already shown comes to the front.
    void show();

    QWidget *owner() const { return owner_.data(); }
    WindowFrameKind kind() const { return kind_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void arm();
    void release();
    void settleDefaults();

    QWidget &window_;
    QPointer<QWidget> owner_;
    QPointer<WindowRegistry> registry_;
    WindowFrameKind kind_;
    bool enterPressed();

    std::function<void()> escape_;
    QPointer<QAbstractButton> default_;
    bool armed_ = false;
};

} // namespace pelmora
