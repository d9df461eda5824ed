#include "ui/guarded_application.h"

#include "core/services.h"

#include <QMetaObject>
#include <algorithm>
#include <exception>

namespace pelmora {

HandlerGuard &HandlerGuard::instance()
{
    static HandlerGuard guard;
    return guard;
}

bool HandlerGuard::run(const std::function<bool()> &handle)
{
    QString what;
    try {
        return handle();
    } catch (const std::exception &e) {
        what = QString::fromLocal8Bit(e.what());
    } catch (...) {
        what = QStringLiteral("невідома помилка");
    }
    // No step of a transfer may run from here on: not before the message,
    // not while it is open.
    stopTransfers();
    if (reporting())
        return false; // folded into the message that is waiting or open
    pending_ = what;
    posted_ = true;
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [this] { showReport(); }, Qt::QueuedConnection);
    else
        showReport();
    return false;
}

void HandlerGuard::addTransferStop(const void *owner, std::function<void()> stop)
{
    removeTransferStop(owner);
    stops_.emplace_back(owner, std::move(stop));
}

void HandlerGuard::removeTransferStop(const void *owner)
{
    std::erase_if(stops_, [owner](const auto &s) { return s.first == owner; });
}

void HandlerGuard::stopTransfers()
{
    // A copy: a stop may close a window whose owner then removes its entry.
    const auto stops = stops_;
    for (const auto &s : stops) {
        // A stop that fails itself leaves nothing more to do here; the
        // other transfers are still stopped and the message still shown.
        try {
            s.second();
        } catch (...) {
        }
    }
}

void HandlerGuard::showReport()
{
    if (!posted_)
        return;
    posted_ = false;
    // A transfer started by an event delivered since the error stops too.
    stopTransfers();
    open_ = true;
    struct Closed {
        bool &open;
        ~Closed() { open = false; }
    } closed{open_};
    showMessage(QString::fromUtf16(kHandlerError) + QStringLiteral("\n\n") + std::exchange(pending_, QString()),
                MsgIcon::Critical);
}

bool runGuarded(const std::function<bool()> &handle) { return HandlerGuard::instance().run(handle); }

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    return runGuarded([&] { return QApplication::notify(receiver, event); });
}

} // namespace pelmora
