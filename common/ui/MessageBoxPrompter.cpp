#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

bool MessageBoxPrompter::confirm(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void MessageBoxPrompter::inform(const QString& title, const QString& text) {
    QMessageBox::warning(parent_, title, text);
}

std::optional<QString> MessageBoxPrompter::ask(const QString& title, const QString& prompt,
                                               const QString& answer) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, answer, &ok);
    if (!ok) return std::nullopt;
    return text;
}

void MessageBoxPrompter::beep() {
    QApplication::beep();
}
