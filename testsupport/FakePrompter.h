// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Prompter.h"

#include <QStringList>

// Answers questions as told and counts what it was asked.
class FakePrompter : public Prompter {
public:
    bool confirm(const QString&, const QString& text) override {
        questions << text;
        return answers.isEmpty() ? answer : answers.takeFirst();
    }
    void inform(const QString&, const QString& text) override { messages << text; }
    std::optional<QString> ask(const QString&, const QString& prompt,
                               const QString& shown) override {
        questions << prompt;
        shownAnswers << shown;
        return typed;
    }
    int choose(const QString&, const QString& text, const QStringList&) override {
        questions << text;
        return choice;
    }
    void beep() override { ++beeps; }

    bool answer = true;
    QList<bool> answers;          // the next questions' answers, before `answer`
    int choice = 0;               // the button choose() presses
    std::optional<QString> typed; // what the input box returns
    QStringList shownAnswers;     // what it showed to start with
    QStringList questions;
    QStringList messages;
    int beeps = 0;
};
