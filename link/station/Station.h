// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Assmber.h"
#include "FolderBrowser.h"
#include "Link.h"
#include "PortSettings.h"
#include "ProgramDownload.h"
#include "RunControl.h"
#include "ServiceTools.h"
#include "TableWrite.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

class ProgramFolder;
class Prompter;
class ToolAnswer;

// The station: the assembler-and-link window's state behind the window.
// It holds the port and the link every sender goes through, the assembler,
// the download, the run/stop button and the source browser, and does what
// the command row asks.
class Station : public QObject {
    Q_OBJECT
public:
    enum Command { Assm = 0, Save = 1, Load = 2, Print = 3, RunStop = 4 };
    static constexpr int Commands = 5;
    // The service panels, each with its answer line.
    enum class Tool { Memory, Test, Request, Frame, Clock, Table };
    static constexpr int Tools = 6;
    static constexpr const char* Title = "Vant Obel Assmber";

    Station(const ProgramFolder& folder, Prompter& prompter, QObject* parent = nullptr);

    // What loading the window does: the port opens as rs232.def says.
    void load();

    // A click on the command row with the source box's text. Every click
    // first stops the poll clock, asks the map editor to whiten its go-to
    // row label and the tracer to stop (commonStepsTaken) and beeps, and
    // clears a failure an earlier command left in the message box; then the
    // status line says what the command did.
    void command(int index, const QString& box);
    static QString commandCaption(int index);

    // A double click in the file list: the source box's new text, read from
    // the plc folder, and the browser hidden; nothing (and the user told why)
    // when it cannot be read.
    std::optional<QString> loadSource(const QString& name);
    // "Load New File", which "Load" shows and hides.
    bool browserShown() const { return browserShown_; }
    // The source-name box.
    const QString& sourceName() const { return sourceName_; }
    void setSourceName(const QString& name) { sourceName_ = name; }
    // The map's name in the map editor: it names the .BIN and program map files.
    void setMapName(const QString& name) { assmber_.setMapName(name); }
    // "WR" for the link and the assembler alike.
    void setWithController(bool on);
    bool withController() const { return link_.withController(); }
    // Text18: a sub-folder of MACRO for the macro files; typing one ticks "WR".
    void setMacroFolder(const QString& folder);

    // A service tool that sends one frame. While a download or a table
    // write runs, or while the port is not open, the tool is refused, as is
    // one whose field does not fit; the user is told why. Its answer line
    // says what went out and what came back.
    ServiceTools::Result useTool(Tool which,
                                 const std::function<ServiceTools::Result(ServiceTools&)>& tool);
    // "T.Adj": the clock text and the tracer's slave address (the caller
    // has paused the tracer); beeps once sent.
    void setClock(const QString& clockText, quint8 slave);
    // "Write": the table Text11 names, read and checked whole first; a
    // fault is told and nothing is sent. Then "Write TAB OK ?": Cancel sends
    // only the start frame; OK stops the poll clock and starts the write.
    void writeTable(const QString& name);

    // What the message box shows after the last command.
    const QString& message() const { return message_; }
    // One line beside the line in use: what the last command of the row did.
    const QString& status() const { return status_; }
    // What a service tool last sent and got back.
    const ToolAnswer& answer(Tool tool) const { return *answers_[int(tool)]; }
    // Why nothing can go out now ("COM1 → /dev/ttyUSB0, 9600 8E1: not open,
    // ..."), or "" while the port is open.
    QString lineClosed() const;

    Link& link() { return link_; }
    PortSettings& port() { return port_; }
    Assmber& assmber() { return assmber_; }
    ProgramDownload& download() { return download_; }
    const ServiceTools& tools() const { return tools_; }
    TableWrite& tableWrite() { return tableWrite_; }
    const RunControl& runControl() const { return runControl_; }
    FolderBrowser& browser() { return browser_; }
    // The tracer's poll clock; every click of the command row stops it.
    QTimer& Timer1() { return timer1_; }

signals:
    // The three steps every click of the command row takes before its own.
    void commonStepsTaken();
    void messageChanged();
    void statusChanged();
    void browserShownChanged(bool shown);
    void sourceNameChanged(const QString& name);
    void runCaptionChanged(const QString& caption);
    void withControllerChanged(bool on);
    // An assembly error: the map editor's go-to row field takes this text.
    void goToRow(const QString& row);
    // Text21 grew.
    void clockResultChanged(const QString& text);

private:
    void save(const QString& source);
    void finished(ProgramDownload::Outcome outcome);
    void setMessage(const QString& text, bool failure = true);
    void clearFailure();
    void setStatus(const QString& text);
    void runStop();
    void setBrowserShown(bool shown);
    // Whether the line is taken by a download or a table write.
    bool busy() const;
    // Why a tool may not send now, or "".
    QString toolRefusal() const;
    void tableWritten(TableWrite::Outcome outcome);
    // "10 items", "0F00–0F09": the table under way, for its answer line.
    QString itemCount() const;
    QString tableAddresses() const;

    const ProgramFolder& folder_;
    Prompter& prompter_;
    Link link_;
    PortSettings port_;
    Assmber assmber_;
    ProgramDownload download_;
    RunControl runControl_;
    ServiceTools tools_;
    TableWrite tableWrite_;
    FolderBrowser browser_;
    QTimer timer1_;
    QString sourceName_;
    QString message_;
    bool messageIsFailure_ = false;
    QString status_;
    bool browserShown_ = false;
    std::array<ToolAnswer*, Tools> answers_{};
};
