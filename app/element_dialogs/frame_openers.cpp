#include "core/model/project_model.h"
#include "core/services.h"
#include "element_dialogs/element_openers.h"
#include "element_dialogs/figura.h"
#include "element_dialogs/grafik_scada.h"
#include "element_dialogs/image_control.h"
#include "element_dialogs/menu_scada.h"
#include "element_dialogs/text_label.h"
#include "element_dialogs/varning.h"
#include "elements/element_delete.h"

namespace pelmora {

namespace {

// Real_Clock_DblClick: the clock has no dialog; on Yes to the question the
// page's clock record is cleared and its time and date labels unloaded. The
// main window stays enabled.
void Real_Clock_DblClick(ElementOpeners &o, int)
{
    const ElementContext &c = o.context();
    if (showMessage(QString::fromUtf16(element::kDeleteClockQuestion), MsgIcon::None, MsgButtons::YesNo) !=
        MsgAnswer::Yes)
        return;
    const int i = element::deleteClock(c.m, c.m.pages.Num_Stranica_SCADA);
    c.views.unloadElement(element::Kind::Clock, i);
}

// A manometer has no dialog: its double-click does nothing.
void Manometr_Img_DblClick(ElementOpeners &, int) {}

} // namespace

void registerFrameOpeners(ElementOpeners &o)
{
    using element::Kind;
    o.add(Kind::Varning, &Varning::MnuJurnSignal_Click);
    o.add(Kind::Control, &Image_Control::Control_Image_DblClick);
    o.add(Kind::Menu, &Menu_SCADA::Menu_Image_DblClick);
    o.add(Kind::Graph, &Grafik_SCADA::Grafik_Image_DblClick);
    o.add(Kind::Figure, &Figura::ShapePlus1_DblClick);
    o.add(Kind::StaticText, &Text_Label::Text_Label_Label_DblClick);
    o.add(Kind::Clock, &Real_Clock_DblClick);
    o.add(Kind::Manometer, &Manometr_Img_DblClick);
}

} // namespace pelmora
