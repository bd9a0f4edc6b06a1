#include "ShippedFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

ShippedFolder::ShippedFolder() {
    const QDir shipped(qEnvironmentVariable("OBEL_TEST_PROGRAM_DIR"));
    QDirIterator it(shipped.path(), QDir::AllEntries | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = dir_.filePath(shipped.relativeFilePath(file));
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!it.fileInfo().isExecutable())
            QFile::copy(file, target);
    }
}
