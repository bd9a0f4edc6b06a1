// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

Pictures::Pictures(const ProgramFolder& folder) : folder_(folder) {}

void Pictures::setAlternativeIcons(bool alternative) {
    bitmapFolder_ = alternative ? QStringLiteral("BMP_T") : QStringLiteral("BMP");
}

QString Pictures::elementFile(const QString& bitmapName) const {
    // Map files keep the blank after a name, and the platform the names come
    // from ignored trailing blanks in file names: so does the lookup.
    const QString name = bitmapName.trimmed();
    if (name.isEmpty()) return {};
    const QString key = bitmapFolder_ + u'\\' + name;
    auto it = found_.constFind(key);
    if (it != found_.cend()) return *it;
    QString path = folder_.path(key);
    if (!QFileInfo(path).isFile()) path.clear();
    found_.insert(key, path);
    return path;
}

QStringList Pictures::bitmapFiles() const {
    return QDir(folder_.path(QStringLiteral("bmp")))
        .entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString Pictures::blankFile() const {
    return folder_.path(QStringLiteral("bmp\\space.bmp"));
}

void Pictures::loadSlotPicture(int slot, const QString& bitmapName) {
    const QString file = elementFile(bitmapName);
    if (!file.isEmpty()) slotPicture_[slot] = file;
}
