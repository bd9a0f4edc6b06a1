// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTips.h"

#include "UiTexts.h"

#include <QWidget>

void WindowTips::apply(QWidget& window, const UiTexts& texts) {
    const QString name = window.objectName();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty()) continue;
        if (const QString tip = texts.tip(name, control->objectName()); !tip.isEmpty())
            control->setToolTip(tip);
    }
}
