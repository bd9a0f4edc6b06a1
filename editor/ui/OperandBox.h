#pragma once

#include "OperandKeypad.h"

#include <QGroupBox>

#include <array>

class GridEditor;
class LabelList;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The operand box: the operand field with its 28-key keypad, the label list
// to pick from and, beside it, the label list's text (the hardware table)
// with its "Edit" and "Exit" buttons. A right press on a cell opens it.
class OperandBox : public QGroupBox {
    Q_OBJECT
public:
    OperandBox(GridEditor& grid, LabelList& labels, QWidget* parent = nullptr);

    void setCaptions(const QStringList& captions);
    QList<QWidget*> captionedWidgets() const;
    // The operand field takes the keys, the caret after its text.
    void focusField();

signals:
    // The box closed while it had the keys; they go back to the grid.
    void closedWithFocus();

private:
    void pressKey(int key);
    void renderGrid();
    void renderLabels();

    GridEditor& grid_;
    LabelList& labels_;
    QLineEdit* field_;
    OperandKeypad keypad_;
    std::array<QPushButton*, OperandKeypad::Keys> keys_{};
    QListWidget* list_;
    QPlainTextEdit* text_;
    QPushButton* edit_;
    QPushButton* exit_;
};
