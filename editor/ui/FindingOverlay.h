// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class GridView;
class MapEditor;

// The program check's marks over the grid: a see-through layer the size of
// the grid that marks the cells of the page on screen that have findings,
// where the grid draws them at its present scale. Presses go through to the
// grid.
class FindingOverlay : public QWidget {
    Q_OBJECT
public:
    FindingOverlay(MapEditor& editor, GridView* grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    MapEditor& editor_;
    GridView* grid_;
};
