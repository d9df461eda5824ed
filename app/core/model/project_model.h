#pragma once
// The program's whole state: one instance, owned by the main window and passed
// by reference to every window and core function.

#include "core/model/algorithm_tables.h"
#include "core/model/catalogue.h"
#include "core/model/link_state.h"
#include "core/model/monitor_tables.h"
#include "core/model/page_tables.h"
#include "core/model/schema_tables.h"
#include "core/model/settings.h"

namespace pelmora {

struct ProjectModel {
    Settings settings;
    Catalogue catalogue;
    SchemaTables schema;
    AlgorithmTables alg;
    PageTables pages;
    LinkState link;         // frame buffer and transfer counters of the controller link
    MonitorTables monitors; // trend channels and readout state of the monitor windows
};

} // namespace pelmora
