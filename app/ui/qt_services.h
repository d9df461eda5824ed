#pragma once
// The Qt implementations of the user-interface services.

#include "core/services.h"

class QMessageBox;

namespace pelmora {

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
};

} // namespace pelmora
