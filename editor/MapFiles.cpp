// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapFiles.h"

#include "EditHistory.h"
#include "ItemReader.h"
#include "LadderMap.h"
#include "MapFile.h"
#include "PageView.h"
#include "ProgramFolder.h"
#include "Prompter.h"
#include "TextCodec.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString Title = QStringLiteral("VantMAP");

bool endsAsMap(const QString& name) {
    return name.endsWith(u".map", Qt::CaseInsensitive);
}

bool sameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}
} // namespace

MapFiles::MapFiles(const ProgramFolder& folder, LadderMap& map, PageView& view,
                   EditHistory& history, const QString& hardwareTable, Prompter& prompter)
    : programFolder_(folder), map_(map), view_(view), history_(history),
      hardwareTable_(hardwareTable), prompter_(prompter),
      browser_(folder.root(), QStringLiteral("*.map")) {}

void MapFiles::setFileName(const QString& name) {
    if (name == fileName_) return;
    nameBeforePick_.reset();
    showName(name);
}

void MapFiles::showName(const QString& name) {
    fileName_ = name;
    view_.setProjectName(name);
    emit fileNameChanged(name);
}

void MapFiles::pickFromList(const QString& name) {
    const QString before = fileName_;
    showName(name);
    nameBeforePick_ = before;
}

QString MapFiles::withMapExtension(const QString& name) {
    const QString named = name.trimmed().isEmpty() ? QStringLiteral("PLC.MAP") : name;
    return named.contains(u".map", Qt::CaseInsensitive) ? named : named + QStringLiteral(".MAP");
}

QString MapFiles::savePath() const {
    return browser_.pathOf(withMapExtension(fileName_));
}

bool MapFiles::save() {
    const QFileInfo target(savePath());
    return prompter_.confirm(
               Title, QStringLiteral("Save Files ?\n\n%1\nin %2")
                          .arg(target.fileName(), QDir::toNativeSeparators(target.path()))) &&
           write();
}

// A name clicked in the file list is the name a save uses; writing over
// another map than the one on screen must not happen without a word.
bool MapFiles::mayReplace(const QString& path) {
    if (!QFileInfo::exists(path) || sameFile(path, shownPath_)) return true;
    const QString shown = shownPath_.isEmpty() ? QStringLiteral("a map not saved yet")
                                               : QFileInfo(shownPath_).fileName();
    return prompter_.confirm(
        Title, QStringLiteral("%1 already exists in %2, and the map on screen is %3.\n"
                              "Replace %1 with the map on screen?")
                   .arg(QFileInfo(path).fileName(),
                        QDir::toNativeSeparators(QFileInfo(path).path()), shown));
}

// A save takes the pages up to the page slider's; pages after them that hold
// elements must not be dropped without a word.
bool MapFiles::choosePages() {
    const int lastSaved = map_.pagesInUse();
    int last = -1;
    for (int page = lastSaved + 1; page < LadderMap::Pages; ++page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell)
            if (LadderMap::holdsElement(map_.cell(page, cell).A)) last = page;
    if (last < 0) return true;
    switch (prompter_.choose(
        Title,
        QStringLiteral("Page %1 holds elements, but the page slider saves only pages 1 to %2. "
                       "Save up to page %1?")
            .arg(last + 1)
            .arg(lastSaved + 1),
        {QStringLiteral("Save up to page %1").arg(last + 1),
         QStringLiteral("Save pages 1 to %1").arg(lastSaved + 1), QStringLiteral("Cancel")})) {
    case 0:
        emit pagesInUseWanted(last);
        return true;
    case 1:
        return true;
    default:
        return false;
    }
}

bool MapFiles::write() {
    const QString path = savePath();
    if (!mayReplace(path) || !choosePages()) return false;
    const QString name = withMapExtension(fileName_);
    setFileName(name);

    QString error;
    if (!TextFile::write(path, MapFile::write(map_, map_.pagesInUse()), &error)) {
        prompter_.inform(Title, QStringLiteral("The map was not saved.\n%1").arg(error));
        return false;
    }
    shownPath_ = path;
    browser_.rescan();
    history_.markClean();
    const QString companion = browser_.pathOf(MapFile::companionName(name));
    if (!TextFile::write(companion, hardwareTable_ + QStringLiteral("\r\n"), &error)) {
        prompter_.inform(
            Title, QStringLiteral("The map was saved, its hardware table was not.\n%1").arg(error));
        return false;
    }
    return true;
}

void MapFiles::loadByName() {
    if (!prompter_.confirm(Title, QStringLiteral("Load New Files ?"))) return;
    if (!endsAsMap(fileName_)) setFileName(fileName_ + QStringLiteral(".MAP"));
    load();
}

void MapFiles::loadFromList(const QString& clickedName, const QDateTime& now) {
    if (!prompter_.confirm(Title, QStringLiteral("Load New Files ?"))) {
        // The click that began the double click named the file to load, not
        // the file to save.
        if (nameBeforePick_ && fileName_ == clickedName) setFileName(QString(*nameBeforePick_));
        return;
    }
    appendToLog(logLine(fileName_, now));
    if (!endsAsMap(clickedName)) {
        setFileName(QString());
        return;
    }
    setFileName(clickedName);
    load();
}

bool MapFiles::load() {
    if (fileName_.trimmed().isEmpty()) return false;
    QFile file(browser_.pathOf(fileName_));
    // The map is cleared only once the file is open: a mistyped name must
    // not cost the drawing on screen.
    if (!file.open(QIODevice::ReadOnly)) {
        prompter_.inform(Title,
                         QStringLiteral("Cannot open %1: %2\nThe map on screen is unchanged.")
                             .arg(file.fileName(), file.errorString()));
        return false;
    }
    {
        // A load that replaced the map can be taken back like any edit.
        const EditHistory::Edit edit(history_, QStringLiteral("load"));
        map_.clr_map();
        MapFile::read(file, map_);
    }
    history_.markClean();
    shownPath_ = file.fileName();
    view_.showPage(0);
    return true;
}

QString MapFiles::logPath() const {
    return programFolder_.path(QStringLiteral("PLC/List.txt"));
}

QString MapFiles::logLine(const QString& fileName, const QDateTime& now) {
    return fileName + QStringLiteral("  <<<< ") + now.toString(QStringLiteral("MM-dd-yyyy")) +
           QStringLiteral("  ") + now.toString(QStringLiteral("HH:mm:ss"));
}

void MapFiles::appendToLog(const QString& line) {
    // The log is a record beside the work: when it cannot be written the
    // load still goes on.
    QFile log(logPath());
    if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write(TextCodec::encode(line + QStringLiteral("\r\n")));
}

QString MapFiles::history() const {
    QString text;
    if (const auto log = TextFile::read(logPath()))
        for (const QString& item : ItemReader::items(*log))
            text += item + QStringLiteral("\r\n");
    return text;
}

void MapFiles::pickFromHistory(const QString& history, qsizetype caret) {
    if (caret < 0 || caret > history.size()) return;
    const qsizetype end = history.indexOf(QStringLiteral(".MAP"), caret);
    if (end < 0) return;
    setFileName(history.mid(caret, end + 4 - caret).trimmed());
}
