#pragma once
// Models and helpers for the element dialog tests: the demo project read
// from its file, a project saved and opened again, and every field of an
// element's record as text, so a test can compare records whole.

#include "core/model/project_model.h"
#include "elements/kind_table.h"

#include <QByteArray>
#include <QStringList>
#include <ostream>

// Texts in test messages as text.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace pelmora::test {

// A model after start-up with the demo project (examples/demo_project.prt) read into it.
ProjectModel demoProject();

// The model written as a project file and read back into a fresh model.
ProjectModel savedAndOpened(const ProjectModel &m);

// Every field of the record of slot n on page p, with the project-wide fields
// the kind writes (the report signal, the background bit, the banner), as text.
QStringList recordOf(const ProjectModel &m, element::Kind kind, int page, int slot);

// The element tables of page p as the upload writes them (format version 6).
QByteArray pageTables(const ProjectModel &m, int page);

// The kinds with slots.
std::vector<element::Kind> slottedKinds();

} // namespace pelmora::test
