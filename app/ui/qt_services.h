#pragma once
// The Qt implementations of the user-interface services.

#include "core/services.h"

namespace pelmora {

class QtServices final : public MessageService,
                         public FileDialogService,
                         public ColorDialogService,
                         public FontDialogService {
public:
    MsgAnswer show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title) override;
    std::optional<QString> open(const FileDialogRequest &request) override;
    std::optional<QString> save(const FileDialogRequest &request) override;
    std::optional<QColor> choose(const QColor &initial) override;
    std::optional<QFont> choose(const QFont &initial) override;

    void installAll();
};

} // namespace pelmora
