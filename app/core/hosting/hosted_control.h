#pragma once
// A control created by the control host (control_host.h): its dispatch
// interface (properties by name or dispatch id), its events delivered to the
// host's handlers, its property persistence, the placement a container gives
// it, and its release.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>

namespace pelmora::hosting {

// The host's handlers of a control's events. Mouse arguments are as the
// control raises them: Button 1 left, 2 right, 4 middle; Shift 1 Shift,
// 2 Ctrl, 4 Alt; X and Y in twips from the control's top left corner.
struct ControlEventHandlers {
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(short Button, short Shift, float X, float Y)> MouseDown;
    std::function<void(short Button, short Shift, float X, float Y)> MouseMove;
    std::function<void(short Button, short Shift, float X, float Y)> MouseUp;
    // A property was written: its dispatch id (0 when it has none) and name.
    std::function<void(qint32 dispId, const QString &name)> PropertyChanged;
};

enum class DispResult {
    Ok,
    UnknownName,  // no such member of the dispatch interface
    TypeMismatch, // the value cannot become the property's type
    Overflow,     // a number outside the property's range
    Failed,       // the control refused the value
    Released,     // the control no longer exists
};

class EventSink;

class HostedControl {
public:
    HostedControl(QObject *control, QString progId, QString clsid);
    ~HostedControl();
    HostedControl(const HostedControl &) = delete;
    HostedControl &operator=(const HostedControl &) = delete;

    // The control object; null once released or destroyed with its container.
    QObject *object() const { return object_.data(); }
    bool isAlive() const { return !object_.isNull(); }
    const QString &progId() const { return progId_; }
    const QString &clsid() const { return clsid_; }

    // Dispatch interface.
    QStringList propertyNames() const;
    std::optional<qint32> dispIdOf(const QString &name) const;
    QString propertyNameOf(qint32 dispId) const;
    std::optional<qint32> eventIdOf(const QString &name) const;
    DispResult setProperty(const QString &name, const QVariant &value);
    DispResult setProperty(qint32 dispId, const QVariant &value);
    std::optional<QVariant> property(const QString &name) const;
    std::optional<QVariant> property(qint32 dispId) const;

    // The handlers the control's events reach; set the members wanted.
    ControlEventHandlers &events();

    // Persistence: a new instance, one loaded from a property bag, saving.
    void initNew();
    void load(const QVariantMap &bag);
    QVariantMap save() const;

    // Placement given by the container, in its pixels: one move with left,
    // top, width and height, and the visibility flag. A control is created
    // hidden; it is only shown once it is inside a container.
    void move(int left, int top, int width, int height);
    QRect geometry() const;
    void setVisible(bool visible);
    bool isVisible() const { return visible_; }
    // Applies the visibility flag; the widget side calls it after giving the
    // control its container.
    void applyVisible();
    // The tool tip the container shows over the control.
    void setToolTipText(const QString &text);
    QString toolTipText() const;

    // Destroys the control instance (later, when one of its own events is
    // being handled). Safe to repeat.
    void release();

private:
    QPointer<QObject> object_;
    QString progId_;
    QString clsid_;
    QHash<QString, qint32> dispIds_;
    QHash<qint32, QString> dispNames_;
    QHash<QString, qint32> eventIds_;
    EventSink *sink_ = nullptr;
    bool visible_ = false;
};

} // namespace pelmora::hosting
