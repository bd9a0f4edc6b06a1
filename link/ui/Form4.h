// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Tracer.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class TrendWindow;

// The tracer window: the 224 byte cells in rows of sixteen with the names of
// the first 160, the trace switch, "CLR", the "Modef" marker, the run/stop
// button, the slave address and poll interval, the answer under way, the
// poll position, the 48 bit buttons and the bits of the selected cell. It
// renders the Tracer's state and turns the user's actions into calls on it.
class Form4 : public QWidget {
    Q_OBJECT
public:
    static constexpr int CellsPerRow = 16;

    explicit Form4(Tracer& tracer, QWidget* parent = nullptr);

    // Where recordings go: a new file in this folder at each start.
    void setRecordingFolder(const QString& folder) { recordingFolder_ = folder; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A closed tracer puts no more reads on the line, as its switch would.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildControlRow();
    QWidget* buildCells();
    QWidget* buildBits();
    void toggleRecording();
    void renderCells(int first, int count);
    void renderCellColours();
    void renderState();

    Tracer& tracer_;
    QString recordingFolder_;
    QString recordingPath_;
    QString recordingError_;
    std::array<QLineEdit*, Tracer::Cells> cells_{};
    std::array<QLabel*, Tracer::NamedCells> names_{};
    std::array<QPushButton*, Tracer::BitButtons> bits_{};
    std::array<QLabel*, 8> bitLabels_{};
    std::array<QLineEdit*, 3> fields_{};
    QPushButton* switch_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* marker_ = nullptr;
    QPushButton* runStop_ = nullptr;
    QPushButton* record_ = nullptr;
    QLineEdit* received_ = nullptr;
    QLineEdit* pollBase_ = nullptr;
    QLineEdit* holdOff_ = nullptr;
    QLabel* bitMap_ = nullptr;
    QLabel* health_ = nullptr;
    QWidget* pb1_ = nullptr;
    TrendWindow* trend_ = nullptr; // made when first asked for
};
