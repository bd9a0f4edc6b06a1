// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form2.h"

#include "PageView.h"
#include "SheetPicture.h"

#include <QFileInfo>
#include <QPainter>

Form2::Form2(const PageView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("norvette-c  PLC  PRINT"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(PrintSheet::size());
}

void Form2::printOn(QPainter& painter, const QRectF& target) const {
    sheet_.paintScaled(painter, target, view_.printPage());
}

bool Form2::saveAsPicture(const QString& file, QString& error) const {
    const SheetPicture picture(sheet_);
    if (QFileInfo(file).suffix().compare(u"svg", Qt::CaseInsensitive) == 0)
        return picture.writeSvg(file, view_.printPage(), windowTitle(), error);
    return picture.writePng(file, view_.printPage(), PngDotsPerInch, error);
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    sheet_.paint(painter, view_.printPage());
}
