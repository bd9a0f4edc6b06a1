// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class DefinitionFiles;
class EditHistory;
class Prompter;

// The ready-made operand labels of def\label.def: the list a user picks from
// and the same lines as one text (each line with CR LF in front), which is
// also the hardware table saved beside every map. The text can be edited
// only in designer mode, between "Edit" and "Exit".
class LabelList : public QObject {
    Q_OBJECT
public:
    LabelList(const DefinitionFiles& files, Prompter& prompter);

    void load();
    const QStringList& entries() const { return entries_; }
    const QString& text() const { return text_; }
    // Lines typed with LF alone are kept with CR LF, as the file has them.
    void setText(const QString& text);

    bool editEnabled() const { return editEnabled_; }
    void setEditEnabled(bool enabled);
    bool editing() const { return editing_; }
    void startEdit();
    // Writes the text to def\label.def and reads the list from it again.
    void finishEdit();

    // Where each rewrite of the files is kept, so that it can be undone.
    void setHistory(EditHistory* history) { history_ = history; }

signals:
    void changed();

private:
    const DefinitionFiles& files_;
    Prompter& prompter_;
    EditHistory* history_ = nullptr;
    QStringList entries_;
    QString text_;
    bool editEnabled_ = false;
    bool editing_ = false;
};
