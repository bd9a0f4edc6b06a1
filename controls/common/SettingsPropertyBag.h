// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "PropertyBag.h"

#include <QSettings>

// A bag in a QSettings group, for real containers.
class SettingsPropertyBag : public PropertyBag {
public:
    SettingsPropertyBag(QSettings& settings, QString group)
        : settings_(settings), group_(std::move(group)) {}

    QStringList names() const override {
        settings_.beginGroup(group_);
        const QStringList keys = settings_.childKeys();
        settings_.endGroup();
        return keys;
    }

protected:
    QVariant load(const QString& name) const override {
        return settings_.value(group_ + u'/' + name);
    }
    void store(const QString& name, const QVariant& value) override {
        settings_.setValue(group_ + u'/' + name, value);
    }

private:
    QSettings& settings_;
    QString group_;
};
