#pragma once
// The right mouse button on an ALGORITHM block's picture in the schema view:
// asks for the block's flowchart netlist and imports it into the block.

namespace pelmora {

struct ProjectModel;

// Picture Index (9..104 show blocks 1..96), Button as the program numbers
// them (1 left, 2 right, 4 middle). Anything but a right press on an
// ALGORITHM block's picture does nothing.
void Block_IMAGE_MouseDown_Algorithm(ProjectModel &m, int Index, int Button);

} // namespace pelmora
