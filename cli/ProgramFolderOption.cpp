// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolderOption.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

QString ProgramFolderOption::resolve(const QString& given, QTextStream& err) {
    QString error;
    const QString root =
        given.isEmpty() ? ProgramFolder::locateFor(QCoreApplication::applicationDirPath(), &error)
                        : QDir(given).absolutePath();
    if (root.isEmpty() || !ProgramFolder::hasDefinitions(root)) {
        err << "obelc: no program folder at " << (root.isEmpty() ? error : root) << "\n";
        return {};
    }
    return root;
}
