// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class MapEditor;
class PictureCache;
class QLineEdit;
class QListWidget;

// The quick element chooser over the grid: a filter field and the elements
// that match it (with nothing typed, the latest ones, numbered as Ctrl+1 to
// Ctrl+9 choose them). Up and Down pick, Enter chooses, Escape leaves.
class ElementChooserBox : public QFrame {
    Q_OBJECT
public:
    ElementChooserBox(MapEditor& editor, PictureCache& pictures, QWidget* parent = nullptr);

    // Shows the box with the filter holding what was typed to open it.
    void open(const QString& typed);

signals:
    // An element was chosen; the box is closed.
    void chosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill(const QString& typed);
    void chooseCurrent();

    MapEditor& editor_;
    PictureCache& pictures_;
    QLineEdit* filter_;
    QListWidget* list_;
};
