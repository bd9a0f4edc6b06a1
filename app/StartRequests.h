// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class MapEditor;
class QWidget;
class SingleInstance;

// What a start of Obel asks of the map editor: `Obel FILE.MAP` opens the map,
// and a later start brings the running window to the front with its map.
class StartRequests {
public:
    // Opens the map at path (relative to the current folder) through the
    // file frame: its folder becomes the file list's, its name the file-name
    // box's. Unsaved changes are asked about first; false when nothing was
    // loaded.
    static bool openMap(MapEditor& editor, const QString& path);
    // The first start answers the later ones with window and editor.
    static void serve(SingleInstance& instance, QWidget& window, MapEditor& editor);
};
