#pragma once
// One block's parameters read from its attribute lines: numeric values into
// its record in Parametr_Value, texts into its record in Parametr_Name, and
// the variant of the block (its whole component name) as a variant code.

#include "schema/import_context.h"

namespace pelmora::netlist {

// Reads block b (its type already set, its record starts placed). A failed
// attribute search shows "Помилка параметра!!!Блок U<b>" and the reading goes
// on; a read or store that cannot be done throws ImportStop. A value or text
// whose place lies past the end of the block's record is dropped.
void readBlockParameters(ImportContext &ctx, int b);

} // namespace pelmora::netlist
