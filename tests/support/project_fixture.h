#pragma once
// Models filled with varied project data for the project file tests and the
// benchmark: every element kind on several pages, ALGORITHM data, RS4 texts,
// a report block.

#include "core/model/project_model.h"

namespace pelmora::test {

// Gives m (a model after startUpModel) the format version and page count and
// fills every table the project file carries. The values differ from slot to
// slot and page to page, hold negative numbers, Cyrillic and empty texts, and
// stay inside what a reader accepts.
void fillVariedProject(ProjectModel &m, int version, int pages);

// The file's line count by its section table, for a model as saved.
long long expectedLineCount(const ProjectModel &m);

} // namespace pelmora::test
