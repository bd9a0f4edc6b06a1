#include "GridView.h"

#include "GridEditor.h"
#include "LadderMap.h"
#include "PageView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

GridView::GridView(PageView& view, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), view_(view), painter_(pictures) {
    setObjectName(QStringLiteral("Grid"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
}

QSize GridView::sizeHint() const {
    return GridPainter::size();
}

QRect GridView::pictureRect(int cell) const {
    return GridPainter::pictureRect(cell);
}

QRect GridView::labelRect(int cell) const {
    return GridPainter::labelRect(cell);
}

GridView::Hit GridView::hitTest(const QPoint& pos) const {
    using G = GridPainter;
    const int column = (pos.x() - G::Left) / G::PitchX;
    const int row = (pos.y() - G::Top) / G::PitchY;
    if (pos.x() < G::Left || pos.y() < G::Top || column >= LadderMap::Columns ||
        row >= LadderMap::Rows)
        return {};
    const int cell = LadderMap::cellAt(row, column);
    const QRect label = labelRect(cell);
    if (label.contains(pos)) return {cell, true, pos - label.topLeft()};
    return {cell, false, pos - pictureRect(cell).topLeft()};
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
    const QString hint = hit.cell >= 0 && !hit.onLabel ? view_.cell(hit.cell).hoverHint : QString();
    if (hint.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), hint, this, pictureRect(hit.cell));
    return true;
}

void GridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const PageView& view = view_;
    const bool border = view.markedCell() != PageView::NoCell && view.markedBorder();
    painter_.paint(painter,
                   {view.cells(), view.rowNumbers(), &view.rowNumberBackgrounds(),
                    border ? view.markedCell() : PageView::NoCell, view.coordinateLines()});
}
