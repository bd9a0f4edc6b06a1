// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionFile.h"

#include "ItemReader.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QFileInfo>

QStringList CaptionFile::builtIn() {
    return {
        "norvette-c Map",
        "1",
        "2",
        "3",
        "4",
        "5",
        "Element",
        "放置元件",
        "刪除元件",
        "插入元件",
        "插入一行",
        "刪除一行",
        "複製上行",
        "刪除標誌",
        "剪下元件",
        "硬件群組表",
        "Ladder",
        "Coordinates",
        "Instruction",
        "Commands",
        "Convert",
        "File",
        "TRACER",
        "Element definition",
        "Bitmaps",
        "Close",
        "Save",
        "Files",
        "Save",
        "Exit",
        "Refresh",
        "Print",
        "Clear",
        "Del",
        "Ins",
        "Clr",
        "Enter",
        "Group 1",
        "Group 2",
        "Group 3",
        "Group 4",
        "Group 5",
        "傳送",
        "元件複製：左鍵選取，右鍵放置",
    };
}

QString CaptionFile::fileFor(const ProgramFolder& folder, const QString& language) {
    const QString chinese = folder.path(QStringLiteral("fun_name1.txt"));
    if (language.startsWith(u"zh", Qt::CaseInsensitive)) return chinese;
    const QString english = folder.path(QStringLiteral("fun_name1_en.txt"));
    return QFileInfo::exists(english) ? english : chinese;
}

bool CaptionFile::isEnglish(const ProgramFolder& folder, const QString& language) {
    return fileFor(folder, language) != folder.path(QStringLiteral("fun_name1.txt"));
}

QStringList CaptionFile::load(const ProgramFolder& folder, const QString& language) {
    QStringList captions = builtIn();
    const QString path = fileFor(folder, language);
    if (isEnglish(folder, language)) {
        captions[TransmitButton - 1] = QStringLiteral("Transmit");
        captions[ElementCopyBox - 1] =
            QStringLiteral("Element copy: left press picks, right press places");
    }
    const auto file = TextFile::read(path);
    if (!file) return captions;
    const QStringList items = ItemReader::items(*file);
    for (int i = 0; i < Count && i < items.size(); ++i)
        captions[i] = items[i];
    return captions;
}
