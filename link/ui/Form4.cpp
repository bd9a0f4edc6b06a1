// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form4.h"

#include "ControlFactory.h"
#include "HexText.h"
#include "Named.h"
#include "Tracer.h"
#include "TrendWindow.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QColor RedCell(255, 0, 0);
const QColor SelectedCell(192, 0, 192);
const QColor LightRed(255, 128, 128);
const QColor LightGreen(128, 255, 128);
const QColor LightYellow(255, 255, 128);

QString background(const QColor& colour, const QColor& text = Qt::black) {
    return QStringLiteral("background-color: %1; color: %2").arg(colour.name(), text.name());
}

// Style sheets cost a re-polish: the tick sets one only when it changes.
void restyle(QWidget* widget, const QString& sheet) {
    if (widget->styleSheet() != sheet) widget->setStyleSheet(sheet);
}

QLabel* caption(const QString& text, const QString& name) {
    return named(new QLabel(text), name);
}
} // namespace

Form4::Form4(Tracer& tracer, QWidget* parent) : QWidget(parent), tracer_(tracer) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("norvette-c TRACER"));
    auto* heading =
        caption(QStringLiteral("norvette-c Obel MODBUS TRACER"), QStringLiteral("Heading"));
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    heading->setFont(big);

    auto* middle = new QHBoxLayout;
    // The cells take the room the window is given; the bit buttons beside
    // them stay at the top.
    middle->addWidget(buildCells(), 3);
    middle->addWidget(buildBits(), 2, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(buildControlRow());
    layout->addLayout(middle, 1);

    connect(&tracer_, &Tracer::cellsChanged, this, &Form4::renderCells);
    connect(&tracer_, &Tracer::stateChanged, this, &Form4::renderState);
    connect(&tracer_, &Tracer::recordingFailed, this, [this](const QString& reason) {
        recordingError_ = reason;
        renderState();
    });
    renderCells(0, Tracer::Cells);
    renderCellColours();
    renderState();
}

QWidget* Form4::buildControlRow() {
    auto* row = new QWidget;
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    switch_ = named(new QPushButton, QStringLiteral("Command1(0)"));
    clear_ = named(new QPushButton(QStringLiteral("CLR")), QStringLiteral("Command1(1)"));
    marker_ = named(new QPushButton(QStringLiteral("Modef")), QStringLiteral("Command1(2)"));
    runStop_ = named(new QPushButton, QStringLiteral("Command2"));
    record_ = named(new QPushButton(QStringLiteral("Record")), QStringLiteral("Record"));
    const QString defaults[] = {QString::number(ControllerFacts::DefaultSlave),
                                QString::number(Tracer::DefaultIntervalMs), QStringLiteral("FF")};
    for (int i = 0; i < int(fields_.size()); ++i) {
        fields_[i] = named(new QLineEdit(defaults[i]), QStringLiteral("Text3(%1)").arg(i));
        fields_[i]->setMaximumWidth(56);
    }
    received_ = named(new QLineEdit, QStringLiteral("Text2"));
    received_->setReadOnly(true);
    received_->setMinimumWidth(300);
    pollBase_ = named(new QLineEdit, QStringLiteral("Text4"));
    holdOff_ = named(new QLineEdit, QStringLiteral("Text5"));
    for (QLineEdit* box : {pollBase_, holdOff_}) {
        box->setReadOnly(true);
        box->setMaximumWidth(48);
    }
    pb1_ = ControlFactory::create(QStringLiteral("ProgressBarControl.PB"));
    pb1_->setObjectName(QStringLiteral("PB1"));
    pb1_->setProperty("Max", Tracer::Cells - 1);
    pb1_->setFixedSize(160, 28);
    health_ = named(new QLabel, QStringLiteral("LinkHealth"));

    int column = 0;
    for (QWidget* w : {static_cast<QWidget*>(switch_), static_cast<QWidget*>(clear_),
                       static_cast<QWidget*>(marker_), static_cast<QWidget*>(runStop_)})
        grid->addWidget(w, 0, column++);
    grid->addWidget(caption(QStringLiteral("ADDR"), QStringLiteral("Label7(0)")), 0, column++);
    grid->addWidget(fields_[0], 0, column++);
    grid->addWidget(caption(QStringLiteral("SCAN"), QStringLiteral("Label7(1)")), 0, column++);
    grid->addWidget(fields_[1], 0, column++);
    grid->addWidget(fields_[2], 0, column++);
    grid->addWidget(caption(QStringLiteral("RCV"), QStringLiteral("Label7(2)")), 0, column++);
    grid->addWidget(received_, 0, column++);
    grid->addWidget(caption(QStringLiteral("MAP"), QStringLiteral("Label7(3)")), 0, column++);
    grid->addWidget(pollBase_, 0, column++);
    grid->addWidget(holdOff_, 0, column++);
    grid->addWidget(pb1_, 0, column++);
    grid->addWidget(record_, 0, column++);
    auto* trend = named(new QPushButton(QStringLiteral("Trend")), QStringLiteral("Trend"));
    grid->addWidget(trend, 0, column++);
    grid->addWidget(health_, 1, 0, 1, column);
    grid->setColumnStretch(column, 1);

    connect(switch_, &QPushButton::clicked, &tracer_, &Tracer::toggleTracing);
    connect(clear_, &QPushButton::clicked, &tracer_, &Tracer::clear);
    connect(runStop_, &QPushButton::clicked, &tracer_, &Tracer::runStop);
    connect(record_, &QPushButton::clicked, this, &Form4::toggleRecording);
    connect(trend, &QPushButton::clicked, this, [this] {
        if (!trend_) trend_ = new TrendWindow(tracer_, this);
        trend_->show();
        trend_->raise();
    });
    connect(fields_[0], &QLineEdit::textChanged, &tracer_, &Tracer::setSlave);
    connect(fields_[1], &QLineEdit::textChanged, &tracer_, &Tracer::setInterval);
    return row;
}

QWidget* Form4::buildCells() {
    auto* box = new QGroupBox(QStringLiteral("I / O Map"));
    box->setObjectName(QStringLiteral("CellFrame"));
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(0);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    // Every cell has a name label under it, blank past the named ones, so
    // that every row takes the same room.
    const auto nameLabel = [&small] {
        auto* label = new QLabel;
        label->setFont(small);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setMinimumWidth(40);
        return label;
    };
    const int rows = Tracer::Cells / CellsPerRow;
    for (int r = 0; r < rows; ++r) {
        const int gridRow = 2 * r;
        grid->addWidget(
            caption(hexText(quint32(r * CellsPerRow), 2), QStringLiteral("Label3(%1)").arg(r)),
            gridRow, 0);
        for (int c = 0; c < CellsPerRow; ++c) {
            const int i = r * CellsPerRow + c;
            auto* cell = named(new QLineEdit, QStringLiteral("Text1(%1)").arg(i));
            cell->setFont(fixed);
            cell->setMaxLength(2);
            cell->setAlignment(Qt::AlignCenter);
            cell->setMinimumWidth(40);
            cell->installEventFilter(this);
            connect(cell, &QLineEdit::textEdited, this,
                    [this, i](const QString& text) { tracer_.setCell(i, text); });
            connect(cell, &QLineEdit::returnPressed, this, [this, i] { tracer_.enter(i); });
            cells_[i] = cell;
            grid->addWidget(cell, gridRow, c + 1);
            QLabel* name = nameLabel();
            if (i < Tracer::NamedCells)
                names_[i] = named(name, QStringLiteral("Label2(%1)").arg(i));
            grid->addWidget(name, gridRow + 1, c + 1);
        }
    }
    return box;
}

QWidget* Form4::buildBits() {
    auto* box = new QGroupBox(QStringLiteral("Bit Map"));
    box->setObjectName(QStringLiteral("BitFrame"));
    auto* grid = new QGridLayout(box);
    grid->setSpacing(2);
    // Label k names bit 7 - k; it stands over that bit's buttons, which run
    // from bit 0 on the left.
    for (int k = 0; k < 8; ++k) {
        bitLabels_[k] = caption(QString::number(7 - k), QStringLiteral("Label5(%1)").arg(k));
        bitLabels_[k]->setAlignment(Qt::AlignCenter);
        grid->addWidget(bitLabels_[k], 0, 8 - k);
    }
    bitMap_ = caption(QString(), QStringLiteral("Label6"));
    grid->addWidget(bitMap_, 0, 0);
    for (int g = 0; g < Tracer::BitGroups; ++g) {
        const bool input = g < Tracer::BitGroups / 2;
        const QString kind = input ? QStringLiteral("X") : QStringLiteral("Y");
        const int number = g % 3 + 1;
        grid->addWidget(
            caption(kind + QStringLiteral("B%1").arg(number),
                    QStringLiteral("%1(%2)").arg(input ? "Label4" : "Label1").arg(number - 1)),
            g + 1, 0);
        for (int b = 0; b < 8; ++b) {
            const int i = 8 * g + b;
            const int shown = 8 * (g % 3) + b + 1;
            bits_[i] = named(new QPushButton(kind + QString::number(shown)),
                             QStringLiteral("Command3(%1)").arg(i));
            bits_[i]->setMinimumWidth(44);
            bits_[i]->setToolTip(
                QStringLiteral("Bit %1 of cell %2").arg(b).arg(Tracer::groupCell(g)));
            connect(bits_[i], &QPushButton::clicked, this, [this, i] { tracer_.bitButton(i); });
            grid->addWidget(bits_[i], g + 1, b + 1);
        }
    }
    grid->addWidget(caption(QStringLiteral("TRACER Time  For Obel"), QStringLiteral("Label7(4)")),
                    Tracer::BitGroups + 1, 0, 1, 9);
    return box;
}

void Form4::toggleRecording() {
    if (tracer_.recording()) {
        tracer_.stopRecording();
        renderState();
        return;
    }
    QDir().mkpath(recordingFolder_);
    recordingPath_ = QDir(recordingFolder_)
                         .filePath(QDateTime::currentDateTime().toString(
                             QStringLiteral("'TRACE-'yyyyMMdd-HHmmss'.csv'")));
    recordingError_.clear();
    if (!tracer_.startRecording(recordingPath_, &recordingError_))
        recordingError_ = QStringLiteral("not recorded: ") + recordingError_;
    renderState();
}

void Form4::renderCells(int first, int count) {
    for (int i = first; i < first + count && i < Tracer::Cells; ++i)
        if (cells_[i]->text() != tracer_.cell(i)) cells_[i]->setText(tracer_.cell(i));
}

void Form4::renderCellColours() {
    for (int i = 0; i < Tracer::Cells; ++i) {
        if (i < Tracer::NamedCells) {
            names_[i]->setText(tracer_.name(i));
            names_[i]->setToolTip(tracer_.nameItem(i));
        }
        const bool selected = i == tracer_.selected();
        const bool red = tracer_.marked(i);
        restyle(cells_[i], selected ? background(SelectedCell, Qt::white)
                           : red    ? background(RedCell, Qt::white)
                                    : QString());
    }
}

void Form4::renderState() {
    switch_->setText(tracer_.switchCaption());
    runStop_->setText(tracer_.runCaption());
    const Tracer::Marker marker = tracer_.marker();
    restyle(marker_, marker == Tracer::Marker::Pending ? background(LightRed)
                     : marker == Tracer::Marker::Sent  ? background(LightYellow)
                                                       : QString());
    received_->setText(tracer_.received());
    pollBase_->setText(QString::number(tracer_.polledBase()));
    holdOff_->setText(QString::number(tracer_.holdOff()));
    pb1_->setProperty("Value", tracer_.polledBase());
    for (int i = 0; i < Tracer::BitButtons; ++i)
        restyle(bits_[i],
                background(tracer_.bitSet(i) ? (i < Tracer::BitButtons / 2 ? LightRed : LightGreen)
                                             : QColor(Qt::white)));
    const int selected = tracer_.selected();
    bitMap_->setText(selected < 0 ? QString() : hexText(quint32(selected), 2));
    for (int b = 0; b < 8; ++b)
        restyle(bitLabels_[7 - b], selected >= 0 && tracer_.cellBit(selected, b)
                                       ? QStringLiteral("color: #ff0000")
                                       : QString());
    QString health = tracer_.healthText();
    if (tracer_.recording())
        health += QStringLiteral("   recording to ") + recordingPath_;
    else if (!recordingError_.isEmpty())
        health += QStringLiteral("   ") + recordingError_;
    health_->setText(health);
    record_->setText(tracer_.recording() ? QStringLiteral("Stop recording")
                                         : QStringLiteral("Record"));
}

void Form4::closeEvent(QCloseEvent* event) {
    tracer_.pause();
    QWidget::closeEvent(event);
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < Tracer::Cells; ++i)
            if (cells_[i] == watched) {
                tracer_.select(i);
                renderCellColours();
                break;
            }
    }
    return QWidget::eventFilter(watched, event);
}
