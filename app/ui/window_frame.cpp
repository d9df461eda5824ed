#include "ui/window_frame.h"

#include "ui/window_registry.h"

#include <QEvent>
#include <QKeySequence>
#include <QRect>
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
    if (owner_) {
        // The native window exists once the widget is created; the window
        // manager learns the transient parent before the window is mapped.
        window_.winId();
        QWidget *ownerWindow = owner_->window();
        ownerWindow->winId();
        if (QWindow *handle = window_.windowHandle())
            handle->setTransientParent(ownerWindow->windowHandle());
        // A window that has no place of its own is centred over its owner.
        if (!window_.testAttribute(Qt::WA_Moved)) {
            QRect r = window_.frameGeometry();
            r.moveCenter(ownerWindow->frameGeometry().center());
            window_.move(r.topLeft());
        }
    }
    if (armed_ || kind_ != WindowFrameKind::Modal)
        return;
    armed_ = true;
    if (owner_)
        owner_->setEnabled(false);
    if (registry_)
        registry_->addBlocker(&window_);
}

void WindowFrame::release()
{
    if (!armed_)
        return;
    armed_ = false;
    if (registry_)
        registry_->removeBlocker(&window_);
    if (owner_)
        owner_->setEnabled(true);
}

bool WindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &window_) {
        if (event->type() == QEvent::Show && !event->spontaneous())
            arm();
        else if (event->type() == QEvent::Hide && !event->spontaneous())
            release();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelmora
