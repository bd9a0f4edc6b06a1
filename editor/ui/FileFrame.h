#pragma once

#include <QGroupBox>

class MapFiles;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
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
    QComboBox* places_;
    QLabel* path_;
    QListWidget* folders_;
    QListWidget* mapList_;
    QLineEdit* name_;
    QPushButton* save_;
    QPushButton* load_;
    QPushButton* exit_;
    QGroupBox* historyFrame_ = nullptr;
    QPlainTextEdit* historyBox_ = nullptr;
};
