// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows.h"

#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "HelpFrame.h"
#include "MapFiles.h"
#include "PalettePanel.h"
#include "ProgramFolder.h"
#include "Prompter.h"
#include "Station.h"
#include "Tracer.h"
#include "WindowTips.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <QShortcut>

namespace {
QString askForPdf(QWidget* parent, const QString& caption, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, caption, suggested,
                                        QStringLiteral("PDF (*.pdf);;SVG (*.svg);;PNG (*.png)"));
}

// The room a window's frame and title bar take beside what it is given.
const QSize FrameRoom(16, 40);
} // namespace

Windows::Windows(const ProgramFolder& folder, Prompter& prompter)
    : folder_(folder), prompter_(prompter), editor_(folder, prompter), form1_(editor_),
      form2_(editor_.view()), printer_(prompter,
                                       [this](const QString& caption, const QString& suggested) {
                                           return askForPdf(&form1_, caption, suggested);
                                       }),
      helpPages_(folder), helpFrame_(new HelpFrame(helpPages_, &form1_)) {
    connect(&editor_.view(), &PageView::changed, &form2_, qOverload<>(&QWidget::update));
    connect(&form1_, &Form1::printRequested, this, &Windows::print);
    helpFrame_->move(60, 80);
    helpFrame_->resize(560, 420);
    connect(form1_.palette(), &PalettePanel::slotDropped, this, &Windows::showHelp);
    connect(&form1_, &Form1::converted, this, [this](const QString& source) {
        if (form5_) form5_->setLoaderEnabled(false);
        assemblerWindow().showConverted(source);
    });
    connect(&form1_, &Form1::downloadWindowRequested, this, &Windows::openDownloadWindow);
    connect(&form1_, &Form1::exitRequested, this, &Windows::exit);
    connect(&form1_, &Form1::tracerRequested, this, [this] { bringForward(tracerWindow()); });
    connect(&editor_, &MapEditor::onlineChanged, this,
            [this](bool online) { station().port().setPortOpen(online); });
    form1_.installEventFilter(this);
}

bool Windows::eventFilter(QObject* watched, QEvent* event) {
    // The map editor's close box ends the program, whatever else is open,
    // once unsaved changes are saved or given up.
    if (watched == &form1_ && event->type() == QEvent::Close) {
        if (!editor_.mayDiscardChanges()) {
            event->ignore();
            return true;
        }
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

Windows::~Windows() = default;

void Windows::print() {
    // The PDF is suggested beside the map, named after it and the page.
    const QString map = QFileInfo(editor_.mapFiles().fileName()).completeBaseName();
    const QString name = QStringLiteral("%1-page%2.pdf")
                             .arg(map.isEmpty() ? QStringLiteral("PLC") : map)
                             .arg(editor_.map().currentPage() + 1);
    printer_.setSuggestedPdf(QDir(editor_.mapFiles().browser().folder()).filePath(name));
    printer_.print(form2_);
}

void Windows::showHelp(int slot) {
    const QString name = editor_.catalogue().slotBitmap(slot);
    const HelpPages::Page page = helpPages_.open(name);
    if (!page.error.isEmpty()) {
        prompter_.inform(QStringLiteral("VantMAP"), page.error);
        return;
    }
    helpFrame_->showPage(name, page.path);
}

void Windows::start() {
    form1_.start();
    helpPages_.setEnglish(editor_.english());
    // The whole screen: the grid grows with the window.
    dress(form1_, form1_.screen()->availableGeometry().size());
    form1_.show();
}

// Most of the screen, leaving a margin of the map editor in sight.
QSize Windows::roomyShare() const {
    return form1_.screen()->availableGeometry().size() * 0.9;
}

void Windows::dress(QWidget& window, QSize wanted) {
    WindowTips::apply(window, editor_.texts());
    addWindowKeys(window);
    const QRect screen = form1_.screen()->availableGeometry();
    const QSize size = wanted.boundedTo(screen.size() - FrameRoom);
    window.resize(size);
    // Centred on the map editor's screen, the frame included.
    const QSize outer = size + FrameRoom;
    window.move(screen.topLeft() + QPoint((screen.width() - outer.width()) / 2,
                                          (screen.height() - outer.height()) / 2));
}

// F2 to F5 bring the map editor, the assembler-and-link window, the tracer
// and the download window forward from any of them.
void Windows::addWindowKeys(QWidget& window) {
    const auto key = [this, &window](Qt::Key k, auto forward) {
        auto* shortcut = new QShortcut(QKeySequence(k), &window);
        connect(shortcut, &QShortcut::activated, this, forward);
    };
    key(Qt::Key_F2, [this] { bringForward(form1_); });
    key(Qt::Key_F3, [this] { bringForward(assemblerWindow()); });
    key(Qt::Key_F4, [this] { bringForward(tracerWindow()); });
    key(Qt::Key_F5, [this] {
        // Only once the access code has opened it.
        if (form5_) bringForward(*form5_);
    });
}

void Windows::bringForward(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

Form3& Windows::assemblerWindow() {
    if (!form3_) makeAssemblerWindow();
    return *form3_;
}

Station& Windows::station() {
    if (!station_) makeAssemblerWindow();
    return *station_;
}

Form4& Windows::tracerWindow() {
    if (!form4_) makeTracerWindow();
    return *form4_;
}

Tracer& Windows::tracer() {
    if (!tracer_) makeTracerWindow();
    return *tracer_;
}

Form5& Windows::downloadWindow() {
    if (!form5_) {
        form5_ = std::make_unique<Form5>(station(), prompter_);
        form5_->setLoaderEnabled(false);
        dress(*form5_, form5_->size());
    }
    return *form5_;
}

void Windows::openDownloadWindow() {
    Form5& window = downloadWindow();
    window.setLoaderEnabled(true);
    window.showMaximized();
    assemblerWindow().showMaximized();
}

void Windows::exit() {
    // With unsaved changes their question is the one to answer.
    if (editor_.history().modified()
            ? !editor_.mayDiscardChanges()
            : !prompter_.confirm(QString::fromLatin1(MapEditor::QuestionTitle),
                                 QStringLiteral("EXIT  VantMAP ?")))
        return;
    form2_.hide();
    for (QWidget* window :
         std::initializer_list<QWidget*>{form3_.get(), form4_.get(), form5_.get()})
        if (window) window->hide();
    form1_.hide();
    QCoreApplication::quit();
}

void Windows::makeTracerWindow() {
    Station& station = this->station();
    tracer_ = std::make_unique<Tracer>(station.link(), station.Timer1());
    tracer_->loadNames(folder_);
    connect(&station, &Station::commonStepsTaken, tracer_.get(), &Tracer::pause);
    form4_ = std::make_unique<Form4>(*tracer_);
    form4_->setRecordingFolder(folder_.path(QStringLiteral("trace")));
    // All its cells at their size at least, more where the screen has room.
    dress(*form4_, form4_->sizeHint().expandedTo(roomyShare()));
}

void Windows::makeAssemblerWindow() {
    station_ = std::make_unique<Station>(folder_, prompter_);
    form3_ = std::make_unique<Form3>(*station_);
    Station& station = *station_;
    station.setMapName(editor_.mapFiles().fileName());
    connect(&editor_.mapFiles(), &MapFiles::fileNameChanged, &station, &Station::setMapName);
    connect(&station, &Station::goToRow, &form1_, &Form1::showGoToRow);
    connect(&station, &Station::commonStepsTaken, &editor_.view(), &PageView::unmarkGoToRow);
    // The clock setting sends the map editor's clock text to the tracer's
    // slave address, and the tracer's switch turns to "STOP".
    connect(form3_.get(), &Form3::clockSettingRequested, this, [this] {
        tracer().pause();
        station_->setClock(editor_.view().clock(), quint8(tracer().slave()));
    });
    // 1280 x 720 at least, more where the screen has room, inside it with
    // its frame.
    dress(*form3_, QSize(1280, 720).expandedTo(roomyShare()));
    form3_->load();
}
