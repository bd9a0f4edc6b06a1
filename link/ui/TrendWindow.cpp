// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendWindow.h"

#include "HexText.h"
#include "Named.h"
#include "TrendChart.h"
#include "TrendPainter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct WindowChoice {
    const char* text;
    qint64 ms;
};
constexpr WindowChoice Windows[] = {{"10 s", 10'000},   {"30 s", 30'000},   {"1 min", 60'000},
                                    {"2 min", 120'000}, {"5 min", 300'000}, {"10 min", 600'000}};

QPushButton* button(const QString& text, const QString& name) {
    return named(new QPushButton(text), name);
}

} // namespace

TrendWindow::TrendWindow(Tracer& tracer, QWidget* parent)
    : QWidget(parent, Qt::Window), tracer_(tracer), trend_(tracer) {
    setObjectName(QStringLiteral("TrendWindow"));
    setWindowTitle(QStringLiteral("norvette-c TREND"));
    chart_ = named(new TrendChart(trend_), QStringLiteral("TrendChart"));
    status_ = named(new QLabel, QStringLiteral("TrendStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildPicker());
    middle->addWidget(chart_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildControls());
    layout->addLayout(middle, 1);
    layout->addWidget(status_);

    connect(&trend_, &Trend::changed, chart_, qOverload<>(&QWidget::update));
    connect(&tracer_, &Tracer::stateChanged, this, &TrendWindow::followTracer);
    say(QStringLiteral("Pick a cell in the tracer or by name, then Add; "
                       "tracing (TR in the tracer) draws it"));
    resize(1000, 560);
}

QWidget* TrendWindow::buildPicker() {
    auto* box = new QWidget;
    box->setMaximumWidth(230);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    cell_ = named(new QComboBox, QStringLiteral("TrendCell"));
    const QStringList names = trend_.cellNames();
    for (int i = 0; i < Tracer::Cells; ++i)
        cell_->addItem(tracer_.name(i).isEmpty() ? names[i]
                                                 : hexText(quint32(i), 2) + u' ' + names[i]);
    cell_->setToolTip(QStringLiteral("The cell selected in the tracer, or any by its name"));
    bit_ = named(new QComboBox, QStringLiteral("TrendBit"));
    bit_->addItem(QStringLiteral("whole byte"));
    for (int b = 0; b < 8; ++b)
        bit_->addItem(QStringLiteral("bit %1").arg(b));
    auto* add = button(QStringLiteral("Add"), QStringLiteral("TrendAdd"));
    auto* remove = button(QStringLiteral("Remove"), QStringLiteral("TrendRemove"));
    traces_ = named(new QListWidget, QStringLiteral("TrendTraces"));
    layout->addWidget(cell_);
    layout->addWidget(bit_);
    auto* row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(remove);
    layout->addLayout(row);
    layout->addWidget(traces_, 1);
    connect(add, &QPushButton::clicked, this, &TrendWindow::addPicked);
    connect(remove, &QPushButton::clicked, this, &TrendWindow::removeSelected);
    return box;
}

QWidget* TrendWindow::buildControls() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    window_ = named(new QComboBox, QStringLiteral("TrendWindowLength"));
    for (const WindowChoice& choice : Windows)
        window_->addItem(QString::fromLatin1(choice.text), choice.ms);
    window_->setCurrentIndex(window_->findData(Trend::DefaultWindowMs));
    pause_ = button(QStringLiteral("Pause"), QStringLiteral("TrendPause"));
    pause_->setCheckable(true);
    pause_->setToolTip(QStringLiteral("Holds the picture; the tracer goes on polling"));
    hex_ = named(new QCheckBox(QStringLiteral("Hex")), QStringLiteral("TrendHex"));
    layout->addWidget(new QLabel(QStringLiteral("Window")));
    layout->addWidget(window_);
    layout->addWidget(pause_);
    layout->addWidget(hex_);
    layout->addStretch(1);
    for (const char* suffix : {"png", "svg", "csv"}) {
        const QString s = QString::fromLatin1(suffix);
        auto* b = button(QStringLiteral("Export ") + s.toUpper(),
                         QStringLiteral("TrendExport") + s.toUpper());
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, s] { askAndExport(s); });
    }
    connect(window_, &QComboBox::currentIndexChanged, this,
            [this] { trend_.setWindowMs(window_->currentData().toLongLong()); });
    connect(pause_, &QPushButton::toggled, this, [this](bool paused) {
        trend_.setPaused(paused);
        pause_->setText(paused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
        say(paused ? QStringLiteral("Paused: the picture holds, the tracer goes on polling")
                   : QStringLiteral("Running"));
    });
    connect(hex_, &QCheckBox::toggled, &trend_, &Trend::setHex);
    return row;
}

void TrendWindow::addPicked() {
    const TrendTrace trace{cell_->currentIndex(), bit_->currentIndex() - 1};
    QString why;
    if (trend_.add(trace, &why)) {
        renderTraces();
        say(QStringLiteral("Tracing %1").arg(trend_.label(trace)) +
            (tracer_.tracing() ? QString() : QStringLiteral(": switch the tracer to TR to poll")));
    } else {
        say(QStringLiteral("Not added: ") + why);
    }
}

void TrendWindow::removeSelected() {
    const int row = traces_->currentRow();
    if (row < 0) {
        say(QStringLiteral("Select a trace in the list to remove it"));
        return;
    }
    const QString label = trend_.labels().value(row);
    trend_.remove(row);
    renderTraces();
    say(QStringLiteral("Removed ") + label);
}

// The cell selected in the tracer becomes the one to add.
void TrendWindow::followTracer() {
    if (tracer_.selected() == followed_) return;
    followed_ = tracer_.selected();
    if (followed_ >= 0) cell_->setCurrentIndex(followed_);
}

void TrendWindow::renderTraces() {
    traces_->clear();
    const QStringList labels = trend_.labels();
    for (int i = 0; i < labels.size(); ++i) {
        auto* item = new QListWidgetItem(labels[i], traces_);
        item->setForeground(TrendPainter::colour(i));
    }
}

void TrendWindow::askAndExport(const QString& suffix) {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export the trend"), QStringLiteral("trend.") + suffix,
        suffix.toUpper() + QStringLiteral(" (*.") + suffix + u')');
    if (path.isEmpty()) {
        say(QStringLiteral("Not exported: no file chosen"));
        return;
    }
    exportTo(path);
}

bool TrendWindow::exportTo(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString error;
    bool written = false;
    if (suffix == u"csv") {
        written = trend_.writeCsv(path, &error);
    } else if (suffix == u"png" || suffix == u"svg") {
        const TrendPicture picture = chart_->picture();
        written = suffix == u"png" ? TrendPainter::writePng(path, picture, chart_->size(), &error)
                                   : TrendPainter::writeSvg(path, picture, chart_->size(), &error);
    } else {
        error = QStringLiteral("the file must end in .png, .svg or .csv");
    }
    say(written ? QStringLiteral("Exported to ") + path : QStringLiteral("Not exported: ") + error);
    return written;
}

QString TrendWindow::status() const {
    return status_->text();
}

void TrendWindow::say(const QString& text) {
    status_->setText(text);
}
