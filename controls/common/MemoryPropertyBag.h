// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "PropertyBag.h"

// A bag in memory, for containers that keep their own forms.
class MemoryPropertyBag : public PropertyBag {
public:
    QStringList names() const override { return values_.keys(); }
    const QVariantMap& values() const { return values_; }

protected:
    QVariant load(const QString& name) const override { return values_.value(name); }
    void store(const QString& name, const QVariant& value) override { values_[name] = value; }

private:
    QVariantMap values_;
};
