// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class ProgramFolder;

// fun_name1.txt: 42 comma-delimited items that replace the main window's
// captions in a fixed order. A missing or short file leaves the built-in
// captions of the items it does not reach. The file holds Chinese captions;
// fun_name1_en.txt beside it, in the same format, English ones. Two captions
// follow the file's items, built in, in the language of the file read.
class CaptionFile {
public:
    static constexpr int Count = 42;
    // The file's items and the two built-in ones after them.
    static constexpr int AllCaptions = Count + 2;

    // Item numbers as the caption file counts them (1-based).
    enum Item {
        WindowTitle = 1,
        FirstGroupButton = 2,
        ElementFrame = 7,
        FirstEditMode = 8,
        OperandBox = 16,
        LadderFrame = 17,
        ShowCoordinates = 18,
        InstructionFrame = 19,
        CommandFrame = 20,
        ConvertButton = 21,
        FileFrameButton = 22,
        TracerButton = 23,
        DefinitionFrame = 24,
        BitmapListCaption = 25,
        DefinitionClose = 26,
        DefinitionSave = 27,
        FileFrame = 28,
        FileSave = 29,
        FileLoad = 30,
        FirstGridButton = 31,
        FirstKeypadButton = 34,
        FirstGroupFrame = 38,
        TransmitButton = 43,
        ElementCopyBox = 44,
    };

    // The language the caption file itself is written in.
    static QString fileLanguage() { return QStringLiteral("zh_TW"); }

    // The caption file for a language (a locale name, "zh_TW" or "en-GB"):
    // fun_name1.txt for Chinese, otherwise fun_name1_en.txt when the folder
    // has it, else fun_name1.txt after all.
    static QString fileFor(const ProgramFolder& folder, const QString& language);

    // Whether the captions of a language are the English file's.
    static bool isEnglish(const ProgramFolder& folder, const QString& language);

    static QStringList builtIn();
    // The 44 captions: the language's file's items over the built-in ones.
    static QStringList load(const ProgramFolder& folder, const QString& language = fileLanguage());
};
