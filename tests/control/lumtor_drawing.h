#pragma once
// What a Lumtor control drew, read through its drawing description.

#include "core/hosting/hosted_control.h"

#include <QRectF>
#include <map>

namespace pelmora::test {

struct LumtorPiece {
    double x1, y1, x2, y2;
    quint32 color;
};

struct LumtorBox {
    bool visible = false;
    QRectF rect; // grid units
    int borderStyle = 0;
    int borderWidth = 0; // circle only
    quint32 color = 0;   // KWADRAT background, circle fill
};

struct LumtorDrawing {
    double scaleWidth = 0, scaleHeight = 0;
    LumtorBox kwadrat, circle;
    std::map<int, LumtorPiece> lines; // the visible lines by index
    quint32 lineColor = 0;            // the colour every line holds
    QRectF label;                     // pixels
    bool labelOnTop = false;
};

LumtorDrawing drawingOf(hosting::HostedControl &control);

} // namespace pelmora::test
