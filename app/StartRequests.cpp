// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartRequests.h"

#include "MapEditor.h"
#include "MapFiles.h"
#include "SingleInstance.h"

#include <QFileInfo>
#include <QWidget>

bool StartRequests::openMap(MapEditor& editor, const QString& path) {
    if (!editor.mayDiscardChanges()) return false;
    const QFileInfo file(path);
    MapFiles& files = editor.mapFiles();
    files.browser().setFolder(file.absolutePath());
    files.setFileName(file.fileName());
    return files.load();
}

void StartRequests::serve(SingleInstance& instance, QWidget& window, MapEditor& editor) {
    QObject::connect(&instance, &SingleInstance::requested, &window,
                     [&window, &editor](const QString& mapPath) {
                         window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
                         window.show();
                         window.raise();
                         window.activateWindow();
                         if (!mapPath.isEmpty()) openMap(editor, mapPath);
                     });
}
