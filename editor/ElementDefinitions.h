// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <optional>

class DefinitionFiles;
class ElementCatalogue;
class LabelList;
class Pictures;
class EditHistory;
class Prompter;

// Designer mode and what it allows: editing a palette slot's template,
// bitmap and name, and copying the selected element into a slot. Every
// change is written back to the definition files at once.
class ElementDefinitions : public QObject {
    Q_OBJECT
public:
    // Designer mode needs the box ticked and this text in the file-name box.
    static inline const QString AccessText = QStringLiteral("Kelm Tavo");

    // The element definition editor's boxes.
    struct Draft {
        int slot = -1;
        QString templateText; // lines separated by CR LF or LF
        QString bitmapName;
        QString name;
    };

    ElementDefinitions(const DefinitionFiles& files, ElementCatalogue& catalogue,
                       Pictures& pictures, LabelList& labels, Prompter& prompter);

    bool designer() const { return designer_; }
    void designerBoxChanged(bool ticked, const QString& fileName);

    // The editor's boxes for a slot, with the templates read anew; nothing
    // outside designer mode.
    std::optional<Draft> open(int slot);
    // Stores the boxes into the slot and the files; false when a file failed.
    bool store(const Draft& draft);
    // Copies the selected element into a slot; false when a file failed.
    bool paletteCopy(int slot, const QString& bitmapName, const QString& templateText);

    // Ends every line that a line break follows with " >", unless the text
    // holds a ">" already or is a single character.
    static QString markLineEnds(const QString& text);

    // Where each rewrite of the files is kept, so that it can be undone.
    void setHistory(EditHistory* history) { history_ = history; }

signals:
    void catalogueChanged();

private:
    bool report(const QStringList& errors);
    // A slot's template and bitmap, in the catalogue and in def\; the errors.
    QStringList putSlot(int slot, const QString& templateText, const QString& bitmapName);

    const DefinitionFiles& files_;
    ElementCatalogue& catalogue_;
    Pictures& pictures_;
    LabelList& labels_;
    Prompter& prompter_;
    EditHistory* history_ = nullptr;
    bool designer_ = false;
};
