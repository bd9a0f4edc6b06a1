// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

class ProgramFolder;

// The texts the windows show beside the main window's captions: a tooltip
// for every control and the printed page's headings. fun_text1.txt holds
// them in Chinese, fun_text1_en.txt in English, beside the caption files;
// one "KEY=text" a line, "\n" in a text breaks the line, a line starting
// with '#' is a note.
class UiTexts {
public:
    // The file of the captions' language.
    static QString fileFor(const ProgramFolder& folder, bool english);
    // A missing or unreadable file gives no texts.
    static UiTexts load(const QString& path);
    static UiTexts parse(const QString& text);

    // The text of a key, or the fallback when the file has none.
    QString text(const QString& key, const QString& fallback = {}) const;
    // A control's tooltip: "WINDOW/CONTROL", or for a control of a numbered
    // row ("PageButton(4)") "WINDOW/PageButton(*)" with %1 the number
    // counted from 1.
    QString tip(const QString& window, const QString& control) const;

private:
    QHash<QString, QString> texts_;
};
