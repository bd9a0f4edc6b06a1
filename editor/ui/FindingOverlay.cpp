// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindingOverlay.h"

#include "FindingMarks.h"
#include "GridView.h"
#include "MapEditor.h"

#include <QEvent>
#include <QPainter>

FindingOverlay::FindingOverlay(MapEditor& editor, GridView* grid)
    : QWidget(grid), editor_(editor), grid_(grid) {
    setObjectName(QStringLiteral("FindingMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(grid->rect());
    grid->installEventFilter(this);
    connect(&editor.findings(), &MapFindings::changed, this, qOverload<>(&QWidget::update));
    connect(&editor.view(), &PageView::changed, this, qOverload<>(&QWidget::update));
}

bool FindingOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::Resize) setGeometry(grid_->rect());
    return QWidget::eventFilter(watched, event);
}

void FindingOverlay::paintEvent(QPaintEvent*) {
    const MapFindings& findings = editor_.findings();
    const int page = editor_.map().currentPage();
    const FindingMarks::Cells errorAt = FindingMarks::onPage(findings.findings(), page);
    if (errorAt.empty()) return;
    const Finding* chosen =
        findings.chosen() >= 0 ? &findings.findings()[findings.chosen()] : nullptr;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [cell, error] : errorAt)
        FindingMarks::paint(painter, grid_->pictureRect(cell), error,
                            chosen && chosen->page == page && chosen->cell == cell);
}
