// SPDX-License-Identifier: LGPL-3.0-or-later
#include "FenrowWidgetInterface.h"

#include "ControlFactory.h"

#include <QWidget>

FenrowWidgetInterface::FenrowWidgetInterface(QString name, QString toolTip, QObject* parent)
    : QObject(parent), name_(std::move(name)), toolTip_(std::move(toolTip)) {}

QWidget* FenrowWidgetInterface::createWidget(QWidget* parent) {
    return ControlFactory::create(QStringLiteral("ProgressBarControl.") + name_, parent);
}
