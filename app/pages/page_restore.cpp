#include "pages/page_restore.h"

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

    // Restoring a widget element: load (or reuse) element i, and put it on
    // page p's canvas. Elements of a page without a canvas (the
    // extra page index of a 16-page project) stay loaded but hidden.
    template <typename T> T *place(ControlArray<T> &array, int i, int page)
    {
        array.load(i);
        T *w = array(i);
        if (w && canvas(page))
            w->setParent(canvas(page));
        return w;
    }
    template <typename T> void show(T *w, int page)
    {
        if (w && canvas(page)) {
            w->show();
            w->raise();
        }
    }

    void unloadOld();
    void parameter(int p, int n);
    void signal(int p, int n);
    void textSignal(int p, int n);
    void level(int p, int n);
    void transition(int p, int n);
    void figure(int p, int n);
    void mechanism(int p, int n);
    void mechanismLook(int p, int n);
    void warningLine();
    void staticText(int p, int n);
    void graph(int i);
    void clock(int i);
    void controlImage(int p, int n);
    void menu(int p, int n);

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
                parameter(p, n);
            if (t_.Signal_Used(p, n) == 1)
                signal(p, n);
            if (t_.Text_Signal_Used(p, n) == 1)
                textSignal(p, n);
            if (t_.Level_Used(p, n) == 1)
                level(p, n);
            if (t_.Go_Block_Used(p, n) >= 1)
                transition(p, n);
            if (t_.Figura_Used(p, n) == 1)
                figure(p, n);
        }
    if (m_.settings.Format_Version != 1) {
        for (int p = 0; p <= N_; ++p)
            for (int n = 0; n <= kLastSlot; ++n)
                if (t_.Vent_Used(p, n) == 1)
                    mechanism(p, n);
        warningLine();
        for (int p = 0; p <= N_; ++p)
            for (int n = 0; n <= kLastSlot; ++n)
                if (t_.Vent_Used(p, n) == 1)
                    mechanismLook(p, n);
    }
    for (int p = 0; p <= N_; ++p)
        for (int n = 0; n <= kLastTextSlot; ++n)
            if (t_.Text_Label_Used(p, n) == 1)
                staticText(p, n);
    // Index 0 belongs to no page: a record there is left alone.
    for (int i = 1; i <= N_; ++i) {
        if (t_.Grafik_Used(i) == 1)
            graph(i);
        if (t_.Clock_Used(i) == 1)
            clock(i);
    }
    for (int p = 0; p <= N_; ++p)
        for (int n = 0; n <= kLastSlot; ++n)
            if (t_.Control_Used(p, n) == 1)
                controlImage(p, n);
    for (int p = 0; p <= N_; ++p)
        for (int n = 0; n <= kLastMenuSlot; ++n)
            if (t_.Menu_Used(p, n) == 1)
                menu(p, n);
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

void Restorer::parameter(int p, int n)
{
    ElementLabel *l = place(e_.Parametr_Label, controlIndex(ElementKind::Parameter, p, n), p);
    if (!l)
        return;
    l->move(t_.Parametr_Coord_X(p, n), t_.Parametr_Coord_Y(p, n));
    l->setForeColor(t_.Parametr_Color(p, n));
    l->setBackColor(t_.Parametr_Color_Fon(p, n));
    l->setBorderStyle(t_.Parametr_Border_Style(p, n) != 0 ? 1 : 0);
    const int size = t_.Parametr_Font_Size(p, n);
    const element::ParameterFont font = element::parameterFont(size);
    l->setPointSize(font.pointSize);
    if (font.bold)
        l->setBold(*font.bold);
    // The time format always shows two characters.
    t_.Parametr_Digits(p, n) = static_cast<std::uint8_t>(element::parameterDigits(t_.Parametr_Digits(p, n), size));
    if (const auto caption = element::parameterPlaceholder(n, t_.Parametr_Digits(p, n)))
        l->setCaption(*caption);
    show(l, p);
}

void Restorer::signal(int p, int n)
{
    if (!e_.signalTemplate())
        return; // the indicator control is not available; the host has said why
    const int i = controlIndex(ElementKind::Signal, p, n);
    const bool loaded = e_.Signal_Picture.load(i);
    hosting::HostedControl *s = e_.Signal_Picture(i);
    if (!s)
        return;
    if (loaded && canvas(p))
        hosting::setContainer(*s, canvas(p));
    const element::ViewBox box = element::signalViewBox(t_, p, n);
    s->move(box.left, box.top, box.width, box.height);
    s->setProperty(QStringLiteral("Type_Signal"),
                   element::signalShape(t_.Signal_Razmer_X(p, n), t_.Signal_Razmer_Y(p, n)));
    s->setProperty(QStringLiteral("ForeColor"), static_cast<qint64>(t_.Signal_Color(p, n)));
    s->setProperty(QStringLiteral("Border_Style"), static_cast<int>(t_.Signal_Border_Style(p, n)));
    if (canvas(p)) {
        s->setVisible(true);
        if (QWidget *w = hosting::widgetOf(*s))
            w->raise();
    }
}

void Restorer::textSignal(int p, int n)
{
    ElementLabel *l = place(e_.Text_Signal_Picture, controlIndex(ElementKind::TextSignal, p, n), p);
    if (!l)
        return;
    const element::ViewBox box = element::textSignalViewBox(t_, p, n);
    l->move(box.left, box.top);
    l->setForeColor(t_.Text_Signal_Color(p, n));
    l->setBackColor(t_.Text_Signal_Color_Fon(p, n));
    l->setBorderStyle(element::textSignalFrame(t_.Text_Signal_Border_Style(p, n)) != 0 ? 1 : 0);
    l->setPointSize(t_.Text_Signal_Font_Size(p, n));
    // The caption comes from the blink preview's next tick.
    show(l, p);
}

void Restorer::level(int p, int n)
{
    const int i = controlIndex(ElementKind::Level, p, n);
    // When the bar is loaded already, its fill box is reused as well.
    if (e_.Level_Picture.load(i))
        e_.Level_Picture_1.load(i);
    ElementLabel *bar = e_.Level_Picture(i);
    ElementLabel *fill = e_.Level_Picture_1(i);
    const LevelLayout l = levelLayout(t_, p, n);
    for (auto [box, rect, colour] : {std::tuple{bar, l.bar, l.barColour}, std::tuple{fill, l.fill, l.fillColour}}) {
        if (!box)
            continue;
        if (canvas(p))
            box->setParent(canvas(p));
        box->setGeometry(rect.toRect());
        box->setBackColor(colour);
        box->setBorderStyle(l.frame ? 1 : 0);
    }
    show(bar, p);
    show(fill, p);
}

void Restorer::transition(int p, int n)
{
    ElementLabel *l = place(e_.Go_Block_Label, controlIndex(ElementKind::Transition, p, n), p);
    if (!l)
        return;
    const int used = t_.Go_Block_Used(p, n);
    if (used == 1 || used == 3)
        l->resize(element::transitionWidth(used == 3), l->height());
    l->move(t_.Go_Block_Coord_X(p, n), t_.Go_Block_Coord_Y(p, n));
    if (const auto caption = element::transitionCaption(t_.Go_Block_Target(p, n), N_))
        l->setCaption(*caption);
    show(l, p);
}

void Restorer::figure(int p, int n)
{
    FigureShape *f = place(e_.ShapePlus1, controlIndex(ElementKind::Figure, p, n), p);
    if (!f)
        return;
    const element::FigureViewState v = element::figureViewState(t_, p, n);
    f->setGeometry(v.box.left, v.box.top, std::max(v.box.width, 0), std::max(v.box.height, 0));
    f->setLineColor(v.lineColour);
    f->setLineWidth(v.lineWidth);
    f->setShape(v.shapeKind);
    show(f, p);
}

void Restorer::mechanism(int p, int n)
{
    const int i = controlIndex(ElementKind::Mechanism, p, n);
    const bool loaded = e_.Ventilator_Picture.load(i);
    ElementImage *v = e_.Ventilator_Picture(i);
    if (!v)
        return;
    if (loaded && canvas(p))
        v->setParent(canvas(p));
    const element::ViewBox box = element::mechanismViewBox(t_, p, n);
    v->setGeometry(box.left, box.top, std::max(box.width, 0), std::max(box.height, 0));
    v->setPicture(builtin::PictureVent(t_.Vent_Picture_Num(p, n)));
    show(v, p);
}

void Restorer::mechanismLook(int p, int n)
{
    ElementImage *v = e_.Ventilator_Picture(controlIndex(ElementKind::Mechanism, p, n));
    if (!v)
        return;
    v->setStretch(true);
    auto impeller = [v](const QPixmap &picture) {
        v->resize(picture.size());
        v->setPicture(picture);
    };
    switch (pages::mechanismLook(t_, p, n)) {
    case MechanismLook::Picture: break;
    case MechanismLook::Impeller1: impeller(builtin::Krylcatka_1()); break;
    case MechanismLook::Impeller2: impeller(builtin::Krylcatka_2()); break;
    case MechanismLook::UserPhase: {
        // Phase 0 of the user's mechanism, at the picture's own size.
        v->clearPicture();
        v->setStretch(false);
        const QPixmap phase(inCurrentFolder(t_.Mechanizm_Gif_Name(0)));
        if (phase.isNull())
            break;
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

void Restorer::staticText(int p, int n)
{
    ElementLabel *l = place(e_.Text_Label_Label, controlIndex(ElementKind::StaticText, p, n), p);
    if (!l)
        return;
    l->move(t_.Text_Label_Coord_X(p, n), t_.Text_Label_Coord_Y(p, n));
    l->setCaption(t_.Text_Label_Text(p, n));
    QFont f = l->captionFont();
    if (!t_.Text_Label_Font_Name(p, n).isEmpty())
        f.setFamily(t_.Text_Label_Font_Name(p, n));
    f.setBold(t_.Text_Label_Font_Bold(p, n) != 0);
    f.setItalic(t_.Text_Label_Font_Italic(p, n) != 0);
    if (t_.Text_Label_Font_Size(p, n) > 0)
        f.setPointSize(t_.Text_Label_Font_Size(p, n));
    l->setCaptionFont(f);
    l->setForeColor(t_.Text_Label_Color(p, n));
    show(l, p);
}

void Restorer::graph(int i)
{
    const int p = i - 1;
    ElementImage *g = place(e_.Grafik_Image, i, p);
    if (!g)
        return;
    const element::ViewBox box = element::graphViewBox(t_, p);
    g->setGeometry(box.left, box.top, std::max(box.width, 0), std::max(box.height, 0));
    show(g, p);
}

void Restorer::clock(int i)
{
    const int p = i - 1;
    // When the time label is loaded already, its date label is reused as well.
    if (e_.Real_Clock.load(i))
        e_.Real_Time.load(i);
    ElementLabel *time = e_.Real_Clock(i);
    ElementLabel *date = e_.Real_Time(i);
    if (time) {
        if (canvas(p))
            time->setParent(canvas(p));
        time->move(t_.Clock_Coord_X(i), t_.Clock_Coord_Y(i));
        show(time, p);
    }
    if (date) {
        if (canvas(p))
            date->setParent(canvas(p));
        date->move(t_.Clock_Coord_X(i), t_.Clock_Coord_Y(i) + kClockDateDy);
        show(date, p);
    }
}

void Restorer::controlImage(int p, int n)
{
    ElementImage *c = place(e_.Control_Image, controlIndex(ElementKind::Control, p, n), p);
    if (!c)
        return;
    const element::ViewBox box = element::controlViewBox(t_, p, n);
    c->setGeometry(box.left, box.top, std::max(box.width, 0), std::max(box.height, 0));
    c->setPicture(builtin::STOP_Image(t_.Control_Key_Type(p, n)));
    show(c, p);
}

void Restorer::menu(int p, int n)
{
    const int i = controlIndex(ElementKind::Menu, p, n);
    // When the picture is loaded already, its text box is reused as well.
    if (e_.Menu_Image.load(i))
        e_.Menu_Text.load(i);
    ElementImage *image = e_.Menu_Image(i);
    ElementLabel *text = e_.Menu_Text(i);
    const int x = t_.Menu_Coord_X(p, n), y = t_.Menu_Coord_Y(p, n);
    if (image) {
        if (canvas(p))
            image->setParent(canvas(p));
        image->move(x + kMenuImageDx, y + kMenuImageDy);
    }
    if (text) {
        if (canvas(p))
            text->setParent(canvas(p));
        text->move(x, y);
        text->setCaption(t_.Menu_Caption(p, n));
    }
    show(image, p);
    show(text, p);
}

} // namespace

void restorePageElements(ProjectModel &m, PageEditor &editor, PageView &view, MainSurface &surface)
{
    Restorer(m, editor, view, surface).run();
}

} // namespace pelmora
