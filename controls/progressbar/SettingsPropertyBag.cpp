#include "SettingsPropertyBag.h"

#include <QSettings>

SettingsPropertyBag::SettingsPropertyBag(QSettings& settings, QString group)
    : settings_(settings), group_(std::move(group)) {}

QStringList SettingsPropertyBag::names() const {
    settings_.beginGroup(group_);
    const QStringList keys = settings_.childKeys();
    settings_.endGroup();
    return keys;
}

QVariant SettingsPropertyBag::load(const QString& name) const {
    return settings_.value(group_ + u'/' + name);
}

void SettingsPropertyBag::store(const QString& name, const QVariant& value) {
    settings_.setValue(group_ + u'/' + name, value);
}
