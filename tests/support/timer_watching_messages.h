#pragma once
// A message service for the transfer tests: it records whether the transfer's
// timer was still running when a message was shown (a message box must never
// open while steps can still run under it), then answers as the fakes do.

#include "support/fake_services.h"

#include <QPointer>
#include <QTimer>

namespace pelmora::test {

class TimerWatchingMessages : public MessageService {
public:
    QPointer<QTimer> timer;
    bool timerActiveAtMessage = false;
    MsgAnswer show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title) override
    {
        timerActiveAtMessage = timerActiveAtMessage || (timer && timer->isActive());
        return fakes().show(text, icon, buttons, title);
    }
};

} // namespace pelmora::test
