// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AssemblyPass.h"
#include "MacroBlocks.h"

#include <QString>
#include <QStringList>

class ProgramFolder;

// One assembly and what the assembler window shows of it. Its phases run in
// this order: the pass over the source, [halting the controller], loading the
// macro blocks, [the transfer], the image file, [starting the controller], the
// program map. The bracketed phases talk to the controller and are driven by
// the caller between these calls; without a controller they are left out and
// the phases run straight through (runWithoutController).
class Assmber {
public:
    explicit Assmber(const ProgramFolder& folder);

    // The switches and fields the phases read.
    void setWithController(bool on) { withController_ = on; } // "WR"
    bool withController() const { return withController_; }
    void setClearMacroList(bool on) { clearMacroList_ = on; }
    // Typing a macro folder switches macro loading on.
    void setMacroFolder(const QString& folder);
    void setMapName(const QString& name) { mapName_ = name; }
    const QString& mapName() const { return mapName_; }
    void setProgress(AssemblyPass::Progress progress) { progress_ = std::move(progress); }

    // Source replacement and the pass; false on an error, which the message
    // names. source is the text as the user wrote it.
    bool assemble(const QString& source);
    // Appends the macro blocks the source calls; false on a macro error.
    bool loadMacros();
    // The .BIN image file in plc and the program map with its file in mac.
    // Files that cannot be written are listed in fileErrors().
    void writeImageFile();
    void writeProgramMap();
    // Every phase that needs no controller, in order; false on an error.
    bool runWithoutController(const QString& source);

    // What the window shows.
    const QString& work() const { return work_; }
    const QString& code() const { return pass_.image.text(); }
    // The code box is editable: the later phases send and write what it holds.
    void setCode(const QString& text) { pass_.image.setText(text); }
    const QString& listing() const { return pass_.listing; }
    // The error report of the pass or the macro loading; empty after success.
    const QString& message() const { return message_; }
    // The same error as one source line (counted from 1) and what is wrong.
    int errorLine() const { return errorLine_; }
    const QString& errorReason() const { return errorReason_; }
    // The code image and its runs, as the message box shows it after a
    // finished download.
    const QString& programMap() const { return programMap_; }
    const QString& trace() const { return pass_.trace; }
    const QString& origin() const { return pass_.origin; }
    const QString& goToRow() const { return pass_.goToRow; }
    const QString& loadedMacros() const { return macros_.loaded(); }
    const QString& macroFileText() const { return macros_.fileText(); }
    int instructions() const { return pass_.instructions; }
    const QStringList& skippedReplacements() const { return skipped_; }
    const QStringList& fileErrors() const { return fileErrors_; }

    // The files the map name gives: plc\NAME.BIN (none without a ".") and
    // mac\NAME.MAP (none for an empty name).
    static QString imageFileName(const QString& mapName);
    // Why mapName cannot name those files, "" when it can: a plain file
    // name, not hidden, short enough for a file system.
    static QString mapNameProblem(const QString& mapName);

private:
    // Ends an assembly before the pass; false.
    bool refuse(const QString& refusal);
    void writeFile(const QString& relative, const QString& text);

    const ProgramFolder& folder_;
    MacroBlocks macros_;
    bool withController_ = false;
    bool clearMacroList_ = false;
    QString macroFolder_;
    QString mapName_;
    AssemblyPass::Progress progress_;

    QString source_;
    QString work_;
    QStringList skipped_;
    AssemblyPass::Result pass_; // its image also takes the macro blocks
    QString message_;
    int errorLine_ = 0;
    QString errorReason_;
    QString programMap_;
    QStringList fileErrors_;
};
