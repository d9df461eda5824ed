#include "algorithm/qt_print_surface.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

namespace pelmora {

namespace {
constexpr double kTwipsPerInch = 1440;
}

QtPrintSurface::QtPrintSurface() : printer_(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution)
{
    printer_.setFullPage(false);
}

QtPrintSurface::~QtPrintSurface()
{
    // A document that was not ended is dropped, not printed.
    if (painter_ && painter_->isActive())
        printer_.abort();
}

QPainter &QtPrintSurface::painter()
{
    if (!painter_) {
        if (QPrinterInfo::defaultPrinter().isNull() || printer_.printerName().isEmpty())
            throw alg::PrintError("no printer");
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&printer_))
            throw alg::PrintError("printer does not start");
        painter_->setFont(font_);
        painter_->setPen(QPen(Qt::black, 0));
    }
    return *painter_;
}

double QtPrintSurface::toDevice(double twips) const { return twips * printer_.resolution() / kTwipsPerInch; }

void QtPrintSurface::setFont(const QString &name, double pointSize, bool bold)
{
    font_ = QFont(name);
    font_.setPointSizeF(pointSize);
    font_.setBold(bold);
    if (painter_)
        painter_->setFont(font_);
}

void QtPrintSurface::setPaperA4()
{
    if (!painter_ && !printer_.setPageSize(QPageSize(QPageSize::A4)))
        throw alg::PrintError("paper size refused");
}

void QtPrintSurface::setLandscape(bool landscape)
{
    if (painter_)
        throw alg::PrintError("orientation after the document started");
    if (!printer_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait))
        throw alg::PrintError("orientation refused");
}

void QtPrintSurface::printText(const QString &text)
{
    QPainter &p = painter();
    const QFontMetricsF fm(font_, &printer_);
    p.drawText(QPointF(toDevice(x_), toDevice(y_) + fm.ascent()), text);
    x_ += textWidth(text);
}

void QtPrintSurface::newLine()
{
    const QFontMetricsF fm(font_, &printer_);
    x_ = 0;
    y_ += fm.height() * kTwipsPerInch / printer_.resolution();
}

double QtPrintSurface::textWidth(const QString &text) const
{
    const QFontMetricsF fm(font_, const_cast<QPrinter *>(&printer_));
    return fm.horizontalAdvance(text) * kTwipsPerInch / printer_.resolution();
}

void QtPrintSurface::line(double x1, double y1, double x2, double y2)
{
    painter().drawLine(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)));
}

void QtPrintSurface::rectangle(double x1, double y1, double x2, double y2)
{
    painter().drawRect(QRectF(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2))));
}

void QtPrintSurface::endDoc()
{
    if (painter_ && !painter_->end())
        throw alg::PrintError("document not sent");
    painter_.reset();
}

} // namespace pelmora
