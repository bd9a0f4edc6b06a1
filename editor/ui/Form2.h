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
    explicit Form2(const PageView& view, QWidget* parent = nullptr);

    // Draws the window's whole client area as large as fits into target.
    void printOn(QPainter& painter, const QRectF& target) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PageView& view_;
    PictureCache pictures_;
    PrintSheet sheet_{pictures_};
};
