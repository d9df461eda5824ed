#include "ui/guarded_application.h"

#include "core/services.h"

#include <exception>

namespace pelmora {

bool runGuarded(const std::function<bool()> &handle)
{
    QString what;
    try {
        return handle();
    } catch (const std::exception &e) {
        what = QString::fromLocal8Bit(e.what());
    } catch (...) {
        what = QStringLiteral("невідома помилка");
    }
    showMessage(QString::fromUtf16(kHandlerError) + QStringLiteral("\n\n") + what, MsgIcon::Critical);
    return false;
}

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    return runGuarded([&] { return QApplication::notify(receiver, event); });
}

} // namespace pelmora
