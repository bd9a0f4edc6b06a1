#include "GridView.h"

#include "GridEditor.h"
#include "LadderMap.h"
#include "PageView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

GridView::GridView(PageView& view, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), view_(view), pictures_(pictures) {
    setObjectName(QStringLiteral("Grid"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
}

QSize GridView::sizeHint() const {
    return {Left + PitchX * LadderMap::Columns + 8, Top + PitchY * LadderMap::Rows + 4};
}

QRect GridView::pictureRect(int cell) const {
    return {Left + PitchX * LadderMap::columnOf(cell), Top + PitchY * LadderMap::rowOf(cell),
            PitchX, PictureHeight};
}

QRect GridView::labelRect(int cell) const {
    return pictureRect(cell).translated(0, LabelTop).adjusted(0, 0, 0, LabelHeight - PictureHeight);
}

GridView::Hit GridView::hitTest(const QPoint& pos) const {
    const int column = (pos.x() - Left) / PitchX;
    const int row = (pos.y() - Top) / PitchY;
    if (pos.x() < Left || pos.y() < Top || column >= LadderMap::Columns || row >= LadderMap::Rows)
        return {};
    const int cell = LadderMap::cellAt(row, column);
    const QRect label = labelRect(cell);
    if (label.contains(pos)) return {cell, true, pos - label.topLeft()};
    return {cell, false, pos - pictureRect(cell).topLeft()};
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    const Hit hit = hitTest(event->position().toPoint());
    if (hit.cell < 0) return;
    const int x = hit.inside.x() * Twips, y = hit.inside.y() * Twips;
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

void GridView::drawPicture(QPainter& painter, int cell) {
    const QPixmap& pixmap = pictures_.get(view_.cell(cell).picture);
    if (!pixmap.isNull()) painter.drawPixmap(pictureRect(cell), pixmap);
    if (cell == view_.markedCell() && view_.markedBorder()) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(pictureRect(cell).adjusted(1, 1, -1, -1));
    }
}

void GridView::drawLabel(QPainter& painter, int cell) {
    const CellView& view = view_.cell(cell);
    const QRect rect = labelRect(cell);
    if (view.labelOpaque) painter.fillRect(rect, Qt::white);
    if (view.labelText.isEmpty()) return;
    painter.setPen(QColor::fromRgb(view.labelColour));
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, view.labelText);
}

void GridView::drawGuides(QPainter& painter) {
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
    for (int column = 0; column < LadderMap::Columns; ++column) {
        const int x = Left + PitchX * column + PitchX / 2;
        painter.drawLine(x, 0, x, height());
    }
}

void GridView::drawRowNumbers(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(Left, 0, Left, height());
    for (int row = 0; row < LadderMap::Rows; ++row) {
        const QRect rect(0, Top + PitchY * row + 8, RowNumberWidth, 18);
        painter.fillRect(rect, QColor::fromRgb(view_.rowNumberBackground(row)));
        painter.drawText(rect, Qt::AlignCenter, view_.rowNumber(row));
    }
}

void GridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QFont small = font();
    small.setPointSize(8);
    painter.setFont(small);
    for (int cell = 0; cell < PageView::Cells; ++cell)
        if (!view_.cell(cell).pictureInFront) drawPicture(painter, cell);
    drawGuides(painter);
    for (int cell = 0; cell < PageView::Cells; ++cell)
        if (view_.cell(cell).pictureInFront) drawPicture(painter, cell);
    for (int cell = 0; cell < PageView::Cells; ++cell)
        drawLabel(painter, cell);
    drawRowNumbers(painter);
}
