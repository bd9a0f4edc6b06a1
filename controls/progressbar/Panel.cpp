// SPDX-License-Identifier: LGPL-3.0-or-later
#include "Panel.h"

#include "OleColour.h"
#include "PropertyBag.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
int pixels(float twips) {
    return qRound(twips / Panel::TwipsPerPixel);
}
} // namespace

Panel::Panel(QWidget* parent) : QWidget(parent), label_(new QLabel(QStringLiteral("100%"), this)) {
    setObjectName(QStringLiteral("Panel"));
    setAutoFillBackground(true);
    setMouseTracking(true);
    label_->setAutoFillBackground(true);
    label_->setMouseTracking(true);
    label_->adjustSize();
    applyColours();
}

void Panel::applyColours() {
    const QColor back = OleColour::toColor(backColor_, palette());
    QPalette own = palette();
    own.setColor(QPalette::Window, back);
    setPalette(own);
    QPalette text = label_->palette();
    text.setColor(QPalette::Window, back);
    text.setColor(QPalette::WindowText, OleColour::toColor(labelColour_, palette()));
    label_->setPalette(text);
}

void Panel::setBackColor(quint32 colour) {
    backColor_ = colour;
    emit propertyChanged(QStringLiteral("BackColor"));
    applyColours();
}

void Panel::SetLL(float left) {
    label_->move(pixels(left), label_->y());
}
void Panel::SetLT(float top) {
    label_->move(label_->x(), pixels(top));
}

void Panel::SetLC(const QString& caption) {
    label_->setText(caption);
    label_->adjustSize();
}

void Panel::SetLFC(quint32 colour) {
    labelColour_ = colour;
    applyColours();
}

float Panel::GetL(bool width) const {
    return float((width ? label_->width() : label_->height()) * TwipsPerPixel);
}

void Panel::SetP(bool visible) {
    label_->setVisible(visible);
}

void Panel::readProperties(const PropertyBag& bag) {
    setBackColor(bag.read(QStringLiteral("BackColor"), DefaultBackColor).toUInt());
}

void Panel::writeProperties(PropertyBag& bag) const {
    bag.write(QStringLiteral("BackColor"), backColor_, DefaultBackColor);
}

void Panel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyColours();
}

void Panel::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved();
    label_->setToolTip(toolTip());
    QWidget::mouseMoveEvent(event);
}
