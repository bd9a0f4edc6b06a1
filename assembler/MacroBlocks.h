// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CodeImage;
class ProgramFolder;

// The macro blocks a source calls, read from Intel HEX files in MACRO (or a
// sub-folder of it) and appended to the code image, so that one transfer
// sends the main program and its macros. A macro is loaded once: the list of
// loaded macros lasts from one assembly to the next until it is emptied.
class MacroBlocks {
public:
    static constexpr const char16_t* ErrorText = u"------ MACRO ERROR !! -------";

    explicit MacroBlocks(const ProgramFolder& folder) : folder_(folder) {}

    // Loads every macro that source (as the user wrote it) names after
    // "MACRO_x," and that is not loaded yet. Returns an empty text when all
    // went well, else the report for the message box.
    QString load(const QString& source, const QString& subFolder, CodeImage& image);

    // After a failed load: the source line (counted from 1) that names the
    // macro, and what is wrong with its file, in a few words.
    int failedLine() const { return failedLine_; }
    const QString& failure() const { return failure_; }

    // One "<NAME" line per loaded macro.
    const QString& loaded() const { return loaded_; }
    void clearLoaded() { loaded_.clear(); }
    // The text of the macro file read last.
    const QString& fileText() const { return fileText_; }

    // Macro files are linked 0xE00 above the image: block n at 0x1000 + 16n
    // lands at 0x200 + 16n.
    static constexpr int LinkOffset = 0xE00;

private:
    QString loadOne(const QString& name, const QString& subFolder, CodeImage& image);
    QString readFile(const QString& relative);

    const ProgramFolder& folder_;
    QString loaded_;
    QString fileText_;
    int failedLine_ = 0;
    QString failure_;
};
