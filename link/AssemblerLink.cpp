#include "AssemblerLink.h"

#include "Frames.h"
#include "ProgramFolder.h"
#include "Prompter.h"
#include "SourceFile.h"
#include "TableFile.h"
#include "Transport.h"
#include "Transports.h"

namespace {
const QString SaveTitle = QStringLiteral("norvette-c PLC");
} // namespace

AssemblerLink::AssemblerLink(const ProgramFolder& folder, Prompter& prompter, QObject* parent)
    : QObject(parent), folder_(folder), prompter_(prompter), port_(folder, &Transports::make),
      assmber_(folder), download_(link_, assmber_), tools_(link_), tableWrite_(link_),
      browser_(folder.root(), QStringLiteral("*.plc")) {
    browser_.setFolder(folder.path(QStringLiteral("plc")));
    timer1_.setObjectName(QStringLiteral("Timer1"));
    connect(&port_, &PortSettings::transportChanged, &link_, &Link::setTransport);
    connect(&port_, &PortSettings::problem, this, &AssemblerLink::setMessage);
    connect(&download_, &ProgramDownload::beep, this, [this] { prompter_.beep(); });
    connect(&download_, &ProgramDownload::finished, this, &AssemblerLink::finished);
    connect(&tableWrite_, &TableWrite::beep, this, [this] { prompter_.beep(); });
    connect(&tableWrite_, &TableWrite::finished, this, &AssemblerLink::tableWritten);
    setWithController(true);
}

void AssemblerLink::load() {
    port_.load();
    link_.setLinkIdle(true);
}

QString AssemblerLink::commandCaption(int index) {
    static const char* const captions[Commands] = {"Assm", "Save", "Load", "Print",
                                                   RunControl::Halted};
    return index >= 0 && index < Commands ? QString::fromLatin1(captions[index]) : QString();
}

void AssemblerLink::setWithController(bool on) {
    const bool changed = on != link_.withController();
    link_.setWithController(on);
    assmber_.setWithController(on);
    if (changed) emit withControllerChanged(on);
}

void AssemblerLink::setMacroFolder(const QString& folder) {
    assmber_.setMacroFolder(folder);
    setWithController(true);
}

void AssemblerLink::command(int index, const QString& box) {
    // A text box may hand its lines over with bare line feeds.
    const QString source = SourceFile::lines(box);
    timer1_.stop();
    emit commonStepsTaken();
    prompter_.beep();
    switch (index) {
    case Assm:
        if (download_.start(source)) setMessage({});
        break;
    case Save:
        save(source);
        break;
    case RunStop:
        runControl_.click(link_);
        emit runCaptionChanged(runControl_.caption());
        break;
    default: // "Load" is the window's; "Print" does nothing more
        break;
    }
}

std::optional<QString> AssemblerLink::loadSource(const QString& name) {
    sourceName_ = name;
    emit sourceNameChanged(name);
    if (name.trimmed().isEmpty()) return std::nullopt;
    QString error;
    auto text = SourceFile::load(folder_, name, &error);
    if (!text) prompter_.inform(SaveTitle, error);
    return text;
}

void AssemblerLink::save(const QString& source) {
    const auto answer = prompter_.ask(SaveTitle, QStringLiteral("Input File Name ! "), sourceName_);
    if (!answer || answer->trimmed().isEmpty()) return;
    sourceName_ = SourceFile::saveName(*answer);
    emit sourceNameChanged(sourceName_);
    QString error;
    if (!SourceFile::save(browser_.pathOf(sourceName_), source, &error))
        prompter_.inform(SaveTitle, QStringLiteral("The source was not saved.\n%1").arg(error));
    browser_.rescan();
}

void AssemblerLink::finished(ProgramDownload::Outcome outcome) {
    using Outcome = ProgramDownload::Outcome;
    const QString title = QString::fromLatin1(ProgramDownload::MessageTitle);
    switch (outcome) {
    case Outcome::Done:
        setMessage(assmber_.programMap());
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
        setMessage(download_.failure());
        prompter_.inform(title, QString::fromLatin1(outcome == Outcome::NoAnswer
                                                        ? ProgramDownload::NoAnswerText
                                                        : ProgramDownload::NotAcknowledgedText));
        break;
    case Outcome::BadImage:
    case Outcome::Stopped:
        setMessage(download_.failure());
        break;
    }
    for (const QString& error : assmber_.fileErrors())
        setMessage(message_ + QStringLiteral("\r\nNot written: ") + error);
}

void AssemblerLink::setMessage(const QString& text) {
    message_ = text;
    emit messageChanged();
}

bool AssemblerLink::busy() const {
    return download_.running() || tableWrite_.running() || link_.exchanging();
}

ServiceTools::Result AssemblerLink::useTool(
    const std::function<ServiceTools::Result(ServiceTools&)>& tool) {
    // A frame between a transfer's byte writes would take the place of the
    // 0xAA the halt frame left in them.
    ServiceTools::Result result =
        busy() ? ServiceTools::Result{{}, QStringLiteral("The line is busy with a transfer; "
                                                         "nothing was sent.")}
               : tool(tools_);
    if (result.refused()) prompter_.inform(QString::fromLatin1(Title), result.refusal);
    return result;
}

void AssemblerLink::setClock(const QString& clockText, quint8 slave) {
    const auto sent = useTool([&](ServiceTools& tools) { return tools.setClock(clockText, slave); });
    if (sent.refused()) return;
    emit clockResultChanged(tools_.clockResult());
    prompter_.beep();
}

void AssemblerLink::writeTable(const QString& name) {
    if (name.trimmed().isEmpty()) return;
    const QString title = QString::fromLatin1(TableWrite::MessageTitle);
    if (busy()) {
        prompter_.inform(title, QStringLiteral("The line is busy with a transfer; nothing was sent."));
        return;
    }
    QString error;
    const auto table = TableFile::read(TableFile::path(folder_, name), &error);
    if (!table) {
        prompter_.inform(title, error + QStringLiteral("\nNothing was sent."));
        return;
    }
    if (!prompter_.confirm(QString::fromLatin1(TableWrite::QuestionTitle),
                           QString::fromLatin1(TableWrite::Question))) {
        Frames::start(link_.ShortFrame);
        link_.send(Link::Buffer::Short);
        return;
    }
    // The tracer's reads would take the place of the byte writes' 0xAA.
    timer1_.stop();
    tableWrite_.start(*table);
}

void AssemblerLink::tableWritten(TableWrite::Outcome outcome) {
    if (outcome == TableWrite::Outcome::NotAcknowledged)
        prompter_.inform(QString::fromLatin1(TableWrite::MessageTitle),
                         QString::fromLatin1(TableWrite::NotAcknowledgedText));
}
