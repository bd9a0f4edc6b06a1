#include "PortSettings.h"

#include "LineOpening.h"

#include "Excerpt.h"
#include "ItemReader.h"
#include "LineReader.h"
#include "NumericText.h"
#include "TextFile.h"
#include "Transport.h"

#include <QFileInfo>

namespace {

struct Option {
    int index;
    int port;         // 0 for a baud option
    const char* baud; // nullptr for a port option
};

// In the order the window shows them.
constexpr Option Options[] = {
    {0, 1, nullptr},  {1, 2, nullptr}, {6, 3, nullptr}, {7, 4, nullptr},
    {10, 5, nullptr}, {8, 0, "1200"},  {9, 0, "2400"},  {2, 0, "4800"},
    {3, 0, "9600"},   {4, 0, "19200"}, {5, 0, "38400"},
};

QList<int> optionsWhere(bool port) {
    QList<int> indices;
    for (const Option& o : Options)
        if ((o.port != 0) == port) indices << o.index;
    return indices;
}

const Option* option(int index) {
    for (const Option& o : Options)
        if (o.index == index) return &o;
    return nullptr;
}

QString settingsText(const char* baud) {
    return QString::fromLatin1(baud) + QStringLiteral(",e,8,1");
}

// The option of the port and of the rate in use, -1 when none has them (a
// port above COM5, settings no option writes).
int optionOfPort(int port) {
    for (const Option& o : Options)
        if (o.port == port) return o.index;
    return -1;
}

int optionOfSettings(const QString& settings) {
    for (const Option& o : Options)
        if (o.baud && settings == settingsText(o.baud)) return o.index;
    return -1;
}

} // namespace

PortSettings::PortSettings(ProgramFolder folder, MakeTransport make, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), make_(std::move(make)) {}

PortSettings::~PortSettings() = default;

QList<int> PortSettings::portOptions() {
    return optionsWhere(true);
}

QList<int> PortSettings::baudOptions() {
    return optionsWhere(false);
}

QString PortSettings::caption(int index) {
    const Option* o = option(index);
    if (!o) return {};
    return o->baud ? QString::fromLatin1(o->baud) : QStringLiteral("COM%1").arg(o->port);
}

bool PortSettings::portOpen() const {
    return transport_ && transport_->isOpen();
}

void PortSettings::load() {
    readFile();
    openPort();
    portOption_ = optionOfPort(commPort_);
    baudOption_ = optionOfSettings(line_.text());
    // Showing an option counts as clicking it, which rewrites the file; the
    // port it would reopen is the one just opened, so it stays as it is.
    if (portOption_ >= 0 || baudOption_ >= 0) writeFile();
    emit lineChanged();
}

bool PortSettings::click(int index) {
    const Option* o = option(index);
    if (!o) return false;
    if (o->port) {
        closePort();
        commPort_ = o->port;
        openPort();
        portOption_ = index;
    } else {
        line_ = *LineSettings::parse(settingsText(o->baud));
        if (transport_) reportRefused(transport_->setLine(line_));
        baudOption_ = index;
    }
    writeFile();
    emit lineChanged();
    return true;
}

void PortSettings::setPortOpen(bool open) {
    if (open && !portOpen()) openPort();
    if (!open) closePort();
    emit lineChanged();
}

QString PortSettings::lineDescription() const {
    const bool simulated = target_.compare(QStringLiteral("sim"), Qt::CaseInsensitive) == 0;
    QString text = QStringLiteral("COM%1 \u2192 ").arg(commPort_);
    if (simulated)
        text += QStringLiteral("virtual controller");
    else
        text += QStringLiteral("%1, %2 %3%4%5")
                    .arg(target_)
                    .arg(line_.baud())
                    .arg(int(line_.dataBits()))
                    .arg(LineSettings::parityName(line_.parity()).left(1).toUpper())
                    .arg(line_.stopBits() == QSerialPort::TwoStop ? 2 : 1);
    if (portOpen()) return text;
    return text + (notOpen_.isEmpty() ? QStringLiteral(": closed (off line)")
                                      : QStringLiteral(": not open, ") + notOpen_);
}

// A file that cannot be used is named with what is wrong in it; what it
// does not give stays as it was.
void PortSettings::readFile() {
    const QString shownName = QString::fromLatin1(FileName);
    const QString path = folder_.path(QString::fromLatin1(FileName));
    const auto text = TextFile::read(path);
    if (!text) {
        if (QFileInfo::exists(path))
            report(QStringLiteral("%1 cannot be read; using COM%2 and %3.")
                       .arg(shownName)
                       .arg(commPort_)
                       .arg(line_.text()));
        return;
    }
    const QStringList lines = LineReader::lines(*text);
    const QString portText = ItemReader::items(lines.value(0)).value(0).trimmed();
    const int port = NumericText::floorInt(NumericText::value(portText));
    if (port >= 1 && port <= MaxPort)
        commPort_ = port;
    else
        report(QStringLiteral("%1: the port \"%2\" is not 1 to %3; using COM%4.")
                   .arg(shownName, Excerpt::of(portText))
                   .arg(MaxPort)
                   .arg(commPort_));
    if (lines.size() < 2) return;
    if (const auto line = LineSettings::parse(lines[1]))
        line_ = *line;
    else
        report(QStringLiteral("%1: the line settings \"%2\" are not understood; using %3.")
                   .arg(shownName, Excerpt::of(lines[1]), line_.text()));
}

void PortSettings::writeFile() {
    QString error;
    if (!TextFile::writeLines(folder_.path(QString::fromLatin1(FileName)),
                              {QStringLiteral(" %1").arg(commPort_), line_.text()}, &error))
        report(QStringLiteral("The port settings were not saved: %1").arg(error));
}

QString PortSettings::portName() const {
    return LineOpening::name(commPort_, target_);
}

void PortSettings::openPort() {
    const PortMap portMap = PortMap::read(folder_);
    for (const QString& problem : portMap.problems())
        report(problem);
    target_ = portMap.target(commPort_);
    notOpen_.clear();
    auto opened = LineOpening::open(commPort_, target_, line_, make_, [this](Transport* line) {
        emit transportChanged(line);
        if (!line) return;
        connect(line, &Transport::failed, this, [this](const QString& reason) {
            notOpen_ = reason;
            report(QStringLiteral("%1: %2").arg(portName(), reason));
            emit lineChanged();
        });
    });
    transport_ = std::move(opened.transport);
    if (!opened.refused.isEmpty()) report(opened.refused);
    if (opened.problem.isEmpty()) return;
    if (!transport_) {
        notOpen_ = QStringLiteral("not a line");
        report(opened.problem);
        return;
    }
    notOpen_ = transport_->errorString();
    const QStringList ports = PortMap::machinePorts();
    report(QStringLiteral("%1 The link goes on without a port. Serial ports of this machine: %2. "
                          "%3 says which line each COM is.")
               .arg(opened.problem,
                    ports.isEmpty() ? QStringLiteral("none") : ports.join(QStringLiteral(", ")),
                    QString::fromLatin1(PortMap::FileName)));
}

void PortSettings::reportRefused(const QStringList& refused) {
    if (const QString text = LineOpening::notTaken(portName(), refused); !text.isEmpty())
        report(text);
}

void PortSettings::closePort() {
    notOpen_.clear();
    if (transport_) transport_->close();
}

void PortSettings::report(const QString& text) {
    if (reported_.contains(text)) return;
    reported_.insert(text);
    emit problem(text);
}
