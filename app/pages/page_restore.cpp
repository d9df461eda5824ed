#include "pages/page_restore.h"

#include "core/picture_file.h"
#include "pages/element_views.h"

#include "core/hosting/hosted_control.h"
#include "core/model/project_model.h"
#include "elements/control_element.h"
#include "elements/element_codec.h"
#include "elements/figure_element.h"
#include "elements/graph_element.h"
#include "elements/mechanism_element.h"
#include "elements/signal_element.h"
#include "elements/text_signal_element.h"
#include "pages/builtin_pictures.h"
#include "pages/element_kinds.h"
#include "pages/page_editor.h"
#include "pages/page_rules.h"
#include "pages/page_view.h"
#include "ui/hosted_control_widget.h"
#include "ui/main_window_port.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <initializer_list>

namespace pelmora {

using namespace pages;

namespace {

// A file named in the project (a backslash and a bare name) in the current folder.
QString inCurrentFolder(const QString &name)
{
    QString rel = name;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    return QDir::current().filePath(rel);
}

class Restorer {
public:
    Restorer(ProjectModel &m, PageEditor &editor, PageView &view, MainSurface &surface)
        : m_(m), editor_(editor), view_(view), surface_(surface), t_(m_.pages), e_(editor.elements),
          N_(m_.settings.Stranica_Count)
    {}

    void run();

private:
    QLabel *canvas(int page) const { return editor_.canvas(page); }

    template <typename T> void show(T *w, int page)
    {
        if (w && canvas(page)) {
            w->show();
            w->raise();
        }
    }

    void unloadOld();
    // Shows every element of the kinds that opening finds in use, page by
    // page and slot by slot, these kinds within a slot.
    void showEach(std::initializer_list<element::Kind> kinds);
    // Every element is shown by the routine the paste and the dialogs use.
    void view(element::Kind kind, int p, int n) { refreshElementView(m_, editor_, kind, p, n); }
    void mechanismLook(int p, int n);
    void warningLine();

    ProjectModel &m_;
    PageEditor &editor_;
    PageView &view_;
    MainSurface &surface_;
    PageTables &t_;
    PageElements &e_;
    int N_;
};

// An element the opened project holds: its in-use field is 1 (a transition
// counts its fields there).
bool heldOnOpening(PageTables &t, const element::KindInfo &k, int p, int n)
{
    const int used = k.used(t, p, n);
    return k.usedIsCount ? used >= 1 : used == 1;
}

void Restorer::showEach(std::initializer_list<element::Kind> kinds)
{
    // Row 0 of the per-page kinds belongs to no page: a record there is left alone.
    const bool perPage = element::kindInfo(*kinds.begin()).indexRule == element::IndexRule::PageRow;
    const int lastPage = perPage ? N_ - 1 : N_;
    int lastSlot = 0;
    for (element::Kind kind : kinds)
        lastSlot = std::max(lastSlot, element::kindInfo(kind).slotCount);
    for (int p = 0; p <= lastPage; ++p)
        for (int n = 0; n <= lastSlot; ++n)
            for (element::Kind kind : kinds) {
                const element::KindInfo &k = element::kindInfo(kind);
                if (n <= k.slotCount && heldOnOpening(t_, k, p, n))
                    view(kind, p, n);
            }
}

void Restorer::run()
{
    const std::int16_t flag = m_.settings.Load_Project_Flag;
    m_.settings.Load_Project_Flag = 1; // no page-16 message while the tabs are set
    unloadOld();
    showEach({element::Kind::Parameter, element::Kind::Signal, element::Kind::TextSignal, element::Kind::Level,
              element::Kind::Transition, element::Kind::Figure});
    if (m_.settings.Format_Version != 1) {
        showEach({element::Kind::Mechanism});
        warningLine();
        for (int p = 0; p <= N_; ++p)
            for (int n = 0; n <= element::kindInfo(element::Kind::Mechanism).slotCount; ++n)
                if (t_.Vent_Used(p, n) == 1)
                    mechanismLook(p, n);
    }
    showEach({element::Kind::StaticText});
    showEach({element::Kind::Graph, element::Kind::Clock});
    showEach({element::Kind::Control});
    showEach({element::Kind::Menu});
    view_.selectTab(0);
    t_.Num_Stranica_SCADA = 0;
    m_.settings.Load_Project_Flag = flag;
}

// Every view of every kind with records is unloaded, templates aside.
void Restorer::unloadOld()
{
    for (const element::KindInfo &k : element::kindTable()) {
        if (!k.used)
            continue;
        for (int v = 0; v < k.viewsPerElement; ++v) {
            const ViewArray array = k.views[static_cast<std::size_t>(v)].array;
            if (k.indexRule == element::IndexRule::PageRow) {
                for (int i = 0; i <= N_; ++i)
                    e_.unload(array, i);
                continue;
            }
            for (int p = 0; p <= N_; ++p)
                for (int n = 0; n <= k.slotCount; ++n)
                    e_.unload(array, element::viewIndex(k.kind, p, n));
        }
    }
}

void Restorer::mechanismLook(int p, int n)
{
    ElementImage *v = e_.Ventilator_Picture(element::viewIndex(element::Kind::Mechanism, p, n));
    if (!v)
        return;
    v->setStretch(true);
    switch (pages::mechanismLook(t_, p, n)) {
    case MechanismLook::Picture:
    case MechanismLook::Impeller1:
    case MechanismLook::Impeller2: break; // shown from the record already
    case MechanismLook::UserPhase: {
        // Phase 0 of the user's mechanism, at the picture's own size. A file
        // that cannot be read leaves the placeholder, so the element stays
        // in sight and can be chosen.
        const QPixmap phase = QPixmap::fromImage(readPicture(inCurrentFolder(t_.Mechanizm_Gif_Name(0))));
        if (phase.isNull())
            break;
        v->setStretch(false);
        v->setPicture(phase);
        show(v, p);
        break;
    }
    case MechanismLook::Hidden:
        v->clearPicture();
        v->hide();
        v->setStretch(true);
        break;
    }
}

void Restorer::warningLine()
{
    QLineEdit *w = surface_.Varning_Text;
    w->hide();
    w->move(t_.Varning_Coord_X + 2, t_.Varning_Coord_Y + 42);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Text, colourOf(t_.Varning_Color));
    pal.setColor(QPalette::Base, colourOf(t_.Varning_Color_Fon));
    w->setPalette(pal);
}

} // namespace

void restorePageElements(ProjectModel &m, PageEditor &editor, PageView &view, MainSurface &surface)
{
    Restorer(m, editor, view, surface).run();
}

} // namespace pelmora
