#pragma once

#include <QTemporaryDir>

// A private copy of the program folder the build assembles (its data, not
// the executable beside it), so that a test may change files freely.
class ShippedFolder {
public:
    ShippedFolder();
    QString path() const { return dir_.path(); }
    QString path(const QString& relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
};
