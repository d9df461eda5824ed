#include "core/file_names.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace pelmora {

QString withDefaultExtension(const QString &path, const QString &extension)
{
    if (path.isEmpty() || extension.isEmpty())
        return path;
    const QFileInfo info(path);
    QString name = info.fileName();
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return path;
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name.isEmpty())
        return path;
    const QString folder = path.left(path.size() - info.fileName().size());
    return folder + name + QLatin1Char('.') + extension;
}

QString filterExtension(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {};
    const QString first = parts[1].split(QLatin1Char(';')).value(0).trimmed();
    static const QRegularExpression single(QStringLiteral("^\\*\\.([A-Za-z0-9_]+)$"));
    const QRegularExpressionMatch m = single.match(first);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace pelmora
