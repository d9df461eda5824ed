#include "core/hosting/hosted_control.h"

#include "core/hosting/event_sink.h"

#include <QMetaClassInfo>
#include <QMetaProperty>
#include <cmath>
#include <limits>

namespace pelmora::hosting {

namespace {

// A class-info value "0x68030002" or "5".
std::optional<qint32> parseId(const char *text)
{
    bool ok = false;
    const qint64 v = QByteArray(text).trimmed().toLongLong(&ok, 0);
    if (!ok || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return qint32(quint32(v));
}

// A value as a whole number: numbers and numeric texts, rounded half to even.
enum class Whole { Ok, NotANumber, OutOfRange };
Whole wholeNumber(const QVariant &value, qint64 lo, qint64 hi, qint64 &out)
{
    bool ok = false;
    double d = 0;
    if (value.typeId() == QMetaType::QString)
        d = value.toString().trimmed().toDouble(&ok);
    else if (value.typeId() == QMetaType::Bool)
        d = value.toBool() ? -1 : 0, ok = true; // a true boolean is -1 as a number
    else if (value.canConvert<double>())
        d = value.toDouble(&ok);
    if (!ok || std::isnan(d))
        return Whole::NotANumber;
    const double r = std::nearbyint(d);
    if (r < double(lo) || r > double(hi))
        return Whole::OutOfRange;
    out = qint64(r);
    return Whole::Ok;
}

// Converts a value for the property's type, checking the range of integers.
DispResult convertFor(const QMetaProperty &p, const QVariant &in, QVariant &out)
{
    // clang-format off
    struct Range { int type; qint64 lo, hi; };
    static const Range ranges[] = {
        {QMetaType::UChar, 0, 255},
        {QMetaType::SChar, -128, 127},
        {QMetaType::Short, -32768, 32767},
        {QMetaType::UShort, 0, 65535},
        {QMetaType::Int, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()},
        // Colours and other unsigned 32-bit values also take a negative 32-bit integer.
        {QMetaType::UInt, std::numeric_limits<qint32>::min(), std::numeric_limits<quint32>::max()},
    };
    // clang-format on
    const int type = p.metaType().id();
    for (const Range &r : ranges) {
        if (r.type != type)
            continue;
        qint64 v = 0;
        switch (wholeNumber(in, r.lo, r.hi, v)) {
        case Whole::NotANumber: return DispResult::TypeMismatch;
        case Whole::OutOfRange: return DispResult::Overflow;
        case Whole::Ok: break;
        }
        out = type == QMetaType::UInt ? QVariant(quint32(v)) : QVariant(qlonglong(v));
        if (!out.convert(p.metaType()))
            return DispResult::TypeMismatch;
        return DispResult::Ok;
    }
    out = in;
    if (!out.canConvert(p.metaType()) || !out.convert(p.metaType()))
        return DispResult::TypeMismatch;
    return DispResult::Ok;
}

} // namespace

HostedControl::HostedControl(QObject *control, QString progId, QString clsid)
    : object_(control), progId_(std::move(progId)), clsid_(std::move(clsid))
{
    const QMetaObject *mo = control->metaObject();
    for (int i = 0; i < mo->classInfoCount(); ++i) {
        const QMetaClassInfo info = mo->classInfo(i);
        const QString name = QString::fromLatin1(info.name());
        const auto id = parseId(info.value());
        if (!id)
            continue;
        if (name.startsWith(QLatin1String("DispId:"))) {
            const QString member = name.mid(7);
            if (mo->indexOfProperty(member.toLatin1().constData()) < 0)
                continue;
            dispIds_.insert(member, *id);
            dispNames_.insert(*id, member);
        } else if (name.startsWith(QLatin1String("EventId:"))) {
            eventIds_.insert(name.mid(8), *id);
        }
    }
    sink_ = new EventSink(dispIds_);
    sink_->connectTo(control, eventIds_);
}

HostedControl::~HostedControl()
{
    release();
    if (sink_->dispatching())
        sink_->deleteLater(); // destroyed from inside one of its own handlers
    else
        delete sink_;
}

QStringList HostedControl::propertyNames() const
{
    QStringList names;
    const QMetaObject *mo = object_ ? object_->metaObject() : nullptr;
    for (auto it = dispIds_.cbegin(); it != dispIds_.cend(); ++it)
        names.append(it.key());
    if (mo) {
        // In the order of the interface's members.
        std::sort(names.begin(), names.end(), [mo](const QString &a, const QString &b) {
            return mo->indexOfProperty(a.toLatin1().constData()) < mo->indexOfProperty(b.toLatin1().constData());
        });
    }
    return names;
}

std::optional<qint32> HostedControl::dispIdOf(const QString &name) const
{
    const auto it = dispIds_.constFind(name);
    return it == dispIds_.constEnd() ? std::nullopt : std::optional<qint32>(it.value());
}

QString HostedControl::propertyNameOf(qint32 dispId) const { return dispNames_.value(dispId); }

std::optional<qint32> HostedControl::eventIdOf(const QString &name) const
{
    const auto it = eventIds_.constFind(name);
    return it == eventIds_.constEnd() ? std::nullopt : std::optional<qint32>(it.value());
}

DispResult HostedControl::setProperty(const QString &name, const QVariant &value)
{
    if (!object_)
        return DispResult::Released;
    if (!dispIds_.contains(name))
        return DispResult::UnknownName;
    const QMetaObject *mo = object_->metaObject();
    const QMetaProperty p = mo->property(mo->indexOfProperty(name.toLatin1().constData()));
    QVariant converted;
    const DispResult r = convertFor(p, value, converted);
    if (r != DispResult::Ok)
        return r;
    return p.write(object_, converted) ? DispResult::Ok : DispResult::Failed;
}

DispResult HostedControl::setProperty(qint32 dispId, const QVariant &value)
{
    const QString name = dispNames_.value(dispId);
    if (name.isEmpty())
        return object_ ? DispResult::UnknownName : DispResult::Released;
    return setProperty(name, value);
}

std::optional<QVariant> HostedControl::property(const QString &name) const
{
    if (!object_ || !dispIds_.contains(name))
        return std::nullopt;
    const QMetaObject *mo = object_->metaObject();
    return mo->property(mo->indexOfProperty(name.toLatin1().constData())).read(object_);
}

std::optional<QVariant> HostedControl::property(qint32 dispId) const
{
    const QString name = dispNames_.value(dispId);
    if (name.isEmpty())
        return std::nullopt;
    return property(name);
}

ControlEventHandlers &HostedControl::events() { return sink_->handlers; }

void HostedControl::initNew()
{
    if (object_)
        QMetaObject::invokeMethod(object_, "InitNew", Qt::DirectConnection);
}

void HostedControl::load(const QVariantMap &bag)
{
    if (object_)
        QMetaObject::invokeMethod(object_, "Load", Qt::DirectConnection, Q_ARG(QVariantMap, bag));
}

QVariantMap HostedControl::save() const
{
    QVariantMap bag;
    if (object_)
        QMetaObject::invokeMethod(object_, "Save", Qt::DirectConnection, Q_RETURN_ARG(QVariantMap, bag));
    return bag;
}

void HostedControl::move(int left, int top, int width, int height)
{
    if (object_)
        object_->setProperty("geometry", QRect(left, top, std::max(0, width), std::max(0, height)));
}

QRect HostedControl::geometry() const { return object_ ? object_->property("geometry").toRect() : QRect(); }

void HostedControl::setVisible(bool visible)
{
    visible_ = visible;
    applyVisible();
}

void HostedControl::applyVisible()
{
    // Without a container a shown control would become a window of its own.
    if (object_ && (!visible_ || object_->parent() != nullptr))
        QMetaObject::invokeMethod(object_, "setVisible", Qt::DirectConnection, Q_ARG(bool, visible_));
}

void HostedControl::setToolTipText(const QString &text)
{
    if (object_)
        object_->setProperty("toolTip", text);
}

QString HostedControl::toolTipText() const { return object_ ? object_->property("toolTip").toString() : QString(); }

void HostedControl::release()
{
    if (!object_)
        return;
    QObject *control = object_.data();
    object_.clear();
    QObject::disconnect(control, nullptr, sink_, nullptr);
    if (sink_->dispatching()) {
        // Still inside one of its own events: hide it now, destroy it after.
        QMetaObject::invokeMethod(control, "setVisible", Qt::DirectConnection, Q_ARG(bool, false));
        control->deleteLater();
    } else {
        delete control;
    }
}

} // namespace pelmora::hosting
