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
    using element::Kind;
    o.add(Kind::Signal, &Signal_SCADA::Signal_Picture_DblClick);
    o.add(Kind::TextSignal, &Text_Signal_SCADA::Text_Signal_Picture_DblClick);
    o.add(Kind::Parameter, &Parametr_Text_SCADA::Parametr_Label_DblClick);
    o.add(Kind::Level, &Level_SCADA::Level_Picture_DblClick);
    o.add(Kind::Transition, &Go_Block_SCADA::Go_Block_Label_DblClick);
    o.add(Kind::Mechanism, &Vent::Ventilator_Picture_DblClick);
}

} // namespace pelmora
