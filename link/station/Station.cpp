// SPDX-License-Identifier: GPL-3.0-or-later
#include "Station.h"

#include "DownloadReport.h"
#include "Frames.h"
#include "HexText.h"
#include "ProgramFolder.h"
#include "Prompter.h"
#include "SourceFile.h"
#include "TableFile.h"
#include "ToolAnswer.h"
#include "Transport.h"
#include "Transports.h"

namespace {
const QString SaveTitle = QStringLiteral("norvette-c PLC");
const QString Busy = QStringLiteral("The line is busy with a transfer; nothing was sent.");
} // namespace

Station::Station(const ProgramFolder& folder, Prompter& prompter, QObject* parent)
    : QObject(parent), folder_(folder), prompter_(prompter), port_(folder, &Transports::make),
      assmber_(folder), download_(link_, assmber_), tools_(link_), tableWrite_(link_),
      browser_(folder.root(), QStringLiteral("*.plc")) {
    browser_.setFolder(folder.path(QStringLiteral("plc")));
    timer1_.setObjectName(QStringLiteral("Timer1"));
    connect(&port_, &PortSettings::transportChanged, &link_, &Link::setTransport);
    connect(&port_, &PortSettings::problem, this,
            [this](const QString& text) { setMessage(text); });
    connect(&download_, &ProgramDownload::beep, this, [this] { prompter_.beep(); });
    connect(&download_, &ProgramDownload::finished, this, &Station::finished);
    connect(&tableWrite_, &TableWrite::beep, this, [this] { prompter_.beep(); });
    connect(&tableWrite_, &TableWrite::finished, this, &Station::tableWritten);
    for (ToolAnswer*& answer : answers_)
        answer = new ToolAnswer(link_, this);
    setWithController(true);
}

void Station::load() {
    port_.load();
    link_.setLinkIdle(true);
}

QString Station::commandCaption(int index) {
    static const char* const captions[Commands] = {"Assm", "Save", "Load", "Print",
                                                   RunControl::Halted};
    return index >= 0 && index < Commands ? QString::fromLatin1(captions[index]) : QString();
}

void Station::setWithController(bool on) {
    const bool changed = on != link_.withController();
    link_.setWithController(on);
    assmber_.setWithController(on);
    if (changed) emit withControllerChanged(on);
}

void Station::setMacroFolder(const QString& folder) {
    assmber_.setMacroFolder(folder);
    setWithController(true);
}

void Station::command(int index, const QString& box) {
    // A text box may hand its lines over with bare line feeds.
    const QString source = SourceFile::lines(box);
    timer1_.stop();
    emit commonStepsTaken();
    prompter_.beep();
    clearFailure();
    switch (index) {
    case Assm:
        if (download_.start(source)) {
            setMessage({}, false);
            setStatus(QStringLiteral("Assm: checking the link on %1").arg(port_.lineDescription()));
        } else {
            setStatus(QStringLiteral("Assm: not started; the line is busy with a transfer"));
        }
        break;
    case Save:
        save(source);
        break;
    case Load:
        setBrowserShown(!browserShown_);
        setStatus(browserShown_
                      ? QStringLiteral("Load: double-click a .plc file under \"Load New File\"")
                      : QStringLiteral("Load: \"Load New File\" hidden"));
        break;
    case Print:
        setStatus(QStringLiteral("Print: nothing is printed from this window; tracing stopped"));
        break;
    case RunStop:
        runStop();
        break;
    default:
        break;
    }
}

// The caption is all the program knows of the controller: it turns only
// when its frame can go out.
void Station::runStop() {
    const QString wanted = QString::fromLatin1(
        runControl_.caption() == QLatin1String(RunControl::Running) ? RunControl::Halted
                                                                    : RunControl::Running);
    if (const QString closed = lineClosed(); !closed.isEmpty()) {
        setStatus(QStringLiteral("%1: not sent, %2; the button still reads %3")
                      .arg(wanted, closed, runControl_.caption()));
        return;
    }
    if (!runControl_.click(link_)) {
        setStatus(QStringLiteral("%1: not sent, %2; the button still reads %3")
                      .arg(wanted, QLatin1String(Link::HeldText), runControl_.caption()));
        return;
    }
    emit runCaptionChanged(runControl_.caption());
    setStatus(QStringLiteral("%1: %2 frame sent to %3")
                  .arg(wanted,
                       wanted == QLatin1String(RunControl::Running) ? QStringLiteral("start")
                                                                    : QStringLiteral("halt"),
                       port_.lineDescription()));
}

void Station::setBrowserShown(bool shown) {
    browserShown_ = shown;
    emit browserShownChanged(shown);
}

QString Station::lineClosed() const {
    return port_.portOpen() ? QString() : port_.lineDescription();
}

std::optional<QString> Station::loadSource(const QString& name) {
    sourceName_ = name;
    emit sourceNameChanged(name);
    if (name.trimmed().isEmpty()) return std::nullopt;
    QString error;
    auto text = SourceFile::load(folder_, name, &error);
    if (!text) {
        prompter_.inform(SaveTitle, error);
        setStatus(QStringLiteral("Load: %1 not read").arg(name));
        return text;
    }
    setBrowserShown(false);
    setStatus(QStringLiteral("Load: %1 read, %2 characters").arg(name).arg(text->size()));
    return text;
}

void Station::save(const QString& source) {
    const auto answer = prompter_.ask(SaveTitle, QStringLiteral("Input File Name ! "), sourceName_);
    if (!answer || answer->trimmed().isEmpty()) {
        setStatus(QStringLiteral("Save: no name given, nothing written"));
        return;
    }
    sourceName_ = SourceFile::saveName(*answer);
    emit sourceNameChanged(sourceName_);
    QString error;
    const QString path = browser_.pathOf(sourceName_);
    if (SourceFile::save(path, source, &error)) {
        setStatus(QStringLiteral("Save: %1 written").arg(path));
    } else {
        prompter_.inform(SaveTitle, QStringLiteral("The source was not saved.\n%1").arg(error));
        setStatus(QStringLiteral("Save: %1 not written").arg(path));
    }
    browser_.rescan();
}

void Station::finished(ProgramDownload::Outcome outcome) {
    using Outcome = ProgramDownload::Outcome;
    switch (outcome) {
    case Outcome::Done:
        setMessage(assmber_.programMap(), false);
        break;
    case Outcome::AssemblyError:
        setMessage(assmber_.message());
        emit goToRow(assmber_.goToRow());
        break;
    case Outcome::MacroError:
        setMessage(assmber_.message());
        break;
    case Outcome::NoAnswer:
    case Outcome::NotAcknowledged:
    case Outcome::BadImage:
    case Outcome::Stopped:
        setMessage(download_.failure());
        break;
    }
    QString status = DownloadReport::text(
        download_, {DownloadReport::programName(assmber_.mapName(), sourceName_),
                    port_.lineDescription(), link_.withController(), port_.portOpen()});
    const QStringList& fileErrors = assmber_.fileErrors();
    for (const QString& error : fileErrors)
        setMessage(message_ + QStringLiteral("\r\nNot written: ") + error);
    if (!fileErrors.isEmpty())
        status += QStringLiteral("; %1 file(s) not written").arg(fileErrors.size());
    setStatus(status);
    // The box waits for the user: the status line says it first.
    if (outcome == Outcome::NoAnswer || outcome == Outcome::NotAcknowledged)
        prompter_.inform(QString::fromLatin1(ProgramDownload::MessageTitle),
                         QString::fromLatin1(outcome == Outcome::NoAnswer
                                                 ? ProgramDownload::NoAnswerText
                                                 : ProgramDownload::NotAcknowledgedText));
}

void Station::setMessage(const QString& text, bool failure) {
    message_ = text;
    messageIsFailure_ = failure && !text.isEmpty();
    emit messageChanged();
}

// The program map of a finished download stays; a failure would be taken for
// the next command's.
void Station::clearFailure() {
    if (messageIsFailure_) setMessage({}, false);
}

void Station::setStatus(const QString& text) {
    status_ = text;
    emit statusChanged();
}

bool Station::busy() const {
    return download_.running() || tableWrite_.running() || link_.exchanging();
}

QString Station::toolRefusal() const {
    // A frame between a transfer's byte writes would take the place of the
    // 0xAA the halt frame left in them.
    if (busy()) return Busy;
    if (const QString closed = lineClosed(); !closed.isEmpty())
        return QStringLiteral("%1; nothing was sent.").arg(closed);
    return {};
}

ServiceTools::Result
Station::useTool(Tool which, const std::function<ServiceTools::Result(ServiceTools&)>& tool) {
    clearFailure();
    const QString refusal = toolRefusal();
    ServiceTools::Result result =
        refusal.isEmpty() ? tool(tools_) : ServiceTools::Result{{}, refusal};
    ToolAnswer& answer = *answers_[int(which)];
    if (result.refused()) {
        prompter_.inform(QString::fromLatin1(Title), result.refusal);
        answer.tell(QStringLiteral("not sent: ") + result.refusal);
    } else {
        answer.sent(result.sent);
    }
    return result;
}

void Station::setClock(const QString& clockText, quint8 slave) {
    const auto sent =
        useTool(Tool::Clock, [&](ServiceTools& tools) { return tools.setClock(clockText, slave); });
    if (sent.refused()) return;
    emit clockResultChanged(tools_.clockResult());
    prompter_.beep();
}

void Station::writeTable(const QString& name) {
    if (name.trimmed().isEmpty()) return;
    clearFailure();
    ToolAnswer& answer = *answers_[int(Tool::Table)];
    const auto refuse = [&](const QString& why) {
        prompter_.inform(QString::fromLatin1(TableWrite::MessageTitle), why);
        answer.tell(QStringLiteral("not sent: ") + why.simplified());
    };
    if (const QString refusal = toolRefusal(); !refusal.isEmpty()) {
        refuse(refusal);
        return;
    }
    QString error;
    const auto table = TableFile::read(TableFile::path(folder_, name), &error);
    if (!table) {
        refuse(error + QStringLiteral("\nNothing was sent."));
        return;
    }
    if (!prompter_.confirm(QString::fromLatin1(TableWrite::QuestionTitle),
                           QString::fromLatin1(TableWrite::Question))) {
        link_.send(&Frames::start);
        answer.tell(QStringLiteral("cancelled: only the start frame sent"));
        return;
    }
    // The tracer's reads would take the place of the byte writes' 0xAA.
    timer1_.stop();
    tableWrite_.start(*table);
    answer.tell(QStringLiteral("writing %1 to %2").arg(itemCount(), tableAddresses()));
}

QString Station::itemCount() const {
    const auto items = tableWrite_.table().items().size();
    return items == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(items);
}

QString Station::tableAddresses() const {
    const TableFile& table = tableWrite_.table();
    const int items = int(table.items().size());
    if (items == 0) return QStringLiteral("no address");
    return hexText(table.address(0), 4) + u'\u2013' + hexText(table.address(items - 1), 4);
}

void Station::tableWritten(TableWrite::Outcome outcome) {
    ToolAnswer& answer = *answers_[int(Tool::Table)];
    if (outcome == TableWrite::Outcome::Done) {
        answer.tell(QStringLiteral("%1 written to %2; start frame sent")
                        .arg(itemCount(), tableAddresses()));
        return;
    }
    // Item k goes to the address whose low byte is k: so many went before it.
    answer.tell(QStringLiteral("Load ERROR at %1: no acknowledgement after %2 attempts; %3 of %4 "
                               "written; controller left halted")
                    .arg(hexText(tableWrite_.failedAddress(), 4))
                    .arg(Link::Attempts)
                    .arg(tableWrite_.failedAddress() & 0xFF)
                    .arg(itemCount()));
    prompter_.inform(QString::fromLatin1(TableWrite::MessageTitle),
                     QString::fromLatin1(TableWrite::NotAcknowledgedText));
}
