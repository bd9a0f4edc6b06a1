// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class GridView;
class MapEditor;
class QLabel;
class QListWidget;

// The program check under the grid: what the last check found, one line a
// finding; a click turns to the finding's page and marks its cell. F7 runs
// the check. It puts the marks over the grid as well, and on the print
// when its box "Print check marks" is ticked (not by default).
class FindingsPanel : public QWidget {
    Q_OBJECT
public:
    FindingsPanel(MapEditor& editor, GridView* grid, QWidget* parent = nullptr);

private:
    void render();
    void choose(int row);

    MapEditor& editor_;
    QLabel* summary_;
    QListWidget* list_;
};
