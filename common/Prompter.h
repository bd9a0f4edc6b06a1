#pragma once

#include <QString>

// Message boxes and the beep, behind an interface so that the cores can ask
// and tests can answer.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A question with OK and Cancel; true for OK.
    virtual bool confirm(const QString& title, const QString& text) = 0;
    virtual void inform(const QString& title, const QString& text) = 0;
    virtual void beep() = 0;
};
