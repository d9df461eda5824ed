#include "core/font_families.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace pelmora {

bool familyHasStyle(const QString &family, bool bold, bool italic)
{
    if (!QFontDatabase::hasFamily(family))
        return false;
    for (const QString &style : QFontDatabase::styles(family))
        if (QFontDatabase::bold(family, style) == bold && QFontDatabase::italic(family, style) == italic)
            return true;
    return false;
}

QString installedFamily(const QString &stored, bool bold, bool italic)
{
    if (familyHasStyle(stored, bold, italic))
        return stored;
    QFont wanted(stored);
    wanted.setBold(bold);
    wanted.setItalic(italic);
    const QString shown = QFontInfo(wanted).family();
    if (familyHasStyle(shown, bold, italic))
        return shown;
    QStringList candidates = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                              QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()};
    candidates += QFontDatabase::families();
    for (const QString &family : candidates)
        if (familyHasStyle(family, bold, italic))
            return family;
    return stored;
}

} // namespace pelmora
