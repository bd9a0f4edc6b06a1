#pragma once

#include <QDateTime>
#include <QObject>
#include <QStringList>

class LadderMap;
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
    MapFiles(const ProgramFolder& folder, LadderMap& map, PageView& view,
             const QString& hardwareTable, Prompter& prompter);

    const QString& folder() const { return folder_; }
    void setFolder(const QString& folder);
    // The "*.map" files of the folder, without regard to case, sorted.
    QStringList mapFiles() const;
    // The sub-folders of the folder, without regard to case, sorted.
    QStringList folders() const;
    // The places a user can start from: the program folder, the home folder
    // and the mounted volumes.
    QStringList places() const;

    const QString& fileName() const { return fileName_; }
    // Every change of the file-name box; it also names the printed page.
    void setFileName(const QString& name);

    bool save();
    void loadByName();
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
    void folderChanged();
    void fileNameChanged(const QString& name);

private:
    QString pathOf(const QString& name) const;
    void appendToLog(const QString& line);

    const ProgramFolder& programFolder_;
    LadderMap& map_;
    PageView& view_;
    const QString& hardwareTable_;
    Prompter& prompter_;
    QString folder_;
    QString fileName_;
};
