#pragma once
// The picture of a SCADA page as the controller receives it: the page
// background (its colour, and its picture where it has one) with the elements
// whose look the controller takes from the picture drawn over it: control
// buttons of the drawn kinds, mechanisms, menu items with their captions,
// static texts and figure outlines. Pictures are copied at their own size,
// white (and any clear pixel) is transparent, and nothing is antialiased, so
// every pixel is one of the colours drawn. The live elements (parameters,
// signals, level bars, transitions, graph window, clock, warning banner)
// reach the controller through the element tables only.

#include "core/model/project_model.h"
#include "upload/page_tables_codec.h"

#include <QImage>
#include <QString>
#include <functional>
#include <optional>

namespace pelmora::page {

// What the page's views show, where a window can tell it better than the
// model: the canvas's background picture and the picture of a control-button
// or mechanism view (by slot). Whatever is not given is taken from the model,
// the program's own pictures and the files in the current folder, as the
// opened project shows them. A view picture that is a null image draws nothing.
struct PageViews {
    // The picture on the page's canvas (a null image: the canvas shows its colour only).
    std::optional<QImage> background;
    std::function<std::optional<QImage>(int slot)> controlPicture;
    std::function<std::optional<QImage>(int slot)> mechanismPicture;
    // The current top of a kind-13 control button's view (page_tables_codec.h).
    ControlViewTop controlViewTop;
};

// Said when the page's background picture cannot be read from the current folder.
extern const char16_t *const kBackgroundUnreadable; // %1: the picture's name

struct RenderedPage {
    QImage image;  // width x height, 32-bit RGB, at 96 dots per inch
    QString error; // not empty when the page could not be drawn
};

// Draws page `page` (0..15) at the canvas size `width` x `height`.
RenderedPage renderPage(const ProjectModel &m, int page, const PageViews &views = {}, int width = 800,
                        int height = 480);

// The picture as it is copied onto a page: pure white pixels and pixels more
// than half clear become clear, every other pixel opaque in its own colour.
QImage whiteTransparent(const QImage &picture);

} // namespace pelmora::page
