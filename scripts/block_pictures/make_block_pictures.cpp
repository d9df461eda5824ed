// Draws the 40 x 40 pictures of the schema view, one per block type code 1 to
// 50: the type's three-letter name over a symbol of what the block does, on a
// tile whose colour marks the family of the block. Writes block_NN.png into
// the folder given as the first argument.

#include "core/model/catalogue.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>

using namespace pelmora;

namespace {

const QRectF kArea(5, 15, 30, 21); // where the symbol goes
const QColor kInk(30, 30, 40);

QColor familyColour(int code)
{
    switch (code) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: return QColor(190, 225, 255); // inputs, outputs, links
    case 6:
    case 30:
    case 47: return QColor(225, 225, 225); // system
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 33:
    case 34: return QColor(255, 235, 170); // arithmetic
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
    case 44:
    case 49: return QColor(200, 240, 200); // logic
    case 25:
    case 26:
    case 27:
    case 28:
    case 35:
    case 36:
    case 37: return QColor(255, 215, 200); // control
    case 29:
    case 38:
    case 41:
    case 42:
    case 43:
    case 48:
    case 50: return QColor(225, 210, 250); // display, records
    case 31:
    case 45:
    case 46: return QColor(255, 200, 230); // programs
    default: return QColor(210, 210, 210); // no block type
    }
}

void arrow(QPainter &p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to << to - u * 4 + n * 3 << to - u * 4 - n * 3;
    p.setBrush(kInk);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

void glyph(QPainter &p, const QString &text, int pixelSize, bool bold = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    p.setFont(f);
    p.drawText(kArea, Qt::AlignCenter, text);
}

void sine(QPainter &p, QRectF r, double cycles = 1.0)
{
    QPainterPath path;
    for (int k = 0; k <= 40; ++k) {
        const double t = k / 40.0;
        const QPointF pt(r.left() + t * r.width(), r.center().y() - std::sin(t * cycles * 2 * M_PI) * r.height() / 2);
        k == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    p.drawPath(path);
}

void pulse(QPainter &p, QRectF r)
{
    const double y0 = r.bottom(), y1 = r.top(), x = r.left(), w = r.width();
    QPolygonF poly;
    poly << QPointF(x, y0) << QPointF(x + w * .25, y0) << QPointF(x + w * .25, y1) << QPointF(x + w * .6, y1)
         << QPointF(x + w * .6, y0) << QPointF(x + w, y0);
    p.drawPolyline(poly);
}

void gate(QPainter &p, int kind)
{
    // 0 AND, 1 OR, 2 XOR
    const double l = 12, t = 17, b = 34, r = 28;
    QPainterPath path;
    if (kind == 0) {
        path.moveTo(l, t);
        path.lineTo(r - 8, t);
        path.arcTo(QRectF(r - 16, t, 16, b - t), 90, -180);
        path.lineTo(l, b);
        path.closeSubpath();
    } else {
        path.moveTo(l, t);
        path.quadTo(r - 2, t, r + 2, (t + b) / 2);
        path.quadTo(r - 2, b, l, b);
        path.quadTo(l + 6, (t + b) / 2, l, t);
        if (kind == 2) {
            path.moveTo(l - 3, t);
            path.quadTo(l + 3, (t + b) / 2, l - 3, b);
        }
    }
    p.drawPath(path);
    p.drawLine(QPointF(6, t + 4), QPointF(l + 2, t + 4));
    p.drawLine(QPointF(6, b - 4), QPointF(l + 2, b - 4));
    p.drawLine(QPointF(r + (kind == 0 ? 0 : 2), (t + b) / 2), QPointF(35, (t + b) / 2));
}

void drawSymbol(QPainter &p, int code)
{
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (code) {
    case 1: // analog input: a wave coming in
        sine(p, QRectF(6, 19, 16, 10));
        arrow(p, QPointF(23, 25), QPointF(34, 25));
        break;
    case 2: // analog output: a wave going out
        arrow(p, QPointF(6, 25), QPointF(17, 25));
        sine(p, QRectF(19, 19, 16, 10));
        break;
    case 3: // digital input
        pulse(p, QRectF(6, 19, 16, 12));
        arrow(p, QPointF(23, 25), QPointF(34, 25));
        break;
    case 4: // digital output
        arrow(p, QPointF(6, 25), QPointF(17, 25));
        pulse(p, QRectF(19, 19, 16, 12));
        break;
    case 5: // RS-485: twisted pair between two ends
        p.drawRect(QRectF(5, 20, 5, 10));
        p.drawRect(QRectF(30, 20, 5, 10));
        sine(p, QRectF(10, 21, 20, 8), 2);
        p.save();
        p.translate(0, 50);
        p.scale(1, -1);
        sine(p, QRectF(10, 21, 20, 8), 2);
        p.restore();
        break;
    case 6: { // system: a gear
        const QPointF c(20, 26);
        for (int k = 0; k < 8; ++k) {
            const double a = k * M_PI / 4;
            p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * 6, c + QPointF(std::cos(a), std::sin(a)) * 10);
        }
        p.drawEllipse(c, 7, 7);
        p.drawEllipse(c, 2.5, 2.5);
        break;
    }
    case 9: glyph(p, QStringLiteral("×"), 20); break;
    case 10: glyph(p, QStringLiteral("Σ"), 18); break;
    case 11: glyph(p, QStringLiteral("÷"), 20); break;
    case 12: glyph(p, QStringLiteral("√x"), 15); break;
    case 13: glyph(p, QStringLiteral("|x|"), 15); break;
    case 17: gate(p, 0); break;
    case 18: gate(p, 1); break;
    case 19: gate(p, 2); break;
    case 20: { // trigger: a flip-flop box with S and R
        p.drawRect(QRectF(12, 16, 16, 19));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(7);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(13, 17, 8, 8), Qt::AlignCenter, QStringLiteral("S"));
        p.drawText(QRectF(13, 26, 8, 8), Qt::AlignCenter, QStringLiteral("R"));
        p.drawText(QRectF(20, 21, 8, 8), Qt::AlignCenter, QStringLiteral("T"));
        p.drawLine(QPointF(6, 21), QPointF(12, 21));
        p.drawLine(QPointF(6, 30), QPointF(12, 30));
        p.drawLine(QPointF(28, 25), QPointF(34, 25));
        break;
    }
    case 21: // register: a row of cells
        for (int k = 0; k < 4; ++k)
            p.drawRect(QRectF(6 + k * 7, 20, 7, 10));
        arrow(p, QPointF(8, 34), QPointF(32, 34));
        break;
    case 25: // set-point: a slider
        p.drawLine(QPointF(7, 26), QPointF(33, 26));
        for (int k = 0; k < 5; ++k)
            p.drawLine(QPointF(8 + k * 6, 31), QPointF(8 + k * 6, 33));
        p.setBrush(kInk);
        p.drawRect(QRectF(20, 20, 5, 10));
        break;
    case 26: { // PID: a step response settling on its set-point
        p.drawLine(QPointF(6, 34), QPointF(34, 34));
        p.drawLine(QPointF(6, 34), QPointF(6, 17));
        QPen dash(kInk, 1, Qt::DashLine);
        p.save();
        p.setPen(dash);
        p.drawLine(QPointF(6, 22), QPointF(34, 22));
        p.restore();
        QPainterPath path;
        path.moveTo(7, 34);
        path.cubicTo(12, 34, 12, 16, 17, 18);
        path.cubicTo(21, 20, 23, 24, 26, 22);
        path.lineTo(34, 22);
        p.drawPath(path);
        break;
    }
    case 27: { // multiplexer: a trapezoid with many inputs, one output
        QPolygonF poly;
        poly << QPointF(13, 16) << QPointF(26, 21) << QPointF(26, 30) << QPointF(13, 35);
        p.drawPolygon(poly);
        for (int k = 0; k < 4; ++k)
            p.drawLine(QPointF(6, 20 + k * 4), QPointF(13, 20 + k * 4));
        p.drawLine(QPointF(26, 25.5), QPointF(34, 25.5));
        break;
    }
    case 28: { // program: a ramp and soak profile
        QPolygonF poly;
        poly << QPointF(6, 34) << QPointF(13, 19) << QPointF(22, 19) << QPointF(27, 28) << QPointF(34, 28);
        p.drawPolyline(poly);
        p.drawLine(QPointF(6, 35), QPointF(34, 35));
        break;
    }
    case 29: // panel: a small screen with keys
        p.drawRect(QRectF(8, 16, 24, 11));
        for (int k = 0; k < 4; ++k)
            p.drawRect(QRectF(8 + k * 6.3, 30, 4, 4));
        break;
    case 30: // real-time clock
        p.drawEllipse(QPointF(20, 26), 9, 9);
        p.drawLine(QPointF(20, 26), QPointF(20, 20));
        p.drawLine(QPointF(20, 26), QPointF(25, 28));
        break;
    case 31: glyph(p, QStringLiteral("0110"), 10); break; // code
    case 33: {                                            // minimum: a dip to its lowest point
        QPainterPath path;
        path.moveTo(6, 19);
        path.quadTo(20, 42, 34, 19);
        p.drawPath(path);
        arrow(p, QPointF(20, 20), QPointF(20, 29));
        break;
    }
    case 34: { // limiter: a wave clipped at both ends
        QPen dash(kInk, 1, Qt::DashLine);
        p.save();
        p.setPen(dash);
        p.drawLine(QPointF(5, 20), QPointF(35, 20));
        p.drawLine(QPointF(5, 32), QPointF(35, 32));
        p.restore();
        QPolygonF poly;
        poly << QPointF(5, 26) << QPointF(9, 20) << QPointF(17, 20) << QPointF(21, 26) << QPointF(25, 32)
             << QPointF(33, 32) << QPointF(35, 29);
        p.drawPolyline(poly);
        break;
    }
    case 35: { // comparator: a triangle with + and -
        QPolygonF poly;
        poly << QPointF(11, 16) << QPointF(30, 25.5) << QPointF(11, 35);
        p.drawPolygon(poly);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(8);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(12, 17, 8, 8), Qt::AlignCenter, QStringLiteral("+"));
        p.drawText(QRectF(12, 26, 8, 8), Qt::AlignCenter, QStringLiteral("−"));
        p.drawLine(QPointF(30, 25.5), QPointF(35, 25.5));
        break;
    }
    case 36: { // timer: an hourglass
        QPolygonF poly;
        poly << QPointF(13, 16) << QPointF(27, 16) << QPointF(20, 25.5) << QPointF(27, 35) << QPointF(13, 35)
             << QPointF(20, 25.5);
        p.drawPolygon(poly);
        p.setBrush(kInk);
        QPolygonF sand;
        sand << QPointF(16, 35) << QPointF(24, 35) << QPointF(20, 30);
        p.drawPolygon(sand);
        break;
    }
    case 37: // counter: digits in a window
        p.drawRect(QRectF(6, 19, 28, 14));
        glyph(p, QStringLiteral("123"), 10);
        break;
    case 38: // oscilloscope: a screen with a trace
        p.drawRoundedRect(QRectF(6, 17, 28, 18), 2, 2);
        sine(p, QRectF(8, 21, 24, 10), 1.5);
        break;
    case 41: { // graph: axes with a trend line
        arrow(p, QPointF(8, 35), QPointF(8, 16));
        arrow(p, QPointF(8, 35), QPointF(34, 35));
        QPolygonF poly;
        poly << QPointF(9, 31) << QPointF(15, 24) << QPointF(21, 28) << QPointF(27, 19) << QPointF(32, 22);
        p.drawPolyline(poly);
        break;
    }
    case 42: // journal: a book with lines
        p.drawRect(QRectF(9, 16, 22, 19));
        p.drawLine(QPointF(13, 16), QPointF(13, 35));
        for (int k = 0; k < 4; ++k)
            p.drawLine(QPointF(16, 20 + k * 4), QPointF(28, 20 + k * 4));
        break;
    case 43: // SCADA: a monitor on a stand
        p.drawRect(QRectF(7, 16, 26, 15));
        p.drawLine(QPointF(20, 31), QPointF(20, 34));
        p.drawLine(QPointF(14, 35), QPointF(26, 35));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(13, 23), 2.5, 2.5);
        p.drawRect(QRectF(19, 21, 10, 4));
        break;
    case 44: glyph(p, QStringLiteral("&|!"), 13); break; // logic expression
    case 45: {                                           // ALGORITHM: a flowchart decision with its two branches
        QPolygonF diamond;
        diamond << QPointF(20, 16) << QPointF(27, 22) << QPointF(20, 28) << QPointF(13, 22);
        p.drawPolygon(diamond);
        p.drawLine(QPointF(13, 22), QPointF(8, 22));
        arrow(p, QPointF(8, 22), QPointF(8, 35));
        p.drawLine(QPointF(27, 22), QPointF(32, 22));
        arrow(p, QPointF(32, 22), QPointF(32, 35));
        arrow(p, QPointF(20, 28), QPointF(20, 35));
        break;
    }
    case 46: // universal: four linked nodes
        p.drawEllipse(QPointF(11, 20), 3, 3);
        p.drawEllipse(QPointF(29, 20), 3, 3);
        p.drawEllipse(QPointF(11, 32), 3, 3);
        p.drawEllipse(QPointF(29, 32), 3, 3);
        p.drawLine(QPointF(14, 20), QPointF(26, 20));
        p.drawLine(QPointF(14, 32), QPointF(26, 32));
        p.drawLine(QPointF(13, 22), QPointF(27, 30));
        p.drawLine(QPointF(11, 23), QPointF(11, 29));
        break;
    case 47: // monitor: an eye
        p.drawEllipse(QRectF(7, 19, 26, 13));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(20, 25.5), 3.5, 3.5);
        break;
    case 48: { // report: a page with a folded corner
        QPolygonF page;
        page << QPointF(11, 16) << QPointF(25, 16) << QPointF(30, 21) << QPointF(30, 35) << QPointF(11, 35);
        p.drawPolygon(page);
        p.drawPolyline(QPolygonF() << QPointF(25, 16) << QPointF(25, 21) << QPointF(30, 21));
        for (int k = 0; k < 3; ++k)
            p.drawLine(QPointF(14, 24 + k * 4), QPointF(27, 24 + k * 4));
        break;
    }
    case 49: { // inverter: a buffer with its bubble
        QPolygonF poly;
        poly << QPointF(11, 17) << QPointF(25, 25.5) << QPointF(11, 34);
        p.drawPolygon(poly);
        p.drawEllipse(QPointF(28, 25.5), 2.5, 2.5);
        p.drawLine(QPointF(5, 25.5), QPointF(11, 25.5));
        p.drawLine(QPointF(30.5, 25.5), QPointF(35, 25.5));
        break;
    }
    case 50: // touch screen: a finger tip on a pane with ripples
        p.drawRect(QRectF(7, 17, 26, 18));
        p.drawEllipse(QPointF(20, 26), 2, 2);
        p.drawEllipse(QPointF(20, 26), 5, 5);
        p.drawEllipse(QPointF(20, 26), 8, 6.5);
        break;
    default: { // a code that no block type has: its number, crossed out
        QPen thin(QColor(120, 120, 120), 1);
        p.setPen(thin);
        p.drawLine(QPointF(8, 17), QPointF(32, 35));
        p.drawLine(QPointF(32, 17), QPointF(8, 35));
        p.setPen(kInk);
        glyph(p, QString::number(code), 11);
        break;
    }
    }
}

QImage picture(int code, const QString &name)
{
    QImage img(40, 40, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(kInk, 1));
    p.setBrush(familyColour(code));
    p.drawRoundedRect(QRectF(0.5, 0.5, 39, 39), 4, 4);
    // The type's name stands whole between the tile's top edge and the rule
    // under it: its capitals centred in that band by the font's own measures,
    // the font made smaller for a name wider than the tile.
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    f.setBold(true);
    while (f.pixelSize() > 6 && QFontMetricsF(f).horizontalAdvance(name) > 34)
        f.setPixelSize(f.pixelSize() - 1);
    const QFontMetricsF fm(f);
    const double bandTop = 1.5, bandBottom = 14.0;
    const double baseline = std::floor((bandTop + bandBottom + fm.capHeight()) / 2) - 0.5;
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QPointF((40 - fm.horizontalAdvance(name)) / 2, baseline), name);
    p.setPen(QPen(kInk, 0.8));
    p.drawLine(QPointF(4, 14.5), QPointF(36, 14.5));
    drawSymbol(p, code);
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    Catalogue c;
    fillCatalogueTypes(c, 0);
    for (int code = 1; code <= 50; ++code) {
        const QString file = out.filePath(QStringLiteral("block_%1.png").arg(code, 2, 10, QLatin1Char('0')));
        if (!picture(code, c.Block_Type_Names(code)).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
