#pragma once
// The Qt implementations of the user-interface services. Each dialog stands
// above the window it belongs to, as the window frame keeps the program's own
// windows: a top-level window without a widget parent (a disabled parent
// would disable it too), transient for that window, so the window manager
// keeps it above it and a click on the main window hides neither it nor the
// window it came from, and centred over it.

#include "core/services.h"

#include <QPointer>

class QMessageBox;
class QWidget;

namespace pelmora {

class WindowRegistry;

// The width a window needs to show `title` whole in its frame.
int titleWidth(const QString &title);
// Widens a message box so its title is not cut.
void fitTitle(QMessageBox &box);

class QtServices final : public MessageService,
                         public FileDialogService,
                         public ColorDialogService,
                         public FontDialogService {
public:
    MsgAnswer show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title) override;
    std::optional<QString> open(const FileDialogRequest &request) override;
    std::optional<QString> save(const FileDialogRequest &request) override;
    std::optional<QColor> choose(const QColor &initial) override;
    std::optional<FontChoice> choose(const FontChoice &initial) override;

    void installAll();

    // The main window and its registry of windows, for finding the window a
    // dialog belongs to; without them that is the active window, if any.
    void belongTo(QWidget &mainWindow, WindowRegistry &windows);
    // The window a dialog shown now belongs to: a dialog that is modal for
    // Qt (a message box over which another one comes), else the active
    // window while it is enabled, else the modal window opened last, else
    // the main window; nullptr when none is shown.
    QWidget *owner() const;

private:
    QPointer<QWidget> main_;
    QPointer<WindowRegistry> windows_;
};

} // namespace pelmora
