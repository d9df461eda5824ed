#include "ui/main_menu.h"

#include <QAction>

namespace pelmora {

QAction *MainMenu::menuItem(const QString &name) const
{
    for (QAction *a : menuItems)
        if (a->objectName() == name)
            return a;
    return nullptr;
}

} // namespace pelmora
