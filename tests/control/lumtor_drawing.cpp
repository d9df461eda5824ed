#include "control/lumtor_drawing.h"

#include <QVariantList>

namespace pelmora::test {

namespace {

QRectF rectOf(const QVariantMap &m)
{
    return QRectF(m.value("Left").toDouble(), m.value("Top").toDouble(), m.value("Width").toDouble(),
                  m.value("Height").toDouble());
}

} // namespace

LumtorDrawing drawingOf(hosting::HostedControl &control)
{
    QVariantMap d;
    QMetaObject::invokeMethod(control.object(), "describeDrawing", Qt::DirectConnection, Q_RETURN_ARG(QVariantMap, d));
    LumtorDrawing out;
    out.scaleWidth = d.value("ScaleWidth").toDouble();
    out.scaleHeight = d.value("ScaleHeight").toDouble();
    const QVariantMap k = d.value("KWADRAT").toMap();
    out.kwadrat = {k.value("Visible").toBool(), rectOf(k), k.value("BorderStyle").toInt(), 0,
                   k.value("BackColor").toUInt()};
    const QVariantMap c = d.value("sCircle").toMap();
    out.circle = {c.value("Visible").toBool(), rectOf(c), c.value("BorderStyle").toInt(),
                  c.value("BorderWidth").toInt(), c.value("FillColor").toUInt()};
    for (const QVariant &v : d.value("Line1").toList()) {
        const QVariantMap l = v.toMap();
        out.lines[l.value("Index").toInt()] = {l.value("X1").toDouble(), l.value("Y1").toDouble(),
                                               l.value("X2").toDouble(), l.value("Y2").toDouble(),
                                               l.value("BorderColor").toUInt()};
    }
    out.lineColor = d.value("LineColor").toUInt();
    const QVariantMap lab = d.value("Label1").toMap();
    out.label = rectOf(lab);
    out.labelOnTop = lab.value("OnTop").toBool();
    return out;
}

} // namespace pelmora::test
