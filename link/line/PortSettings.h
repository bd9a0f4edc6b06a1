#pragma once

#include "LineSettings.h"
#include "PortMap.h"
#include "ProgramFolder.h"

#include <QObject>
#include <QSet>

#include <functional>
#include <memory>

class Transport;

// The port of the assembler-and-link window: its number (COM1-COM5, each
// mapped to a line by PortMap) and its line settings, remembered in
// def/rs232.def; the port and baud option buttons; opening and closing.
// Trouble with the port never stops the program: it is told once through
// problem() and the link goes on without a line.
class PortSettings : public QObject {
    Q_OBJECT
public:
    using MakeTransport = std::function<std::unique_ptr<Transport>(const QString& target)>;

    static constexpr const char* FileName = "def/rs232.def";
    static constexpr int DefaultPort = 1;
    static constexpr int MaxPort = 16;

    PortSettings(ProgramFolder folder, MakeTransport make, QObject* parent = nullptr);
    ~PortSettings() override;

    // What the window does as it loads: read the file, open the port, show
    // the options that match and so rewrite the file.
    void load();
    // Only reads the file: the port option and line settings it remembers,
    // nothing opened or rewritten (for obelc).
    void readFile();
    // A click on option button `option`; false when no such option exists.
    bool click(int option);
    // "on line" and "off line" of the main window.
    void setPortOpen(bool open);

    int commPort() const { return commPort_; }
    const QString& settings() const { return line_.text(); }
    bool portOpen() const;
    // The option shown as selected, -1 for none.
    int selectedPortOption() const { return portOption_; }
    int selectedBaudOption() const { return baudOption_; }
    Transport* transport() const { return transport_.get(); }
    // The line in use, for the window to show at all times: "COM1 ->
    // /dev/ttyUSB0, 9600 8E1", "COM5 -> virtual controller", and why it is
    // not open when it is not.
    QString lineDescription() const;

    // Option button captions by index ("COM1", "9600", ...); empty for none.
    static QString caption(int option);
    // The option buttons by index as the window shows them: the ports COM1
    // to COM5 in turn, then the rates from the slowest.
    static QList<int> portOptions();
    static QList<int> baudOptions();

signals:
    void transportChanged(Transport* transport);
    // The port was opened, closed or changed its settings.
    void lineChanged();
    void problem(const QString& text);

private:
    void writeFile();
    void openPort();
    void closePort();
    QString portName() const;
    void reportRefused(const QStringList& refused);
    // Each text once in the life of the port: the same trouble is not told again.
    void report(const QString& text);

    ProgramFolder folder_;
    MakeTransport make_;
    int commPort_ = DefaultPort;
    QString target_;  // the line the port means, read from the mapping file at opening
    QString notOpen_; // why the port is not open, "" when it is or was closed on purpose
    LineSettings line_;
    int portOption_ = -1;
    int baudOption_ = -1;
    std::unique_ptr<Transport> transport_;
    QSet<QString> reported_;
};
