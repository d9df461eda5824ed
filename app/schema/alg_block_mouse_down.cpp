#include "schema/alg_block_mouse_down.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "schema/alg_flowchart_import.h"

#include <QDir>
#include <QFileInfo>

namespace pelmora {

void Block_IMAGE_MouseDown_Algorithm(ProjectModel &m, int Index, int Button)
{
    if (Index <= 8 || Index > 104 || Button != 2 || m.schema.Block_Type(Index - 8) != type::ALG)
        return;
    FileDialogRequest request;
    request.filter = QStringLiteral("P-CAD file|*.net");
    const std::optional<QString> path = Services::files().open(request);
    if (!path || path->isEmpty())
        return; // cancelled: the block keeps its program
    m.settings.Num_Block_Edit = static_cast<std::uint8_t>(Index - 8);
    // The folder of the chosen file becomes the current one, as after every file dialog.
    QDir::setCurrent(QFileInfo(*path).absolutePath());
    alg::Import_Algorithm_Netlist(m, *path);
}

} // namespace pelmora
