// SPDX-License-Identifier: LGPL-3.0-or-later
#include "ControlFactory.h"

#include "PB.h"
#include "Panel.h"
#include "PropertyBag.h"

#include <QtMath>

namespace {
int himetric(int pixels) {
    return qRound(pixels * 2540.0 / 96.0);
}
int fromHimetric(int units) {
    return qRound(units * 96.0 / 2540.0);
}
} // namespace

QWidget* ControlFactory::create(const QString& className, QWidget* parent) {
    if (className == u"ProgressBarControl.PB") return new PB(parent);
    if (className == u"ProgressBarControl.Panel") return new Panel(parent);
    return nullptr;
}

void ControlFactory::save(const QWidget* control, PropertyBag& bag) {
    bag.write(QStringLiteral("_extentx"), himetric(control->width()), QVariant());
    bag.write(QStringLiteral("_extenty"), himetric(control->height()), QVariant());
    if (const auto* pb = qobject_cast<const PB*>(control)) pb->writeProperties(bag);
    if (const auto* panel = qobject_cast<const Panel*>(control)) panel->writeProperties(bag);
}

void ControlFactory::load(QWidget* control, const PropertyBag& bag) {
    const int x = bag.read(QStringLiteral("_extentx"), himetric(control->width())).toInt();
    const int y = bag.read(QStringLiteral("_extenty"), himetric(control->height())).toInt();
    control->resize(fromHimetric(x), fromHimetric(y));
    if (auto* pb = qobject_cast<PB*>(control)) pb->readProperties(bag);
    if (auto* panel = qobject_cast<Panel*>(control)) panel->readProperties(bag);
}
