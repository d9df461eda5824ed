#include "upload/shown_page_views.h"

#include "pages/page_elements.h"
#include "pages/page_view.h"

#include <QLabel>

namespace pelmora {

namespace {

constexpr int kSlotsPerPage = 32;

// The picture of a loaded view of the page's slot; nothing when the slot has
// no view, so the picture is taken from the model.
std::optional<QImage> viewPicture(const pages::ElementImage *view)
{
    if (!view)
        return std::nullopt;
    return view->picture().toImage();
}

} // namespace

page::PageViews shownPageViews(const PageView &view, const pages::PageElements &elements, int page)
{
    page::PageViews v;
    if (page < 0 || page >= PageView::kPages)
        return v;
    if (const QLabel *canvas = view.SCADA_Picture[static_cast<std::size_t>(page)]) {
        const QPixmap picture = canvas->pixmap();
        v.background = picture.isNull() ? QImage() : picture.toImage();
    }
    const int base = page * kSlotsPerPage;
    const pages::PageElements *e = &elements;
    v.controlPicture = [e, base](int slot) { return viewPicture(e->Control_Image(base + slot)); };
    v.mechanismPicture = [e, base](int slot) { return viewPicture(e->Ventilator_Picture(base + slot)); };
    v.controlViewTop = [e, base](int slot) -> std::optional<double> {
        if (const pages::ElementImage *button = e->Control_Image(base + slot))
            return button->y();
        return std::nullopt;
    };
    return v;
}

} // namespace pelmora
