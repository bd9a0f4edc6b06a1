// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

ProgramFolder::ProgramFolder(QString root) : root_(std::move(root)) {}

QString ProgramFolder::matchEntry(const QString& dir, const QString& name) {
    if (QFileInfo::exists(dir + u'/' + name)) return name;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return name;
}

QString ProgramFolder::path(const QString& relative) const {
    QString result = root_;
    const QStringList parts =
        QString(relative).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == u".") continue;
        result += u'/' + (part == u".." ? part : matchEntry(result, part));
    }
    return result;
}

bool ProgramFolder::hasDefinitions(const QString& dir) {
    return !dir.isEmpty() && QFileInfo(ProgramFolder(dir).path(QStringLiteral("def"))).isDir();
}

bool ProgramFolder::copyTree(const QString& from, const QString& to, QString* error) {
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + u'/' + source.relativeFilePath(file);
        const bool ok = it.fileInfo().isDir()
                            ? QDir().mkpath(target)
                            : (QFile::exists(target) || QFile::copy(file, target));
        if (!ok) {
            if (error) *error = QStringLiteral("Cannot copy %1 to %2").arg(file, target);
            return false;
        }
    }
    return true;
}

QString ProgramFolder::locate(const QString& exeDir, const QString& dataDir,
                              const QStringList& shippedCopies, QString* error) {
    if (hasDefinitions(exeDir)) return exeDir;
    if (hasDefinitions(dataDir)) return dataDir;
    for (const QString& shipped : shippedCopies)
        if (hasDefinitions(shipped)) return fill(dataDir, shipped, error);
    if (error)
        *error = QStringLiteral("No program folder: neither %1 nor %2 holds def/, and no shipped "
                                "copy was found")
                     .arg(exeDir, dataDir);
    return {};
}

// The copy is made beside the data folder and moved into place whole: two
// programs started together on a fresh home (obelc convert | obelc assemble)
// both fill it, and neither may trip over the other's files or take a
// half-filled folder for the whole.
QString ProgramFolder::fill(const QString& dataDir, const QString& shipped, QString* error) {
    const QFileInfo target(dataDir);
    const bool parent = QDir().mkpath(target.path());
    QTemporaryDir staging(target.path() + QStringLiteral("/.") + target.fileName() +
                          QStringLiteral("-XXXXXX"));
    if (!parent || !staging.isValid()) {
        if (error) *error = QStringLiteral("Cannot create the program folder %1").arg(dataDir);
        return {};
    }
    if (!copyTree(shipped, staging.path(), error)) return {};
    if (QDir().rename(staging.path(), dataDir)) {
        staging.setAutoRemove(false);
        return dataDir;
    }
    // Another start was quicker, or the folder is there without def/.
    if (hasDefinitions(dataDir)) return dataDir;
    return copyTree(shipped, dataDir, error) ? dataDir : QString();
}

QString ProgramFolder::locateFor(const QString& exeDir, QString* error) {
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QStringList shipped{
        QDir::cleanPath(exeDir + u'/' + QStringLiteral(OBEL_INSTALLED_PROGRAM_DIR_FROM_BIN))};
    return locate(exeDir, dataDir, shipped, error);
}
