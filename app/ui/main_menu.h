#pragma once
// The main window's menu items, named as in its menu tree. A window or handler
// object that shows, hides, ticks or triggers an item reaches it here. Menus
// are reached through their menu action, so every item answers isVisible,
// isEnabled and isChecked alike.

#include <QList>
#include <QString>

class QAction;
class QMenu;

namespace pelmora {

struct MainMenu {
    QAction *mnuFile = nullptr, *mnuNEW = nullptr, *mnuLoad = nullptr, *mnuSave = nullptr, *mnu5 = nullptr,
            *mnuNetlist = nullptr, *mnu1 = nullptr, *mnuExit = nullptr;
    QAction *mnuConfig = nullptr, *mnuSchema = nullptr, *MnuSCADA = nullptr, *mmnu = nullptr, *mnuNastrojki = nullptr;
    QAction *MnuSCADA1 = nullptr, *MnuInsertFonSCADA = nullptr, *MnuColorFonSCADA = nullptr, *mnuBlockSCADA = nullptr,
            *MnuCoordNetSCADA = nullptr, *MnuLine = nullptr, *MnuFigura = nullptr, *MnuMenuSCADA = nullptr,
            *mnuText = nullptr, *MnuGotoBlockSCADA = nullptr, *MnuParametrSCADA = nullptr, *MnuLevelSCADA = nullptr,
            *mnuManometr = nullptr, *MnuSignalSCADA = nullptr, *MnuTextSignal = nullptr, *mnuVent = nullptr,
            *MnuControl = nullptr, *MnuJurnSignal = nullptr, *MnuClockSCADA = nullptr;
    QAction *MnuOrvo = nullptr, *MnuSaveOrvo = nullptr, *MnuSaveOrvoSCADA = nullptr, *MnuAllSaveOrvoSCADA = nullptr;
    QAction *mnuTesk = nullptr, *mnuCalculiator = nullptr, *mnuOSC = nullptr, *mnuOSC_Orvo = nullptr;
    QAction *mnuHelp = nullptr, *mnuHelp5 = nullptr, *mnuHelp4 = nullptr, *mnuHelp3 = nullptr, *mnuHelp1 = nullptr,
            *mnuHelp2 = nullptr;
    QAction *mnuEdit = nullptr, *mnuCopy = nullptr, *mnuPaste = nullptr, *mnuDelete = nullptr;
    QMenu *mnuEditMenu = nullptr; // the page editor's pop-up menu

    // Every item, in menu-tree order.
    QList<QAction *> menuItems;
    // The item of that name, or nullptr.
    QAction *menuItem(const QString &name) const;
};

} // namespace pelmora
