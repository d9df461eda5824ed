#pragma once
// What the subsystems' windows and handler objects use of the main window:
// the window itself (modal windows disable it and stay above it), the window
// registry, the menu items, the controls drawn on its surface, and the
// controller link. The main window implements it; a test implements it with a
// stand-in, so a window is built and driven without the main window.

#include <array>

class QLabel;
class QLineEdit;
class QWidget;

namespace pelmora {

class ControllerLink;
class WindowRegistry;
struct MainMenu;

// The controls on the main window's own surface.
struct MainSurface {
    QWidget *Client = nullptr; // the drawing surface, pixel coordinates
    QLabel *Logo = nullptr;
    std::array<QLabel *, 105> Block_IMAGE{}; // the schema view's pictures; 0 is the template
    QLineEdit *Varning_Text = nullptr;       // the warning line of the SCADA pages
};

class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;

    virtual QWidget &mainWindow() = 0;
    virtual WindowRegistry &windows() = 0;
    virtual MainMenu &menu() = 0;
    virtual MainSurface &surface() = 0;
    virtual ControllerLink &link() = 0;
    // Enables or disables the project settings dialog when it is loaded: an
    // upload disables it so that the link settings cannot change while it runs.
    // Enabled while a transfer is still under way, the dialog stays read-only.
    virtual void enableSettings(bool enabled) = 0;
};

} // namespace pelmora
