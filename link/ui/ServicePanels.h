// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Station.h"

#include <QWidget>

#include <array>

class QGridLayout;
class QLineEdit;
class QPushButton;

// The assembler window's service panels: "Write Memory", "R/T Test",
// "Modef Test", "TRMT", the clock setting and the table write, each a few
// hexadecimal fields, one button and a line saying what the button last sent
// and got back.
class ServicePanels : public QWidget {
    Q_OBJECT
public:
    explicit ServicePanels(Station& station, QWidget* parent = nullptr);

signals:
    // "T.Adj": the clock text and the tracer's address are the map editor's
    // and the tracer's to give.
    void clockSettingRequested();

private:
    template <std::size_t N>
    std::array<QLineEdit*, N> fields(QGridLayout* layout, const QString& name,
                                     const std::array<QString, N>& labels,
                                     const std::array<QString, N>& texts);
    void answerLine(QGridLayout* layout, Station::Tool tool);
    QPushButton* button(QGridLayout* layout, const QString& name, const QString& caption,
                        const QString& tip);

    Station& station_;
};
