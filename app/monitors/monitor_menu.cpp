#include "monitors/monitor_menu.h"

#include "monitors/grafik_new.h"
#include "monitors/grafik_new_orvo_io.h"
#include "ui/main_menu.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"

#include <QAction>
#include <memory>

namespace pelmora {

void connectMonitorMenu(ProjectModel &m, MainWindowPort &main)
{
    MainMenu &menu = main.menu();
    QObject::connect(menu.mnuOSC, &QAction::triggered, &main.mainWindow(),
                     [&m, &main] { Grafik_NEW::mnuOSC_Click(m, main); });
    QObject::connect(menu.mnuOSC_Orvo, &QAction::triggered, &main.mainWindow(),
                     [&m, &main] { Grafik_NEW_Orvo_IO::mnuOSC_Orvo_Click(m, main); });
}

void keepMainWhileMonitorsOpen(MainWindowPort &main)
{
    QWidget &window = main.mainWindow();
    QList<QWidget *> open;
    if (QWidget *w = Grafik_NEW::loaded(main))
        open << w;
    if (QWidget *w = Grafik_NEW_Orvo_IO::loaded(main))
        open << w;
    if (open.isEmpty() || !window.testAttribute(Qt::WA_DeleteOnClose))
        return;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    auto remaining = std::make_shared<int>(static_cast<int>(open.size()));
    for (QWidget *w : open)
        QObject::connect(w, &QObject::destroyed, &window, [&window, remaining] {
            if (--*remaining == 0)
                window.deleteLater();
        });
}

void stopMonitorReadouts(MainWindowPort &main)
{
    const auto stop = [](TrendMonitorWindow *w) {
        if (w && w->timers.readout.running())
            w->stopReadout();
    };
    stop(Grafik_NEW::loaded(main));
    stop(Grafik_NEW_Orvo_IO::loaded(main));
}

} // namespace pelmora
