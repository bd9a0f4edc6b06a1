// SPDX-License-Identifier: GPL-3.0-or-later
#include "Assmber.h"

#include "ProgramFolder.h"
#include "ProgramMap.h"
#include "SourceFile.h"
#include "SourceReplacement.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>

Assmber::Assmber(const ProgramFolder& folder) : folder_(folder), macros_(folder) {}

void Assmber::setMacroFolder(const QString& folder) {
    if (folder != macroFolder_) withController_ = true;
    macroFolder_ = folder;
}

bool Assmber::assemble(const QString& source) {
    if (clearMacroList_) macros_.clearLoaded();
    source_ = source;
    programMap_.clear();
    fileErrors_.clear();
    // A source typed or pasted into the box meets the bound of a source file.
    if (const QString refusal = SourceFile::tooLarge(QStringLiteral("The source"), source.size());
        !refusal.isEmpty())
        return refuse(refusal);
    SourceReplacement::Result prepared = SourceReplacement::Rep_prs(source, folder_);
    if (!prepared.refusal.isEmpty()) return refuse(prepared.refusal);
    work_ = AssemblyPass::withEnd(std::move(prepared.work));
    skipped_ = std::move(prepared.skipped);
    pass_ = AssemblyPass::run(work_, progress_);
    // PB1 is scaled for 4,096 instructions: a short program would end its
    // pass at 0 %.
    if (pass_.ok && progress_) progress_(100);
    message_ = pass_.message;
    errorLine_ = pass_.errorLine;
    errorReason_ = pass_.reason;
    return pass_.ok;
}

bool Assmber::refuse(const QString& refusal) {
    pass_ = {};
    pass_.ok = false;
    message_ = pass_.message = refusal;
    work_.clear();
    skipped_.clear();
    return false;
}

bool Assmber::loadMacros() {
    if (!withController_) return true;
    message_ = macros_.load(source_, macroFolder_, pass_.image);
    errorLine_ = macros_.failedLine();
    errorReason_ = macros_.failure();
    return message_.isEmpty();
}

QString Assmber::imageFileName(const QString& mapName) {
    const qsizetype dot = mapName.indexOf(u'.');
    return dot < 0 ? QString() : mapName.left(dot) + QStringLiteral(".BIN");
}

QString Assmber::mapNameProblem(const QString& mapName) {
    // The longest name most Linux file systems take, in bytes.
    constexpr qsizetype MaxNameBytes = 255;
    if (mapName.contains(u'/') || mapName.contains(u'\\') || mapName == u"." || mapName == u"..")
        return QStringLiteral("the map name \"%1\" is not a plain file name").arg(mapName);
    if (mapName.startsWith(u'.'))
        return QStringLiteral("the map name \"%1\" would make hidden files").arg(mapName);
    if (QFile::encodeName(mapName).size() > MaxNameBytes)
        return QStringLiteral("the map name is longer than a file name may be (%1 bytes)")
            .arg(MaxNameBytes);
    return {};
}

void Assmber::writeImageFile() {
    const QString name = imageFileName(mapName_);
    if (!name.isEmpty())
        writeFile(QStringLiteral("plc\\") + name, pass_.image.text() + QStringLiteral("\r\n"));
}

void Assmber::writeProgramMap() {
    programMap_ = ProgramMap::text(pass_.image.text());
    if (!mapName_.isEmpty())
        writeFile(QStringLiteral("mac\\") + mapName_, programMap_ + QStringLiteral("\r\n"));
}

bool Assmber::runWithoutController(const QString& source) {
    if (!assemble(source) || !loadMacros()) return false;
    writeImageFile();
    writeProgramMap();
    return true;
}

void Assmber::writeFile(const QString& relative, const QString& text) {
    const QString path = folder_.path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QString error;
    if (!TextFile::write(path, text, &error)) fileErrors_.append(error);
}
