#pragma once
// The element dialogs on a stand-in main window: the page view and editor
// joined as the main window joins them, and the openers attached to the
// editor, so a test double-clicks a view and drives the dialog it opens.

#include "element_fixture.h"

#include "element_dialogs/element_openers.h"
#include "pages/page_restore.h"
#include "project/startup.h"
#include "support/lumtor_registry.h"
#include "support/page_rig.h"

#include <QCoreApplication>

namespace pelmora::test {

// The indicator control is registered first: the demo's signals need it.
struct LumtorFirst {
    LumtorRegistry lumtor;
};

struct ElementDialogRig : LumtorFirst, PageRig {
    ElementDialogRig()
    {
        startUpModel(model);
        model.settings.Stranica_Count = 16;
    }
    ~ElementDialogRig() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The demo project in the model and its elements on the canvases.
    void openDemo()
    {
        model = demoProject();
        restorePageElements(model, editor, view, *this);
    }
    void selectPage(int p) { view.selectTab(p); }

    // A double-click on element `index` of the view array `array`.
    void doubleClick(pages::ViewArray array, int index) { editor.elements.events.DblClick(array, index); }

    template <class W> W *dialog() const { return registry.find<W>(); }
    // Deletes the dialogs that closed, as the event loop would.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    ElementOpeners openers{model, *this, editor};
};

} // namespace pelmora::test
