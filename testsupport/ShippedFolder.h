// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>

// A private copy of the pristine program folder the build assembles, so that
// a test may change files freely.
class ShippedFolder {
public:
    ShippedFolder();
    QString path() const { return dir_.path(); }
    QString path(const QString& relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
};
