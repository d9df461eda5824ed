#include "element_dialogs/element_dialog.h"

#include "elements/colour_box.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "element_dialogs/dialog_parts.h"
#include "elements/element_delete.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace pelmora {

using namespace element;

ElementDialog::ElementDialog(const ElementContext &c, Kind kind, const QString &caption)
    : QWidget(nullptr), m_(c.m), main_(c.main), views_(c.views), kind_(kind),
      frame_(new WindowFrame(*this, c.main.mainWindow(), c.main.windows(), WindowFrameKind::Modal))
{
    setObjectName(QLatin1String(kindInfo(kind).window));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    frame_->onEscape([this] { escapePressed(); });
}

ElementDialog::~ElementDialog() = default;

void ElementDialog::open() { frame_->show(); }

void ElementDialog::notify(const Notices &notices)
{
    for (const Notice &n : notices)
        showMessage(n.text, n.icon);
}

void ElementDialog::leave(Way way)
{
    if (leaving_)
        return;
    leaving_ = true;
    const TemplateHiding &h = kindInfo(kind_).hides;
    const bool hide = way == Way::Ok ? h.ok : way == Way::Delete ? h.del : way == Way::Cancel ? h.cancel : h.closeBox;
    if (hide)
        views_.hideTemplate(kind_);
    close();
}

void ElementDialog::closeEvent(QCloseEvent *event)
{
    // The close box (or the program closing the window): as Form_Unload.
    if (!leaving_)
        leave(Way::CloseBox);
    QWidget::closeEvent(event);
}

void ElementDialog::okSlotted(const QString &numberText)
{
    const auto slot = takeSlot(m_, kind_, page(), numberText);
    if (slot)
        storeElement(*slot);
    else
        notify({limitNotice(kind_)});
    leave(Way::Ok);
}

void ElementDialog::deleteSlotted(const QString &numberText)
{
    if (const auto index = deleteElement(m_, kind_, page(), numberText))
        views_.unloadElement(kind_, *index);
    leave(Way::Delete);
}

int ElementDialog::page() const { return m_.pages.Num_Stranica_SCADA; }

std::optional<ShownView> ElementDialog::shownOrTemplate(element::Kind kind, int index) const
{
    if (auto v = views_.shownView(kind, index))
        return v;
    return views_.shownView(kind, 0);
}

bool ElementDialog::chooseColour(ColourBox *box)
{
    std::int32_t colour = box->colour();
    if (!element::chooseColourInto(colour))
        return false;
    box->setColour(colour);
    return true;
}

QLabel *ElementDialog::label(const QString &text, int x, int y, int w, int h, QWidget *parent)
{
    auto *l = new QLabel(text, parent ? parent : this);
    l->setGeometry(x, y, w, h);
    return l;
}

QPushButton *ElementDialog::button(const QString &name, const QString &caption, int x, int y, int w, int h)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(x, y, w, h);
    // The dialog's Ok is the button Enter presses.
    if (caption.compare(QLatin1String("Ok"), Qt::CaseInsensitive) == 0 && !frame_->defaultButton())
        frame_->setDefaultButton(b);
    return b;
}

} // namespace pelmora
