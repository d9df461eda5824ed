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
#include "pages/page_editor.h"
#include "pages/page_rules.h"
#include "ui/hosted_control_widget.h"

#include <QLabel>

namespace pelmora {

using namespace pages;

namespace {

class Dresser {
public:
    Dresser(ProjectModel &m, PageEditor &editor)
        : editor_(editor), t_(m.pages), e_(editor.elements), N_(m.settings.Stranica_Count)
    {}

    void parameter(int p, int n);
    void signal(int p, int n);
    void textSignal(int p, int n);
    void level(int p, int n);
    void transition(int p, int n);
    void figure(int p, int n);
    void mechanism(int p, int n);
    void staticText(int p, int n);
    void graph(int i);
    void clock(int i);
    void controlImage(int p, int n);
    void menu(int p, int n);

private:
    QLabel *canvas(int page) const { return editor_.canvas(page); }

    // Load (or reuse) element i and put it on page p's canvas.
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

    PageEditor &editor_;
    PageTables &t_;
    PageElements &e_;
    int N_;
};

void Dresser::parameter(int p, int n)
{
    ElementLabel *l = place(e_.Parametr_Label, element::viewIndex(element::Kind::Parameter, p, n), p);
    if (!l)
        return;
    l->move(t_.Parametr_Coord_X(p, n), t_.Parametr_Coord_Y(p, n));
    l->setForeColor(t_.Parametr_Color(p, n));
    l->setBackColor(t_.Parametr_Color_Fon(p, n));
    l->setBorderStyle(t_.Parametr_Border_Style(p, n) != 0 ? 1 : 0);
    const int size = t_.Parametr_Font_Size(p, n);
    const element::ParameterFont font = element::parameterFont(size);
    l->setPointSize(font.pointSize);
    // A size without a weight of its own takes the template's, also on a view
    // that showed another size before.
    const ElementLabel *t = e_.Parametr_Label(0);
    if (font.bold)
        l->setBold(*font.bold);
    else if (t && t != l)
        l->setBold(t->captionFont().bold());
    // The time format always shows two characters.
    t_.Parametr_Digits(p, n) = static_cast<std::uint8_t>(element::parameterDigits(t_.Parametr_Digits(p, n), size));
    if (const auto caption = element::parameterPlaceholder(n, t_.Parametr_Digits(p, n)))
        l->setCaption(*caption);
    show(l, p);
}

void Dresser::signal(int p, int n)
{
    if (!e_.signalTemplate())
        return; // the indicator control is not available; the host has said why
    const int i = element::viewIndex(element::Kind::Signal, p, n);
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

void Dresser::textSignal(int p, int n)
{
    ElementLabel *l = place(e_.Text_Signal_Picture, element::viewIndex(element::Kind::TextSignal, p, n), p);
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

void Dresser::level(int p, int n)
{
    const int i = element::viewIndex(element::Kind::Level, p, n);
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

void Dresser::transition(int p, int n)
{
    ElementLabel *l = place(e_.Go_Block_Label, element::viewIndex(element::Kind::Transition, p, n), p);
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

void Dresser::figure(int p, int n)
{
    FigureShape *f = place(e_.ShapePlus1, element::viewIndex(element::Kind::Figure, p, n), p);
    if (!f)
        return;
    const element::FigureViewState v = element::figureViewState(t_, p, n);
    f->setGeometry(v.box.left, v.box.top, std::max(v.box.width, 0), std::max(v.box.height, 0));
    f->setLineColor(v.lineColour);
    f->setLineWidth(v.lineWidth);
    f->setShape(v.shapeKind);
    show(f, p);
}

void Dresser::mechanism(int p, int n)
{
    const int i = element::viewIndex(element::Kind::Mechanism, p, n);
    const bool loaded = e_.Ventilator_Picture.load(i);
    ElementImage *v = e_.Ventilator_Picture(i);
    if (!v)
        return;
    if (loaded && canvas(p))
        v->setParent(canvas(p));
    const element::ViewBox box = element::mechanismViewBox(t_, p, n);
    v->setStretch(true);
    v->setGeometry(box.left, box.top, std::max(box.width, 0), std::max(box.height, 0));
    // A fan drawn without background shows its impeller alone, at the
    // impeller's size. The user mechanism's phase picture is a file, not part
    // of the record: its view keeps the placeholder until the picture is put on.
    auto impeller = [v](const QPixmap &picture, element::VentLook which) {
        v->resize(element::ventImpellerSize(which));
        v->setPicture(picture);
    };
    switch (mechanismLook(t_, p, n)) {
    case MechanismLook::Impeller1: impeller(builtin::Krylcatka_1(), element::VentLook::Impeller1); break;
    case MechanismLook::Impeller2: impeller(builtin::Krylcatka_2(), element::VentLook::Impeller2); break;
    default: v->setPicture(builtin::PictureVent(t_.Vent_Picture_Num(p, n))); break;
    }
    show(v, p);
}

void Dresser::staticText(int p, int n)
{
    ElementLabel *l = place(e_.Text_Label_Label, element::viewIndex(element::Kind::StaticText, p, n), p);
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

void Dresser::graph(int i)
{
    const int p = i - 1;
    ElementImage *g = place(e_.Grafik_Image, i, p);
    if (!g)
        return;
    const element::ViewBox box = element::graphViewBox(t_, p);
    g->setGeometry(box.left, box.top, std::max(box.width, 0), std::max(box.height, 0));
    show(g, p);
}

void Dresser::clock(int i)
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

void Dresser::controlImage(int p, int n)
{
    ElementImage *c = place(e_.Control_Image, element::viewIndex(element::Kind::Control, p, n), p);
    if (!c)
        return;
    const element::ViewBox box = element::controlViewBox(t_, p, n);
    c->setGeometry(box.left, box.top, std::max(box.width, 0), std::max(box.height, 0));
    c->setPicture(builtin::STOP_Image(t_.Control_Key_Type(p, n)));
    show(c, p);
}

void Dresser::menu(int p, int n)
{
    const int i = element::viewIndex(element::Kind::Menu, p, n);
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

void refreshElementView(ProjectModel &m, PageEditor &editor, element::Kind kind, int page, int slot)
{
    Dresser v(m, editor);
    switch (kind) {
    case element::Kind::Parameter: v.parameter(page, slot); break;
    case element::Kind::Signal: v.signal(page, slot); break;
    case element::Kind::TextSignal: v.textSignal(page, slot); break;
    case element::Kind::Level: v.level(page, slot); break;
    case element::Kind::Transition: v.transition(page, slot); break;
    case element::Kind::Figure: v.figure(page, slot); break;
    case element::Kind::Mechanism: v.mechanism(page, slot); break;
    case element::Kind::StaticText: v.staticText(page, slot); break;
    case element::Kind::Graph: v.graph(page + 1); break;
    case element::Kind::Clock: v.clock(page + 1); break;
    case element::Kind::Control: v.controlImage(page, slot); break;
    case element::Kind::Menu: v.menu(page, slot); break;
    case element::Kind::Manometer:
    case element::Kind::Varning: break; // the warning line is not in the canvases' arrays
    }
}

} // namespace pelmora
