// The page editor's side of ElementViews: what the element dialogs may do to
// and read from the page's element views.

#include "core/hosting/hosted_control.h"
#include "core/model/project_model.h"
#include "elements/kind_table.h"
#include "pages/page_editor.h"

#include <QLabel>

namespace pelmora {

using namespace pages;

void PageEditor::showElement(element::Kind kind, int page, int slot)
{
    refreshView(kind, page, slot);
    if (kind == element::Kind::TextSignal)
        if (ElementLabel *l = elements.Text_Signal_Picture(element::viewIndex(kind, page, slot)))
            l->setCaption(model().pages.Text_Signal_Text_Off(page, slot));
}

void PageEditor::showPicture(element::Kind kind, int page, int slot, const QPixmap &picture)
{
    if (picture.isNull())
        return;
    const int i = element::viewIndex(kind, page, slot);
    if (kind == element::Kind::Control) {
        if (ElementImage *v = elements.Control_Image(i))
            v->setPicture(picture);
    } else if (kind == element::Kind::Mechanism) {
        if (ElementImage *v = elements.Ventilator_Picture(i)) {
            v->resize(picture.size());
            v->setPicture(picture);
        }
    }
}

void PageEditor::showFont(element::Kind kind, int page, int slot, const QFont &font)
{
    if (kind == element::Kind::StaticText)
        if (ElementLabel *v = elements.Text_Label_Label(element::viewIndex(kind, page, slot)))
            v->setCaptionFont(font);
}

void PageEditor::unloadElement(element::Kind kind, int i)
{
    const element::KindInfo &k = element::kindInfo(kind);
    for (int v = 0; v < k.viewsPerElement; ++v)
        elements.unload(k.views[static_cast<std::size_t>(v)].array, i);
}

namespace {

ShownView shownLabel(const ElementLabel &l)
{
    ShownView v;
    v.box = l.geometry();
    v.caption = l.caption();
    v.foreColour = l.foreColor();
    v.backColour = l.backColor();
    v.borderStyle = l.borderStyle();
    v.font = l.captionFont();
    return v;
}

ShownView shownImage(const ElementImage &i)
{
    ShownView v;
    v.box = i.geometry();
    v.picture = i.picture();
    return v;
}

template <typename T, typename Look> std::optional<ShownView> shown(const T *view, Look look)
{
    if (!view)
        return std::nullopt;
    return look(*view);
}

} // namespace

std::optional<ShownView> PageEditor::shownView(element::Kind kind, int i) const
{
    PageElements &e = const_cast<PageElements &>(elements);
    switch (kind) {
    case element::Kind::Parameter: return shown(e.Parametr_Label(i), shownLabel);
    case element::Kind::TextSignal: return shown(e.Text_Signal_Picture(i), shownLabel);
    case element::Kind::Transition: return shown(e.Go_Block_Label(i), shownLabel);
    case element::Kind::StaticText: return shown(e.Text_Label_Label(i), shownLabel);
    case element::Kind::Menu: return shown(e.Menu_Text(i), shownLabel);
    case element::Kind::Clock: return shown(e.Real_Clock(i), shownLabel);
    case element::Kind::Control: return shown(e.Control_Image(i), shownImage);
    case element::Kind::Mechanism: return shown(e.Ventilator_Picture(i), shownImage);
    case element::Kind::Graph: return shown(e.Grafik_Image(i), shownImage);
    case element::Kind::Manometer: return shown(e.Manometr_Img(i), shownImage);
    case element::Kind::Varning: return std::nullopt; // the banner's line is read by its own opener
    case element::Kind::Level: {
        auto v = shown(e.Level_Picture(i), shownLabel);
        if (v)
            if (const ElementLabel *piece = e.Level_Picture_1(i))
                v->pieceColour = piece->backColor();
        return v;
    }
    case element::Kind::Figure:
        return shown(e.ShapePlus1(i), [](const FigureShape &f) {
            ShownView v;
            v.box = f.geometry();
            v.shapeKind = f.shape();
            v.lineColour = f.lineColor();
            v.lineWidth = f.lineWidth();
            return v;
        });
    case element::Kind::Signal:
        return shown(e.Signal_Picture(i), [](const hosting::HostedControl &s) {
            ShownView v;
            v.box = s.geometry();
            if (const auto colour = s.property(QStringLiteral("ForeColor")))
                v.foreColour = static_cast<std::int32_t>(colour->toLongLong() & 0xFFFFFF);
            if (const auto border = s.property(QStringLiteral("Border_Style")))
                v.borderStyle = border->toInt();
            if (const auto shape = s.property(QStringLiteral("Type_Signal")))
                v.shapeKind = shape->toInt();
            return v;
        });
    }
    return std::nullopt;
}

bool PageEditor::signalViewsAvailable() { return elements.signalTemplate() != nullptr; }

void PageEditor::hideTemplate(element::Kind kind)
{
    // The banner, the manometer, the graph window and the clock have no
    // insertion template of their own.
    if (kind == element::Kind::Varning || kind == element::Kind::Manometer || kind == element::Kind::Graph ||
        kind == element::Kind::Clock)
        return;
    // The hosted signal control keeps its own visibility.
    if (kind == element::Kind::Signal) {
        if (hosting::HostedControl *t = elements.Signal_Picture(0))
            t->setVisible(false);
        return;
    }
    const element::KindInfo &k = element::kindInfo(kind);
    for (int v = 0; v < k.viewsPerElement; ++v)
        if (QWidget *t = elements.widget(k.views[static_cast<std::size_t>(v)].array, 0))
            t->hide();
}

void PageEditor::setTemplateCaption(element::Kind kind, const QString &caption)
{
    ElementLabel *t = nullptr;
    switch (kind) {
    case element::Kind::Parameter: t = elements.Parametr_Label(0); break;
    case element::Kind::TextSignal: t = elements.Text_Signal_Picture(0); break;
    case element::Kind::Transition: t = elements.Go_Block_Label(0); break;
    case element::Kind::StaticText: t = elements.Text_Label_Label(0); break;
    case element::Kind::Menu: t = elements.Menu_Text(0); break;
    default: break;
    }
    if (t)
        t->setCaption(caption);
}

void PageEditor::setTemplateShape(int shapeKind)
{
    if (FigureShape *t = elements.ShapePlus1(0))
        t->setShape(shapeKind);
}

void PageEditor::setHandleElement(int index, int zoomKind)
{
    Zoom_Index = static_cast<std::int16_t>(index);
    Zoom_Kind = static_cast<std::uint8_t>(zoomKind);
}

void PageEditor::hideResizeHandle()
{
    if (QLabel *handle = elements.Zoom[2])
        handle->hide();
}

} // namespace pelmora
