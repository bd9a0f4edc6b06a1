// SPDX-License-Identifier: LGPL-3.0-or-later
#include "FenrowDesignerPlugin.h"

#include "FenrowWidgetInterface.h"

FenrowDesignerPlugin::FenrowDesignerPlugin(QObject* parent) : QObject(parent) {
    widgets_ << new FenrowWidgetInterface(QStringLiteral("PB"), tr("Progress bar with percentage"),
                                          this)
             << new FenrowWidgetInterface(QStringLiteral("Panel"),
                                          tr("Coloured panel with a label"), this);
}
