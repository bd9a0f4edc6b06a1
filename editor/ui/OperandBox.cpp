#include "OperandBox.h"

#include "CaptionFile.h"
#include "GridEditor.h"
#include "LabelList.h"
#include "OperandKeypad.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

OperandBox::OperandBox(GridEditor& grid, LabelList& labels, QWidget* parent)
    : QGroupBox(parent), grid_(grid), labels_(labels), field_(new QLineEdit),
      list_(new QListWidget), text_(new QPlainTextEdit),
      edit_(new QPushButton(QStringLiteral("Edit"))),
      exit_(new QPushButton(QStringLiteral("Exit"))) {
    setObjectName(QStringLiteral("OperandBox"));
    setAutoFillBackground(true);
    field_->setObjectName(QStringLiteral("OperandField"));
    list_->setObjectName(QStringLiteral("LabelList"));
    text_->setObjectName(QStringLiteral("LabelText"));
    edit_->setObjectName(QStringLiteral("LabelEdit"));
    exit_->setObjectName(QStringLiteral("LabelExit"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(field_, 0, 0, 1, 7);
    for (int key = 0; key < OperandKeypad::Keys; ++key) {
        auto* button = new QPushButton(OperandKeypad::caption(key));
        button->setObjectName(QStringLiteral("Keypad(%1)").arg(key));
        button->setFocusPolicy(Qt::NoFocus); // the caret stays in the operand field
        button->setMinimumWidth(32);
        connect(button, &QPushButton::clicked, this, [this, key] { pressKey(key); });
        layout->addWidget(button, 1 + key / 7, key % 7);
        keys_[key] = button;
    }
    layout->addWidget(list_, 0, 7, 4, 1);
    layout->addWidget(text_, 0, 8, 4, 2);
    layout->addWidget(edit_, 4, 8);
    layout->addWidget(exit_, 4, 9);

    connect(field_, &QLineEdit::textEdited, &grid_, &GridEditor::setOperandText);
    connect(field_, &QLineEdit::returnPressed, &grid_, &GridEditor::enterOperand);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { grid_.appendToOperand(item->text()); });
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        if (labels_.editing())
            labels_.setText(text_->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
    });
    connect(edit_, &QPushButton::clicked, &labels_, &LabelList::startEdit);
    connect(exit_, &QPushButton::clicked, this, [this] {
        if (labels_.editing())
            labels_.finishEdit();
        else
            grid_.closeOperandBox();
    });
    connect(&grid_, &GridEditor::stateChanged, this, &OperandBox::renderGrid);
    connect(&labels_, &LabelList::changed, this, &OperandBox::renderLabels);
    renderGrid();
    renderLabels();
}

void OperandBox::pressKey(int key) {
    if (key == OperandKeypad::Confirm) {
        grid_.setOperandText(field_->text());
        grid_.confirmOperand();
        return;
    }
    if (key == OperandKeypad::Colour) {
        colourKeyRed_ = !colourKeyRed_;
        keys_[key]->setStyleSheet(colourKeyRed_ ? QStringLiteral("background-color: #ff8080")
                                                : QStringLiteral("background-color: #c0c0ff"));
        return;
    }
    const int start =
        field_->hasSelectedText() ? field_->selectionStart() : field_->cursorPosition();
    const OperandKeypad::Field after = OperandKeypad::press(
        key, {field_->text(), start, static_cast<int>(field_->selectedText().size())});
    field_->setText(after.text);
    grid_.setOperandText(after.text);
    field_->setFocus();
    field_->setCursorPosition(after.caret);
}

void OperandBox::renderGrid() {
    setVisible(grid_.operandBoxOpen());
    if (field_->text() != grid_.operandText()) field_->setText(grid_.operandText());
    if (isVisible()) raise();
}

void OperandBox::renderLabels() {
    list_->clear();
    list_->addItems(labels_.entries());
    text_->setReadOnly(!labels_.editing());
    if (!labels_.editing())
        text_->setPlainText(
            QString(labels_.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    edit_->setEnabled(labels_.editEnabled());
}

void OperandBox::setCaptions(const QStringList& captions) {
    setTitle(captions[CaptionFile::OperandBox - 1]);
    // The caption file names them delete, insert, clear and enter, in that order.
    const int keys[] = {OperandKeypad::Delete, OperandKeypad::Colour, OperandKeypad::Clear,
                        OperandKeypad::Confirm};
    for (int i = 0; i < 4; ++i)
        keys_[keys[i]]->setText(captions[CaptionFile::FirstKeypadButton - 1 + i]);
}

QList<QWidget*> OperandBox::captionedWidgets() const {
    return {keys_[24], keys_[25], keys_[26], keys_[27]};
}
