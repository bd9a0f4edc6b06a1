// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

// What a file browser panel shows: the places a user can start from, the
// folder chosen, its sub-folders and its files of one pattern (such as
// "*.map"), all without regard to case.
class FolderBrowser : public QObject {
    Q_OBJECT
public:
    // programRoot is the first place; pattern picks the files listed.
    FolderBrowser(QString programRoot, QString pattern, QObject* parent = nullptr);

    const QString& folder() const { return folder_; }
    void setFolder(const QString& folder);
    // Tells the views that the folder's content changed (a file was written).
    void rescan() { emit folderChanged(); }
    // The sub-folder of that name, or ".." for the parent.
    void enter(const QString& subFolder);
    // The path of a file of the folder.
    QString pathOf(const QString& name) const;

    QStringList files() const;
    QStringList folders() const;
    // The program folder, the home folder and the mounted volumes.
    QStringList places() const;

signals:
    void folderChanged();

private:
    QString programRoot_;
    QString pattern_;
    QString folder_;
};
