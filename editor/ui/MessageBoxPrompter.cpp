#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

bool MessageBoxPrompter::confirm(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void MessageBoxPrompter::inform(const QString& title, const QString& text) {
    QMessageBox::warning(parent_, title, text);
}

void MessageBoxPrompter::beep() {
    QApplication::beep();
}
