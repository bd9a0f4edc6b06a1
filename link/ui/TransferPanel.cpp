// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferPanel.h"

#include "ControlFactory.h"
#include "Link.h"
#include "Named.h"
#include "NumericText.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

TransferPanel::TransferPanel(Link& link, QWidget* parent)
    : QGroupBox(parent), link_(link),
      pb2_(ControlFactory::create(QStringLiteral("ProgressBarControl.PB"))),
      trace_(named(new QLineEdit, QStringLiteral("Text17"))),
      stop_(
          named(new QPushButton(QStringLiteral("Stop transfer")), QStringLiteral("StopTransfer"))),
      close_(named(new QLabel(QStringLiteral("X")), QStringLiteral("Label5"))),
      logSwitch_(named(new QCheckBox(QStringLiteral("RCV")), QStringLiteral("Check1"))),
      log_(named(new QPlainTextEdit, QStringLiteral("Text14"))) {
    setObjectName(QStringLiteral("Frame8"));
    setAutoFillBackground(true);
    // It floats over the boxes while it works: a frame of its own sets it apart.
    setStyleSheet(QStringLiteral("QGroupBox#Frame8 { border: 2px solid palette(highlight); "
                                 "background-color: palette(window); "
                                 "padding-top: 1.6em; font-weight: bold; }"
                                 "QGroupBox#Frame8::title { subcontrol-origin: padding; "
                                 "subcontrol-position: top left; left: 8px; top: 4px; }"));
    pb2_->setObjectName(QStringLiteral("PB2"));
    pb2_->setMinimumHeight(34);
    trace_->setReadOnly(true);
    close_->setCursor(Qt::PointingHandCursor);
    close_->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(pb2_, 1);
    top->addWidget(close_, 0, Qt::AlignTop);
    auto* row = new QHBoxLayout;
    row->addWidget(trace_, 1);
    row->addWidget(stop_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(row);
    layout->addWidget(buildReceiveLog(), 1);

    connect(stop_, &QPushButton::clicked, this, &TransferPanel::stopRequested);
    connect(&link_, &Link::traceChanged, this, [this] { setTrace(link_.trace()); });
    connect(&link_, &Link::receiveLogChanged, this,
            [this] { log_->setPlainText(link_.receiveLog().text()); });
}

QWidget* TransferPanel::buildReceiveLog() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    logCaptions_ = {named(new QLabel(QStringLiteral("RCV  DATA")), QStringLiteral("Label2(0)")),
                    named(new QLabel(QStringLiteral("User %")), QStringLiteral("Label2(1)"))};
    grid->addWidget(logSwitch_, 0, 0);
    grid->addWidget(logCaptions_[0], 0, 1);
    grid->addWidget(logCaptions_[1], 0, 2);
    for (int i = 0; i < int(filters_.size()); ++i) {
        filters_[i] = named(new QLineEdit(QString::number(link_.receiveLog().filter(i))),
                            QStringLiteral("Text15(%1)").arg(i));
        filters_[i]->setMaximumWidth(48);
        grid->addWidget(filters_[i], 0, 3 + i);
        connect(filters_[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            link_.receiveLog().setFilter(i, NumericText::floorInt(NumericText::value(text)));
        });
    }
    for (QLabel* caption : logCaptions_) {
        caption->installEventFilter(this);
    }
    log_->setReadOnly(true);
    grid->addWidget(log_, 1, 0, 1, 6);
    connect(logSwitch_, &QCheckBox::toggled, this,
            [this](bool on) { link_.receiveLog().setEnabled(on); });
    return box;
}

void TransferPanel::setPercent(float percent) {
    pb2_->setProperty("Value", percent);
}

void TransferPanel::setTrace(const QString& text) {
    trace_->setText(text);
}

void TransferPanel::setStopEnabled(bool on) {
    stop_->setEnabled(on);
}

bool TransferPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QGroupBox::eventFilter(watched, event);
    if (watched == close_) {
        hide();
    } else {
        link_.receiveLog().clear();
        log_->clear();
        emit logCleared();
    }
    return true;
}

void TransferPanel::mouseDoubleClickEvent(QMouseEvent*) {
    hide();
}
