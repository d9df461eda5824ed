#include "schema/schema_import.h"

#include "schema/netlist_reader.h"

namespace pelmora {

void Import_NetList(ProjectModel &, int) {}

bool importNetlistFile(ProjectModel &m, const QString &path)
{
    const auto read = readNetlistFile(m, path);
    if (!read.opened)
        return false;
    Import_NetList(m, read.count);
    return true;
}

} // namespace pelmora
