#include "ui/window_frame.h"

#include "ui/window_placement.h"
#include "ui/window_registry.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

namespace pelmora {

WindowFrame::WindowFrame(QWidget &window, QWidget &owner, WindowRegistry &registry, WindowFrameKind kind)
    : QObject(&window), window_(window), owner_(&owner), registry_(&registry), kind_(kind)
{
    window.installEventFilter(this);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        if (escape_)
            escape_();
    });
}

WindowFrame::~WindowFrame() { release(); }

void WindowFrame::show()
{
    const bool shown = window_.isVisible();
    window_.show();
    if (shown) {
        window_.raise();
        window_.activateWindow();
    }
}

void WindowFrame::arm()
{
    settleDefaults();
    if (owner_) {
        standAbove(window_, owner_);
        QWidget *ownerWindow = owner_->window();
        // A window that has no place of its own is centred over its owner,
        // inside the area of the owner's screen that windows may take. Before
        // its first showing a window has no frame yet; it will get one like
        // its owner's, so the owner's frame margins are counted in.
        if (!window_.testAttribute(Qt::WA_Moved)) {
            QSize frame = window_.frameGeometry().size();
            if (frame == window_.size())
                frame += ownerWindow->frameGeometry().size() - ownerWindow->size();
            const QScreen *screen = ownerWindow->screen();
            const QPoint place =
                placeOverOwner(ownerWindow->frameGeometry(), frame, screen ? screen->availableGeometry() : QRect());
            window_.move(place);
            // A place equal to the one the window already has (the screen's
            // top left corner, where a window stands before it is first
            // shown) is no move, and the window manager would then place the
            // window where it likes: the native window is given the place
            // itself.
            if (QWindow *handle = window_.windowHandle())
                handle->setFramePosition(place);
        }
    }
    if (armed_ || kind_ != WindowFrameKind::Modal)
        return;
    armed_ = true;
    if (registry_)
        registry_->addBlocker(&window_, owner_.data());
    else if (owner_)
        owner_->setEnabled(false);
}

void WindowFrame::release()
{
    if (!armed_)
        return;
    armed_ = false;
    if (registry_)
        registry_->removeBlocker(&window_);
    else if (owner_)
        owner_->setEnabled(true);
}

void WindowFrame::setDefaultButton(QAbstractButton *button)
{
    default_ = button;
    settleDefaults();
}

// The default button is drawn as a dialog's Ok is and takes Enter even when
// it has the focus; every other push button of the window is neither default
// nor auto-default, so having the focus (after a click) never makes it take
// Enter. Run again each time the window is shown, for buttons made later.
void WindowFrame::settleDefaults()
{
    for (QPushButton *push : window_.findChildren<QPushButton *>()) {
        if (push->window() != &window_)
            continue; // a window of its own, with its own frame
        push->setAutoDefault(false);
        push->setDefault(push == default_.data());
    }
}

// Enter that no control of the window took presses the default button, when
// it is enabled and shown, and nothing else.
bool WindowFrame::enterPressed()
{
    QAbstractButton *target = default_.data();
    if (!target || !target->isEnabled() || !target->isVisible())
        return false;
    target->click();
    return true;
}

bool WindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &window_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && enterPressed()) {
            event->accept();
            return true;
        }
    }
    if (watched == &window_) {
        if (event->type() == QEvent::Show && !event->spontaneous())
            arm();
        else if (event->type() == QEvent::Hide && !event->spontaneous())
            release();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelmora
