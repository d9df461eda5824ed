// Draws the built-in pictures of the SCADA pages:
//   controls/stop_00.png .. stop_19.png   the 20 control-button pictures (40 x 40),
//                                         one per key type of the button dialog
//   controls/menu.png                     the menu-item picture (123 x 44)
//   controls/manometer.png                the manometer picture (70 x 73)
//   controls/graph.png                    the graph-window picture (160 x 100)
//   mechanisms/vent_00.png .. vent_22.png the mechanism pictures (48 x 48), one per
//                                         picture code: 0..3 first fan, 4..7 second
//                                         fan, 8..21 static pictures, 22 the user's
//                                         mechanism drawn from phase pictures
//   mechanisms/impeller_1.png, impeller_2.png  the two fan impellers (48 x 48)
// The first argument is the assets folder.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>

namespace {

const QColor kInk(30, 30, 40);

QFont font(int pixelSize, bool bold = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

bool save(const QImage &img, const QString &path)
{
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A raised square key with a coloured face and a caption.
void key(QPainter &p, QColor face, const QString &caption, QColor text = Qt::white, int size = 11)
{
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(0.5, 0.5, 39, 39), 4, 4);
    QLinearGradient g(0, 3, 0, 37);
    g.setColorAt(0, face.lighter(140));
    g.setColorAt(1, face.darker(120));
    p.setBrush(g);
    p.setPen(QPen(face.darker(170), 1));
    p.drawRoundedRect(QRectF(3.5, 3.5, 33, 33), 3, 3);
    if (!caption.isEmpty()) {
        p.setPen(text);
        p.setFont(font(size));
        p.drawText(QRectF(3, 3, 34, 34), Qt::AlignCenter | Qt::TextWordWrap, caption);
    }
}

// A round key on a grey plate.
void roundKey(QPainter &p, QColor face, const QString &caption)
{
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(190, 190, 190));
    p.drawRoundedRect(QRectF(0.5, 0.5, 39, 39), 4, 4);
    QRadialGradient g(QPointF(16, 15), 18);
    g.setColorAt(0, face.lighter(150));
    g.setColorAt(1, face.darker(130));
    p.setBrush(g);
    p.setPen(QPen(face.darker(180), 1.2));
    p.drawEllipse(QRectF(4, 4, 32, 32));
    p.setPen(Qt::white);
    p.setFont(font(9));
    p.drawText(QRectF(4, 4, 32, 32), Qt::AlignCenter | Qt::TextWordWrap, caption);
}

QImage controlPicture(int k)
{
    QImage img = canvas(40, 40);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor red(200, 30, 30), green(30, 150, 50), grey(150, 150, 150), blue(40, 90, 190), amber(220, 150, 20);
    switch (k) {
    case 0: key(p, grey, QString()); break; // ПУСТО
    case 1: key(p, red, QStringLiteral("СТОП"), Qt::white, 10); break;
    case 2: key(p, green, QStringLiteral("ПУСК"), Qt::white, 10); break;
    case 3: roundKey(p, green, QStringLiteral("ПУСК")); break; // ПУСК 2
    case 4: {                                                  // Тумблер
        key(p, QColor(90, 90, 100), QString());
        p.setBrush(QColor(230, 230, 230));
        p.setPen(QPen(kInk, 1));
        p.drawEllipse(QRectF(13, 17, 14, 14));
        p.setPen(QPen(QColor(240, 240, 240), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 24), QPointF(27, 8));
        break;
    }
    case 5: key(p, blue, QStringLiteral("N-1")); break;
    case 6: key(p, blue, QStringLiteral("N+1")); break;
    case 7: key(p, amber, QStringLiteral("КСС"), kInk); break;
    case 8: key(p, QColor(80, 80, 80), QStringLiteral("OFF"), QColor(255, 200, 200)); break;
    case 9: key(p, green, QStringLiteral("ON")); break;
    case 10: roundKey(p, red, QStringLiteral("СТОП")); break; // СТОП 1
    case 11: {                                                // ПУСК 11
        roundKey(p, green, QString());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF() << QPointF(15, 11) << QPointF(29, 20) << QPointF(15, 29));
        break;
    }
    case 12: { // "Мережа"
        key(p, QColor(60, 120, 170), QString());
        p.setPen(QPen(Qt::white, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(20, 20), 11, 11);
        p.drawEllipse(QPointF(20, 20), 5, 11);
        p.drawLine(QPointF(9, 20), QPointF(31, 20));
        p.drawLine(QPointF(11, 14), QPointF(29, 14));
        p.drawLine(QPointF(11, 26), QPointF(29, 26));
        break;
    }
    case 13: { // "Клювик": a tick
        key(p, QColor(235, 235, 235), QString());
        p.setPen(QPen(green.darker(120), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF() << QPointF(10, 21) << QPointF(17, 29) << QPointF(31, 11));
        break;
    }
    case 14: key(p, QColor(170, 200, 230), QString()); break;            // ПУСТО 1
    case 15: key(p, QColor(200, 230, 170), QString()); break;            // ПУСТО 2
    case 16: key(p, QColor(240, 220, 150), QString()); break;            // ПУСТО 3
    case 17: key(p, green, QStringLiteral("П/С"), Qt::white, 12); break; // П_С зелена
    case 18: key(p, red, QStringLiteral("П/С"), Qt::white, 12); break;   // П_С червона
    case 19: {                                                           // OFF_ON
        key(p, QColor(90, 90, 90), QString());
        p.setFont(font(9));
        p.setPen(QColor(255, 190, 190));
        p.drawText(QRectF(3, 5, 34, 14), Qt::AlignCenter, QStringLiteral("OFF"));
        p.setPen(QColor(170, 255, 170));
        p.drawText(QRectF(3, 21, 34, 14), Qt::AlignCenter, QStringLiteral("ON"));
        break;
    }
    }
    return img;
}

QImage menuPicture()
{
    QImage img = canvas(123, 44);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 44);
    g.setColorAt(0, QColor(235, 240, 250));
    g.setColorAt(1, QColor(160, 175, 205));
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 70, 100), 1.5));
    p.drawRoundedRect(QRectF(1, 1, 121, 42), 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(QPointF(9, 4), QPointF(114, 4));
    return img;
}

QImage manometerPicture()
{
    QImage img = canvas(70, 73);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // the connection below the dial
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(170, 150, 90));
    p.drawRect(QRectF(30, 62, 10, 10));
    const QPointF c(35, 33);
    p.setBrush(QColor(80, 80, 90));
    p.drawEllipse(c, 32, 32);
    p.setBrush(QColor(250, 250, 245));
    p.drawEllipse(c, 28, 28);
    // scale: 270 degrees, from lower left to lower right
    for (int i = 0; i <= 10; ++i) {
        const double a = (225.0 - 27.0 * i) * M_PI / 180.0;
        const QPointF u(std::cos(a), -std::sin(a));
        p.setPen(QPen(i >= 8 ? QColor(200, 30, 30) : kInk, i % 5 == 0 ? 2 : 1));
        p.drawLine(c + u * 25, c + u * (i % 5 == 0 ? 18 : 21));
    }
    p.setPen(kInk);
    p.setFont(font(8, false));
    p.drawText(QRectF(20, 40, 30, 12), Qt::AlignCenter, QStringLiteral("МПа"));
    const double a = 120 * M_PI / 180.0;
    p.setPen(QPen(QColor(200, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(std::cos(a), -std::sin(a)) * 22);
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 3, 3);
    return img;
}

QImage graphPicture()
{
    QImage img(160, 100, QImage::Format_ARGB32);
    img.fill(QColor(250, 250, 250));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(215, 215, 215), 1));
    for (int x = 10; x < 160; x += 20)
        p.drawLine(x, 4, x, 90);
    for (int y = 10; y < 92; y += 20)
        p.drawLine(10, y, 156, y);
    p.setPen(QPen(kInk, 1));
    p.drawLine(10, 4, 10, 90);
    p.drawLine(10, 90, 156, 90);
    const QColor colours[] = {QColor(200, 30, 30), QColor(30, 120, 200), QColor(30, 150, 60)};
    for (int k = 0; k < 3; ++k) {
        QPainterPath path;
        for (int x = 10; x <= 156; x += 2) {
            const double y = 50 - (22 - k * 6) * std::sin((x + k * 25) / (14.0 + 4 * k)) - k * 8;
            if (x == 10)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        p.setPen(QPen(colours[k], 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(QPen(QColor(100, 100, 100), 1));
    p.drawRect(QRectF(0.5, 0.5, 159, 99));
    return img;
}

// An impeller of n blades, turned by the given angle.
void impeller(QPainter &p, QPointF c, double r, int blades, double turn, QColor colour)
{
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    for (int b = 0; b < blades; ++b) {
        const double a = turn + b * 2 * M_PI / blades;
        QPainterPath blade;
        blade.moveTo(c);
        blade.cubicTo(c + QPointF(std::cos(a - 0.5), std::sin(a - 0.5)) * r * 0.6,
                      c + QPointF(std::cos(a - 0.1), std::sin(a - 0.1)) * r,
                      c + QPointF(std::cos(a + 0.25), std::sin(a + 0.25)) * r);
        blade.cubicTo(c + QPointF(std::cos(a + 0.35), std::sin(a + 0.35)) * r * 0.6, c, c);
        p.drawPath(blade);
    }
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(c, r * 0.18, r * 0.18);
}

// A fan: a volute housing with its outlet turned by quarter turns (0 right,
// 1 down, 2 left, 3 up) and an impeller inside. Style 0 a radial fan with a
// blue housing, style 1 an axial fan in a round frame.
QImage fanPicture(int style, int direction)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(24, 24);
    p.rotate(90 * direction);
    p.translate(-24, -24);
    if (style == 0) {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(120, 170, 220));
        QPainterPath housing;
        housing.addEllipse(QPointF(22, 26), 18, 18);
        housing.addRect(QRectF(22, 8, 24, 14));
        p.drawPath(housing.simplified());
        impeller(p, QPointF(22, 26), 14, 6, 0.3, QColor(240, 240, 240));
    } else {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(200, 200, 205));
        p.drawRoundedRect(QRectF(3, 3, 42, 42), 6, 6);
        p.setBrush(QColor(245, 245, 245));
        p.drawEllipse(QPointF(24, 24), 19, 19);
        impeller(p, QPointF(24, 24), 17, 3, 0.0, QColor(230, 120, 40));
        p.setPen(QPen(kInk, 2));
        p.drawLine(QPointF(41, 24), QPointF(47, 24));
    }
    return img;
}

QImage impellerPicture(int which)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (which == 1)
        impeller(p, QPointF(24, 24), 22, 6, 0.3, QColor(120, 170, 220));
    else
        impeller(p, QPointF(24, 24), 22, 3, 0.0, QColor(230, 120, 40));
    return img;
}

QImage staticMechanism(int code)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.2));
    switch (code) {
    case 8: { // pump
        p.setBrush(QColor(90, 160, 90));
        p.drawEllipse(QPointF(24, 26), 16, 16);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF() << QPointF(16, 16) << QPointF(36, 26) << QPointF(16, 36));
        p.setBrush(QColor(90, 160, 90));
        p.drawRect(QRectF(8, 42, 32, 4));
        break;
    }
    case 9: { // valve
        p.setBrush(QColor(200, 60, 60));
        p.drawPolygon(QPolygonF() << QPointF(4, 14) << QPointF(24, 26) << QPointF(4, 38));
        p.drawPolygon(QPolygonF() << QPointF(44, 14) << QPointF(24, 26) << QPointF(44, 38));
        p.drawLine(QPointF(24, 26), QPointF(24, 8));
        p.drawRect(QRectF(16, 4, 16, 5));
        break;
    }
    case 10: { // motor
        p.setBrush(QColor(70, 110, 170));
        p.drawEllipse(QPointF(24, 24), 19, 19);
        p.setPen(Qt::white);
        p.setFont(font(18));
        p.drawText(QRectF(5, 5, 38, 38), Qt::AlignCenter, QStringLiteral("M"));
        break;
    }
    case 11: { // heater
        p.setBrush(QColor(250, 235, 210));
        p.drawRect(QRectF(4, 8, 40, 32));
        p.setPen(QPen(QColor(210, 50, 20), 2.2));
        QPainterPath coil;
        coil.moveTo(8, 24);
        for (int i = 0; i < 8; ++i)
            coil.lineTo(11 + i * 4, (i % 2) ? 30 : 18);
        coil.lineTo(42, 24);
        p.setBrush(Qt::NoBrush);
        p.drawPath(coil);
        break;
    }
    case 12: { // cooler
        p.setBrush(QColor(215, 235, 250));
        p.drawRect(QRectF(4, 8, 40, 32));
        p.setPen(QPen(QColor(30, 100, 200), 2));
        for (int i = 0; i < 3; ++i) {
            const double a = i * M_PI / 3;
            p.drawLine(QPointF(24, 24) + QPointF(std::cos(a), std::sin(a)) * 12,
                       QPointF(24, 24) - QPointF(std::cos(a), std::sin(a)) * 12);
        }
        break;
    }
    case 13: { // damper
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(QRectF(4, 12, 40, 24));
        p.setPen(QPen(kInk, 3));
        p.drawLine(QPointF(14, 33), QPointF(34, 15));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(24, 24), 2.5, 2.5);
        break;
    }
    case 14: { // filter
        p.setBrush(QColor(240, 240, 225));
        p.drawRect(QRectF(8, 4, 32, 40));
        p.setPen(QPen(QColor(120, 120, 100), 1));
        for (int x = 12; x <= 36; x += 4)
            p.drawLine(QPointF(x, 6), QPointF(x, 42));
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(8, 4), QPointF(40, 44));
        break;
    }
    case 15: { // compressor
        p.setBrush(QColor(180, 190, 200));
        p.drawEllipse(QPointF(24, 24), 19, 19);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(10, 12), QPointF(40, 18));
        p.drawLine(QPointF(10, 36), QPointF(40, 30));
        break;
    }
    case 16: { // tank
        p.setBrush(QColor(200, 210, 220));
        p.drawRoundedRect(QRectF(10, 2, 28, 44), 10, 6);
        p.setBrush(QColor(80, 140, 220));
        p.drawRect(QRectF(11, 24, 26, 18));
        break;
    }
    case 17: { // mixer
        p.setBrush(QColor(230, 230, 230));
        p.drawRect(QRectF(8, 10, 32, 34));
        p.drawLine(QPointF(24, 2), QPointF(24, 36));
        p.setBrush(QColor(120, 120, 130));
        p.drawEllipse(QRectF(14, 33, 10, 5));
        p.drawEllipse(QRectF(24, 33, 10, 5));
        break;
    }
    case 18: { // burner
        p.setBrush(QColor(120, 120, 120));
        p.drawRect(QRectF(6, 36, 36, 8));
        p.setBrush(QColor(250, 150, 20));
        QPainterPath flame;
        flame.moveTo(24, 4);
        flame.cubicTo(38, 18, 36, 34, 24, 36);
        flame.cubicTo(12, 34, 10, 18, 24, 4);
        p.drawPath(flame);
        p.setBrush(QColor(255, 230, 80));
        p.drawEllipse(QPointF(24, 28), 5, 7);
        break;
    }
    case 19: { // conveyor
        p.setBrush(QColor(210, 210, 210));
        p.drawRoundedRect(QRectF(2, 16, 44, 16), 8, 8);
        p.setBrush(QColor(90, 90, 90));
        p.drawEllipse(QPointF(10, 24), 5, 5);
        p.drawEllipse(QPointF(38, 24), 5, 5);
        break;
    }
    case 20: { // lamp
        p.setBrush(QColor(255, 230, 90));
        p.drawEllipse(QPointF(24, 20), 14, 14);
        p.setBrush(QColor(140, 140, 140));
        p.drawRect(QRectF(18, 34, 12, 10));
        p.drawLine(QPointF(14, 10), QPointF(34, 30));
        p.drawLine(QPointF(34, 10), QPointF(14, 30));
        break;
    }
    case 21: { // siren
        p.setBrush(QColor(220, 40, 40));
        QPainterPath dome;
        dome.moveTo(8, 38);
        dome.cubicTo(8, 6, 40, 6, 40, 38);
        dome.closeSubpath();
        p.drawPath(dome);
        p.setBrush(QColor(80, 80, 80));
        p.drawRect(QRectF(4, 38, 40, 6));
        break;
    }
    }
    return img;
}

QImage userMechanism()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.setBrush(QColor(245, 245, 245));
    p.drawRect(QRectF(1.5, 1.5, 45, 45));
    p.setPen(kInk);
    p.setFont(font(12));
    p.drawText(QRectF(0, 0, 48, 48), Qt::AlignCenter, QStringLiteral("GIF"));
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_page_pictures <assets folder>\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    assets.mkpath(QStringLiteral("controls"));
    assets.mkpath(QStringLiteral("mechanisms"));
    bool ok = true;
    for (int k = 0; k <= 19; ++k)
        ok &= save(controlPicture(k),
                   assets.filePath(QStringLiteral("controls/stop_%1.png").arg(k, 2, 10, QLatin1Char('0'))));
    ok &= save(menuPicture(), assets.filePath(QStringLiteral("controls/menu.png")));
    ok &= save(manometerPicture(), assets.filePath(QStringLiteral("controls/manometer.png")));
    ok &= save(graphPicture(), assets.filePath(QStringLiteral("controls/graph.png")));
    for (int code = 0; code <= 22; ++code) {
        QImage img = code <= 7 ? fanPicture(code / 4, code % 4) : code == 22 ? userMechanism() : staticMechanism(code);
        ok &= save(img, assets.filePath(QStringLiteral("mechanisms/vent_%1.png").arg(code, 2, 10, QLatin1Char('0'))));
    }
    ok &= save(impellerPicture(1), assets.filePath(QStringLiteral("mechanisms/impeller_1.png")));
    ok &= save(impellerPicture(2), assets.filePath(QStringLiteral("mechanisms/impeller_2.png")));
    return ok ? 0 : 1;
}
