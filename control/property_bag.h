#pragma once
// The property bag a host keeps for a control: named values, where a value
// equal to its default is not written at all.

#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <optional>

namespace lumtor {

class PropertyBag {
public:
    PropertyBag() = default;
    explicit PropertyBag(QVariantMap values) : values_(std::move(values)) {}

    // The stored value, or the default when the name is not in the bag.
    QVariant ReadProperty(const QString &name, const QVariant &defaultValue) const;
    // Stores the value; a value equal to the default removes the name instead.
    void WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue);

    const QVariantMap &values() const { return values_; }

private:
    QVariantMap values_;
};

// A bag value as a whole number in [lo, hi]: numbers and numeric texts round
// half to even; anything else, or a value outside the range, gives nothing.
std::optional<qint64> wholeNumberIn(const QVariant &value, qint64 lo, qint64 hi);

} // namespace lumtor
