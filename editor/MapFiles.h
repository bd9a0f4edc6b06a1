// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FolderBrowser.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <optional>

class LadderMap;
class EditHistory;
class PageView;
class ProgramFolder;
class Prompter;

// The file frame's state and commands: the folder the file list shows, the
// file-name box (which is also the map's name for the whole program), save,
// the three ways to load, the load log and its history.
class MapFiles : public QObject {
    Q_OBJECT
public:
    // hardwareTable is the text the ".CHR" companion receives at every save.
    MapFiles(const ProgramFolder& folder, LadderMap& map, PageView& view, EditHistory& history,
             const QString& hardwareTable, Prompter& prompter);

    // The folder the file list shows and its "*.map" files.
    FolderBrowser& browser() { return browser_; }
    const FolderBrowser& browser() const { return browser_; }

    const QString& fileName() const { return fileName_; }
    // Every change of the file-name box; it also names the printed page.
    void setFileName(const QString& name);
    // A click in the file list: the clicked file becomes the name a save
    // uses, as in any save dialog. A double click begins with one.
    void pickFromList(const QString& name);
    // The file the map on screen was loaded from or last saved to ("" for
    // none yet).
    const QString& shownPath() const { return shownPath_; }
    // The file a save writes now: the file-name box's name (PLC.MAP when
    // empty, ".MAP" added when it has none) in the file list's folder.
    QString savePath() const;

    // "Save Files ?" naming the file and folder, then write().
    bool save();
    // The map into savePath() and its hardware table beside it; asks before
    // replacing a map that is not the one on screen; the user is told of a
    // failure.
    bool write();
    void loadByName();
    // A double click in the file list; Cancel puts back the name the click
    // before it replaced.
    void loadFromList(const QString& clickedName, const QDateTime& now);
    // Loads the map named in the file-name box; false when nothing was loaded.
    bool load();

    QString logPath() const;
    static QString logLine(const QString& fileName, const QDateTime& now);
    // The load log as the history box shows it: every item on a line.
    QString history() const;
    // A double click in the history box: the name up to the next ".MAP".
    void pickFromHistory(const QString& history, qsizetype caret);

signals:
    void fileNameChanged(const QString& name);
    // A save is to take more pages than the slider says.
    void pagesInUseWanted(int pages);

private:
    void appendToLog(const QString& line);
    bool choosePages();
    bool mayReplace(const QString& path);
    void showName(const QString& name);
    static QString withMapExtension(const QString& name);

    const ProgramFolder& programFolder_;
    LadderMap& map_;
    PageView& view_;
    EditHistory& history_;
    const QString& hardwareTable_;
    Prompter& prompter_;
    FolderBrowser browser_;
    QString fileName_;
    // The name a click in the file list replaced, until the name changes
    // otherwise.
    std::optional<QString> nameBeforePick_;
    QString shownPath_;
};
