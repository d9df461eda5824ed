#include "mainwindow/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pelmora {

QPixmap drawLogo()
{
    QPixmap pm(457, 179);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 457, 179);
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    g.setColorAt(1, QColor(0x2e, 0x86, 0xc1));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 453, 175), 18, 18);

    // A stylised controller: a block with three signal wires.
    p.setBrush(QColor(0xf5, 0xf7, 0xfa));
    p.drawRoundedRect(QRectF(24, 40, 90, 100), 8, 8);
    p.setPen(QPen(QColor(0xf3, 0x9c, 0x12), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(114, 62 + i * 28), QPointF(142, 62 + i * 28));
    p.setPen(Qt::NoPen);
    const QColor lamps[3] = {QColor(0x27, 0xae, 0x60), QColor(0xf1, 0xc4, 0x0f), QColor(0xe7, 0x4c, 0x3c)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(69, 62 + i * 28), 9, 9);
    }

    p.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Sans"), 40, QFont::Bold);
    p.setFont(title);
    p.drawText(QRectF(160, 30, 290, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pelmora"));
    QFont sub(QStringLiteral("DejaVu Sans"), 12);
    p.setFont(sub);
    p.drawText(QRectF(162, 100, 290, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Конфігуратор контролерів Orvo"));
    p.drawText(QRectF(162, 126, 290, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SCADA · Lumtor"));
    return pm;
}

} // namespace pelmora
