// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form3.h"

#include "ControlFactory.h"
#include "FolderBrowserView.h"
#include "Named.h"
#include "ServicePanels.h"
#include "Station.h"
#include "TransferPanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

QPlainTextEdit* box(const QString& name, const QString& placeholder) {
    auto* edit = named(new QPlainTextEdit, name);
    edit->setPlaceholderText(placeholder);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Instruction text lines up by its blanks.
    edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return edit;
}

constexpr int SourceIndent = 12;
} // namespace

Form3::Form3(Station& station, QWidget* parent)
    : QWidget(parent), station_(station), transfer_(new TransferPanel(station.link(), this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromLatin1(Station::Title));

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildSourceColumn(), 3);
    middle->addWidget(buildBoxes(), 4);
    middle->addWidget(buildMacroColumn(), 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildCommandRow());
    layout->addWidget(buildOptions());
    layout->addLayout(middle, 1);
    auto* tools = new ServicePanels(station_);
    layout->addWidget(tools);
    connect(tools, &ServicePanels::clockSettingRequested, this, &Form3::clockSettingRequested);

    transfer_->hide();
    connect(transfer_, &TransferPanel::stopRequested, &station_.download(), &ProgramDownload::stop);
    connect(transfer_, &TransferPanel::logCleared, cursor_, &QLineEdit::clear);

    connect(&station_, &Station::messageChanged, this,
            [this] { message_->setPlainText(station_.message()); });
    connect(&station_, &Station::statusChanged, this, [this] {
        status_->setText(station_.status());
        status_->setToolTip(station_.status());
    });
    connect(&station_, &Station::sourceNameChanged, this, [this](const QString& name) {
        if (sourceName_->text() != name) sourceName_->setText(name);
    });
    connect(&station_, &Station::runCaptionChanged, commands_[Station::RunStop],
            &QPushButton::setText);
    connect(&station_, &Station::withControllerChanged, withController_, &QCheckBox::setChecked);
    connect(&station_.port(), &PortSettings::lineChanged, this, [this] {
        renderOptions();
        renderLine();
    });
    ProgramDownload& download = station_.download();
    connect(&download, &ProgramDownload::phaseChanged, this, &Form3::renderPhase);
    connect(&download, &ProgramDownload::assembled, this, &Form3::renderPass);
    connect(&download, &ProgramDownload::transferProgress, transfer_, &TransferPanel::setPercent);
    connect(&download, &ProgramDownload::finished, this, &Form3::downloadFinished);
    TableWrite& table = station_.tableWrite();
    connect(&table, &TableWrite::started, this, &Form3::tableWriteStarted);
    connect(&table, &TableWrite::listingChanged, this,
            [this] { macroText_->setPlainText(station_.tableWrite().listing()); });
    connect(&table, &TableWrite::progress, transfer_, &TransferPanel::setPercent);
    connect(&table, &TableWrite::finished, this, &Form3::tableWriteFinished);
    station_.assmber().setProgress([this](int percent) { pb1_->setProperty("Value", percent); });
}

QWidget* Form3::buildCommandRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < Station::Commands; ++i) {
        commands_[i] = named(new QPushButton(Station::commandCaption(i)),
                             QStringLiteral("Command1(%1)").arg(i));
        layout->addWidget(commands_[i]);
        connect(commands_[i], &QPushButton::clicked, this,
                [this, i] { station_.command(i, source_->toPlainText()); });
    }
    line_ = named(new QLabel, QStringLiteral("LineStatus"));
    line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // What the last command did, under the line it went over; a long text
    // takes a second line.
    status_ = named(new QLabel, QStringLiteral("CommandStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setWordWrap(true);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* lineAndStatus = new QVBoxLayout;
    lineAndStatus->setSpacing(0);
    lineAndStatus->addWidget(line_);
    lineAndStatus->addWidget(status_);
    layout->addSpacing(16);
    layout->addLayout(lineAndStatus, 1);
    pb1_ = ControlFactory::create(QStringLiteral("ProgressBarControl.PB"));
    pb1_->setObjectName(QStringLiteral("PB1"));
    pb1_->setFixedSize(220, 30);
    layout->addWidget(pb1_);
    return row;
}

QWidget* Form3::buildOptions() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto& [title, indices] :
         {std::pair{QStringLiteral("Port"), PortSettings::portOptions()},
          std::pair{QStringLiteral("Baud"), PortSettings::baudOptions()}}) {
        auto* group = new QGroupBox(title);
        auto* groupLayout = new QHBoxLayout(group);
        for (const int index : indices) {
            options_[index] = named(new QRadioButton(PortSettings::caption(index)),
                                    QStringLiteral("Option1(%1)").arg(index));
            // Each option keeps its own state: loading may show none of a group.
            options_[index]->setAutoExclusive(false);
            groupLayout->addWidget(options_[index]);
            connect(options_[index], &QRadioButton::clicked, this, [this, index] {
                station_.port().click(index);
                renderOptions();
            });
        }
        layout->addWidget(group);
    }
    layout->addStretch();
    return row;
}

QWidget* Form3::buildSourceColumn() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* nameRow = new QHBoxLayout;
    sourceName_ = named(new QLineEdit, QStringLiteral("Text2"));
    sourceName_->setPlaceholderText(QStringLiteral("source name"));
    cursor_ = named(new QLineEdit, QStringLiteral("Text5"));
    cursor_->setReadOnly(true);
    cursor_->setFixedWidth(70);
    nameRow->addWidget(sourceName_, 1);
    nameRow->addWidget(cursor_);
    layout->addLayout(nameRow);

    browserPanel_ = named(new QGroupBox(QStringLiteral("Load New File")), QStringLiteral("Frame1"));
    browser_ = new FolderBrowserView(station_.browser());
    (new QVBoxLayout(browserPanel_))->addWidget(browser_);
    browserPanel_->hide();
    layout->addWidget(browserPanel_, 1);
    connect(browser_, &FolderBrowserView::fileDoubleClicked, this, [this](const QString& name) {
        if (const auto text = station_.loadSource(name)) source_->setPlainText(*text);
    });
    connect(&station_, &Station::browserShownChanged, browserPanel_, &QWidget::setVisible);
    connect(sourceName_, &QLineEdit::textEdited, &station_, &Station::setSourceName);

    source_ = box(QStringLiteral("Text4"),
                  QStringLiteral("Instruction text: convert a map, or load a .plc file"));
    source_->installEventFilter(this);
    source_->viewport()->installEventFilter(this);
    layout->addWidget(source_, 3);
    return column;
}

QWidget* Form3::buildBoxes() {
    auto* boxes = new QWidget;
    auto* grid = new QGridLayout(boxes);
    grid->setContentsMargins(0, 0, 0, 0);
    const QString placeholders[] = {QStringLiteral("work"), QStringLiteral("code image"),
                                    QStringLiteral("listing")};
    for (int i = 0; i < int(boxes_.size()); ++i) {
        boxes_[i] = box(QStringLiteral("Text1(%1)").arg(i), placeholders[i]);
        grid->addWidget(boxes_[i], 0, i);
    }
    boxes_[0]->setReadOnly(true);
    boxes_[2]->setReadOnly(true);
    message_ = box(QStringLiteral("Text3"), QStringLiteral("messages and the program map"));
    message_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    message_->installEventFilter(this);
    grid->addWidget(message_, 1, 0, 1, 3);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(1, 2);
    return boxes;
}

QWidget* Form3::buildMacroColumn() {
    auto* column = new QWidget;
    auto* layout = new QGridLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    withController_ = named(new QCheckBox(QStringLiteral("WR")), QStringLiteral("Check2"));
    withController_->setChecked(station_.withController());
    clearMacros_ = named(new QCheckBox(QStringLiteral("CLR")), QStringLiteral("Check4"));
    macroFolder_ = named(new QLineEdit, QStringLiteral("Text18"));
    macroFolder_->setPlaceholderText(QStringLiteral("MACRO sub-folder"));
    origin_ = named(new QLineEdit, QStringLiteral("Text19"));
    origin_->setReadOnly(true);
    loadedMacros_ = box(QStringLiteral("Text8"), QStringLiteral("loaded macros"));
    loadedMacros_->setReadOnly(true);
    macroText_ = box(QStringLiteral("Text9"), QStringLiteral("macro file"));
    macroText_->setReadOnly(true);
    layout->addWidget(withController_, 0, 0);
    layout->addWidget(clearMacros_, 0, 1);
    layout->addWidget(macroFolder_, 1, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("ORG")), 2, 0);
    layout->addWidget(origin_, 2, 1);
    layout->addWidget(loadedMacros_, 3, 0, 1, 2);
    layout->addWidget(macroText_, 4, 0, 1, 2);
    layout->setRowStretch(3, 1);
    layout->setRowStretch(4, 2);

    connect(withController_, &QCheckBox::toggled, &station_, &Station::setWithController);
    connect(clearMacros_, &QCheckBox::toggled, this,
            [this](bool on) { station_.assmber().setClearMacroList(on); });
    connect(macroFolder_, &QLineEdit::textChanged, &station_, &Station::setMacroFolder);
    return column;
}

void Form3::load() {
    pb1_->setProperty("Value", 0);
    station_.load();
    renderOptions();
    renderLine();
    station_.browser().rescan();
}

void Form3::showConverted(const QString& source) {
    source_->setPlainText(source);
    show();
    raise();
    activateWindow();
    source_->setFocus();
}

void Form3::renderOptions() {
    const PortSettings& port = station_.port();
    for (int i = 0; i < int(options_.size()); ++i)
        options_[i]->setChecked(i == port.selectedPortOption() || i == port.selectedBaudOption());
}

void Form3::renderLine() {
    const bool open = station_.port().portOpen();
    line_->setText(station_.port().lineDescription());
    line_->setStyleSheet(open ? QString() : QStringLiteral("color: #b00000; font-weight: bold"));
    setWindowTitle(
        QStringLiteral("%1 \u2014 %2").arg(QString::fromLatin1(Station::Title), line_->text()));
}

void Form3::renderAssembly() {
    const Assmber& assmber = station_.assmber();
    boxes_[0]->setPlainText(assmber.work());
    boxes_[1]->setPlainText(assmber.code());
    boxes_[2]->setPlainText(assmber.listing());
    origin_->setText(assmber.origin());
    loadedMacros_->setPlainText(assmber.loadedMacros());
    macroText_->setPlainText(assmber.macroFileText());
}

void Form3::renderPhase() {
    const ProgramDownload& download = station_.download();
    const ProgramDownload::Phase phase = download.phase();
    if (phase == ProgramDownload::Phase::Probe) {
        // The bars of the last run would be taken for this one's.
        pb1_->setProperty("Value", 0);
        transfer_->setPercent(0);
        showTransferPanel(ProgramDownload::panelCaption(phase));
    } else {
        transfer_->setTitle(ProgramDownload::panelCaption(phase));
    }
    transfer_->setStopEnabled(download.running());
}

void Form3::showTransferPanel(const QString& caption) {
    placeTransferPanel();
    transfer_->setTitle(caption);
    transfer_->show();
    transfer_->raise();
}

void Form3::tableWriteStarted() {
    showTransferPanel(QString::fromLatin1(TableWrite::PanelCaption));
    transfer_->setStopEnabled(false);
}

// After a byte that went unacknowledged the panel stays, with its attempts.
void Form3::tableWriteFinished() {
    if (station_.tableWrite().outcome() == TableWrite::Outcome::Done) transfer_->hide();
}

void Form3::renderPass() {
    renderAssembly();
    transfer_->setTrace(station_.assmber().trace());
}

void Form3::downloadFinished() {
    if (station_.download().outcome() == ProgramDownload::Outcome::AssemblyError)
        renderPass();
    else
        renderAssembly();
    transfer_->setStopEnabled(false);
    if (station_.download().outcome() == ProgramDownload::Outcome::Done) {
        transfer_->hide();
        cursor_->clear();
    }
}

// Over the work, code and listing boxes, leaving the message box in sight.
void Form3::placeTransferPanel() {
    const int top = boxes_[0]->mapTo(this, QPoint(0, 0)).y();
    const int bottom = message_->mapTo(this, QPoint(0, 0)).y() - 6;
    const QSize size(qMin(width() - 40, 560), qMax(200, bottom - top));
    transfer_->setGeometry(QRect(QPoint((width() - size.width()) / 2, top), size));
}

void Form3::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeTransferPanel();
}

void Form3::showCursor() {
    cursor_->setText(QString::number(source_->textCursor().position()));
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == message_ && type == QEvent::FocusIn) {
        // The message box hands the focus on and opens an indented line.
        source_->setFocus();
        source_->insertPlainText(QString(SourceIndent, u' '));
        return false;
    }
    if ((watched == source_ && type == QEvent::KeyPress) ||
        (watched == source_->viewport() && type == QEvent::MouseButtonPress))
        QTimer::singleShot(0, this, &Form3::showCursor);
    return QWidget::eventFilter(watched, event);
}
