#include "pages/page_elements.h"

#include "core/hosting/control_host.h"
#include "core/hosting/hosted_control.h"
#include "elements/control_element.h"
#include "pages/builtin_pictures.h"
#include "ui/hosted_control_widget.h"

#include <type_traits>

namespace pelmora::pages {

namespace {

const char kLumtorProgId[] = "Lumtorkit.Lumtor";

template <typename T> T *placeTemplate(T *t, const char *name, QWidget *canvas, int w, int h)
{
    t->setObjectName(QLatin1String(name) + QStringLiteral("_0"));
    t->setParent(canvas);
    t->setGeometry(0, 0, w, h);
    t->hide();
    return t;
}

ElementLabel *labelTemplate(const char *name, QWidget *canvas, const QString &caption, int w, int h, int points,
                            bool autoSize)
{
    auto *l = placeTemplate(new ElementLabel, name, canvas, w, h);
    l->setPointSize(points);
    l->setCaption(caption);
    l->setAutoSize(autoSize);
    return l;
}

ElementImage *imageTemplate(const char *name, QWidget *canvas, const QPixmap &picture, int w, int h)
{
    auto *i = placeTemplate(new ElementImage, name, canvas, w, h);
    i->setStretch(true);
    i->setPicture(picture);
    return i;
}

} // namespace

hosting::HostedControl *HostedItems::get(const Handle &h) { return h && h->isAlive() ? h.get() : nullptr; }

void HostedItems::destroy(Handle &h)
{
    if (h)
        h->release();
    h.reset();
}

QWidget *signalWidget(const hosting::HostedControl *control) { return control ? hosting::widgetOf(*control) : nullptr; }

PageElements::PageElements(QWidget *templateCanvas)
    : Parametr_Label([this](ElementLabel &t) { return copyWatched(t, ViewArray::Parametr_Label, Parametr_Label); }),
      Signal_Picture([this](hosting::HostedControl &t) {
          auto copy = hosting::loadCopy(hosting::ControlHost::shared(), t);
          if (copy)
              watchSignal(*copy);
          return copy;
      }),
      Text_Signal_Picture(
          [this](ElementLabel &t) { return copyWatched(t, ViewArray::Text_Signal_Picture, Text_Signal_Picture); }),
      Level_Picture([this](ElementLabel &t) { return copyWatched(t, ViewArray::Level_Picture, Level_Picture); }),
      Level_Picture_1([this](ElementLabel &t) { return copyWatched(t, ViewArray::Level_Picture_1, Level_Picture_1); }),
      Manometr_Img([this](ElementImage &t) { return copyWatched(t, ViewArray::Manometr_Img, Manometr_Img); }),
      Go_Block_Label([this](ElementLabel &t) { return copyWatched(t, ViewArray::Go_Block_Label, Go_Block_Label); }),
      Control_Image([this](ElementImage &t) { return copyWatched(t, ViewArray::Control_Image, Control_Image); }),
      Ventilator_Picture(
          [this](ElementImage &t) { return copyWatched(t, ViewArray::Ventilator_Picture, Ventilator_Picture); }),
      ShapePlus1([this](FigureShape &t) { return copyWatched(t, ViewArray::ShapePlus1, ShapePlus1); }),
      Text_Label_Label(
          [this](ElementLabel &t) { return copyWatched(t, ViewArray::Text_Label_Label, Text_Label_Label); }),
      Menu_Image([this](ElementImage &t) { return copyWatched(t, ViewArray::Menu_Image, Menu_Image); }),
      Menu_Text([this](ElementLabel &t) { return copyWatched(t, ViewArray::Menu_Text, Menu_Text); }),
      Grafik_Image([this](ElementImage &t) { return copyWatched(t, ViewArray::Grafik_Image, Grafik_Image); }),
      Real_Clock([this](ElementLabel &t) { return copyWatched(t, ViewArray::Real_Clock, Real_Clock); }),
      Real_Time([this](ElementLabel &t) { return copyWatched(t, ViewArray::Real_Time, Real_Time); }),
      templateCanvas_(templateCanvas)
{
    QWidget *c = templateCanvas;
    auto parametr = labelTemplate("Parametr_Label", c, QStringLiteral("0"), 10, 22, 14, true);
    parametr->setBorderStyle(0);
    Parametr_Label.setTemplate(parametr);

    auto textSignal = labelTemplate("Text_Signal_Picture", c, QStringLiteral("Сигнализация"), 84, 15, 10, true);
    Text_Signal_Picture.setTemplate(textSignal);

    auto bar = labelTemplate("Level_Picture", c, QString(), 20, 100, 8, false);
    bar->setBorderStyle(1);
    bar->setBackColor(0x00FF00);
    Level_Picture.setTemplate(bar);
    auto barFill = labelTemplate("Level_Picture_1", c, QString(), 20, 50, 8, false);
    barFill->setBorderStyle(1);
    barFill->setBackColor(0xFFFFFF);
    Level_Picture_1.setTemplate(barFill);

    Manometr_Img.setTemplate(imageTemplate("Manometr_Img", c, builtin::manometerPicture(), 70, 73));

    auto go = labelTemplate("Go_Block_Label", c, QStringLiteral("12"), 40, 40, 12, false);
    go->setCentred(true);
    go->setBorderStyle(1);
    go->setBackColor(0xE0E0E0);
    Go_Block_Label.setTemplate(go);

    Control_Image.setTemplate(
        imageTemplate("Control_Image", c, builtin::STOP_Image(element::kNewControlKeyType), 40, 40));
    Ventilator_Picture.setTemplate(imageTemplate("Ventilator_Picture", c, builtin::PictureVent(0), 48, 48));

    auto figure = placeTemplate(new FigureShape, "ShapePlus1", c, 100, 60);
    figure->setLineWidth(3);
    ShapePlus1.setTemplate(figure);

    auto text = labelTemplate("Text_Label_Label", c, QStringLiteral("Текст"), 37, 16, 10, true);
    text->setTransparent(true);
    Text_Label_Label.setTemplate(text);

    Menu_Image.setTemplate(imageTemplate("Menu_Image", c, builtin::menuPicture(), 123, 44));
    auto menuText = labelTemplate("Menu_Text", c, QStringLiteral("Меню"), 109, 16, 9, false);
    menuText->setBorderStyle(1);
    // The caption is typed on the canvas, at most 13 characters.
    menuText->setEditable(13);
    Menu_Text.setTemplate(menuText);

    Grafik_Image.setTemplate(imageTemplate("Grafik_Image", c, builtin::graphPicture(), 160, 100));

    auto clock = labelTemplate("Real_Clock", c, QStringLiteral("10:15"), 61, 27, 14, false);
    clock->setBold(true);
    clock->setTransparent(true);
    Real_Clock.setTemplate(clock);
    auto date = labelTemplate("Real_Time", c, QStringLiteral("10.12.18"), 61, 15, 9, false);
    date->setTransparent(true);
    Real_Time.setTemplate(date);

    watch(Parametr_Label(0), ViewArray::Parametr_Label, Parametr_Label);
    watch(Text_Signal_Picture(0), ViewArray::Text_Signal_Picture, Text_Signal_Picture);
    watch(Level_Picture(0), ViewArray::Level_Picture, Level_Picture);
    watch(Level_Picture_1(0), ViewArray::Level_Picture_1, Level_Picture_1);
    watch(Manometr_Img(0), ViewArray::Manometr_Img, Manometr_Img);
    watch(Go_Block_Label(0), ViewArray::Go_Block_Label, Go_Block_Label);
    watch(Control_Image(0), ViewArray::Control_Image, Control_Image);
    watch(Ventilator_Picture(0), ViewArray::Ventilator_Picture, Ventilator_Picture);
    watch(ShapePlus1(0), ViewArray::ShapePlus1, ShapePlus1);
    watch(Text_Label_Label(0), ViewArray::Text_Label_Label, Text_Label_Label);
    watch(Menu_Image(0), ViewArray::Menu_Image, Menu_Image);
    watch(Menu_Text(0), ViewArray::Menu_Text, Menu_Text);
    watch(Grafik_Image(0), ViewArray::Grafik_Image, Grafik_Image);
    watch(Real_Clock(0), ViewArray::Real_Clock, Real_Clock);
    watch(Real_Time(0), ViewArray::Real_Time, Real_Time);

    for (int z = 0; z < 4; ++z) {
        auto *handle = new QLabel(c);
        handle->setObjectName(QStringLiteral("Zoom_%1").arg(z));
        handle->setGeometry(0, 0, 10, 10);
        handle->setAutoFillBackground(true);
        QPalette pal = handle->palette();
        pal.setColor(QPalette::Window, QColor(128, 128, 128));
        handle->setPalette(pal);
        handle->hide();
        Zoom[static_cast<std::size_t>(z)] = handle;
    }
}

PageElements::~PageElements() = default;

QWidget *PageElements::widget(ViewArray array, int i) const
{
    switch (array) {
    case ViewArray::Parametr_Label: return Parametr_Label(i);
    case ViewArray::Signal_Picture: return signalWidget(Signal_Picture(i));
    case ViewArray::Text_Signal_Picture: return Text_Signal_Picture(i);
    case ViewArray::Level_Picture: return Level_Picture(i);
    case ViewArray::Level_Picture_1: return Level_Picture_1(i);
    case ViewArray::Manometr_Img: return Manometr_Img(i);
    case ViewArray::Go_Block_Label: return Go_Block_Label(i);
    case ViewArray::Control_Image: return Control_Image(i);
    case ViewArray::Ventilator_Picture: return Ventilator_Picture(i);
    case ViewArray::ShapePlus1: return ShapePlus1(i);
    case ViewArray::Text_Label_Label: return Text_Label_Label(i);
    case ViewArray::Menu_Image: return Menu_Image(i);
    case ViewArray::Menu_Text: return Menu_Text(i);
    case ViewArray::Grafik_Image: return Grafik_Image(i);
    case ViewArray::Real_Clock: return Real_Clock(i);
    case ViewArray::Real_Time: return Real_Time(i);
    case ViewArray::Varning_Text: break;
    }
    return nullptr;
}

void PageElements::unload(ViewArray array, int i)
{
    switch (array) {
    case ViewArray::Parametr_Label: Parametr_Label.unload(i); break;
    case ViewArray::Signal_Picture: Signal_Picture.unload(i); break;
    case ViewArray::Text_Signal_Picture: Text_Signal_Picture.unload(i); break;
    case ViewArray::Level_Picture: Level_Picture.unload(i); break;
    case ViewArray::Level_Picture_1: Level_Picture_1.unload(i); break;
    case ViewArray::Manometr_Img: Manometr_Img.unload(i); break;
    case ViewArray::Go_Block_Label: Go_Block_Label.unload(i); break;
    case ViewArray::Control_Image: Control_Image.unload(i); break;
    case ViewArray::Ventilator_Picture: Ventilator_Picture.unload(i); break;
    case ViewArray::ShapePlus1: ShapePlus1.unload(i); break;
    case ViewArray::Text_Label_Label: Text_Label_Label.unload(i); break;
    case ViewArray::Menu_Image: Menu_Image.unload(i); break;
    case ViewArray::Menu_Text: Menu_Text.unload(i); break;
    case ViewArray::Grafik_Image: Grafik_Image.unload(i); break;
    case ViewArray::Real_Clock: Real_Clock.unload(i); break;
    case ViewArray::Real_Time: Real_Time.unload(i); break;
    case ViewArray::Varning_Text: break;
    }
}

// Passes Click, DblClick, MouseDown and MouseMove of one array item to the
// editor's hooks with the array name and the item's current index.
template <typename Handlers, typename Index> void PageElements::forwardEvents(Handlers &h, ViewArray array, Index index)
{
    h.Click = [this, array, index] {
        if (events.Click)
            events.Click(array, index());
    };
    h.DblClick = [this, array, index] {
        if (events.DblClick)
            events.DblClick(array, index());
    };
    h.MouseDown = [this, array, index](short b, short s, float x, float y) {
        if (events.MouseDown)
            events.MouseDown(array, index(), b, s, x, y);
    };
    h.MouseMove = [this, array, index](short b, short s, float x, float y) {
        if (events.MouseMove)
            events.MouseMove(array, index(), b, s, x, y);
    };
}

template <typename T> QPointer<T> PageElements::copyWatched(T &templ, ViewArray array, ControlArray<T> &owner)
{
    T *copy = T::copyOf(templ);
    watch(copy, array, owner);
    return QPointer<T>(copy);
}

template <typename T> void PageElements::watch(T *control, ViewArray array, ControlArray<T> &owner)
{
    // The copies of the template are watched as they are made.
    QPointer<T> guard(control);
    auto index = [guard, &owner] { return owner.indexOf(guard.data()); };
    MouseHandlers h;
    forwardEvents(h, array, index);
    h.MouseUp = [this, array, index](short b, short s, float x, float y) {
        if (events.MouseUp)
            events.MouseUp(array, index(), b, s, x, y);
    };
    MouseAdapter::attach(control, MouseUnits::Twips, std::move(h));
    if constexpr (std::is_same_v<T, ElementLabel>) {
        QObject::connect(control, &ElementLabel::captionEdited, control, [this, index](const QString &text) {
            if (events.CaptionEdited)
                events.CaptionEdited(index(), text);
        });
    }
}

void PageElements::watchSignal(hosting::HostedControl &control)
{
    hosting::HostedControl *c = &control;
    auto index = [this, c] { return Signal_Picture.indexOf(c); };
    forwardEvents(control.events(), ViewArray::Signal_Picture, index);
    // MouseUp of the indicator is not handled.
}

hosting::HostedControl *PageElements::signalTemplate()
{
    if (auto *t = Signal_Picture(0))
        return t;
    auto t = hosting::ControlHost::shared().createOrReport(QString::fromLatin1(kLumtorProgId));
    if (!t)
        return nullptr;
    hosting::setContainer(*t, templateCanvas_);
    t->move(0, 0, 33, 33);
    t->setVisible(false);
    if (QWidget *w = hosting::widgetOf(*t))
        w->setObjectName(QStringLiteral("Signal_Picture_0"));
    watchSignal(*t);
    Signal_Picture.setTemplate(std::move(t));
    return Signal_Picture(0);
}

} // namespace pelmora::pages
