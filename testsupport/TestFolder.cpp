// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder() : folder_(dir_.path()) {
    QDir(dir_.path()).mkpath("def");
}

void TestFolder::write(const QString& relative, const QByteArray& bytes) {
    const QString file = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly)) out.write(bytes);
}
