#include "element_dialogs/element_openers.h"

#include "pages/page_editor.h"
#include "ui/main_menu.h"
#include "ui/main_window_port.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>

namespace pelmora {

ElementOpeners::ElementOpeners(ProjectModel &m, MainWindowPort &main, PageEditor &editor)
    : c_{m, main, editor}, editor_(editor)
{
    registerFrameOpeners(*this);
    registerBoundOpeners(*this);
    editor.openElementDialog = [this](pages::ViewArray array, int index) { open(array, index); };
    if (QAction *item = main.menu().MnuJurnSignal)
        connect(item, &QAction::triggered, this, &ElementOpeners::MnuJurnSignal_Click);
    if (QLineEdit *line = main.surface().Varning_Text)
        line->installEventFilter(this);
}

ElementOpeners::~ElementOpeners()
{
    editor_.openElementDialog = nullptr;
    if (QLineEdit *line = c_.main.surface().Varning_Text)
        line->removeEventFilter(this);
}

void ElementOpeners::add(element::Kind kind, Opener opener)
{
    openers_[static_cast<std::size_t>(kind)] = std::move(opener);
}

bool ElementOpeners::open(pages::ViewArray array, int index)
{
    if (!element::viewOpensDialog(array))
        return false;
    const Opener &opener = openers_[static_cast<std::size_t>(element::kindOfView(array).kind)];
    if (!opener || !c_.main.mainWindow().isEnabled())
        return false;
    opener(*this, index);
    return true;
}

void ElementOpeners::MnuJurnSignal_Click() { open(pages::ViewArray::Varning_Text, 0); }

bool ElementOpeners::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == c_.main.surface().Varning_Text && event->type() == QEvent::MouseButtonDblClick) {
        MnuJurnSignal_Click();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelmora
