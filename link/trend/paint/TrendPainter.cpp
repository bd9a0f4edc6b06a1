// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendPainter.h"

#include "TextFile.h"

#include <QBuffer>
#include <QDateTime>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double Margin = 8;
constexpr double LegendColumnWidth = 210;
constexpr double MaxLaneHeight = 36;
const QColor GapShade(0, 0, 0, 28);
const QColor GridColour(225, 225, 225);

// Steps of the time axis, in seconds: at least 80 pixels apart.
qint64 timeStep(qint64 spanMs, double width) {
    static constexpr std::array<qint64, 12> steps{1,  2,   5,   10,  15,   30,
                                                  60, 120, 300, 600, 1200, 3600};
    for (qint64 s : steps)
        if (spanMs / (s * 1000) <= std::max(1.0, width / 80)) return s * 1000;
    return steps.back() * 1000;
}

// A step of the value axis that gives about five lines: round in decimal,
// or a power of two when the axis reads hexadecimal.
int valueStep(int span, bool hex) {
    static constexpr std::array<int, 8> decimal{1, 2, 5, 10, 20, 25, 50, 100};
    static constexpr std::array<int, 8> binary{1, 2, 4, 8, 16, 32, 64, 128};
    for (int step : hex ? binary : decimal)
        if (span / step <= 5) return step;
    return 128;
}

bool save(const QString& path, const QBuffer& drawing, bool drawn, QString* error) {
    if (drawn) return TextFile::writeBytes(path, drawing.data(), error);
    if (error) *error = QStringLiteral("the drawing failed");
    return false;
}

} // namespace

TrendPainter::TrendPainter(const TrendPicture& picture, const QRectF& area, const QFont& font)
    : picture_(picture), area_(area), font_(font), line_(QFontMetricsF(font).height()),
      columns_(std::max(1, int(area.width() / LegendColumnWidth))) {
    const qsizetype traces = picture_.traces.size();
    const double legend = line_ * double((traces + columns_ - 1) / columns_);
    const double axis = QFontMetricsF(font).horizontalAdvance(QStringLiteral("0x00")) + 10;
    plot_ =
        QRectF(area.left() + Margin + axis, area.top() + Margin + legend + line_,
               area.width() - 2 * Margin - axis, area.height() - 2 * Margin - legend - 2.5 * line_);
    const int bits = bitTraces();
    const bool onlyBits = bits == traces;
    laneHeight_ = bits == 0  ? 0
                  : onlyBits ? plot_.height() / bits
                             : std::min(MaxLaneHeight, plot_.height() / (2 * bits));
    bytes_ = plot_.adjusted(0, 0, 0, -laneHeight_ * bits);
}

int TrendPainter::bitTraces() const {
    return int(std::count_if(picture_.traces.begin(), picture_.traces.end(),
                             [](const TrendTrace& t) { return t.isBit(); }));
}

QRectF TrendPainter::bitLane(int lane) const {
    return QRectF(plot_.left(), bytes_.bottom() + lane * laneHeight_, plot_.width(), laneHeight_);
}

qint64 TrendPainter::timeAt(double x) const {
    const double span = double(picture_.to - picture_.from);
    return picture_.from + qint64(std::llround((x - plot_.left()) / plot_.width() * span));
}

double TrendPainter::xAt(qint64 ms) const {
    const double span = std::max<double>(1, double(picture_.to - picture_.from));
    return plot_.left() + double(ms - picture_.from) / span * plot_.width();
}

QColor TrendPainter::colour(int trace) {
    static const std::array<QColor, 8> colours{
        QColor(31, 119, 180), QColor(214, 39, 40),  QColor(44, 160, 44), QColor(148, 103, 189),
        QColor(255, 127, 14), QColor(23, 190, 207), QColor(140, 86, 75), QColor(188, 189, 34)};
    return colours.at(std::size_t(trace) % colours.size());
}

QString TrendPainter::valueText(int value, bool hex) {
    if (!hex) return QString::number(value);
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(2, u'0');
}

// The byte traces' values in the span, widened to at least a few steps.
TrendPainter::Range TrendPainter::byteRange() const {
    int low = 255, high = 0;
    for (const TrendTrace& trace : picture_.traces) {
        if (trace.isBit()) continue;
        for (const TrendLog::Point& p : picture_.log->points(trace, picture_.from, picture_.to))
            if (p.value != TrendLog::Gap) {
                low = std::min(low, p.value);
                high = std::max(high, p.value);
            }
    }
    if (low > high) return {0, 255};
    const int step = valueStep(std::max(4, high - low), picture_.hex);
    low = std::max(0, low / step * step);
    high = std::min(255, (high / step + 1) * step);
    return {low, high};
}

void TrendPainter::paint(QPainter& painter) const {
    painter.save();
    painter.setFont(font_);
    painter.fillRect(area_, Qt::white);
    if (picture_.traces.isEmpty()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(area_, Qt::AlignCenter,
                         QStringLiteral("No traces: pick a cell or a bit to draw"));
        painter.restore();
        return;
    }
    paintLegend(painter);
    paintTimeAxis(painter);
    const Range range = byteRange();
    if (bytes_.height() > 1) paintValueAxis(painter, range);
    painter.setClipRect(plot_);
    int lane = 0;
    for (int i = 0; i < picture_.traces.size(); ++i)
        paintTrace(painter, i, picture_.traces[i].isBit() ? bitLane(lane++) : bytes_, range);
    painter.setClipping(false);
    painter.setPen(Qt::gray);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot_);
    for (int l = 0; l < lane; ++l)
        painter.drawLine(QPointF(plot_.left(), bitLane(l).top()),
                         QPointF(plot_.right(), bitLane(l).top()));
    paintCursor(painter);
    painter.restore();
}

void TrendPainter::paintLegend(QPainter& painter) const {
    const qint64 at = picture_.cursor.value_or(picture_.to);
    const double width = (area_.width() - 2 * Margin) / columns_;
    for (int i = 0; i < picture_.traces.size(); ++i) {
        const QPointF corner(area_.left() + Margin + (i % columns_) * width,
                             area_.top() + Margin + (i / columns_) * line_);
        painter.fillRect(QRectF(corner + QPointF(0, line_ / 4), QSizeF(12, line_ / 2)), colour(i));
        const auto value = picture_.log->valueAt(picture_.traces[i], at);
        const QString text = picture_.labels.value(i) + QStringLiteral(": ") +
                             (value ? valueText(*value, picture_.hex) : QStringLiteral("-"));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(corner + QPointF(16, 0), QSizeF(width - 20, line_)),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void TrendPainter::paintTimeAxis(QPainter& painter) const {
    const qint64 step = timeStep(picture_.to - picture_.from, plot_.width());
    const QString format = step < 60'000 ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm");
    for (qint64 t = (picture_.from / step + 1) * step; t < picture_.to; t += step) {
        const double x = xAt(t);
        painter.setPen(GridColour);
        painter.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
        if (x + 50 > area_.right()) continue; // a label cut at the edge
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x - 50, plot_.bottom() + 2, 100, line_), Qt::AlignCenter,
                         QDateTime::fromMSecsSinceEpoch(t).toString(format));
    }
}

void TrendPainter::paintValueAxis(QPainter& painter, Range range) const {
    const int step = valueStep(range.high - range.low, picture_.hex);
    for (int v = range.low; v <= range.high; v += step) {
        const double y =
            bytes_.bottom() - double(v - range.low) / (range.high - range.low) * bytes_.height();
        painter.setPen(GridColour);
        painter.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(area_.left(), y - line_ / 2, plot_.left() - area_.left() - 4, line_),
            Qt::AlignRight | Qt::AlignVCenter, valueText(v, picture_.hex));
    }
}

// A byte goes from point to point; a bit holds its value until the next
// poll. A poll without an answer breaks the line and shades its time.
void TrendPainter::paintTrace(QPainter& painter, int index, const QRectF& band, Range range) const {
    const TrendTrace& trace = picture_.traces[index];
    const std::vector<TrendLog::Point> points =
        picture_.log->points(trace, picture_.from, picture_.to);
    const double inset = trace.isBit() ? std::min(6.0, band.height() / 4) : 0;
    const double low = trace.isBit() ? 0 : range.low, high = trace.isBit() ? 1 : range.high;
    const auto yAt = [&](int value) {
        return band.bottom() - inset - (value - low) / (high - low) * (band.height() - 2 * inset);
    };
    QPainterPath path;
    bool drawing = false;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const TrendLog::Point& p = points[k];
        const double x = xAt(p.ms);
        if (p.value == TrendLog::Gap) {
            // A bit held its value until the poll that failed.
            if (drawing && trace.isBit()) path.lineTo(x, path.currentPosition().y());
            const double end = k + 1 < points.size() ? xAt(points[k + 1].ms) : x + 2;
            painter.fillRect(QRectF(x, band.top(), std::max(2.0, end - x), band.height()),
                             GapShade);
            drawing = false;
            continue;
        }
        const QPointF point(x, yAt(p.value));
        if (!drawing)
            path.moveTo(point);
        else if (trace.isBit())
            path.lineTo(x, path.currentPosition().y());
        if (drawing) path.lineTo(point);
        drawing = true;
    }
    QPen pen(colour(index), 1.5);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    if (trace.isBit() && !picture_.labels.value(index).isEmpty()) {
        painter.setPen(colour(index));
        painter.drawText(band.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                         picture_.labels.value(index));
    }
}

void TrendPainter::paintCursor(QPainter& painter) const {
    if (!picture_.cursor) return;
    const double x = xAt(*picture_.cursor);
    if (x < plot_.left() || x > plot_.right()) return;
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
    painter.drawText(
        QRectF(x - 60, plot_.top() - line_, 120, line_), Qt::AlignCenter,
        QDateTime::fromMSecsSinceEpoch(*picture_.cursor).toString(QStringLiteral("hh:mm:ss.zzz")));
}

bool TrendPainter::writePng(const QString& path, const TrendPicture& picture, const QSize& size,
                            QString* error) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        if (error) *error = QStringLiteral("no memory for a picture of that size");
        return false;
    }
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        TrendPainter(picture, QRectF(QPointF(), size), painter.font()).paint(painter);
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    return save(path, out, image.save(&out, "PNG"), error);
}

bool TrendPainter::writeSvg(const QString& path, const TrendPicture& picture, const QSize& size,
                            QString* error) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(QStringLiteral("Obel trend"));
    svg.setDescription(picture.labels.join(QStringLiteral(", ")));
    QPainter painter;
    const bool drawn = painter.begin(&svg);
    if (drawn) TrendPainter(picture, QRectF(QPointF(), size), painter.font()).paint(painter);
    return save(path, out, drawn && painter.end(), error);
}
