// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementCatalogue.h"

#include <QWidget>

#include <array>

class MapEditor;
class PictureCache;
class QGroupBox;
class QPushButton;
class QStackedWidget;
class QToolButton;

// The element palette: the catalogue's groups of slots, one group shown at a
// time behind the group buttons "1" to "5"; each slot shows its bitmap with
// the element's name as tooltip.
class PalettePanel : public QWidget {
    Q_OBJECT
public:
    PalettePanel(MapEditor& editor, PictureCache& pictures, QWidget* parent = nullptr);

    void refresh();
    void showGroup(int group);
    void applyProduct(int product);
    void setCaptions(const QStringList& captions);
    QList<QWidget*> captionedWidgets() const;
    // The selected slot's border, shown while the blink state is on.
    void renderSelection(int slot, bool blinkOn);

signals:
    void slotClicked(int slot);
    void slotDoubleClicked(int slot);
    void slotRightPressed(int slot);
    // Something was dropped onto the slot: its help page is asked for.
    void slotDropped(int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int Columns = 3;

    bool dragOrDrop(QToolButton* tool, int slot, QEvent* event);

    MapEditor& editor_;
    PictureCache& pictures_;
    QStackedWidget* stack_;
    std::array<QPushButton*, ElementCatalogue::Groups> groupButtons_{};
    std::array<QGroupBox*, ElementCatalogue::Groups> groupFrames_{};
    std::array<QToolButton*, ElementCatalogue::Slots> slots_{};
    QPoint pressedAt_; // where the left button went down on a slot
    int shownSelection_ = -1;
    bool shownBlink_ = false;
};
