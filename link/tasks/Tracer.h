// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControllerFacts.h"
#include "TraceRecording.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Link;
class ProgramFolder;
class QTimer;

// The tracer: the controller's memory polled with Modbus reads of eight
// registers at a time (registers 16 on, one block a tick of the assembler
// window's poll timer), shown as 224 byte cells with names from def/map.tab
// and as 48 bit buttons; a changed cell goes back with a register write.
// Replies are checked: only the answer to the read just sent is memory.
class Tracer : public QObject {
    Q_OBJECT
public:
    static constexpr int Cells = 224;
    static constexpr int NamedCells = 160;
    static constexpr int BitGroups = 6;
    static constexpr int BitButtons = BitGroups * 8;
    static constexpr int BlockRegisters = 8;
    static constexpr int FirstRegister = 16;
    static constexpr int HoldOffTicks = 5;
    // The run register's low byte: registers are shown high byte first.
    static constexpr int RunCell = 2 * (ControllerFacts::RunRegister - FirstRegister) + 1;
    static constexpr int DefaultIntervalMs = 50;
    // Polls further apart than a minute watch nothing; a longer interval
    // typed by mistake would only look like a dead line.
    static constexpr int MaxIntervalMs = 60000;

    // The "Modef" marker: nothing to write, a changed cell waits (light
    // red), the write has gone out (light yellow).
    enum class Marker { Idle, Pending, Sent };

    // Every read sent is judged once, on the tick after it: good, missing,
    // bad or withheld.
    struct Counters {
        int polls = 0;    // reads sent
        int good = 0;     // answers taken as memory
        int missing = 0;  // reads that found no answer at all
        int bad = 0;      // answers that were not the answer to the read
        int withheld = 0; // reads whose answer the link gave elsewhere
        QString lastBad;  // why the last bad one was refused
        // Sent and not yet judged: the read of the last tick, if any.
        int pending() const { return polls - good - missing - bad - withheld; }
    };

    // clock is the assembler window's poll timer; its ticks drive tick().
    Tracer(Link& link, QTimer& clock, QObject* parent = nullptr);

    // Opening the window: the names of def/map.tab ("NAME#comment" items,
    // separated by commas or line breaks; an item without "#" ends the
    // list). Without the file the cells stay unnamed.
    void loadNames(const ProgramFolder& folder);
    // The caption of cell i's name label ("" when unnamed) and its whole item.
    QString name(int cell) const;
    const QString& nameItem(int cell) const { return items_.at(cell); }
    bool named(int cell) const { return !items_.at(cell).isEmpty(); }

    // The trace switch: "TR" while tracing, "STOP" otherwise.
    bool tracing() const { return tracing_; }
    QString switchCaption() const;
    void toggleTracing();
    // Stops tracing (the switch reads "STOP"): no read goes out any more;
    // the one under way is judged on the next tick.
    void pause();
    // Whether answers go elsewhere now: the download window's receive
    // switch takes them, or a download holds the link.
    bool answersWithheld() const;

    // Text3(0) and Text3(1): the slave address and the poll interval (ms).
    int slave() const { return slave_; }
    void setSlave(const QString& text);
    void setInterval(const QString& text);

    // One tick of the poll clock.
    void tick();

    const QString& cell(int i) const { return cells_.at(i); }
    // What the user typed into cell i.
    void setCell(int i, const QString& text);
    // Cell i got the focus: tracing pauses, i is the selected cell.
    void select(int i);
    int selected() const { return selected_; }
    // Shown red: a cell map.tab lists, or one selected before and left since.
    bool marked(int cell) const { return named(cell) || left_.at(cell); }
    // Enter in cell i: it waits to be written.
    void enter(int i);
    // Bit button i: flips its bit of its cell, holds off five ticks and
    // queues the cell.
    void bitButton(int i);
    // Command2: sets or clears bit 5 of cell 15 and queues it.
    void runStop();
    QString runCaption() const;
    void clear();

    Marker marker() const { return marker_; }
    int pendingCell() const { return pendingCell_; }
    int pollBase() const { return pollBase_; }
    // What Text4 and PB1 show: the PollBase of the last read sent.
    int polledBase() const { return polledBase_; }
    int holdOff() const { return holdOff_; }
    // Text2: the bytes of the answer under way, two hex digits each.
    const QString& received() const { return received_; }
    // Whether bit button i is lit, and the cell each group shows.
    bool bitSet(int button) const;
    static int groupCell(int group);
    // Bit b (0-7) of cell i read as hexadecimal.
    bool cellBit(int cell, int bit) const;
    const Counters& counters() const { return counters_; }
    // The health line: the counters, the last bad answer's fault, and where
    // the answers go while the link withholds them.
    QString healthText() const;

    // Every good answer, with the time, into a CSV file written as it goes.
    bool startRecording(const QString& path, QString* error = nullptr);
    void stopRecording();
    bool recording() const;

signals:
    // Cells first to first + count - 1 have new texts.
    void cellsChanged(int first, int count);
    // A good answer: the 16 bytes of the registers from firstRegister on
    // (shown in cells 2 * (firstRegister - 16) on, where those exist).
    void answered(int firstRegister, const QByteArray& data);
    // Anything else the window shows: switch, marker, run caption, poll
    // position, hold-off, received text, bit buttons, counters, selection.
    void stateChanged();
    // A row of the recording could not be written; the recording has stopped.
    void recordingFailed(const QString& reason);

private:
    // The read whose answer is being gathered.
    struct Read {
        int firstRegister;
        quint8 slave;
    };

    void arrived(const QByteArray& bytes);
    void writePending();
    void poll();
    bool judgeOutstanding();
    void takeAnswer(const Read& read, bool show);
    void showBlock(int firstCell, const QByteArray& data);
    void queue(int cell);
    std::optional<quint8> cellValue(int cell) const;
    void setCellValue(int cell, quint8 value);
    QStringList columnNames() const;

    Link& link_;
    QTimer& clock_;
    std::array<QString, Cells> cells_;
    std::array<QString, Cells> items_;
    bool tracing_ = false;
    bool running_ = false; // the run caption, after bit 5 of cell 15
    int slave_ = ControllerFacts::DefaultSlave;
    int selected_ = -1;
    std::array<bool, Cells> left_{};
    Marker marker_ = Marker::Idle;
    int pendingCell_ = -1;
    int pollBase_ = 0;
    int polledBase_ = 0;
    int holdOff_ = 0;
    QString received_;
    Counters counters_;
    std::optional<Read> outstanding_;
    QByteArray arrived_; // since the last frame the tracer sent
    TraceRecording recording_;
};
