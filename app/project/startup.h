#pragma once
// The state the program starts from: the main window's load handler's steps
// on the model.

#include "core/model/project_model.h"

namespace pelmora {

// The model steps of start-up, in their order. The ALGORITHM capacity and the
// counts that depend on it already take the start-up version's values (those
// saving would give them), so a program compiled or a block edited before the
// first save or open lies in step with the parameter pools.
void startUpModel(ProjectModel &m);

// The schema tables as start-up leaves them.
void startUpSchema(SchemaTables &s);

} // namespace pelmora
