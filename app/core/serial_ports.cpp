#include "core/serial_ports.h"

#include <QByteArray>
#include <QtGlobal>

namespace pelmora {

QString serialPortDevice(int comNumber)
{
    if (comNumber < 1 || comNumber > 8)
        return QString();
    const QByteArray variable = "PELMORA_COM" + QByteArray::number(comNumber);
    const QString named = qEnvironmentVariable(variable.constData()).trimmed();
    if (!named.isEmpty())
        return named;
    return QStringLiteral("/dev/ttyS%1").arg(comNumber - 1);
}

} // namespace pelmora
