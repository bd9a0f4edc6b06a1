#include "OperandBox.h"

#include "CaptionFile.h"
#include "GridEditor.h"
#include "LabelList.h"
#include "OperandKeypad.h"

#include <QApplication>
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

    constexpr int KeypadColumns = 7;
    auto* layout = new QGridLayout(this);
    layout->addWidget(field_, 0, 0, 1, KeypadColumns);
    for (int key = 0; key < OperandKeypad::Keys; ++key) {
        auto* button = new QPushButton(OperandKeypad::caption(key));
        button->setObjectName(QStringLiteral("Keypad(%1)").arg(key));
        button->setFocusPolicy(Qt::NoFocus); // the caret stays in the operand field
        button->setMinimumWidth(32);
        connect(button, &QPushButton::clicked, this, [this, key] { pressKey(key); });
        layout->addWidget(button, 1 + key / KeypadColumns, key % KeypadColumns);
        keys_[key] = button;
    }
    layout->addWidget(list_, 0, KeypadColumns, 4, 1);
    layout->addWidget(text_, 0, KeypadColumns + 1, 4, 2);
    layout->addWidget(edit_, 4, KeypadColumns + 1);
    layout->addWidget(exit_, 4, KeypadColumns + 2);

    connect(field_, &QLineEdit::textEdited, &grid_, &GridEditor::setOperandText);
    connect(field_, &QLineEdit::returnPressed, &grid_, &GridEditor::enterOperand);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { grid_.appendToOperand(item->text()); });
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        if (labels_.editing()) labels_.setText(text_->toPlainText());
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
    const int start =
        field_->hasSelectedText() ? field_->selectionStart() : field_->cursorPosition();
    const OperandKeypad::Field after = keypad_.press(
        key, {field_->text(), start, static_cast<int>(field_->selectedText().size())});
    if (key == OperandKeypad::Colour) {
        keys_[key]->setStyleSheet(keypad_.colourKeyRed()
                                      ? QStringLiteral("background-color: #ff8080")
                                      : QStringLiteral("background-color: #c0c0ff"));
        return;
    }
    field_->setText(after.text);
    grid_.setOperandText(after.text);
    field_->setFocus();
    field_->setCursorPosition(after.caret);
}

void OperandBox::focusField() {
    field_->setFocus();
    field_->end(false);
}

void OperandBox::renderGrid() {
    const bool hadFocus = isAncestorOf(QApplication::focusWidget());
    setVisible(grid_.operandBoxOpen());
    if (hadFocus && !isVisible()) emit closedWithFocus();
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
    int caption = CaptionFile::FirstKeypadButton - 1;
    for (const int key : OperandKeypad::CaptionedKeys)
        keys_[key]->setText(captions[caption++]);
}

QList<QWidget*> OperandBox::captionedWidgets() const {
    QList<QWidget*> widgets;
    for (const int key : OperandKeypad::CaptionedKeys)
        widgets << keys_[key];
    return widgets;
}
