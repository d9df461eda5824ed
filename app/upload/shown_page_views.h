#pragma once
// What a page's canvas and element views show, for drawing the page as the
// controller receives it: the canvas's background picture and the pictures
// and places of its control-button and mechanism views.

#include "upload/page_renderer.h"

namespace pelmora {

class PageView;
namespace pages {
class PageElements;
}

page::PageViews shownPageViews(const PageView &view, const pages::PageElements &elements, int page);

} // namespace pelmora
