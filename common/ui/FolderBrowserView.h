// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class FolderBrowser;
class QComboBox;
class QLabel;
class QListWidget;

// The lists of a file browser panel: the places (Drive1), the folder's path,
// its sub-folders (Dir1, ".." first) and its files (File1). Choosing a place
// or a folder moves the browser; the files are the caller's to act on.
class FolderBrowserView : public QWidget {
    Q_OBJECT
public:
    explicit FolderBrowserView(FolderBrowser& browser, QWidget* parent = nullptr);

    // Reads the places, folders and files anew.
    void refresh();

signals:
    void fileClicked(const QString& name);
    void fileDoubleClicked(const QString& name);

private:
    FolderBrowser& browser_;
    QComboBox* places_;
    QLabel* path_;
    QListWidget* folders_;
    QListWidget* files_;
};
