// SPDX-License-Identifier: LGPL-3.0-or-later
#include "PB.h"

#include "OleColour.h"
#include "Panel.h"
#include "PropertyBag.h"

#include <QLabel>
#include <QPainter>
#include <QShowEvent>
#include <qdrawutil.h>

#include <cmath>

namespace {
int pixels(double twips) {
    return qRound(twips / PB::TwipsPerPixel);
}

void colourText(QLabel* label, const QColor& text, const QColor& back) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, back);
    label->setPalette(palette);
}
} // namespace

PB::PB(QWidget* parent)
    : QWidget(parent), bar_(new Panel(this)), text_(new QLabel(QStringLiteral("100%"), this)) {
    setObjectName(QStringLiteral("PB"));
    setMouseTracking(true);
    text_->setObjectName(QStringLiteral("PercentText"));
    text_->setAutoFillBackground(true);
    text_->setMouseTracking(true);
    text_->adjustSize();
    bar_->setBackColor(OleColour::Highlight);
    bar_->hide();
    // The bar passes over the background text; where it does, its own copy
    // of the text shows instead.
    bar_->raise();
    connect(bar_, &Panel::MouseMoved, this, [this] {
        bar_->setToolTip(toolTip());
        bar_->label()->setToolTip(toolTip());
    });
    relayout();
}

void PB::setFrameStyle(uchar style) {
    frameStyle_ = style;
    emit propertyChanged(QStringLiteral("FrameStyle"));
    update();
    DrawFrame();
    relayout();
}

void PB::setBackColor(quint32 colour) {
    change(backColor_, colour, "BackColor");
}

void PB::setMax(float max) {
    max_ = max;
    emit propertyChanged(QStringLiteral("Max"));
    Draws();
}

void PB::setCFC(bool on) {
    change(cfc_, on, "CFC");
}

void PB::setDFC(bool on) {
    change(dfc_, on, "DFC");
}

quint32 PB::ProgressColor() const {
    return bar_->BackColor();
}

void PB::setProgressColor(quint32 colour) {
    bar_->setBackColor(colour);
    emit propertyChanged(QStringLiteral("ProgressColor"));
    relayout();
}

void PB::setValue(float value) {
    value_ = value;
    emit propertyChanged(QStringLiteral("Value"));
    if (value == 0) {
        showZero();
        return;
    }
    bar_->show();
    if (value > max_)
        setValue(max_);
    else
        Draws();
}

void PB::showZero() {
    percent_ = 0;
    text_->setText(QStringLiteral("0%"));
    bar_->SetLC(QStringLiteral("0%"));
    bar_->hide();
    alignTexts();
    update();
    DrawFrame();
}

void PB::alignTexts() {
    text_->adjustSize();
    text_->move((width() - text_->width()) / 2, (height() - text_->height()) / 2);
    // The bar's copy lies exactly over the background text on screen.
    bar_->SetLL(float((text_->x() - bar_->x()) * TwipsPerPixel));
    bar_->SetLT(float((text_->y() - bar_->y()) * TwipsPerPixel));
}

void PB::relayout() {
    if (value_ != 0)
        bar_->show();
    else
        showZero();
    DrawFrame();
    const double barHeight = innerHeight() - (frameStyle_ == 3 ? 50 : 20);
    bar_->setGeometry(pixels(inset()), pixels(inset()), pixels(barWidth_), pixels(barHeight));
    const QColor back = OleColour::toColor(backColor_, palette());
    const QColor barColour = OleColour::toColor(bar_->BackColor(), palette());
    bar_->SetLFC(dfc_ ? OleColour::HighlightText : backColor_);
    colourText(text_, cfc_ ? barColour : OleColour::toColor(OleColour::ButtonText, palette()),
               back);
    alignTexts();
}

void PB::Draws() {
    // W / Max * Value fails for Max = 0, and a bar cannot be narrower than
    // nothing: either way the drawing ends quietly, as it always did.
    if (max_ == 0) return;
    double width = std::round(innerWidth() / max_ * value_) - 14 - inset();
    if (frameStyle_ == 3) width -= 10;
    if (!(width >= 0)) return;
    barWidth_ = width;
    bar_->resize(pixels(width), bar_->height());
    if (textShown_) {
        percent_ = std::clamp(int(std::floor(100.0 / max_ * value_)), 0, 255);
        const QString shown = QString::number(percent_) + u'%';
        text_->setText(shown);
        bar_->SetLC(shown);
        alignTexts();
    }
    emit Progress(uchar(percent_));
}

void PB::DrawFrame() {
    update();
}

void PB::ShwPt(bool visible) {
    textShown_ = visible;
    text_->setVisible(visible);
    bar_->SetP(visible);
}

void PB::paintEvent(QPaintEvent*) {
    // Every paint draws the bar and its texts anew and reports the percentage.
    // Draws moves child controls, which asks for paints of its own: it runs
    // just after this paint, never inside it, and once however many paints
    // were merged into this one.
    if (value_ > 0 && !drawsQueued_) {
        drawsQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                drawsQueued_ = false;
                if (value_ > 0) Draws();
            },
            Qt::QueuedConnection);
    }
    QPainter painter(this);
    painter.fillRect(rect(), OleColour::toColor(backColor_, palette()));
    switch (frameStyle_) {
    case 1:
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
        break;
    case 2:
        qDrawShadePanel(&painter, rect(), palette(), false, 1);
        break;
    case 3:
        qDrawWinPanel(&painter, rect(), palette(), true);
        break;
    default:
        break;
    }
}

void PB::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
    if (value_ > 0) Draws();
}

void PB::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    relayout();
}

void PB::mouseMoveEvent(QMouseEvent* event) {
    bar_->setToolTip(toolTip());
    QWidget::mouseMoveEvent(event);
}

void PB::readProperties(const PropertyBag& bag) {
    frameStyle_ = uchar(bag.read(QStringLiteral("FrameStyle"), 1).toUInt());
    backColor_ = bag.read(QStringLiteral("BackColor"), quint32(OleColour::ButtonFace)).toUInt();
    max_ = bag.read(QStringLiteral("Max"), 100.0f).toFloat();
    cfc_ = bag.read(QStringLiteral("CFC"), false).toBool();
    dfc_ = bag.read(QStringLiteral("DFC"), false).toBool();
    bar_->setBackColor(
        bag.read(QStringLiteral("ProgressColor"), quint32(OleColour::Highlight)).toUInt());
    value_ = bag.read(QStringLiteral("Value"), 0.0f).toFloat();
    relayout();
    if (value_ > 0) Draws();
}

void PB::writeProperties(PropertyBag& bag) const {
    bag.write(QStringLiteral("BackColor"), backColor_, quint32(OleColour::ButtonFace));
    bag.write(QStringLiteral("Max"), max_, 100.0f);
    bag.write(QStringLiteral("Value"), value_, 0.0f);
    bag.write(QStringLiteral("ProgressColor"), ProgressColor(), quint32(OleColour::Highlight));
    bag.write(QStringLiteral("FrameStyle"), uint(frameStyle_), 1u);
    bag.write(QStringLiteral("CFC"), cfc_, false);
    bag.write(QStringLiteral("DFC"), dfc_, false);
}
