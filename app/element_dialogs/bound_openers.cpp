#include "element_dialogs/element_openers.h"

#include "element_dialogs/go_block_scada.h"
#include "element_dialogs/level_scada.h"
#include "element_dialogs/parametr_text_scada.h"
#include "element_dialogs/signal_scada.h"
#include "element_dialogs/text_signal_scada.h"
#include "element_dialogs/vent.h"

namespace pelmora {

void registerBoundOpeners(ElementOpeners &o)
{
    o.add(QStringLiteral("Signal_Picture"), &Signal_SCADA::Signal_Picture_DblClick);
    o.add(QStringLiteral("Text_Signal_Picture"), &Text_Signal_SCADA::Text_Signal_Picture_DblClick);
    o.add(QStringLiteral("Parametr_Label"), &Parametr_Text_SCADA::Parametr_Label_DblClick);
    // Either piece of a level bar opens the same dialog.
    o.add(QStringLiteral("Level_Picture"), &Level_SCADA::Level_Picture_DblClick);
    o.add(QStringLiteral("Level_Picture_1"), &Level_SCADA::Level_Picture_DblClick);
    o.add(QStringLiteral("Go_Block_Label"), &Go_Block_SCADA::Go_Block_Label_DblClick);
    o.add(QStringLiteral("Ventilator_Picture"), &Vent::Ventilator_Picture_DblClick);
}

} // namespace pelmora
