#include "GridView.h"

#include "GridCursor.h"
#include "GridEditor.h"
#include "LadderMap.h"
#include "PageView.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

GridView::GridView(PageView& view, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), view_(view), painter_(pictures) {
    setObjectName(QStringLiteral("Grid"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize GridView::sizeHint() const {
    return GridPainter::size();
}

QSize GridView::minimumSizeHint() const {
    return (QSizeF(GridPainter::size()) * MinimumScale).toSize();
}

void GridView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSizeF natural = GridPainter::size();
    scale_ = std::clamp(std::min(width() / natural.width(), height() / natural.height()),
                        MinimumScale, MaximumScale);
    // Centred across, at the top.
    origin_ = QPointF(std::max(0.0, (width() - natural.width() * scale_) / 2), 0);
}

QRect GridView::onScreen(const QRect& grid) const {
    return QRectF(origin_ + QPointF(grid.topLeft()) * scale_, QSizeF(grid.size()) * scale_)
        .toRect();
}

QRect GridView::pictureRect(int cell) const {
    return onScreen(GridPainter::pictureRect(cell));
}

QRect GridView::labelRect(int cell) const {
    return onScreen(GridPainter::labelRect(cell));
}

void GridView::attachCellCursor(GridCursor& cursor) {
    cursor_ = &cursor;
    connect(cursor_, &GridCursor::moved, this, qOverload<>(&QWidget::update));
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (!cursor_ || !cursor_->press(event->key(), event->modifiers(), event->text()))
        QWidget::keyPressEvent(event);
}

void GridView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void GridView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

GridView::Hit GridView::hitTest(const QPoint& widgetPos) const {
    using G = GridPainter;
    const QPoint pos = ((QPointF(widgetPos) - origin_) / scale_).toPoint();
    const int column = (pos.x() - G::Left) / G::PitchX;
    const int row = (pos.y() - G::Top) / G::PitchY;
    if (pos.x() < G::Left || pos.y() < G::Top || column >= LadderMap::Columns ||
        row >= LadderMap::Rows)
        return {};
    const int cell = LadderMap::cellAt(row, column);
    const QRect label = G::labelRect(cell);
    if (label.contains(pos)) return {cell, true, pos - label.topLeft()};
    return {cell, false, pos - G::pictureRect(cell).topLeft()};
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    const Hit hit = hitTest(event->position().toPoint());
    if (hit.cell < 0) return;
    const int x = hit.inside.x() * GridPainter::Twips, y = hit.inside.y() * GridPainter::Twips;
    if (hit.onLabel)
        view_.pointerOverLabel(hit.cell, x, y);
    else
        view_.pointerOverCell(hit.cell, x, y);
}

void GridView::mousePressEvent(QMouseEvent* event) {
    const Hit hit = hitTest(event->position().toPoint());
    const int button = GridEditor::buttonOf(event->button());
    if (hit.cell < 0 || button == GridEditor::NoButton) return;
    if (hit.onLabel)
        emit labelPressed(hit.cell, button);
    else
        emit cellPressed(hit.cell, button);
}

bool GridView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const Hit hit = hitTest(help->pos());
    // Beside the cells (row numbers, margins) the grid tells its own keys.
    const QString hint = hit.cell < 0  ? toolTip()
                         : hit.onLabel ? QString()
                                       : view_.cell(hit.cell).hoverHint;
    if (hint.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), hint, this,
                           hit.cell < 0 ? QRect() : pictureRect(hit.cell));
    return true;
}

void GridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // What the scaled grid leaves free shows the window's own background.
    painter.fillRect(rect(), palette().window());
    painter.translate(origin_);
    painter.scale(scale_, scale_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale_ != 1);
    const PageView& view = view_;
    const bool border = view.markedCell() != PageView::NoCell && view.markedBorder();
    painter_.paint(painter,
                   {view.cells(), view.rowNumbers(), &view.rowNumberBackgrounds(),
                    border ? view.markedCell() : PageView::NoCell, view.coordinateLines()});
    painter.resetTransform();
    paintCursor(painter);
}

// The cursor frames picture and label in a colour of its own, unlike the
// marked cell's black blinking border: solid while the grid has the keys,
// dashed while they are elsewhere. The grid's own frame shows the focus.
void GridView::paintCursor(QPainter& painter) const {
    const QColor colour(0, 120, 215);
    if (hasFocus()) {
        painter.setPen(QPen(colour, 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (!cursor_) return;
    const int cell = cursor_->cell();
    const QRect frame = pictureRect(cell).united(labelRect(cell)).adjusted(-2, -2, 2, 2);
    painter.setPen(QPen(colour, 3, hasFocus() ? Qt::SolidLine : Qt::DashLine));
    painter.drawRect(frame);
}
