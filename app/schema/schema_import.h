#pragma once
// The schema import: NetList_Line (see netlist_reader.h) turned into typed,
// numbered blocks, their parameter records, the connection tables and the
// inverted-input masks.

#include "core/model/project_model.h"

#include <QString>

namespace pelmora {

// Runs the import phases on NetList_Line entries 1..count (count as the
// reading hands it over: fields stored + 1, 0 without a start marker).
// Problems are shown with showMessage(); a failure ends the import with
// "Помилка netLIST!!! Вихід блоку №" (followed by the source block of the net
// being connected, once the connection scan runs). What was filled before a
// failure stays, except the connection tables, which never keep a previous
// schema's entries. The schema counts as loaded from then on
// (Netlist_Not_Loaded is cleared).
void Import_NetList(ProjectModel &m, int count);

// Reads the netlist file and imports it. False, with nothing changed and no
// message, when the file cannot be opened.
bool importNetlistFile(ProjectModel &m, const QString &path);

} // namespace pelmora
