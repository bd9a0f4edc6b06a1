// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Trend.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class TrendChart;

// The trend window beside the tracer: pick a cell (the one selected in the
// tracer, or any by its map.tab name) as a byte or one of its bits, watch
// the picked ones move over a window of 10 s to 10 min, pause the picture
// while the tracer goes on polling, read values with the cursor, and export
// the picture as PNG or SVG and the polls as the recording's CSV.
class TrendWindow : public QWidget {
    Q_OBJECT
public:
    explicit TrendWindow(Tracer& tracer, QWidget* parent = nullptr);

    Trend& trend() { return trend_; }
    // Writes the picture (.png, .svg) or the polls (.csv) by the file's
    // ending, and says on the status line what became of it.
    bool exportTo(const QString& path);
    QString status() const;

private:
    QWidget* buildPicker();
    QWidget* buildControls();
    void addPicked();
    void removeSelected();
    void followTracer();
    void askAndExport(const QString& suffix);
    void renderTraces();
    void say(const QString& text);

    Tracer& tracer_;
    Trend trend_;
    TrendChart* chart_ = nullptr;
    QComboBox* cell_ = nullptr;
    QComboBox* bit_ = nullptr;
    QListWidget* traces_ = nullptr;
    QComboBox* window_ = nullptr;
    QPushButton* pause_ = nullptr;
    QCheckBox* hex_ = nullptr;
    QLabel* status_ = nullptr;
    int followed_ = -1; // the tracer's selected cell last taken over
};
