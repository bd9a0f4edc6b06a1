// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// Where a container keeps a control's properties. A property equal to its
// default is not written, and one that was never written reads as its
// default, so a control with all defaults stores nothing of its own.
// Header-only: each control library builds its own copy and links nothing
// of the other.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;

    QVariant read(const QString& name, const QVariant& defaultValue) const {
        QVariant value = load(name);
        if (!value.isValid()) return defaultValue;
        return value.convert(defaultValue.metaType()) ? value : defaultValue;
    }

    void write(const QString& name, const QVariant& value, const QVariant& defaultValue) {
        if (value != defaultValue) store(name, value);
    }

    virtual QStringList names() const = 0;

protected:
    virtual QVariant load(const QString& name) const = 0; // invalid when absent
    virtual void store(const QString& name, const QVariant& value) = 0;
};
