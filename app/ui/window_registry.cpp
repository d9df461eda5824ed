#include "ui/window_registry.h"

namespace pelmora {

void WindowRegistry::addBlocker(QWidget *window)
{
    removeBlocker(window);
    blockers_.append(window);
}

void WindowRegistry::removeBlocker(const QWidget *window)
{
    blockers_.removeIf([window](const QPointer<QWidget> &w) { return w.isNull() || w.data() == window; });
}

QWidget *WindowRegistry::blocker() const
{
    for (auto it = blockers_.crbegin(); it != blockers_.crend(); ++it)
        if (!it->isNull())
            return it->data();
    return nullptr;
}

} // namespace pelmora
