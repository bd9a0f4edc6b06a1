// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefinitionFrame.h"

#include "CaptionFile.h"
#include "PictureCache.h"
#include "Pictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

DefinitionFrame::DefinitionFrame(ElementDefinitions& definitions, const Pictures& pictures,
                                 PictureCache& cache, QWidget* parent)
    : QGroupBox(parent), definitions_(definitions), pictures_(pictures), cache_(cache),
      template_(new QPlainTextEdit), listCaption_(new QLabel), bitmaps_(new QListWidget),
      preview_(new QLabel), bitmapName_(new QLineEdit), name_(new QLineEdit),
      save_(new QPushButton), close_(new QPushButton) {
    setObjectName(QStringLiteral("DefinitionFrame"));
    setAutoFillBackground(true);
    template_->setObjectName(QStringLiteral("TemplateBox"));
    bitmaps_->setObjectName(QStringLiteral("BitmapList"));
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setFixedSize(68, 39);
    preview_->setFrameShape(QFrame::Box);
    bitmapName_->setObjectName(QStringLiteral("BitmapNameBox"));
    name_->setObjectName(QStringLiteral("ElementNameBox"));
    save_->setObjectName(QStringLiteral("DefinitionSave"));
    close_->setObjectName(QStringLiteral("DefinitionClose"));
    close_->setFlat(true);
    auto* help = new QLabel(tr("Template markers:\n"
                               ">   ends a line of the generated text\n"
                               "@   inserts the cell's label\n"
                               "^   the cell is ignored in its own place\n"
                               "*   cancels the \"AND,\" prefix"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(template_, 0, 0, 3, 1);
    layout->addWidget(help, 3, 0);
    layout->addWidget(listCaption_, 0, 1);
    layout->addWidget(bitmaps_, 1, 1, 3, 1);
    layout->addWidget(preview_, 0, 2);
    layout->addWidget(bitmapName_, 1, 2);
    layout->addWidget(name_, 2, 2);
    layout->addWidget(save_, 4, 1);
    layout->addWidget(close_, 4, 2);

    connect(bitmaps_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        bitmapName_->setText(item->text());
        showPreview(item->text());
    });
    connect(save_, &QPushButton::clicked, this, &DefinitionFrame::save);
    connect(close_, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void DefinitionFrame::showPreview(const QString& bitmapName) {
    const QPixmap& picture = cache_.get(pictures_.elementFile(bitmapName));
    if (!picture.isNull()) preview_->setPixmap(picture);
}

void DefinitionFrame::open(int slot) {
    const auto draft = definitions_.open(slot);
    if (!draft) return;
    slot_ = draft->slot;
    template_->setPlainText(
        QString(draft->templateText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    bitmapName_->setText(draft->bitmapName);
    name_->setText(draft->name);
    showPreview(draft->bitmapName);
    bitmaps_->clear();
    bitmaps_->addItems(pictures_.bitmapFiles());
    show();
    raise();
}

void DefinitionFrame::save() {
    hide();
    definitions_.store({slot_, template_->toPlainText(), bitmapName_->text(), name_->text()});
}

void DefinitionFrame::setCaptions(const QStringList& captions) {
    setTitle(captions[CaptionFile::DefinitionFrame - 1]);
    listCaption_->setText(captions[CaptionFile::BitmapListCaption - 1]);
    close_->setText(captions[CaptionFile::DefinitionClose - 1]);
    save_->setText(captions[CaptionFile::DefinitionSave - 1]);
}

QList<QWidget*> DefinitionFrame::captionedWidgets() const {
    return {listCaption_, close_, save_};
}
