#pragma once
// The nets of the netlist turned into the input connection tables, and the
// inverters of the drawing removed: a chain output -> inverter -> input
// becomes a direct connection whose input is marked inverted.

#include "schema/import_context.h"

namespace pelmora::netlist {

// Empties Block_Link, Grafik_Link, Jurnal_Link, Alg_Link and the mask bytes 0
// to 3 of Invert_Jurnal and Invert_Rep.
void clearConnectionTables(ImportContext &ctx);

// Reorders the nets (driver first), marks the inverted inputs, removes the
// inverters and fills the connection tables. Rewrites NetList_Line.
void connectBlocks(ImportContext &ctx);

} // namespace pelmora::netlist
