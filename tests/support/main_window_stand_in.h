#pragma once
// A stand-in for the main window: a plain window with the real menu tree, the
// controls of the main window's surface, a window registry and a controller
// link, so a test builds one window or handler object without the main window
// and its subsystems.

#include "core/model/project_model.h"
#include "link/controller_link.h"
#include "ui/main_menu.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"

#include <QMainWindow>

namespace pelmora::test {

class MainWindowStandIn : public MainWindowPort, public MainMenu, public MainSurface {
public:
    MainWindowStandIn();
    ~MainWindowStandIn() override;

    QWidget &mainWindow() override { return window; }
    WindowRegistry &windows() override { return registry; }
    MainMenu &menu() override { return *this; }
    MainSurface &surface() override { return *this; }
    ControllerLink &link() override { return controllerLink; }
    void enableSettings(bool enabled) override { settingsEnabled = enabled; }

    ProjectModel model;
    QMainWindow window;
    WindowRegistry registry;
    ControllerLink controllerLink;
    bool settingsEnabled = true; // what the uploads last asked of the settings dialog
};

} // namespace pelmora::test
