#include "upload/page_renderer.h"

#include "core/picture_file.h"
#include "elements/element_codec.h"
#include "pages/builtin_images.h"
#include "pages/page_rules.h"

#include <QDir>
#include <QFont>
#include <QPainter>

namespace pelmora::page {

const char16_t *const kBackgroundUnreadable = u"Не вдалося прочитати фон сторінки %1";

namespace {

constexpr int kLastSlot = 32;
constexpr int kLastTextSlot = 64;
constexpr int kLastMenuSlot = 8;
constexpr int kDotsPerMeter = 3780; // 96 dots per inch: 15 twips to the pixel
// The face the page's labels and menu text boxes are shown in.
const char kLabelFace[] = "DejaVu Sans";
constexpr int kTextLabelPoints = 10; // a static text without a stored size
constexpr int kMenuCaptionPoints = 10;

// A file named in the project (a backslash and a bare name) in the current folder.
QString inCurrentFolder(const QString &name)
{
    QString rel = name;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    return QDir::current().filePath(rel);
}

QFont printFont(const QString &face, int points, bool bold, bool italic)
{
    QFont f(face.isEmpty() ? QString::fromLatin1(kLabelFace) : face);
    f.setPointSize(points > 0 ? points : kTextLabelPoints);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// Text put down as glyphs only, from its top left corner, as a label shows it.
void printText(QPainter &p, int x, int y, const QString &text, const QFont &font, std::int32_t colour)
{
    p.setFont(font);
    p.setPen(pages::colourOf(colour));
    p.drawText(QRect(x, y, 4096, 4096), Qt::AlignLeft | Qt::AlignTop, text);
}

QImage pictureOf(const std::function<std::optional<QImage>(int)> &view, int slot, const QImage &fallback)
{
    if (view)
        if (std::optional<QImage> shown = view(slot))
            return *shown;
    return fallback;
}

QImage mechanismPicture(const PageTables &t, int page, int slot)
{
    switch (pages::mechanismLook(t, page, slot)) {
    case pages::MechanismLook::Picture: return pages::builtin::mechanismImage(t.Vent_Picture_Num(page, slot));
    case pages::MechanismLook::Impeller1: return pages::builtin::impellerImage(1);
    case pages::MechanismLook::Impeller2: return pages::builtin::impellerImage(2);
    case pages::MechanismLook::UserPhase: return readPicture(inCurrentFolder(t.Mechanizm_Gif_Name(0)));
    case pages::MechanismLook::Hidden: break;
    }
    return QImage();
}

// A picture at its own size with its top left corner at (x, y).
void copyPicture(QPainter &p, const QImage &picture, int x, int y)
{
    if (!picture.isNull())
        p.drawImage(x, y, whiteTransparent(picture));
}

void drawControlButtons(QPainter &painter, const PageTables &t, int p, const PageViews &views)
{
    for (int n = 1; n <= kLastSlot; ++n) {
        if (t.Control_Used(p, n) != 1)
            continue;
        const int key = t.Control_Key_Type(p, n);
        // The empty kinds are placeholders on the page only.
        if (key == 0 || (key >= 14 && key <= 16))
            continue;
        int top = pages::controlImageTop(t.Control_Coord_Y(p, n), key);
        if (key == 13 && views.controlViewTop)
            if (const std::optional<double> shown = views.controlViewTop(n))
                top = qRound(*shown);
        copyPicture(painter, pictureOf(views.controlPicture, n, pages::builtin::controlImage(key)),
                    t.Control_Coord_X(p, n), top);
    }
}

void drawMechanisms(QPainter &painter, const ProjectModel &m, int p, const PageViews &views)
{
    // A project of format version 1 has no mechanisms on its pages.
    if (m.settings.Format_Version == 1)
        return;
    const PageTables &t = m.pages;
    for (int n = 1; n <= kLastSlot; ++n)
        if (t.Vent_Used(p, n) == 1)
            copyPicture(painter, pictureOf(views.mechanismPicture, n, mechanismPicture(t, p, n)), t.Vent_Coord_X(p, n),
                        t.Vent_Coord_Y(p, n));
}

void drawMenus(QPainter &painter, const PageTables &t, int p)
{
    const QImage picture = pages::builtin::menuImage();
    const QFont font = printFont(QString(), kMenuCaptionPoints, true, false);
    for (int n = 1; n <= kLastMenuSlot; ++n) {
        if (t.Menu_Used(p, n) != 1)
            continue;
        const int x = t.Menu_Coord_X(p, n), y = t.Menu_Coord_Y(p, n);
        copyPicture(painter, picture, x + pages::kMenuImageDx, y + pages::kMenuImageDy);
        printText(painter, x, y, t.Menu_Caption(p, n), font, 0x000000);
    }
}

void drawStaticTexts(QPainter &painter, const PageTables &t, int p)
{
    for (int n = 1; n <= kLastTextSlot; ++n) {
        if (t.Text_Label_Used(p, n) != 1)
            continue;
        const QFont font = printFont(t.Text_Label_Font_Name(p, n), t.Text_Label_Font_Size(p, n),
                                     t.Text_Label_Font_Bold(p, n) != 0, t.Text_Label_Font_Italic(p, n) != 0);
        printText(painter, t.Text_Label_Coord_X(p, n), t.Text_Label_Coord_Y(p, n), t.Text_Label_Text(p, n), font,
                  t.Text_Label_Color(p, n));
    }
}

// Figures as the page shows them: the outline inside the box the record
// gives, the same pixels the figure's view puts down.
void drawFigures(QPainter &painter, const PageTables &t, int p)
{
    for (int n = 1; n <= kLastSlot; ++n) {
        if (t.Figura_Used(p, n) != 1)
            continue;
        const QRect box(t.Figura_Coord_X(p, n), t.Figura_Coord_Y(p, n), std::max<int>(t.Figura_Razmer_X(p, n), 0),
                        std::max<int>(t.Figura_Razmer_Y(p, n), 0));
        pages::drawFigureOutline(painter, box, element::figureTypeOfShape(t.Figura_Type(p, n)) == 1,
                                 t.Figura_Color(p, n), t.Figura_Line_Width(p, n));
    }
}

} // namespace

QImage whiteTransparent(const QImage &picture)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qAlpha(c) < 128 || (c & 0xFFFFFFu) == 0xFFFFFFu ? 0u : (c | 0xFF000000u);
        }
    }
    return out;
}

RenderedPage renderPage(const ProjectModel &m, int page, const PageViews &views, int width, int height)
{
    RenderedPage out;
    if (page < 0 || page > 15 || width <= 0 || height <= 0) {
        out.error = QStringLiteral("page %1 at %2 x %3 cannot be drawn").arg(page).arg(width).arg(height);
        return out;
    }
    const PageTables &t = m.pages;
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(kDotsPerMeter);
    canvas.setDotsPerMeterY(kDotsPerMeter);
    canvas.fill(pages::colourOf(t.Stranica_Fon_Color(page)));

    QImage background;
    if (views.background) {
        background = *views.background;
    } else if (t.Stranica_Fon_Flag(page) == 1 && !t.Stranica_Fon_Name(page).isEmpty()) {
        background = readPicture(inCurrentFolder(t.Stranica_Fon_Name(page)));
        if (background.isNull()) {
            out.error = QString::fromUtf16(kBackgroundUnreadable).arg(t.Stranica_Fon_Name(page));
            return out;
        }
    }

    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // A clear pixel of the picture shows the page colour beneath it.
    if (!background.isNull())
        painter.drawImage(0, 0, background);

    drawControlButtons(painter, t, page, views);
    drawMechanisms(painter, m, page, views);
    drawMenus(painter, t, page);
    drawStaticTexts(painter, t, page);
    drawFigures(painter, t, page);
    painter.end();
    out.image = canvas;
    return out;
}

} // namespace pelmora::page
