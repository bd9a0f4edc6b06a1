// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramFolder.h"

#include <QTemporaryDir>

// A scratch program folder for one test.
class TestFolder {
public:
    TestFolder();
    void write(const QString& relative, const QByteArray& bytes);
    const ProgramFolder& folder() const { return folder_; }
    QString path(const QString& relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
    ProgramFolder folder_;
};
