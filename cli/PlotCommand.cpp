// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotCommand.h"

#include "ArgReader.h"
#include "CommandStart.h"
#include "Trend.h"
#include "TrendCsv.h"
#include "TrendPainter.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <optional>

namespace {

struct Options {
    QString recording;
    QString outFile;
    QString cells;
    QSize size{1200, 600};
};

constexpr int MinSide = 200, MaxSide = 8000;

QString takeSize(const QString& value, QSize& size) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(value);
    if (m.hasMatch()) {
        size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        if (size.width() >= MinSide && size.width() <= MaxSide && size.height() >= MinSide &&
            size.height() <= MaxSide)
            return {};
    }
    return QStringLiteral("--size takes WIDTHxHEIGHT, each %1 to %2 pixels, not %3")
        .arg(MinSide)
        .arg(MaxSide)
        .arg(value);
}

QString parse(const QStringList& args, Options& options, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (ArgReader::isHelp(arg))
            help = true;
        else if (arg == u"--cells")
            options.cells = reader.value();
        else if (arg == u"--size")
            reader.fail(takeSize(reader.value(), options.size));
        else if (ArgReader::isOption(arg))
            reader.fail(QStringLiteral("unknown option ") + arg);
        else if (options.recording.isEmpty())
            options.recording = arg;
        else if (options.outFile.isEmpty())
            options.outFile = arg;
        else
            reader.fail(QStringLiteral("a recording and an output file only, not also ") + arg);
    }
    if (!reader.error().isEmpty()) return reader.error();
    if (help) return {};
    if (options.outFile.isEmpty())
        return QStringLiteral("a recording and an output file are needed");
    const QString suffix = QFileInfo(options.outFile).suffix().toLower();
    if (suffix != u"png" && suffix != u"svg")
        return QStringLiteral("the output file must end in .png or .svg");
    return {};
}

// Whether a cell's value moves: a recording holds every cell of a block,
// and most of them stand still.
bool changes(const std::vector<TrendLog::Point>& points) {
    std::optional<int> first;
    for (const TrendLog::Point& p : points) {
        if (p.value == TrendLog::Gap) continue;
        if (first && *first != p.value) return true;
        first = p.value;
    }
    return false;
}

// The traces --cells names, or else the cells whose value changes.
QList<TrendTrace> traces(const Options& options, const TrendCsv::Recording& recording,
                         QString& error) {
    QList<TrendTrace> picked;
    if (!options.cells.isEmpty()) {
        for (const QString& name : options.cells.split(u',', Qt::SkipEmptyParts)) {
            const auto trace = TrendTrace::parse(name, recording.cellNames);
            if (!trace) {
                error = QStringLiteral("no cell %1 in %2 (a column's name or a hexadecimal "
                                       "cell number, with .B for a bit)")
                            .arg(name.trimmed(), options.recording);
                return {};
            }
            if (!picked.contains(*trace)) picked << *trace;
        }
    } else {
        const TrendLog& log = recording.log;
        for (int cell = 0; cell < recording.cellNames.size(); ++cell)
            if (changes(log.points({cell}, log.firstTime(), log.lastTime())))
                picked << TrendTrace{cell};
    }
    if (picked.size() > Trend::MaxTraces)
        error = QStringLiteral("%1 cells to draw, %2 at the most: name them with --cells")
                    .arg(picked.size())
                    .arg(Trend::MaxTraces);
    else if (picked.isEmpty())
        error = QStringLiteral("no cell changes in %1: name the cells with --cells")
                    .arg(options.recording);
    return picked;
}

} // namespace

const char* PlotCommand::usage() {
    return "usage: obelc plot [--cells NAMES] [--size WxH] RECORDING OUT\n"
           "\n"
           "Draws a recording of the tracer (its Record button, or the trend window's\n"
           "CSV export) as the trend window draws it, into OUT: a PNG picture or an\n"
           "SVG drawing, by OUT's extension. The picture spans the whole recording;\n"
           "rows without values are polls that brought no answer, drawn as gaps.\n"
           "\n"
           "  --cells NAMES   the cells to draw, separated by commas: a column's name\n"
           "                  (case ignored) or a cell's hexadecimal number, with .B\n"
           "                  for its bit B alone (START, 1F, COUNT.3); at most 16\n"
           "                  (default: the cells whose value changes, if 16 or fewer)\n"
           "  --size WxH      the picture's size in pixels (default 1200x600)\n"
           "  -h, --help      this text\n";
}

int PlotCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    if (const auto status = CommandStart::parse("plot", usage(), args, options, parse, out, err))
        return *status;

    QString error;
    const auto recording = TrendCsv::read(options.recording, &error);
    if (!recording) {
        err << "obelc: " << error << "\n";
        return 1;
    }
    const QList<TrendTrace> picked = traces(options, *recording, error);
    if (!error.isEmpty()) {
        err << "obelc: " << error << "\n";
        // A recording where nothing moves is a file that failed; the rest
        // asks for other --cells.
        return picked.isEmpty() && options.cells.isEmpty() ? 1 : 2;
    }
    TrendPicture picture{&recording->log,           picked, {}, recording->log.firstTime(),
                         recording->log.lastTime(), false,  {}};
    for (const TrendTrace& trace : picked)
        picture.labels << trace.label(recording->cellNames.at(trace.cell));
    const bool svg = QFileInfo(options.outFile).suffix().toLower() == u"svg";
    const bool written =
        svg ? TrendPainter::writeSvg(options.outFile, picture, options.size, &error)
            : TrendPainter::writePng(options.outFile, picture, options.size, &error);
    if (!written) {
        err << "obelc: cannot write " << options.outFile << ": " << error << "\n";
        return 1;
    }
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    out << "plotted " << picture.labels.join(QStringLiteral(", ")) << " from "
        << QDateTime::fromMSecsSinceEpoch(picture.from).toString(format) << " to "
        << QDateTime::fromMSecsSinceEpoch(picture.to).toString(format) << " into "
        << options.outFile << "\n";
    return 0;
}
