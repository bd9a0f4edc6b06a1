// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Message boxes, the input box and the beep, behind an interface so that the cores can ask
// and tests can answer.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A question with OK and Cancel; true for OK.
    virtual bool confirm(const QString& title, const QString& text) = 0;
    virtual void inform(const QString& title, const QString& text) = 0;
    // An input box; nothing on Cancel.
    virtual std::optional<QString> ask(const QString& title, const QString& prompt,
                                       const QString& answer) = 0;
    // A question with buttons of its own: the index of the one pressed, -1
    // when the box was closed without one (as the last, cancelling, button).
    virtual int choose(const QString& title, const QString& text, const QStringList& buttons) = 0;
    virtual void beep() = 0;
};
