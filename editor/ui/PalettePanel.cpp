#include "PalettePanel.h"

#include "CaptionFile.h"
#include "MapEditor.h"
#include "PictureCache.h"
#include "ProductChoice.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

PalettePanel::PalettePanel(MapEditor& editor, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), editor_(editor), pictures_(pictures), stack_(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    for (int g = 0; g < ElementCatalogue::Groups; ++g) {
        auto* button = new QPushButton(QString::number(g + 1), this);
        button->setObjectName(QStringLiteral("GroupButton(%1)").arg(g));
        button->setFixedWidth(40);
        connect(button, &QPushButton::clicked, this, [this, g] { showGroup(g); });
        buttons->addWidget(button);
        groupButtons_[g] = button;

        auto* frame = new QGroupBox(stack_);
        frame->setObjectName(QStringLiteral("PaletteFrame(%1)").arg(g));
        auto* grid = new QGridLayout(frame);
        grid->setSpacing(1);
        grid->setContentsMargins(2, 2, 2, 2);
        for (int i = 0; i < ElementCatalogue::SlotsPerGroup; ++i) {
            const int slot = g * ElementCatalogue::SlotsPerGroup + i;
            auto* tool = new QToolButton(frame);
            tool->setObjectName(QStringLiteral("PaletteSlot(%1)").arg(slot));
            tool->setIconSize(QSize(48, 26));
            tool->setAutoRaise(true);
            tool->setProperty("slot", slot);
            tool->setAcceptDrops(true);
            tool->installEventFilter(this);
            connect(tool, &QToolButton::clicked, this, [this, slot] { emit slotClicked(slot); });
            grid->addWidget(tool, i / Columns, i % Columns);
            slots_[slot] = tool;
        }
        stack_->addWidget(frame);
        groupFrames_[g] = frame;
    }
    layout->addLayout(buttons);
    layout->addWidget(stack_);
}

void PalettePanel::refresh() {
    const ElementCatalogue& catalogue = editor_.catalogue();
    for (int slot = 0; slot < ElementCatalogue::Slots; ++slot) {
        slots_[slot]->setIcon(QIcon(pictures_.get(editor_.pictures().slotPicture(slot))));
        slots_[slot]->setToolTip(catalogue.name(slot));
    }
}

void PalettePanel::showGroup(int group) {
    stack_->setCurrentIndex(group);
}

void PalettePanel::applyProduct(int product) {
    // The groups the product offers, as the element chooser keeps them.
    for (int g = 0; g < ElementCatalogue::Groups; ++g) {
        const bool enabled = editor_.chooser().groupEnabled(g);
        groupButtons_[g]->setEnabled(enabled);
        groupFrames_[g]->setEnabled(enabled);
    }
    showGroup(ProductChoice::product(product).shownGroup);
}

void PalettePanel::setCaptions(const QStringList& captions) {
    for (int g = 0; g < ElementCatalogue::Groups; ++g) {
        groupButtons_[g]->setText(captions[CaptionFile::FirstGroupButton - 1 + g]);
        groupFrames_[g]->setTitle(captions[CaptionFile::FirstGroupFrame - 1 + g]);
    }
}

QList<QWidget*> PalettePanel::captionedWidgets() const {
    QList<QWidget*> widgets;
    for (int g = 0; g < ElementCatalogue::Groups; ++g)
        widgets << groupButtons_[g] << groupFrames_[g];
    return widgets;
}

bool PalettePanel::eventFilter(QObject* watched, QEvent* event) {
    const QVariant slot = watched->property("slot");
    if (!slot.isValid()) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonDblClick) {
        emit slotDoubleClicked(slot.toInt());
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        emit slotRightPressed(slot.toInt());
        return true;
    }
    if (dragOrDrop(slots_[slot.toInt()], slot.toInt(), event)) return true;
    return QWidget::eventFilter(watched, event);
}

// A slot dragged onto a slot (the same or another) asks for the help page of
// the slot it lands on; anything else dropped there does the same.
bool PalettePanel::dragOrDrop(QToolButton* tool, int slot, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressedAt_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        return false;
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!(move->buttons() & Qt::LeftButton) ||
            (move->position().toPoint() - pressedAt_).manhattanLength() <
                QApplication::startDragDistance())
            return false;
        auto* drag = new QDrag(tool);
        auto* element = new QMimeData;
        element->setText(editor_.catalogue().slotBitmap(slot));
        drag->setMimeData(element);
        drag->setPixmap(tool->icon().pixmap(tool->iconSize()));
        tool->setDown(false);
        drag->exec(Qt::CopyAction);
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
        static_cast<QDropEvent*>(event)->acceptProposedAction();
        return true;
    case QEvent::Drop:
        static_cast<QDropEvent*>(event)->acceptProposedAction();
        emit slotDropped(slot);
        return true;
    default:
        return false;
    }
}

void PalettePanel::renderSelection(int slot, bool blinkOn) {
    if (slot == shownSelection_ && blinkOn == shownBlink_) return;
    if (shownSelection_ >= 0) slots_[shownSelection_]->setStyleSheet(QString());
    shownSelection_ = slot;
    shownBlink_ = blinkOn;
    if (slot < 0) return;
    slots_[slot]->setStyleSheet(blinkOn ? QStringLiteral("border: 2px solid #0000ff")
                                        : QStringLiteral("border: 2px dotted #8080ff"));
}
