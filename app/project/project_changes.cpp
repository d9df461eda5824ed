#include "project/project_changes.h"

#include "project/project_file.h"

namespace pelmora::projectfile {

void SavedProjectState::remember(const ProjectModel &m)
{
    const WriteResult w = writeProjectFile(m);
    known_ = w.ok;
    bytes_ = w.ok ? w.bytes : QByteArray();
}

bool SavedProjectState::changedSince(const ProjectModel &m) const
{
    if (!known_)
        return true;
    const WriteResult w = writeProjectFile(m);
    return !w.ok || w.bytes != bytes_;
}

} // namespace pelmora::projectfile
