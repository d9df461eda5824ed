#pragma once
// The application object of the program. Every event a window handles goes
// through it, so it is the one place that catches an error escaping any
// handler (a table index out of range, for one): the program goes on with its
// data as the handler left it, instead of ending and losing the open project,
// and the error is shown in a message box.
//
// The message box is not opened while the failing event is still being
// delivered: the error is caught around the delivery, every transfer that
// holds the link is stopped at once, and the message is posted, to be shown
// when the event loop is back. So no transfer step runs against the
// half-changed model while the box is open, and Qt finishes the event's
// delivery (its pointer state included) before the box's own event loop runs.
//
// An error from a handler that Qt's widget code calls (a button's click, a
// menu item's trigger) unwinds through that code on its way here; Qt builds
// it without exception support, so its local copy of the mouse event is not
// freed (a few hundred bytes for each such error). Only a catch inside each
// handler could avoid that; the guard is the one place for all of them.

#include <QApplication>
#include <functional>
#include <utility>
#include <vector>

namespace pelmora {

// The message shown for an error that escaped a handler.
inline constexpr char16_t kHandlerError[] = u"Внутрішня помилка програми: дію перервано, програма працює далі.";

// The guard of every handler the program runs; one for the run.
class HandlerGuard {
public:
    static HandlerGuard &instance();

    // Runs `handle` (one event's delivery). After an exception escaping it,
    // the transfers are stopped, the message is posted and the event counts
    // as not handled (false).
    //
    // Several errors give one message: the errors caught while a message is
    // waiting to be shown, or is open, fold into it (it shows the first
    // error's text). The next error after it closes gives a new message.
    bool run(const std::function<bool()> &handle);

    // Stops every transfer that holds the link: its timers stop and the
    // link's claim is released, so no step runs while the message is open.
    // The main window installs its own for its life, keyed by the window
    // (a test may have more than one main window alive at once).
    void addTransferStop(const void *owner, std::function<void()> stop);
    void removeTransferStop(const void *owner);

    // Whether an error's message is waiting to be shown or is open.
    bool reporting() const { return posted_ || open_; }

private:
    HandlerGuard() = default;
    void stopTransfers();
    void showReport();

    std::vector<std::pair<const void *, std::function<void()>>> stops_;
    QString pending_;     // the first error's text, until its message is shown
    bool posted_ = false; // the message is posted and not yet shown
    bool open_ = false;   // the message is open
};

// Runs `handle` through the program's guard.
bool runGuarded(const std::function<bool()> &handle);

class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace pelmora
