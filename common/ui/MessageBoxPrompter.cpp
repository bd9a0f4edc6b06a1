#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QAbstractButton>
#include <QPushButton>

QWidget* MessageBoxPrompter::owner() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : parent_;
}

bool MessageBoxPrompter::confirm(const QString& title, const QString& text) {
    return QMessageBox::question(owner(), title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void MessageBoxPrompter::inform(const QString& title, const QString& text) {
    QMessageBox::warning(owner(), title, text);
}

std::optional<QString> MessageBoxPrompter::ask(const QString& title, const QString& prompt,
                                               const QString& answer) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, answer, &ok);
    if (!ok) return std::nullopt;
    return text;
}

int MessageBoxPrompter::choose(const QString& title, const QString& text,
                               const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, owner());
    QList<QAbstractButton*> pressable;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const bool last = i == buttons.size() - 1;
        pressable << static_cast<QAbstractButton*>(box.addButton(buttons[i], last ? QMessageBox::RejectRole
                                                    : i == 0 ? QMessageBox::AcceptRole
                                                             : QMessageBox::DestructiveRole));
    }
    box.exec();
    return int(pressable.indexOf(box.clickedButton()));
}

void MessageBoxPrompter::beep() {
    QApplication::beep();
}
