// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementPainter.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int W = ElementPainter::Width;
constexpr int H = ElementPainter::Height;
constexpr int Mid = H / 2;
constexpr int Cx = W / 2;

enum class Shape { Blank, Lines, Contact, Coil, Box };

// Line pieces as the edges they reach: left, right, up, down.
struct Piece {
    bool left, right, up, down;
};

struct Element {
    Shape shape;
    QString text; // mnemonic shown in the picture
    bool slashed = false;
    Piece piece{};
};

const QHash<QString, Element>& elements() {
    static const QHash<QString, Element> table{
        {"space.bmp", {Shape::Blank, {}}},
        {"line1.bmp", {Shape::Lines, {}, false, {true, true, false, false}}},
        {"line2.bmp", {Shape::Lines, {}, false, {false, false, true, true}}},
        {"line3.bmp", {Shape::Lines, {}, false, {true, true, false, true}}},
        {"line4.bmp", {Shape::Lines, {}, false, {true, true, true, false}}},
        {"line5.bmp", {Shape::Lines, {}, false, {true, false, true, true}}},
        {"line6.bmp", {Shape::Lines, {}, false, {false, true, true, true}}},
        {"line7.bmp", {Shape::Lines, {}, false, {true, false, false, true}}},
        {"line8.bmp", {Shape::Lines, {}, false, {true, false, true, false}}},
        {"line9.bmp", {Shape::Lines, {}, false, {false, true, false, true}}},
        {"line10.bmp", {Shape::Lines, {}, false, {false, true, true, false}}},
        {"no.bmp", {Shape::Contact, {}}},
        {"nc.bmp", {Shape::Contact, {}, true}},
        {"out.bmp", {Shape::Coil, {}}},
        {"nout.bmp", {Shape::Coil, {}, true}},
        {"outm.bmp", {Shape::Coil, "M"}},
        {"not.bmp", {Shape::Box, "NOT"}},
        {"andm.bmp", {Shape::Contact, "M"}},
        {"orm.bmp", {Shape::Contact, "OM"}},
        {"feg.bmp", {Shape::Contact, QStringLiteral("↑")}},
        {"key.bmp", {Shape::Contact, "K"}},
        {"keym.bmp", {Shape::Contact, "KM"}},
        {"run.bmp", {Shape::Box, "RUN"}},
        {"end.bmp", {Shape::Box, "END"}},
        {"goto.bmp", {Shape::Box, "JMP"}},
        {"label.bmp", {Shape::Box, "LBL"}},
        {"call.bmp", {Shape::Box, "CALL"}},
        {"ret.bmp", {Shape::Box, "RET"}},
        {"mgr.bmp", {Shape::Box, "MGR"}},
        {"mgw.bmp", {Shape::Box, "MGW"}},
        {"mem_s.bmp", {Shape::Coil, "S"}},
        {"mem_c.bmp", {Shape::Coil, "R"}},
        {"tran.bmp", {Shape::Box, "MOV"}},
        {"rcv.bmp", {Shape::Box, "RCV"}},
        {"push.bmp", {Shape::Box, "PUSH"}},
        {"pop.bmp", {Shape::Box, "POP"}},
        {"del_s.bmp", {Shape::Box, "TON"}},
        {"del_tg.bmp", {Shape::Box, "TG"}},
        {"pos_s.bmp", {Shape::Box, "PLS"}},
        {"cot_s.bmp", {Shape::Box, "CNT"}},
        {"cot_up.bmp", {Shape::Box, "CTU"}},
        {"cot_dw.bmp", {Shape::Box, "CTD"}},
        {"tbase.bmp", {Shape::Box, "TB"}},
        {"cpb.bmp", {Shape::Box, ">"}},
        {"cps.bmp", {Shape::Box, "<"}},
        {"cpx.bmp", {Shape::Box, "="}},
        {"add.bmp", {Shape::Box, "ADD"}},
        {"sub.bmp", {Shape::Box, "SUB"}},
        {"or.bmp", {Shape::Box, "OR"}},
        {"xor.bmp", {Shape::Box, "XOR"}},
        {"I_FLAG.bmp", {Shape::Box, "I"}},
        {"K_FLAG.bmp", {Shape::Box, "K"}},
        {"BCD_FLAG.bmp", {Shape::Box, "BCD"}},
    };
    return table;
}

struct Palette {
    QColor line;
    int width;
    QColor fill; // inside contacts, coils and boxes
    QColor text;
};

Palette paletteOf(ElementPainter::Style style) {
    if (style == ElementPainter::Style::Classic) return {Qt::black, 2, Qt::white, Qt::black};
    return {QColor(0, 0, 128), 3, QColor(255, 244, 176), QColor(160, 0, 0)};
}

QFont markingFont(const QPainter& p, const QString& text) {
    QFont font = p.font();
    font.setPixelSize(text.size() > 3 ? 9 : 11);
    font.setBold(true);
    return font;
}

void drawText(QPainter& p, const QRect& rect, const QString& text, const Palette& colours) {
    if (text.isEmpty()) return;
    p.setFont(markingFont(p, text));
    p.setPen(colours.text);
    p.drawText(rect, Qt::AlignCenter, text);
}

void drawRung(QPainter& p, int leftEnd, int rightStart) {
    p.drawLine(0, Mid, leftEnd, Mid);
    p.drawLine(rightStart, Mid, W, Mid);
}

} // namespace

// The bars stand 16 pixels apart, further when the marking needs it: it
// keeps a pixel clear of each bar's stroke, whatever the font.
ElementPainter::ContactBars ElementPainter::contactBars(const QString& name) const {
    const auto it = elements().constFind(name);
    if (it == elements().cend() || it->shape != Shape::Contact) return {};
    QImage probe(1, 1, QImage::Format_RGB888);
    QPainter p(&probe);
    const int textWidth =
        it->text.isEmpty() ? 0 : QFontMetrics(markingFont(p, it->text)).horizontalAdvance(it->text);
    const int stroke = paletteOf(style_).width;
    const int gap = std::max(16, textWidth + stroke + 2 + 1);
    return {Cx - gap / 2, Cx - gap / 2 + gap};
}

namespace {

void drawContact(QPainter& p, const Element& e, const Palette& c, bool tinted,
                 ElementPainter::ContactBars bars) {
    const int left = bars.left, right = bars.right;
    drawRung(p, left, right);
    if (tinted) p.fillRect(QRect(left, 8, right - left, 19), c.fill);
    p.drawLine(left, 7, left, 27);
    p.drawLine(right, 7, right, 27);
    if (e.slashed) p.drawLine(left - 3, 27, right + 3, 7);
    drawText(p, QRect(left, 8, right - left + 1, 19), e.text, c);
}

void drawCoil(QPainter& p, const Element& e, const Palette& c, bool tinted) {
    drawRung(p, 20, 44);
    const QRectF ring(20, 6, 24, 22);
    if (tinted) {
        p.setBrush(c.fill);
        p.drawEllipse(ring);
        p.setBrush(Qt::NoBrush);
    } else {
        p.drawArc(ring, 120 * 16, 120 * 16);
        p.drawArc(ring, -60 * 16, 120 * 16);
    }
    if (e.slashed) p.drawLine(25, 27, 39, 7);
    drawText(p, ring.toRect(), e.text, c);
}

void drawBox(QPainter& p, const Element& e, const Palette& c, bool tinted) {
    drawRung(p, 10, 54);
    const QRect box(10, 4, 44, 27);
    p.setBrush(c.fill);
    if (tinted)
        p.drawRoundedRect(box, 6, 6);
    else
        p.drawRect(box);
    p.setBrush(Qt::NoBrush);
    drawText(p, box, e.text, c);
}

void drawPiece(QPainter& p, const Piece& piece) {
    if (piece.left) p.drawLine(0, Mid, Cx, Mid);
    if (piece.right) p.drawLine(Cx, Mid, W, Mid);
    if (piece.up) p.drawLine(Cx, 0, Cx, Mid);
    if (piece.down) p.drawLine(Cx, Mid, Cx, H);
}

} // namespace

QStringList ElementPainter::names() {
    return elements().keys();
}

QImage ElementPainter::paint(const QString& name) const {
    const auto it = elements().constFind(name);
    if (it == elements().cend()) return {};
    QImage image(W, H, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    const Palette colours = paletteOf(style_);
    const bool tinted = style_ == Style::Tinted;
    p.setPen(QPen(colours.line, colours.width, Qt::SolidLine, Qt::FlatCap));
    switch (it->shape) {
    case Shape::Blank:
        break;
    case Shape::Lines:
        drawPiece(p, it->piece);
        break;
    case Shape::Contact:
        drawContact(p, *it, colours, tinted, contactBars(name));
        break;
    case Shape::Coil:
        drawCoil(p, *it, colours, tinted);
        break;
    case Shape::Box:
        drawBox(p, *it, colours, tinted);
        break;
    }
    return image;
}
