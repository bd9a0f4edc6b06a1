// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureCache.h"
#include "PrintSheet.h"

#include <QWidget>

class PageView;

// The print window "norvette-c  PLC  PRINT": the page the editor showed
// last, with its headings, as it goes to the printer. It is never shown; it
// exists to be printed.
class Form2 : public QWidget {
    Q_OBJECT
public:
    static constexpr int PngDotsPerInch = 150;

    explicit Form2(const PageView& view, QWidget* parent = nullptr);

    // Draws the window's whole client area as large as fits into target.
    void printOn(QPainter& painter, const QRectF& target) const;
    // Writes the client area as an SVG or PNG picture, as the file's
    // extension says; false with the reason in error.
    bool saveAsPicture(const QString& file, QString& error) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PageView& view_;
    PictureCache pictures_;
    PrintSheet sheet_{pictures_};
};
