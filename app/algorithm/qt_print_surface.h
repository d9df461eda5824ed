#pragma once
// The system's default printer as a printing surface: positions in twips,
// the painter started at the first drawing so that the orientation and the
// paper can still be chosen before it.

#include "algorithm/grid_print.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace pelmora {

class QtPrintSurface final : public alg::PrintSurface {
public:
    QtPrintSurface();
    ~QtPrintSurface() override;

    void setFont(const QString &name, double pointSize, bool bold) override;
    void setPaperA4() override;
    void setLandscape(bool landscape) override;
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    void printText(const QString &text) override;
    void newLine() override;
    double textWidth(const QString &text) const override;
    void line(double x1, double y1, double x2, double y2) override;
    void rectangle(double x1, double y1, double x2, double y2) override;
    void endDoc() override;

private:
    QPainter &painter();
    double toDevice(double twips) const;

    QPrinter printer_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    double x_ = 0, y_ = 0;
};

} // namespace pelmora
