#pragma once
// The application object of the program. Every event a window handles goes
// through it, so it is the one place that catches an error escaping any
// handler (a table index out of range, for one): the error is shown in a
// message box and the program goes on with its data as the handler left it,
// instead of ending and losing the open project.

#include <QApplication>
#include <functional>

namespace pelmora {

// The message shown for an error that escaped a handler.
inline constexpr char16_t kHandlerError[] = u"Внутрішня помилка програми: дію перервано, програма працює далі.";

// Runs `handle` (one event's delivery); an exception escaping it is shown with
// its text and the event counts as not handled.
bool runGuarded(const std::function<bool()> &handle);

class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace pelmora
