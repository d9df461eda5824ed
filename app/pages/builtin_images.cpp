#include "pages/builtin_images.h"

#include "elements/mechanism_element.h"

#include <QString>

namespace pelmora::pages::builtin {

namespace {
QString numbered(const char *pattern, int n) { return QString::fromLatin1(pattern).arg(n, 2, 10, QLatin1Char('0')); }
} // namespace

QImage controlImage(int keyType)
{
    if (keyType < 0 || keyType >= kKeyTypes)
        return QImage();
    return QImage(numbered(":/controls/stop_%1.png", keyType));
}

QImage mechanismImage(int code)
{
    if (code < 0 || code >= kMechanismCodes)
        return QImage();
    return QImage(numbered(":/mechanisms/vent_%1.png", code));
}

QImage impellerImage(int which)
{
    if (which != 1 && which != 2)
        return QImage();
    // Drawn larger; a fan without background shows its impeller at the
    // impeller's own size, on the page and in the page sent to the controller.
    const QSize size =
        element::ventImpellerSize(which == 1 ? element::VentLook::Impeller1 : element::VentLook::Impeller2);
    return QImage(QStringLiteral(":/mechanisms/impeller_%1.png").arg(which))
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage menuImage() { return QImage(QStringLiteral(":/controls/menu.png")); }
QImage graphImage() { return QImage(QStringLiteral(":/controls/graph.png")); }
QImage manometerImage() { return QImage(QStringLiteral(":/controls/manometer.png")); }

} // namespace pelmora::pages::builtin
