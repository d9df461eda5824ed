#include "ui/window_registry.h"

namespace pelmora {

void WindowRegistry::addBlocker(QWidget *window, QWidget *owner)
{
    blockers_.removeIf([window](const Blocker &b) { return b.window.isNull() || b.window.data() == window; });
    blockers_.append(Blocker{window, owner});
    if (owner)
        settle(*owner);
}

void WindowRegistry::removeBlocker(const QWidget *window)
{
    QList<QPointer<QWidget>> owners;
    blockers_.removeIf([window, &owners](const Blocker &b) {
        const bool gone = b.window.isNull() || b.window.data() == window;
        if (gone)
            owners.append(b.owner);
        return gone;
    });
    for (const QPointer<QWidget> &owner : owners)
        if (owner)
            settle(*owner);
}

bool WindowRegistry::blocks(const QWidget *owner) const
{
    for (const Blocker &b : blockers_)
        if (!b.window.isNull() && b.owner.data() == owner)
            return true;
    return false;
}

QWidget *WindowRegistry::blocker() const
{
    for (auto it = blockers_.crbegin(); it != blockers_.crend(); ++it)
        if (!it->window.isNull())
            return it->window.data();
    return nullptr;
}

void WindowRegistry::settle(QWidget &owner) const { owner.setEnabled(!blocks(&owner)); }

} // namespace pelmora
