// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class ElementChooser;
class GridEditor;
class PageView;

// The cell cursor of the grid and what the keys do at it. Every keyed edit
// is a press the mouse could make on the cursor cell, through the grid
// editor's own calls, so the map, the page on screen, the history and the
// modified mark cannot tell the two ways apart.
class GridCursor : public QObject {
    Q_OBJECT
public:
    GridCursor(PageView& view, GridEditor& grid, ElementChooser& chooser);

    // A cell of the page on screen, 0 to 142.
    int cell() const { return cell_; }
    // Moves to the cell; a cell outside the page is ignored.
    void moveTo(int cell);
    // Moves by rows and columns, stopping at the page's edges.
    void moveBy(int rows, int columns);
    void rowStart();
    void rowEnd();
    // Ctrl+Home: page 1, cell 0.
    void home();

    // The place action at the cursor, then one cell right.
    void place();
    // The action a left press runs in the edit mode, at the cursor.
    void run(int mode);
    // The press on the cursor cell's label: the branch mark flips.
    void toggleMark();
    // The operand box on the cursor cell, as a right press opens it, with
    // what the user began typing in its field.
    void openLabel(const QString& typed = {});

    // A key pressed on the grid; false for a key the grid does not use.
    bool press(int key, Qt::KeyboardModifiers modifiers, const QString& text);

signals:
    void moved(int cell);
    // The element chooser is wanted, with what was typed to open it.
    void chooserWanted(const QString& typed);
    // The operand box opened from the keyboard: its field takes the keys.
    void labelOpened();

private:
    bool moveWith(int key);
    bool pressWithControl(int key);

    PageView& view_;
    GridEditor& grid_;
    ElementChooser& chooser_;
    int cell_ = 0;
};
