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

namespace pelmora {

using namespace pages;

namespace {

constexpr int kLastSlot = 32;
constexpr int kLastTextSlot = 64;
constexpr int kLastMenuSlot = 8;

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
    // Every element is shown by the routine the paste and the dialogs use.
    void view(ElementKind kind, int p, int n) { refreshElementView(m_, editor_, kind, p, n); }
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

void Restorer::run()
{
    const std::int16_t flag = m_.settings.Load_Project_Flag;
    m_.settings.Load_Project_Flag = 1; // no page-16 message while the tabs are set
    unloadOld();
    for (int p = 0; p <= N_; ++p)
        for (int n = 0; n <= kLastSlot; ++n) {
            if (t_.Parametr_Used(p, n) == 1)
                view(ElementKind::Parameter, p, n);
            if (t_.Signal_Used(p, n) == 1)
                view(ElementKind::Signal, p, n);
            if (t_.Text_Signal_Used(p, n) == 1)
                view(ElementKind::TextSignal, p, n);
            if (t_.Level_Used(p, n) == 1)
                view(ElementKind::Level, p, n);
            if (t_.Go_Block_Used(p, n) >= 1)
                view(ElementKind::Transition, p, n);
            if (t_.Figura_Used(p, n) == 1)
                view(ElementKind::Figure, p, n);
        }
    if (m_.settings.Format_Version != 1) {
        for (int p = 0; p <= N_; ++p)
            for (int n = 0; n <= kLastSlot; ++n)
                if (t_.Vent_Used(p, n) == 1)
                    view(ElementKind::Mechanism, p, n);
        warningLine();
        for (int p = 0; p <= N_; ++p)
            for (int n = 0; n <= kLastSlot; ++n)
                if (t_.Vent_Used(p, n) == 1)
                    mechanismLook(p, n);
    }
    for (int p = 0; p <= N_; ++p)
        for (int n = 0; n <= kLastTextSlot; ++n)
            if (t_.Text_Label_Used(p, n) == 1)
                view(ElementKind::StaticText, p, n);
    // Index 0 belongs to no page: a record there is left alone.
    for (int i = 1; i <= N_; ++i) {
        if (t_.Grafik_Used(i) == 1)
            view(ElementKind::Graph, i - 1, 0);
        if (t_.Clock_Used(i) == 1)
            view(ElementKind::Clock, i - 1, 0);
    }
    for (int p = 0; p <= N_; ++p)
        for (int n = 0; n <= kLastSlot; ++n)
            if (t_.Control_Used(p, n) == 1)
                view(ElementKind::Control, p, n);
    for (int p = 0; p <= N_; ++p)
        for (int n = 0; n <= kLastMenuSlot; ++n)
            if (t_.Menu_Used(p, n) == 1)
                view(ElementKind::Menu, p, n);
    view_.selectTab(0);
    t_.Num_Stranica_SCADA = 0;
    m_.settings.Load_Project_Flag = flag;
}

void Restorer::unloadOld()
{
    for (int p = 0; p <= N_; ++p) {
        for (int n = 0; n <= kLastMenuSlot; ++n) {
            e_.Menu_Image.unload(p * 8 + n);
            e_.Menu_Text.unload(p * 8 + n);
        }
        for (int n = 0; n <= kLastSlot; ++n) {
            const int i = p * 32 + n;
            e_.Parametr_Label.unload(i);
            e_.Signal_Picture.unload(i);
            e_.Text_Signal_Picture.unload(i);
            e_.Level_Picture.unload(i);
            e_.Level_Picture_1.unload(i);
            e_.Go_Block_Label.unload(i);
            e_.Control_Image.unload(i);
            e_.ShapePlus1.unload(i);
            e_.Ventilator_Picture.unload(i);
        }
        for (int n = 0; n <= kLastTextSlot; ++n)
            e_.Text_Label_Label.unload(p * 64 + n);
    }
    for (int i = 0; i <= N_; ++i) {
        e_.Grafik_Image.unload(i);
        e_.Real_Clock.unload(i);
        e_.Real_Time.unload(i);
    }
}

void Restorer::mechanismLook(int p, int n)
{
    ElementImage *v = e_.Ventilator_Picture(controlIndex(ElementKind::Mechanism, p, n));
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
