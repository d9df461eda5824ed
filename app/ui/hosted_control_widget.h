#pragma once
// The widget side of a hosted control: its container, and loading a further
// item of a control array as a copy of the array's template.

#include "core/hosting/control_host.h"
#include "core/hosting/hosted_control.h"

#include <QWidget>
#include <memory>

namespace pelmora::hosting {

// The control as a widget, or null when it is gone.
QWidget *widgetOf(const HostedControl &control);

// Puts the control into a container (a page canvas, a dialog); its position
// is then in the container's pixels, and its visibility flag takes effect.
void setContainer(HostedControl &control, QWidget *container);

// A further item of a control array: a new instance of the template's class
// with the template's properties (through its property bag), container and
// position, created hidden. Null, after a message, when it cannot be created.
std::unique_ptr<HostedControl> loadCopy(ControlHost &host, const HostedControl &templ);

} // namespace pelmora::hosting
