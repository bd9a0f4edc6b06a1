#include "ProgramDownload.h"

#include "Assmber.h"
#include "Frames.h"
#include "HexText.h"
#include "ImageRecords.h"
#include "Link.h"

#include <QPointer>

namespace {

QString hexAddress(int address) {
    return QStringLiteral("0x") + hexText(quint32(address), 4);
}

} // namespace

ProgramDownload::ProgramDownload(Link& link, Assmber& assmber, QObject* parent)
    : QObject(parent), link_(link), assmber_(assmber), series_(link) {
    connect(&series_, &ByteWriteSeries::halted, this, [this] {
        haltSent_ = true;
        emit beep();
        setPhase(Phase::Transfer);
        if (stopWanted_) series_.stop();
    });
    connect(&series_, &ByteWriteSeries::writing, this, &ProgramDownload::writing);
    connect(&series_, &ByteWriteSeries::allWritten, this, &ProgramDownload::transferred);
    connect(&series_, &ByteWriteSeries::finished, this, &ProgramDownload::transferEnded);
}

QString ProgramDownload::panelCaption(Phase phase) {
    switch (phase) {
    case Phase::Macros:
        return QStringLiteral("Complace");
    case Phase::Transfer:
        return QStringLiteral("TRAN");
    case Phase::Idle:
    case Phase::Probe:
    case Phase::Assemble:
        break;
    }
    return {};
}

bool ProgramDownload::start(const QString& source) {
    if (running() || link_.exchanging() || link_.held()) return false;
    source_ = source;
    outcome_ = Outcome::Done;
    percent_ = 0;
    failedAddress_ = -1;
    failure_.clear();
    image_.clear();
    clock_.start();
    haltSent_ = false;
    stopWanted_ = false;
    setPhase(Phase::Probe);
    // The link outlives a window's download that closes in the middle.
    link_.exchange(&Frames::probe, Link::Flag::Reply, 2, [self = QPointer(this)](bool answered) {
        if (self) self->probed(answered);
    });
    return true;
}

// The exchange under way runs to its end, which looks at the wish; a stop
// from a slot of one of our signals is seen at the next step.
void ProgramDownload::stop() {
    if (!running()) return;
    stopWanted_ = true;
    series_.stop();
}

void ProgramDownload::probed(bool answered) {
    if (endIfStopped()) return;
    if (!answered) {
        end(Outcome::NoAnswer, QString::fromLatin1(NoAnswerText));
        return;
    }
    link_.dump().setByteCount(1);
    link_.setLinkIdle(false);
    assembleSource();
}

void ProgramDownload::assembleSource() {
    setPhase(Phase::Assemble);
    if (endIfStopped()) return;
    if (!assmber_.assemble(source_)) {
        end(Outcome::AssemblyError, assmber_.message());
        return;
    }
    emit assembled();
    if (endIfStopped()) return;
    if (const auto fault = ImageRecords::firstFault(assmber_.code())) {
        failedAddress_ = fault->address;
        end(Outcome::BadImage,
            QStringLiteral("Code image record %1 \"%2\" is not \"AAAA = BB - CC\" with an even "
                           "hexadecimal address and hexadecimal bytes; nothing was sent.")
                .arg(fault->number)
                .arg(fault->text));
        return;
    }
    loadMacrosAndHalt();
}

// Every macro file the source names is read before the halt frame, so that
// a missing or damaged one leaves the controller as it was. Macro records
// come from checked Intel HEX bytes and are written by the assembler
// itself, so they need no second look before they are sent.
void ProgramDownload::loadMacrosAndHalt() {
    setPhase(Phase::Macros);
    if (endIfStopped()) return;
    if (!assmber_.loadMacros()) {
        end(Outcome::MacroError,
            assmber_.message() +
                QStringLiteral("\r\nNothing was sent after the link check; the controller "
                               "was not halted."));
        return;
    }
    image_ = assmber_.code();
    // Nothing else can have taken the line since the probe's exchange ended.
    series_.start(ImageRecords::bytes(image_));
}

void ProgramDownload::writing() {
    // The share of the text already sent when this record began.
    percent_ = float(double(record() + 1) * 100 / double(image_.size()));
    emit transferProgress(percent_);
}

// The image file is written once every byte is in, before the start frame.
void ProgramDownload::transferred() {
    assmber_.writeImageFile();
    emit beep();
}

void ProgramDownload::transferEnded(ByteWriteSeries::Outcome outcome) {
    switch (outcome) {
    case ByteWriteSeries::Outcome::Done:
        assmber_.writeProgramMap();
        return end(Outcome::Done, {});
    case ByteWriteSeries::Outcome::NotAcknowledged:
        failedAddress_ = byteAddress();
        return end(Outcome::NotAcknowledged,
                   QStringLiteral("%1 at address %2; the controller stays halted.")
                       .arg(QString::fromLatin1(NotAcknowledgedText), hexAddress(failedAddress_)));
    case ByteWriteSeries::Outcome::Stopped:
        return end(Outcome::Stopped, stoppedText());
    }
}

int ProgramDownload::imageBytes() const {
    return int(image_.size() / ImageRecords::Length * 2);
}

int ProgramDownload::byteAddress() const {
    return series_.bytes().value(series_.written()).address;
}

qsizetype ProgramDownload::record() const {
    return series_.written() / 2 * ImageRecords::Length;
}

void ProgramDownload::setPhase(Phase phase) {
    phase_ = phase;
    emit phaseChanged(phase);
}

bool ProgramDownload::endIfStopped() {
    if (!stopWanted_) return false;
    end(Outcome::Stopped, stoppedText());
    return true;
}

QString ProgramDownload::stoppedText() const {
    if (phase_ == Phase::Transfer && series_.written() < series_.bytes().size())
        return QStringLiteral("Transfer stopped at address %1; the controller stays halted.")
            .arg(hexAddress(byteAddress()));
    if (phase_ == Phase::Transfer)
        return QStringLiteral("Transfer stopped after its last byte, before the start frame; "
                              "the controller stays halted.");
    return haltSent_ ? QStringLiteral("Stopped before the transfer; the controller is halted.")
                     : QStringLiteral("Stopped before the transfer; nothing was sent after the "
                                      "link check.");
}

void ProgramDownload::end(Outcome outcome, const QString& failure) {
    outcome_ = outcome;
    failure_ = failure;
    elapsedMs_ = clock_.elapsed();
    link_.setLinkIdle(true);
    phase_ = Phase::Idle;
    emit finished(outcome);
}
