#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

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

void MessageBoxPrompter::beep() {
    QApplication::beep();
}
