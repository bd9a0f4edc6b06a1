#pragma once

#include "Prompter.h"

class QWidget;

// The desktop's message boxes and bell. A box belongs to the window the user
// works in, so it opens over that window and hands the focus back to it; to
// the given parent when no window is active (at start-up).
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    bool confirm(const QString& title, const QString& text) override;
    void inform(const QString& title, const QString& text) override;
    std::optional<QString> ask(const QString& title, const QString& prompt,
                               const QString& answer) override;
    int choose(const QString& title, const QString& text, const QStringList& buttons) override;
    void beep() override;

private:
    QWidget* owner() const;

    QWidget* parent_;
};
