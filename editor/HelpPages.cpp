// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPages.h"

#include "ProgramFolder.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString FolderName = QStringLiteral("Obel_HTML");
const QString EnglishFolder = QStringLiteral("en");
} // namespace

QString HelpPages::helpFolder() const {
    return folder_.path(FolderName);
}

QString HelpPages::stub(const QString& bitmapName) {
    return QStringLiteral("<img src='BMP/") + bitmapName + QStringLiteral("'> </img><br>");
}

HelpPages::Page HelpPages::open(const QString& bitmapName) const {
    // The name becomes a file name: one that reaches into other folders
    // would write the stub outside the help folder.
    if (bitmapName.trimmed().isEmpty() || bitmapName.contains(u'/') || bitmapName.contains(u'\\') ||
        bitmapName == u"." || bitmapName == u"..")
        return {
            {},
            QStringLiteral("\"%1\" is not a bitmap name; it has no help page.").arg(bitmapName)};
    if (!QFileInfo(helpFolder()).isDir())
        return {{}, QStringLiteral("The help folder %1 is missing.").arg(helpFolder())};

    const QString pageName = bitmapName + QStringLiteral(".htm");
    if (english_) {
        const QString english = QDir(helpFolder()).filePath(EnglishFolder + u'/' + pageName);
        if (QFile page(english); page.open(QIODevice::ReadOnly)) return {english, {}};
    }
    const QString path = folder_.path(FolderName + u'\\' + pageName);
    if (QFile page(path); page.open(QIODevice::ReadOnly)) return {path, {}};
    if (QFileInfo::exists(path))
        return {{}, QStringLiteral("The help page %1 cannot be read.").arg(path)};

    QString error;
    if (!TextFile::writeLines(path, {stub(bitmapName)}, &error))
        return {{}, QStringLiteral("The help page cannot be created: %1").arg(error)};
    return {path, {}};
}

QString HelpPages::pictureFile(const QString& wanted) const {
    if (wanted.isEmpty()) return {};
    if (QFileInfo(wanted).isFile()) return wanted;
    QString relative = QDir(helpFolder()).relativeFilePath(wanted);
    if (relative.startsWith(QStringLiteral(".."))) return {};
    // The English pages name the same pictures as the pages above them.
    if (relative.startsWith(EnglishFolder + u'/')) relative.remove(0, EnglishFolder.size() + 1);
    const QString inProgramFolder = folder_.path(relative);
    return QFileInfo(inProgramFolder).isFile() ? inProgramFolder : QString();
}
