#pragma once
// The project file on disk: writing it safely, reading it whole, and copying
// the files the project names next to it.

#include "core/model/project_model.h"
#include "project/project_file.h"

#include <QString>
#include <QStringList>

namespace pelmora::projectfile {

// Writes the project into `path` through a temporary file that replaces the
// old one only when the whole file is written: a failed save leaves the
// previous file as it was.
struct SaveResult {
    bool ok = false;
    // The writer refused the project (a value its line cannot carry): no file
    // was touched, and `reason` says why. Otherwise `reason` is the file's error.
    bool refused = false;
    QString reason;
};
SaveResult saveProjectFile(const ProjectModel &m, const QString &path);

// Reads a project file whole into `staging` (see readProjectFile). A file that
// cannot be opened is reported like one that cannot be read. The file's bytes
// are handed back in `bytes` when it is given.
ReadResult openProjectFile(const QString &path, ProjectModel &staging, const QString &currentDir,
                           QByteArray *bytes = nullptr);

// Copies the schema netlist, the page background pictures and the user
// mechanism's phase pictures into `folder`, under the names the project file
// gives them. Each copy is written beside its target and renamed over it, so a
// copy that fails leaves the file already there as it was; it is named in the
// result, and the others are still made. A file already in place (the source
// is the destination) is left alone, and a project that names no netlist
// copies none.
struct CopyResult {
    QStringList failed; // the source paths (or names) that could not be copied
};
CopyResult copyProjectFiles(const ProjectModel &m, const QString &folder);

// How many blocks of the schema have the ALGORITHM type.
int algorithmBlockCount(const ProjectModel &m);

} // namespace pelmora::projectfile
