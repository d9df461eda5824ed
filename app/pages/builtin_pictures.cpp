#include "pages/builtin_pictures.h"

#include <QString>

namespace pelmora::pages::builtin {

namespace {
QString numbered(const char *pattern, int n) { return QString::fromLatin1(pattern).arg(n, 2, 10, QLatin1Char('0')); }
} // namespace

QPixmap STOP_Image(int keyType)
{
    if (keyType < 0 || keyType >= kKeyTypes)
        return QPixmap();
    return QPixmap(numbered(":/controls/stop_%1.png", keyType));
}

QPixmap PictureVent(int code)
{
    if (code < 0 || code >= kMechanismCodes)
        return QPixmap();
    return QPixmap(numbered(":/mechanisms/vent_%1.png", code));
}

QPixmap Krylcatka_1() { return QPixmap(QStringLiteral(":/mechanisms/impeller_1.png")); }
QPixmap Krylcatka_2() { return QPixmap(QStringLiteral(":/mechanisms/impeller_2.png")); }
QPixmap menuPicture() { return QPixmap(QStringLiteral(":/controls/menu.png")); }
QPixmap graphPicture() { return QPixmap(QStringLiteral(":/controls/graph.png")); }
QPixmap manometerPicture() { return QPixmap(QStringLiteral(":/controls/manometer.png")); }

} // namespace pelmora::pages::builtin
