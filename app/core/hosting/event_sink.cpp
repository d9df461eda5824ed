#include "core/hosting/event_sink.h"

#include <QMetaMethod>

namespace pelmora::hosting {

void EventSink::connectTo(QObject *control, const QHash<QString, qint32> &eventIds)
{
    const QMetaObject *from = control->metaObject();
    const QMetaObject *to = metaObject();
    for (int i = 0; i < from->methodCount(); ++i) {
        const QMetaMethod signal = from->method(i);
        if (signal.methodType() != QMetaMethod::Signal)
            continue;
        const QString name = QString::fromLatin1(signal.name());
        if (!eventIds.contains(name) && name != QLatin1String("PropertyChanged"))
            continue;
        const int slot = to->indexOfSlot(signal.methodSignature().constData());
        if (slot < 0)
            continue; // an event this host has no handler for
        QObject::connect(control, signal, this, to->method(slot), Qt::DirectConnection);
    }
}

template <typename F, typename... A> void EventSink::dispatch(const F &handler, A... args)
{
    if (!handler)
        return;
    ++depth_;
    // Copy: the handler may replace itself or release the control.
    const F call = handler;
    call(args...);
    --depth_;
}

void EventSink::Click() { dispatch(handlers.Click); }
void EventSink::DblClick() { dispatch(handlers.DblClick); }
void EventSink::MouseDown(short Button, short Shift, float X, float Y)
{
    dispatch(handlers.MouseDown, Button, Shift, X, Y);
}
void EventSink::MouseMove(short Button, short Shift, float X, float Y)
{
    dispatch(handlers.MouseMove, Button, Shift, X, Y);
}
void EventSink::MouseUp(short Button, short Shift, float X, float Y)
{
    dispatch(handlers.MouseUp, Button, Shift, X, Y);
}

void EventSink::PropertyChanged(const QString &name)
{
    dispatch(handlers.PropertyChanged, dispIds_.value(name, 0), name);
}

} // namespace pelmora::hosting
