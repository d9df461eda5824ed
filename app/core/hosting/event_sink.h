#pragma once
// Receives a hosted control's event signals and calls the host's handlers.

#include "core/hosting/hosted_control.h"

#include <QObject>

namespace pelmora::hosting {

class EventSink : public QObject {
    Q_OBJECT
public:
    explicit EventSink(QHash<QString, qint32> dispIds) : dispIds_(std::move(dispIds)) {}

    ControlEventHandlers handlers;

    // Connects every event signal of the control that has a slot here.
    void connectTo(QObject *control, const QHash<QString, qint32> &eventIds);
    // True while a handler of this control's events runs.
    bool dispatching() const { return depth_ > 0; }

public slots:
    void Click();
    void DblClick();
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);
    void PropertyChanged(const QString &name);

private:
    template <typename F, typename... A> void dispatch(const F &handler, A... args);

    QHash<QString, qint32> dispIds_;
    int depth_ = 0;
};

} // namespace pelmora::hosting
