// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelList.h"

#include "DefinitionFiles.h"
#include "EditHistory.h"
#include "LineEnds.h"
#include "Prompter.h"

LabelList::LabelList(const DefinitionFiles& files, Prompter& prompter)
    : files_(files), prompter_(prompter) {}

void LabelList::load() {
    entries_ = files_.loadLabels();
    text_.clear();
    for (const QString& label : entries_)
        text_ += QStringLiteral("\r\n") + label;
    emit changed();
}

void LabelList::setText(const QString& text) {
    text_ = LineEnds::crLf(text);
}

void LabelList::setEditEnabled(bool enabled) {
    editEnabled_ = enabled;
    emit changed();
}

void LabelList::startEdit() {
    if (!editEnabled_) return;
    editing_ = true;
    emit changed();
}

void LabelList::finishEdit() {
    editing_ = false;
    std::optional<EditHistory::FileEdit> edit;
    if (history_) edit.emplace(*history_, QStringLiteral("label list"));
    QString error;
    // Every line of the text has its line end in front; the file has them behind.
    const QString lines = text_.startsWith(QStringLiteral("\r\n")) ? text_.mid(2) : text_;
    if (files_.writeLabels(lines, &error)) {
        entries_ = files_.loadLabels();
    } else {
        prompter_.inform(QStringLiteral("VantMAP"),
                         QStringLiteral("The label list was not saved.\n%1").arg(error));
    }
    emit changed();
}
