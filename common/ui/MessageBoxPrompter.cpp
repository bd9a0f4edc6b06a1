// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Room the window manager's frame takes beside a title: its icon and its
// minimise, maximise and close buttons.
constexpr int TitleFrame = 160;

} // namespace

QWidget* MessageBoxPrompter::owner() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : parent_;
}

// Title bars are drawn in a bold face, often a little larger than the text's.
int MessageBoxPrompter::titleRoom(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    return QFontMetrics(font).horizontalAdvance(title) + TitleFrame;
}

// A box sizes itself to its text: a short one ("RS-232 ERROR !!") left the
// window manager too little room for the title, which it then cut.
std::unique_ptr<QMessageBox> MessageBoxPrompter::box(QMessageBox::Icon icon, const QString& title,
                                                     const QString& text,
                                                     QMessageBox::StandardButtons buttons) const {
    auto box = std::make_unique<QMessageBox>(icon, title, text, buttons, owner());
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(
            new QSpacerItem(titleRoom(title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

bool MessageBoxPrompter::confirm(const QString& title, const QString& text) {
    const auto question =
        box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel);
    question->setDefaultButton(QMessageBox::Ok);
    return question->exec() == QMessageBox::Ok;
}

void MessageBoxPrompter::inform(const QString& title, const QString& text) {
    box(QMessageBox::Warning, title, text, QMessageBox::Ok)->exec();
}

std::optional<QString> MessageBoxPrompter::ask(const QString& title, const QString& prompt,
                                               const QString& answer) {
    QInputDialog dialog(owner());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(answer);
    dialog.setMinimumWidth(titleRoom(title));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

int MessageBoxPrompter::choose(const QString& title, const QString& text,
                               const QStringList& buttons) {
    const auto question = box(QMessageBox::Question, title, text, QMessageBox::NoButton);
    QList<QAbstractButton*> pressable;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const bool last = i == buttons.size() - 1;
        pressable << static_cast<QAbstractButton*>(
            question->addButton(buttons[i], last     ? QMessageBox::RejectRole
                                            : i == 0 ? QMessageBox::AcceptRole
                                                     : QMessageBox::DestructiveRole));
    }
    question->exec();
    return int(pressable.indexOf(question->clickedButton()));
}

void MessageBoxPrompter::beep() {
    QApplication::beep();
}
