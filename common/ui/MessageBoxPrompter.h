// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Prompter.h"

#include <QMessageBox>

#include <memory>

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

    // The width a box needs for its whole title to show in the frame.
    static int titleRoom(const QString& title);
    // A box over the window the user works in, as wide as its title needs.
    std::unique_ptr<QMessageBox> box(QMessageBox::Icon icon, const QString& title,
                                     const QString& text,
                                     QMessageBox::StandardButtons buttons) const;

private:
    QWidget* owner() const;

    QWidget* parent_;
};
