#pragma once

#include "Prompter.h"

class QWidget;

// The desktop's message boxes and bell.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    bool confirm(const QString& title, const QString& text) override;
    void inform(const QString& title, const QString& text) override;
    std::optional<QString> ask(const QString& title, const QString& prompt,
                               const QString& answer) override;
    void beep() override;

private:
    QWidget* parent_;
};
