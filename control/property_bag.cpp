#include "property_bag.h"

#include <cmath>
#include <optional>

namespace lumtor {

QVariant PropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    const auto it = values_.constFind(name);
    return it == values_.constEnd() ? defaultValue : it.value();
}

void PropertyBag::WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    if (value == defaultValue)
        values_.remove(name);
    else
        values_.insert(name, value);
}

std::optional<qint64> wholeNumberIn(const QVariant &value, qint64 lo, qint64 hi)
{
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    bool ok = false;
    const double d =
        value.typeId() == QMetaType::QString ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    const double r = std::nearbyint(d); // the default rounding mode: halves to even
    if (r < double(lo) || r > double(hi))
        return std::nullopt;
    return qint64(r);
}

} // namespace lumtor
