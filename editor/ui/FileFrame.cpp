// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileFrame.h"

#include "CaptionFile.h"
#include "FolderBrowserView.h"
#include "MapFiles.h"

#include <QDateTime>
#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QPushButton* button(const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}
} // namespace

FileFrame::FileFrame(MapFiles& files, QWidget* parent)
    : QGroupBox(parent), files_(files), lists_(new FolderBrowserView(files.browser())),
      name_(new QLineEdit), save_(button(QStringLiteral("Save"), QStringLiteral("FileButton(0)"))),
      load_(button(QStringLiteral("Load"), QStringLiteral("FileButton(1)"))),
      exit_(button(QStringLiteral("Exit"), QStringLiteral("FileButton(2)"))) {
    setObjectName(QStringLiteral("FileFrame"));
    setAutoFillBackground(true);
    name_->setObjectName(QStringLiteral("Text2"));
    name_->installEventFilter(this);
    auto* history = button(QStringLiteral("History"), QStringLiteral("HistoryButton"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(lists_, 0, 0, 3, 2);
    grid->addWidget(name_, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {save_, load_, history, exit_})
        buttons->addWidget(b);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->addWidget(buildHistoryFrame(), 5, 0, 1, 2);

    connect(lists_, &FolderBrowserView::fileClicked, &files_, &MapFiles::pickFromList);
    connect(lists_, &FolderBrowserView::fileDoubleClicked, this, [this](const QString& name) {
        files_.loadFromList(name, QDateTime::currentDateTime());
    });
    connect(name_, &QLineEdit::textChanged, &files_, &MapFiles::setFileName);
    connect(name_, &QLineEdit::returnPressed, &files_, &MapFiles::loadByName);
    connect(&files_, &MapFiles::fileNameChanged, this, [this](const QString& name) {
        if (name_->text() != name) name_->setText(name);
    });
    connect(save_, &QPushButton::clicked, &files_, &MapFiles::save);
    connect(load_, &QPushButton::clicked, &files_, &MapFiles::load);
    connect(history, &QPushButton::clicked, this, &FileFrame::showHistory);
    connect(exit_, &QPushButton::clicked, this, [this] {
        hide();
        historyFrame_->hide();
    });
}

QWidget* FileFrame::buildHistoryFrame() {
    historyFrame_ = new QGroupBox(QStringLiteral("List.txt"));
    historyFrame_->setObjectName(QStringLiteral("HistoryFrame"));
    historyBox_ = new QPlainTextEdit;
    historyBox_->setObjectName(QStringLiteral("HistoryBox"));
    historyBox_->setReadOnly(true);
    historyBox_->viewport()->installEventFilter(this);
    auto* close = button(QStringLiteral("Exit"), QStringLiteral("HistoryExit"));
    connect(close, &QPushButton::clicked, historyFrame_, &QWidget::hide);
    auto* layout = new QVBoxLayout(historyFrame_);
    layout->addWidget(historyBox_);
    layout->addWidget(close, 0, Qt::AlignRight);
    historyFrame_->hide();
    return historyFrame_;
}

void FileFrame::showHistory() {
    historyBox_->setPlainText(files_.history());
    historyFrame_->show();
}

bool FileFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonDblClick) return QGroupBox::eventFilter(watched, event);
    if (watched == name_) {
        files_.loadByName();
        return true;
    }
    // Let the box select the clicked word first, then take the name from the
    // selection's start.
    QMetaObject::invokeMethod(
        this,
        [this] {
            files_.pickFromHistory(historyBox_->toPlainText(),
                                   historyBox_->textCursor().selectionStart());
        },
        Qt::QueuedConnection);
    return false;
}

void FileFrame::refresh() {
    lists_->refresh();
}

void FileFrame::setCaptions(const QStringList& captions) {
    setTitle(captions[CaptionFile::FileFrame - 1]);
    save_->setText(captions[CaptionFile::FileSave - 1]);
    load_->setText(captions[CaptionFile::FileLoad - 1]);
}

QList<QWidget*> FileFrame::captionedWidgets() const {
    return {save_, load_};
}
