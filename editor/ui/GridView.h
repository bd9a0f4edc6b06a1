#pragma once

#include "GridPainter.h"
#include "PictureCache.h"

#include <QWidget>

class GridCursor;
class PageView;

// The ladder grid on screen: the page view's cells as GridPainter draws them,
// with the pointer feedback, the hover hints and the presses on cells and
// labels, and the cell cursor with the keys. The grid is drawn to fit the widget, keeping its
// proportions: smaller on a small screen (down to a readable minimum), larger on a large one.
class GridView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Left = GridPainter::Left;
    static constexpr int PitchX = GridPainter::PitchX;
    static constexpr int PictureHeight = GridPainter::PictureHeight;

    GridView(PageView& view, PictureCache& pictures, QWidget* parent = nullptr);

    // The smallest share of the grid's natural size it is drawn at.
    static constexpr double MinimumScale = 0.7;
    static constexpr double MaximumScale = 2.5;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Where cell pictures and labels lie in the widget, as drawn now.
    QRect pictureRect(int cell) const;
    QRect labelRect(int cell) const;
    double scale() const { return scale_; }
    // The cell cursor the grid shows and hands its keys to.
    void attachCellCursor(GridCursor& cursor);

signals:
    // A press on a cell's picture or label, with the button as the grid
    // editor numbers it.
    void cellPressed(int cell, int button);
    void labelPressed(int cell, int button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Hit {
        int cell = -1;
        bool onLabel = false;
        QPoint inside; // position inside the picture or label, in pixels
    };
    Hit hitTest(const QPoint& pos) const;
    QRect onScreen(const QRect& grid) const;
    void paintCursor(QPainter& painter) const;

    PageView& view_;
    GridCursor* cursor_ = nullptr;
    GridPainter painter_;
    double scale_ = 1;
    QPointF origin_; // where the grid's top left corner is drawn
};
