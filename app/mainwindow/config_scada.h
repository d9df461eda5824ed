#pragma once
// The main window: it lives for the whole run, owns the project model, the
// window registry and the controller link, and builds each subsystem's object
// that holds that subsystem's handlers. It knows every subsystem; the
// subsystems reach it only through MainWindowPort.

#include "core/model/project_model.h"
#include "project/format_version.h"
#include "ui/main_menu.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"

#include <QMainWindow>
#include <memory>

namespace pelmora {

class ControllerLink;
class ElementOpeners;
class SchemaUpload;
class ScadaUpload;
class ProjectMenu;
class PageEditor;
class PageView;
class SchemaView;
class ProjectSettingsMenu;

class Config_SCADA : public QMainWindow, public MainMenu, public MainSurface, public MainWindowPort {
    Q_OBJECT

public:
    Config_SCADA();
    ~Config_SCADA() override;

    ProjectModel &model() { return *model_; }

    QWidget &mainWindow() override { return *this; }
    WindowRegistry &windows() override { return registry_; }
    MainMenu &menu() override { return *this; }
    MainSurface &surface() override { return *this; }
    ControllerLink &link() override { return *link_; }
    void enableSettings(bool enabled) override;

    // Stops at once every transfer that holds the link: the schema, page and
    // mechanism uploads (a page range goes no further) and the monitors'
    // readouts. The handler guard calls it when an error escapes a handler,
    // before its message is shown.
    void stopTransfers();

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
    std::unique_ptr<SchemaUpload> schemaUpload;           // "&Записати схему в Orvo_Tesk", Timer_05
    std::unique_ptr<PageView> pageView;                   // page tabs, page canvases, blink timer
    std::unique_ptr<PageEditor> pageEditor;               // insert items, canvas events, page settings
    std::unique_ptr<SchemaView> schemaView;               // schema view, view switch, netlist menu
    std::unique_ptr<ProjectSettingsMenu> projectSettings; // "&Створити проект", "&Налаштування"
    std::unique_ptr<ProjectMenu> projectMenu; // "&Зберегти проект", "&Відкрити проект"
    std::unique_ptr<ElementOpeners> elementOpeners; // the element dialogs' openers, "&Попередження"
    std::unique_ptr<ScadaUpload> scadaUpload;       // the page items of the Orvo menu, SCADA_Timer, the range timers

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void attachSubsystems();
    void selectVersion(const VersionItem &item);
    QAction *versionAction(const VersionItem &item) const;

    std::unique_ptr<ProjectModel> model_;
    std::unique_ptr<ControllerLink> link_;
    WindowRegistry registry_;
    bool unloaded_ = false;
};

// Builds the menu tree on `bar`, its items recorded in `menu`; the page
// editor's pop-up menu is made with `owner` as its parent.
void buildMenuTree(MainMenu &menu, QMenuBar *bar, QWidget *owner);

} // namespace pelmora
