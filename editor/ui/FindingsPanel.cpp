// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindingsPanel.h"

#include "FindingMarks.h"
#include "FindingOverlay.h"
#include "MapEditor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QVBoxLayout>

FindingsPanel::FindingsPanel(MapEditor& editor, GridView* grid, QWidget* parent)
    : QWidget(parent), editor_(editor), summary_(new QLabel), list_(new QListWidget) {
    setObjectName(QStringLiteral("Findings"));
    new FindingOverlay(editor, grid);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    summary_->setObjectName(QStringLiteral("FindingsSummary"));
    auto* printMarks = new QCheckBox(QStringLiteral("Print check marks"));
    printMarks->setObjectName(QStringLiteral("PrintCheckMarks"));
    printMarks->setToolTip(
        QStringLiteral("Grid button 2 prints the marks of the check's findings too"));
    connect(printMarks, &QCheckBox::toggled, &editor_, &MapEditor::setCheckMarksPrinted);
    auto* top = new QHBoxLayout;
    top->addWidget(summary_, 1);
    top->addWidget(printMarks);
    layout->addLayout(top);
    list_->setObjectName(QStringLiteral("FindingsList"));
    // Four lines; the grid keeps the rest of the room.
    list_->setUniformItemSizes(true);
    list_->setFixedHeight(4 * (list_->fontMetrics().lineSpacing() + 4) + 2 * list_->frameWidth());
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(list_->row(item)); });

    auto* key = new QShortcut(QKeySequence(Qt::Key_F7), this);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, &editor.findings(), &MapFindings::run);
    connect(&editor.findings(), &MapFindings::changed, this, &FindingsPanel::render);
    render();
}

void FindingsPanel::render() {
    const MapFindings& findings = editor_.findings();
    summary_->setText(findings.summary());
    const QList<Finding>& all = findings.findings();
    // A choice in the list changes only the marks; the list stays as it is.
    if (list_->count() != all.size() || findings.chosen() < 0) {
        list_->clear();
        for (const Finding& finding : all) {
            auto* item = new QListWidgetItem(
                QStringLiteral("%1  %2: %3")
                    .arg(finding.place(), finding.severityName(), finding.message));
            item->setForeground(FindingMarks::colour(finding.isError()).darker(120));
            item->setToolTip(QStringLiteral("%1 \"%2\"").arg(finding.element, finding.label));
            list_->addItem(item);
        }
    }
    list_->setVisible(!all.isEmpty());
}

void FindingsPanel::choose(int row) {
    MapFindings& findings = editor_.findings();
    if (row < 0 || row >= findings.findings().size()) return;
    editor_.view().showPage(findings.findings()[row].page);
    findings.choose(row);
}
