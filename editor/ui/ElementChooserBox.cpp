// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementChooserBox.h"

#include "MapEditor.h"
#include "PictureCache.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

ElementChooserBox::ElementChooserBox(MapEditor& editor, PictureCache& pictures, QWidget* parent)
    : QFrame(parent), editor_(editor), pictures_(pictures), filter_(new QLineEdit),
      list_(new QListWidget) {
    setObjectName(QStringLiteral("ElementChooser"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    filter_->setObjectName(QStringLiteral("ChooserFilter"));
    list_->setObjectName(QStringLiteral("ChooserList"));
    list_->setIconSize(QSize(48, 26));
    list_->setFocusPolicy(Qt::NoFocus); // the keys stay in the filter
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(list_);
    connect(filter_, &QLineEdit::textChanged, this, &ElementChooserBox::fill);
    connect(filter_, &QLineEdit::returnPressed, this, &ElementChooserBox::chooseCurrent);
    connect(list_, &QListWidget::itemActivated, this, &ElementChooserBox::chooseCurrent);
    filter_->installEventFilter(this);
    hide();
}

void ElementChooserBox::open(const QString& typed) {
    show();
    raise();
    filter_->setText(typed);
    fill(typed); // also when the text was already the same
    filter_->setFocus();
}

void ElementChooserBox::fill(const QString& typed) {
    const ElementChooser& chooser = editor_.chooser();
    const bool recent = typed.trimmed().isEmpty() && !chooser.recent().isEmpty();
    const QList<int> shown = recent ? chooser.recent() : chooser.matches(typed);
    const ElementCatalogue& catalogue = editor_.catalogue();
    list_->clear();
    for (int i = 0; i < shown.size(); ++i) {
        const int slot = shown[i];
        QString text = catalogue.name(slot).trimmed() + QStringLiteral("  (") +
                       QString(catalogue.slotBitmap(slot)).remove(QStringLiteral(".bmp")) + u')';
        if (recent) text = QStringLiteral("Ctrl+%1   ").arg(i + 1) + text;
        auto* item = new QListWidgetItem(QIcon(pictures_.get(editor_.pictures().slotPicture(slot))),
                                         text, list_);
        item->setData(Qt::UserRole, slot);
    }
    list_->setCurrentRow(0);
}

void ElementChooserBox::chooseCurrent() {
    const QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    editor_.chooser().choose(item->data(Qt::UserRole).toInt());
    emit chosen();
    hide();
}

bool ElementChooserBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != filter_ || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    // Picking in the list while the caret stays in the filter.
    QCoreApplication::sendEvent(list_, event);
    return true;
}
