#pragma once
// The main window's monitor menu items: "&Монітор Tesk" (mnuOSC, kept hidden)
// and "&Монітор Orvo" (mnuOSC_Orvo) open their monitor windows.

namespace pelmora {

class MainWindowPort;
struct ProjectModel;

void connectMonitorMenu(ProjectModel &m, MainWindowPort &main);

// A monitor window stays open when the main window closes, and the run goes on
// until the last window closes. The monitors work on the main window's model
// and link, so a main window that would be deleted on close is kept (hidden)
// until the last open monitor has gone. Called by the main window's shutdown.
void keepMainWhileMonitorsOpen(MainWindowPort &main);

// Stops the readout of every open monitor window at once, without a message
// (an error escaped a handler): its timers stop and the link is given back,
// so nothing of the readout runs later, and the window shows no readout
// running. A monitor without a running readout is left as it is.
void stopMonitorReadouts(MainWindowPort &main);

} // namespace pelmora
