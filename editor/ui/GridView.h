#pragma once

#include "GridPainter.h"
#include "PictureCache.h"

#include <QWidget>

class PageView;

// The ladder grid on screen: the page view's cells as GridPainter draws them,
// with the pointer feedback, the hover hints and the presses on cells and
// labels.
class GridView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Left = GridPainter::Left;
    static constexpr int PitchX = GridPainter::PitchX;
    static constexpr int PictureHeight = GridPainter::PictureHeight;

    GridView(PageView& view, PictureCache& pictures, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QRect pictureRect(int cell) const;
    QRect labelRect(int cell) const;

signals:
    // A press on a cell's picture or label, with the button as the grid
    // editor numbers it.
    void cellPressed(int cell, int button);
    void labelPressed(int cell, int button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Hit {
        int cell = -1;
        bool onLabel = false;
        QPoint inside; // position inside the picture or label, in pixels
    };
    Hit hitTest(const QPoint& pos) const;

    PageView& view_;
    GridPainter painter_;
};
