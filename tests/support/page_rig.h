#pragma once
// The SCADA view and the page editor on a stand-in main window, joined as the
// main window joins them, for the page tests.

#include "pages/page_editor.h"
#include "pages/page_view.h"
#include "support/main_window_stand_in.h"

namespace pelmora::test {

struct PageRig : MainWindowStandIn {
    PageRig()
    {
        view.blinkTick = [this] { editor.Signal_Timer_Miganie_SCADA_Timer(); };
    }

    PageView view{model, *this};
    PageEditor editor{model, *this, view};
};

} // namespace pelmora::test
