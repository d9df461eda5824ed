#pragma once
// The main window: it lives for the whole run, owns the project model and the
// window registry, and forwards each subsystem's handlers to that subsystem's
// own object.

#include "core/model/project_model.h"
#include "project/format_version.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace pelmora {

class ControllerLink;
class SchemaUpload;
class ProjectMenu;
class PageEditor;
class PageView;
class SchemaView;
class ProjectSettingsMenu;

class Config_SCADA : public QMainWindow {
    Q_OBJECT

public:
    Config_SCADA();
    ~Config_SCADA() override;

    ProjectModel &model() { return *model_; }

    // Menu items, named as in the menu tree. Menus are reached through their
    // menu action, so every item answers isVisible/isEnabled/isChecked alike.
    QAction *mnuFile, *mnuNEW, *mnuLoad, *mnuSave, *mnu5, *mnuNetlist, *mnu1, *mnuExit;
    QAction *mnuConfig, *mnuSchema, *MnuSCADA, *mmnu, *mnuNastrojki;
    QAction *MnuSCADA1, *MnuInsertFonSCADA, *MnuColorFonSCADA, *mnuBlockSCADA, *MnuCoordNetSCADA, *MnuLine, *MnuFigura,
        *MnuMenuSCADA, *mnuText, *MnuGotoBlockSCADA, *MnuParametrSCADA, *MnuLevelSCADA, *mnuManometr, *MnuSignalSCADA,
        *MnuTextSignal, *mnuVent, *MnuControl, *MnuJurnSignal, *MnuClockSCADA;
    QAction *MnuOrvo, *MnuSaveOrvo, *MnuSaveOrvoSCADA, *MnuAllSaveOrvoSCADA;
    QAction *mnuTesk, *mnuCalculiator, *mnuOSC, *mnuOSC_Orvo;
    QAction *mnuHelp, *mnuHelp5, *mnuHelp4, *mnuHelp3, *mnuHelp1, *mnuHelp2;
    QAction *mnuEdit, *mnuCopy, *mnuPaste, *mnuDelete;
    QMenu *mnuEditMenu; // the page editor's context menu

    QWidget *Client; // the window's own drawing surface, pixel coordinates
    QLabel *Logo;
    std::array<QLabel *, 105> Block_IMAGE{};
    QLineEdit *Varning_Text;

    // Every menu item, in menu-tree order (for tests and lookups by name).
    const QList<QAction *> &menuItems() const { return menuItems_; }
    QAction *menuItem(const QString &name) const;

    // Windows the program opens, by their names; shutdown unloads the ones on its list.
    void registerWindow(const QString &name, QWidget *window);
    QWidget *openWindow(const QString &name) const;

    // Handlers.
    void Form_Load();
    void Form_Unload();
    void mnuExit_Click();
    void mnuHelp1_Click();
    void mnuHelp2_Click();
    void mnuHelp3_Click();
    void mnuHelp4_Click();
    void mnuHelp5_Click();

    // Each subsystem's handlers live in an object of that subsystem, owned here.
    // (Add one member per subsystem object below, and one line in attachSubsystems().)
    // -- subsystem objects --
    std::unique_ptr<ControllerLink> link;                 // serial port, TCP client and server of every transfer
    std::unique_ptr<SchemaUpload> schemaUpload;           // "&Записати схему в Orvo_Tesk", Timer_05
    std::unique_ptr<PageView> pageView;                   // page tabs, page canvases, blink timer
    std::unique_ptr<SchemaView> schemaView;               // schema view, view switch, netlist menu
    std::unique_ptr<ProjectSettingsMenu> projectSettings; // "&Створити проект", "&Налаштування"
    std::unique_ptr<PageEditor> pageEditor;               // insert items, canvas events, page settings
    std::unique_ptr<ProjectMenu> projectMenu; // "&Зберегти проект", "&Відкрити проект"
    // -- end of subsystem objects --

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void attachSubsystems();
    void selectVersion(const VersionItem &item);
    QAction *versionAction(const VersionItem &item) const;

    std::unique_ptr<ProjectModel> model_;
    QList<QAction *> menuItems_;
    QHash<QString, QPointer<QWidget>> windows_;
    bool unloaded_ = false;
};

} // namespace pelmora
