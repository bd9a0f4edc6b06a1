// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderBrowser.h"

#include <QDir>
#include <QStorageInfo>

FolderBrowser::FolderBrowser(QString programRoot, QString pattern, QObject* parent)
    : QObject(parent), programRoot_(std::move(programRoot)), pattern_(std::move(pattern)),
      folder_(programRoot_) {}

void FolderBrowser::setFolder(const QString& folder) {
    folder_ = QDir::cleanPath(folder);
    emit folderChanged();
}

void FolderBrowser::enter(const QString& subFolder) {
    setFolder(folder_ + u'/' + subFolder);
}

QString FolderBrowser::pathOf(const QString& name) const {
    return folder_ + u'/' + name;
}

QStringList FolderBrowser::files() const {
    return QDir(folder_).entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QStringList FolderBrowser::folders() const {
    return QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                   QDir::Name | QDir::IgnoreCase);
}

QStringList FolderBrowser::places() const {
    QStringList places{programRoot_, QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady()) places << volume.rootPath();
    places.removeDuplicates();
    return places;
}
