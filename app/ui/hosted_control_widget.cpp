#include "ui/hosted_control_widget.h"

namespace pelmora::hosting {

QWidget *widgetOf(const HostedControl &control) { return qobject_cast<QWidget *>(control.object()); }

void setContainer(HostedControl &control, QWidget *container)
{
    QWidget *w = widgetOf(control);
    if (w == nullptr)
        return;
    w->setParent(container); // hides it; applyVisible shows it again when it should be
    control.applyVisible();
}

std::unique_ptr<HostedControl> loadCopy(ControlHost &host, const HostedControl &templ)
{
    QWidget *from = widgetOf(templ);
    if (from == nullptr)
        return nullptr;
    auto copy = host.createOrReport(templ.progId(), templ.save());
    if (!copy)
        return nullptr;
    setContainer(*copy, from->parentWidget());
    const QRect g = from->geometry();
    copy->move(g.x(), g.y(), g.width(), g.height());
    return copy;
}

} // namespace pelmora::hosting
