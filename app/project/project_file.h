#pragma once
// The project file (*.prt): writing a project and reading one back.
//
// The file is Windows-1251 text with CR LF line ends, one value a line, in a
// fixed order of sections whose lengths follow from the page count, the
// format version and the block types written earlier in the file
// (project_file_layout.h). Reading accepts bare LF (or CR) line ends and both
// '.' and ',' as the decimal separator.
//
// Reading goes into a staging model and checks the whole file first; only a
// file read to its end is adopted into the open project: every marker where
// the layout puts it, a comments section either whole or left out, and no
// line after the last section.

#include "core/model/project_model.h"
#include "project/format_version.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace pelmora::projectfile {

// --- Names of files the project refers to ------------------------------------
// The bare file name of a path, split on both '/' and '\'.
QString bareFileName(const QString &path);
// A backslash and the bare file name, or nullopt when the path holds no
// folder separator.
std::optional<QString> backslashName(const QString &path);
// A stored name (a backslash and a file name) looked up in a folder.
QString inFolder(const QString &folder, const QString &storedName);

// --- Writing -------------------------------------------------------------------
// What saving sets before it writes: the counts that follow from the format
// version, the ALG text count, and each control button's picture name in its
// short form (a backslash and the bare name) on the pages the file carries.
void prepareForSave(ProjectModel &m);

struct WriteResult {
    QByteArray bytes; // the whole file, when ok
    bool ok = false;
    QString reason; // why it could not be written: a value that does not fit its line
};
// The project as a file. Texts are written without their line breaks (each
// becomes a blank), so a text always stays on its own line.
WriteResult writeProjectFile(const ProjectModel &m);

// --- Reading -------------------------------------------------------------------
struct ReadResult {
    bool ok = false;
    int line = 0;   // the line where reading stopped, from 1
    QString reason; // why the file cannot be read
    // The format version the header selected; nullopt when its code is none
    // of the known ones and the version was left as it was.
    std::optional<int> version;
    // Ranges (start, count) of Parametr_Name the file's RS4 texts were read into.
    QList<QPair<int, int>> rs4Texts;
};

// Reads a whole project file into `staging`, which should start as a copy of
// the open project: what the file does not carry (pages above its count, the
// project-wide values of a version-1 file, the comments a short comments
// section leaves out) keeps the open project's values. `currentDir` is the
// folder the netlist name is looked up in; an empty netlist line names no
// netlist (kNoSchema), so that saving writes it back empty.
ReadResult readProjectFile(const QByteArray &bytes, ProjectModel &staging, const QString &currentDir);

// Makes a file read by readProjectFile the open project. The parameter pools
// keep the open project's values, except the RS4 texts the file carried: the
// netlist import rebuilds the pools from the schema.
void adoptProject(ProjectModel &live, ProjectModel &&staging, const ReadResult &read);

// The schema of an opened project whose netlist cannot be imported. `opened`
// holds the project adopted from `bytes`; its schema becomes what the file
// alone gives (the block types, the values and texts of the schema sections,
// the ALGORITHM and report records) over the schema of a program just started,
// marked as not loaded. Nothing of the schema of the project open before
// remains, no block is laid out, and saving writes the file's schema sections
// back as they were read.
void adoptSchemaWithoutNetlist(ProjectModel &opened, const QByteArray &bytes, const QString &currentDir);

// The message shown when a file cannot be read.
QString unreadableMessage(const ReadResult &read);

} // namespace pelmora::projectfile
