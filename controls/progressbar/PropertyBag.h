#pragma once

#include "FenrowExport.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

// Where a container keeps a control's properties. A property equal to its
// default is not written, and one that was never written reads as its
// default, so a control with all defaults stores nothing of its own.
class FENROW_EXPORT PropertyBag {
public:
    virtual ~PropertyBag() = default;
    QVariant read(const QString& name, const QVariant& defaultValue) const;
    void write(const QString& name, const QVariant& value, const QVariant& defaultValue);

    virtual QStringList names() const = 0;

protected:
    virtual QVariant load(const QString& name) const = 0; // invalid when absent
    virtual void store(const QString& name, const QVariant& value) = 0;
};
