#pragma once

#include "PictureCache.h"

#include <QWidget>

class PageView;

// The ladder grid: the cell views of one page (a picture with its label
// under it), the row numbers, the left rail and the dotted column guides through
// the column centres. Empty cells lie behind the guides, elements in front;
// an opaque label hides the guide and a transparent one lets it show, which
// draws the vertical connection to the row below.
class GridView : public QWidget {
    Q_OBJECT
public:
    // Pixel geometry: one twip of the original layout is 1/15 pixel.
    static constexpr int Twips = 15;
    static constexpr int RowNumberWidth = 30;
    static constexpr int Left = RowNumberWidth + 8; // the left rail
    static constexpr int Top = 16;
    static constexpr int PitchX = 64;
    static constexpr int PitchY = 48;
    static constexpr int PictureHeight = 35;
    static constexpr int LabelTop = 32;
    static constexpr int LabelHeight = 17;

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
    void drawPicture(QPainter& painter, int cell);
    void drawLabel(QPainter& painter, int cell);
    void drawGuides(QPainter& painter);
    void drawRowNumbers(QPainter& painter);

    PageView& view_;
    PictureCache& pictures_;
};
