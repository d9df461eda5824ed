#pragma once
// Whether the open project has changes that are not saved. The project as it
// stood when it was last opened or saved is kept as the bytes the project
// writer gave for it; the project has changes when the writer would now give
// other bytes. Every edit that saving would keep shows, whichever window or
// handler made it.

#include "core/model/project_model.h"

#include <QByteArray>

namespace pelmora::projectfile {

class SavedProjectState {
public:
    // The project as it stands now is the saved one.
    void remember(const ProjectModel &m);
    // True when the project differs from the one remembered last, or when
    // none was remembered (a new project that was never saved).
    bool changedSince(const ProjectModel &m) const;

private:
    QByteArray bytes_;
    bool known_ = false;
};

} // namespace pelmora::projectfile
