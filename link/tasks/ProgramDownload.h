#pragma once

#include "ByteWriteSeries.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class Assmber;

// The download of "Assm": from a source text into a running controller, as one
// state machine on the event loop: the link check (probe, three attempts of
// two DELAYs), source replacement and the pass, the image check, the halt
// frame, the macro blocks ("Complace"), the transfer of every image byte with
// an acknowledged byte write ("TRAN", three attempts of one DELAY each), the
// .BIN file, the start frame and the program map. The assembler window, obelc
// and the tests all drive this one machine; none of them holds a step of it.
// LinkIdle is 0 exactly while the assembly and the transfer run.
class ProgramDownload : public QObject {
    Q_OBJECT
public:
    enum class Phase {
        Idle,
        Probe,    // the link check
        Assemble, // Rep_prs and the pass
        Macros,   // the transfer panel reads "Complace"
        Transfer, // the transfer panel reads "TRAN"
    };
    enum class Outcome {
        Done,            // transferred, started, program map written
        NoAnswer,        // the probe went unanswered: "RS-232 ERROR !!"
        AssemblyError,   // the pass failed; the assembler's message names the line
        MacroError,      // a macro block could not be loaded
        BadImage,        // a code image record is not hexadecimal: nothing sent
        NotAcknowledged, // a byte write went unacknowledged: "Load ERROR !!"
        Stopped,         // the user gave up the transfer; the controller stays halted
    };

    ProgramDownload(Link& link, Assmber& assmber, QObject* parent = nullptr);

    // Starts the download with the source as the user wrote it; false (nothing
    // done) while a download or another exchange of the link runs, or a
    // transfer holds the line. "WR" is
    // the caller's to set alike on the link and the assembler.
    bool start(const QString& source);
    // Gives up a running transfer after the exchange under way; the controller
    // stays halted and nothing after the transfer runs. Before the transfer
    // it ends the download where it is, nothing sent after the probe.
    void stop();

    bool running() const { return phase_ != Phase::Idle; }
    Phase phase() const { return phase_; }
    // PB2: the share of the image text sent at the start of the record under
    // way, i x 100 / length as a single-precision value.
    float transferPercent() const { return percent_; }
    // The address of the byte write that went unacknowledged, or of the
    // record that is not hexadecimal; -1 otherwise.
    int failedAddress() const { return failedAddress_; }
    // For the user: how the last download ended, "" when done. After an
    // assembly or macro error it is the assembler's report (message()).
    const QString& failure() const { return failure_; }
    Outcome outcome() const { return outcome_; }
    // Where the download is, as said when it stops there: the address under
    // way and the controller's state.
    QString stoppedText() const;
    // Byte writes acknowledged (or, without "WR", sent) so far, of the
    // image's bytes; and the time from the start to the end of the download.
    int bytesWritten() const { return series_.written(); }
    int imageBytes() const;
    qint64 elapsedMs() const { return elapsedMs_; }

    // Texts and titles of the messages the window shows.
    static constexpr const char* NoAnswerText = "RS-232 ERROR !!";
    static constexpr const char* NotAcknowledgedText = "Load ERROR !!";
    static constexpr const char* MessageTitle = "norvette-c Hrim";
    // Captions of the transfer panel by phase.
    static QString panelCaption(Phase phase);

signals:
    // Entering a phase other than Idle; finished() marks the return to Idle.
    void phaseChanged(ProgramDownload::Phase phase);
    // The pass is done and its boxes may be shown; the code box is the
    // user's to edit (Assmber::setCode) until the image is checked, which
    // follows at once.
    void assembled();
    // PB2 moved; the attempt trace is the link's own (traceChanged).
    void transferProgress(float percent);
    // After the halt frame and after the .BIN file.
    void beep();
    // Emitted once the machine is Idle again, so a slot may start anew.
    void finished(ProgramDownload::Outcome outcome);

private:
    void probed(bool answered);
    void assembleSource();
    void loadMacrosAndHalt();
    void writing();
    void transferred();
    void transferEnded(ByteWriteSeries::Outcome outcome);
    void setPhase(Phase phase);
    bool endIfStopped();
    void end(Outcome outcome, const QString& failure);
    // The address of the byte the transfer writes next, or has just written.
    int byteAddress() const;
    // Where the record of the byte under way starts in image_.
    qsizetype record() const;

    Link& link_;
    Assmber& assmber_;
    Phase phase_ = Phase::Idle;
    Outcome outcome_ = Outcome::Done;
    float percent_ = 0;
    int failedAddress_ = -1;
    QString failure_;
    QElapsedTimer clock_;
    qint64 elapsedMs_ = 0;

    QString source_;
    QString image_; // the code image text the transfer sends
    ByteWriteSeries series_;
    bool haltSent_ = false;
    bool stopWanted_ = false;
};
