#pragma once

#include "Prompter.h"

#include <QStringList>

// Answers questions as told and counts what it was asked.
class FakePrompter : public Prompter {
public:
    bool confirm(const QString&, const QString& text) override {
        questions << text;
        return answer;
    }
    void inform(const QString&, const QString& text) override { messages << text; }
    void beep() override { ++beeps; }

    bool answer = true;
    QStringList questions;
    QStringList messages;
    int beeps = 0;
};
