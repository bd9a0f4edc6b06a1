// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class FolderBrowserView;
class MapFiles;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The file frame: the places a user has, the folders of the chosen one, the
// "*.map" files of the chosen folder, the file-name box and the buttons to
// save, load and look back at the load log.
class FileFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit FileFrame(MapFiles& files, QWidget* parent = nullptr);

    // Reads the places, folders and files anew.
    void refresh();
    void setCaptions(const QStringList& captions);
    // The buttons the caption file captions (the frame's title is its own).
    QList<QWidget*> captionedWidgets() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHistoryFrame();
    void showHistory();

    MapFiles& files_;
    FolderBrowserView* lists_;
    QLineEdit* name_;
    QPushButton* save_;
    QPushButton* load_;
    QPushButton* exit_;
    QGroupBox* historyFrame_ = nullptr;
    QPlainTextEdit* historyBox_ = nullptr;
};
