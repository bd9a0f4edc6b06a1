#include "PropertyBag.h"

QVariant PropertyBag::read(const QString& name, const QVariant& defaultValue) const {
    const QVariant value = load(name);
    if (!value.isValid()) return defaultValue;
    QVariant converted = value;
    return converted.convert(defaultValue.metaType()) ? converted : defaultValue;
}

void PropertyBag::write(const QString& name, const QVariant& value, const QVariant& defaultValue) {
    if (value != defaultValue) store(name, value);
}
