#pragma once

#include "PropertyBag.h"

class QSettings;

// A bag in a QSettings group, for real containers.
class FENROW_EXPORT SettingsPropertyBag : public PropertyBag {
public:
    SettingsPropertyBag(QSettings& settings, QString group);
    QStringList names() const override;

protected:
    QVariant load(const QString& name) const override;
    void store(const QString& name, const QVariant& value) override;

private:
    QSettings& settings_;
    QString group_;
};
