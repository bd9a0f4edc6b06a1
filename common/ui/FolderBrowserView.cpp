// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderBrowserView.h"

#include "FolderBrowser.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

FolderBrowserView::FolderBrowserView(FolderBrowser& browser, QWidget* parent)
    : QWidget(parent), browser_(browser), places_(new QComboBox), path_(new QLabel),
      folders_(new QListWidget), files_(new QListWidget) {
    places_->setObjectName(QStringLiteral("Drive1"));
    path_->setObjectName(QStringLiteral("DirPath"));
    path_->setWordWrap(true);
    folders_->setObjectName(QStringLiteral("Dir1"));
    places_->setMinimumWidth(80);
    files_->setObjectName(QStringLiteral("File1"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(places_, 0, 0);
    grid->addWidget(path_, 1, 0);
    grid->addWidget(folders_, 2, 0);
    grid->addWidget(files_, 0, 1, 3, 1);
    // Both lists share the width: file names matter as much as folders.
    folders_->setMinimumWidth(80);
    files_->setMinimumWidth(80);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(places_, &QComboBox::activated, this,
            [this](int index) { browser_.setFolder(places_->itemText(index)); });
    connect(folders_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { browser_.enter(item->text()); });
    connect(files_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit fileClicked(item->text()); });
    connect(files_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit fileDoubleClicked(item->text()); });
    connect(&browser_, &FolderBrowser::folderChanged, this, &FolderBrowserView::refresh);
}

void FolderBrowserView::refresh() {
    places_->clear();
    places_->addItems(browser_.places());
    path_->setText(browser_.folder());
    folders_->clear();
    folders_->addItem(QStringLiteral(".."));
    folders_->addItems(browser_.folders());
    files_->clear();
    files_->addItems(browser_.files());
}
