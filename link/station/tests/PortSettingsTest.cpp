#include "PortSettings.h"
#include "FakeTransport.h"
#include "LinkRun.h"
#include "QStringPrinter.h"
#include "Transports.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

class PortSettingsTest : public ::testing::Test {
protected:
    PortSettingsTest() {
        QDir(dir.path()).mkdir("def");
        fresh();
    }
    // A new window's port: nothing read yet.
    void fresh() {
        port = std::make_unique<PortSettings>(
            ProgramFolder(dir.path()), [this](const QString& target) { return make(target); });
        QObject::connect(port.get(), &PortSettings::problem,
                         [this](const QString& text) { problems << text; });
    }
    std::unique_ptr<Transport> make(const QString& target) {
        auto line = std::make_unique<FakeTransport>(target);
        line->openable = openable;
        line->refuseAtOpen = refuseAtOpen;
        line->events = &events;
        return line;
    }
    void write(const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray file() const {
        QFile file(dir.filePath("def/rs232.def"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    FakeTransport* current() const { return static_cast<FakeTransport*>(port->transport()); }

    QTemporaryDir dir;
    bool openable = true;
    QStringList refuseAtOpen;
    QStringList problems;
    QStringList events;
    std::unique_ptr<PortSettings> port;
};

TEST_F(PortSettingsTest, LoadingOpensThePortAndShowsTheMatchingOptions) {
    const struct {
        std::optional<QByteArray> file;
        int port;
        const char* settings;
        int portOption, baudOption;
        QByteArray after;
    } cases[] = {
        {std::nullopt, 1, "9600,e,8,1", 0, 3, " 1\r\n9600,e,8,1\r\n"},
        {" 2\r\n9600,e,8,1\r\n", 2, "9600,e,8,1", 1, 3, " 2\r\n9600,e,8,1\r\n"},
        // Every port and rate that has an option shows it, and showing it rewrites the file.
        {"3\r\n19200,e,8,1\r\n", 3, "19200,e,8,1", 6, 4, " 3\r\n19200,e,8,1\r\n"},
        {"1\r\n2400,e,8,1\r\n", 1, "2400,e,8,1", 0, 9, " 1\r\n2400,e,8,1\r\n"},
        {"4\r\n1200,e,8,1", 4, "1200,e,8,1", 7, 8, " 4\r\n1200,e,8,1\r\n"},
        // Nothing shown, nothing clicked: the file stays as it was.
        {"6\r\n9600,n,8,1", 6, "9600,n,8,1", -1, -1, "6\r\n9600,n,8,1"},
        // A number out of range or not understood settings leave the defaults.
        {" 0\r\nfast\r\n", 1, "9600,e,8,1", 0, 3, " 1\r\n9600,e,8,1\r\n"},
        {" 5 ,x\n38400,e,8,1", 5, "38400,e,8,1", 10, 5, " 5\r\n38400,e,8,1\r\n"},
    };
    for (const auto& c : cases) {
        QFile::remove(dir.filePath("def/rs232.def"));
        if (c.file) write("def/rs232.def", *c.file);
        fresh();
        port->load();
        const std::string name = c.file.value_or("(none)").toStdString();
        EXPECT_EQ(port->commPort(), c.port) << name;
        EXPECT_EQ(port->settings(), c.settings) << name;
        EXPECT_EQ(port->selectedPortOption(), c.portOption) << name;
        EXPECT_EQ(port->selectedBaudOption(), c.baudOption) << name;
        EXPECT_EQ(file(), c.after) << name;
        ASSERT_NE(current(), nullptr);
        EXPECT_TRUE(port->portOpen()) << name;
        EXPECT_EQ(current()->lineText, c.settings) << "configured before opening: " << name;
        EXPECT_EQ(current()->target, QString("/dev/ttyUSB%1").arg(c.port - 1)) << name;
    }
    EXPECT_EQ(problems.filter("not understood").size(), 1);
    EXPECT_EQ(problems.filter("def/rs232.def: the port \"0\" is not 1 to 16").size(), 1);
}

// A settings file that cannot be used is named with what is wrong in it.
TEST_F(PortSettingsTest, ABrokenSettingsFileIsNamed) {
    const struct {
        QByteArray file;
        const char* says;
    } cases[] = {
        {"", "def/rs232.def: the port \"\" is not 1 to 16; using COM1."},
        {"-1\r\n9600,e,8,1\r\n", "def/rs232.def: the port \"-1\" is not 1 to 16; using COM1."},
        {"1\r\n" + QByteArray(10 << 20, 'x') + "\r\n", "(10485760 characters in all)"},
    };
    for (const auto& c : cases) {
        write("def/rs232.def", c.file);
        fresh();
        problems.clear();
        port->load();
        EXPECT_TRUE(problems.filter(c.says).size() == 1)
            << problems.join('\n').left(300).toStdString();
        EXPECT_LT(problems.join(' ').size(), 1000);
    }
    QFile::remove(dir.filePath("def/rs232.def"));
    QDir(dir.path()).mkpath("def/rs232.def");
    fresh();
    problems.clear();
    port->load();
    EXPECT_EQ(problems.filter("def/rs232.def cannot be read; using COM1 and 9600,e,8,1.").size(), 1)
        << problems.join('\n').toStdString();
}

TEST_F(PortSettingsTest, APortClickClosesAndReopensABaudClickKeepsThePortOpen) {
    write("def/rs232.def", "3\r\n9600,e,8,1\r\n");
    port->load();
    ASSERT_EQ(events, QStringList({"open /dev/ttyUSB2"}));

    // A device opened twice at once may refuse the second open, or share the line.
    events.clear();
    ASSERT_TRUE(port->click(0)); // "COM1"
    EXPECT_EQ(events, QStringList({"close /dev/ttyUSB2", "open /dev/ttyUSB0"}));
    EXPECT_EQ(current()->target, "/dev/ttyUSB0");
    EXPECT_TRUE(port->portOpen());
    EXPECT_EQ(port->selectedPortOption(), 0);
    EXPECT_EQ(file(), " 1\r\n9600,e,8,1\r\n");

    FakeTransport* com1 = current();
    events.clear();
    ASSERT_TRUE(port->click(9)); // "2400"
    EXPECT_EQ(events, QStringList());
    EXPECT_EQ(current(), com1);
    EXPECT_TRUE(com1->isOpen());
    EXPECT_EQ(com1->lineText, "2400,e,8,1");
    EXPECT_EQ(port->selectedBaudOption(), 9);
    EXPECT_EQ(file(), " 1\r\n2400,e,8,1\r\n");

    const QByteArray before = file();
    EXPECT_FALSE(port->click(11));
    EXPECT_EQ(file(), before);
}

TEST_F(PortSettingsTest, EveryOptionAndItsCaption) {
    port->load();
    const struct {
        int index;
        const char* caption;
        int port;
        const char* settings;
    } cases[] = {
        {0, "COM1", 1, nullptr},        {1, "COM2", 2, nullptr},       {6, "COM3", 3, nullptr},
        {7, "COM4", 4, nullptr},        {10, "COM5", 5, nullptr},      {8, "1200", 0, "1200,e,8,1"},
        {9, "2400", 0, "2400,e,8,1"},   {2, "4800", 0, "4800,e,8,1"},  {3, "9600", 0, "9600,e,8,1"},
        {4, "19200", 0, "19200,e,8,1"}, {5, "38400", 0, "38400,e,8,1"}};
    for (const auto& c : cases) {
        EXPECT_EQ(PortSettings::caption(c.index), c.caption);
        ASSERT_TRUE(port->click(c.index));
        if (c.port)
            EXPECT_EQ(port->commPort(), c.port) << c.caption;
        else
            EXPECT_EQ(port->settings(), c.settings) << c.caption;
        EXPECT_EQ(file(),
                  QString(" %1\r\n%2\r\n").arg(port->commPort()).arg(port->settings()).toLatin1());
    }
    EXPECT_EQ(PortSettings::caption(11), "");
}

TEST_F(PortSettingsTest, TroubleWithThePortIsToldOnceAndTheProgramGoesOn) {
    openable = false;
    port->load();
    EXPECT_FALSE(port->portOpen());
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains("COM1 (/dev/ttyUSB0) cannot be opened: no such device"))
        << problems[0].toStdString();
    EXPECT_TRUE(problems[0].contains("def/comports.def"));

    port->click(1);
    port->click(0);
    port->setPortOpen(true);
    EXPECT_EQ(problems.size(), 2); // COM2 once, COM1 not again
    EXPECT_EQ(file(), " 1\r\n9600,e,8,1\r\n");

    openable = true;
    refuseAtOpen = {"even parity", "DTR"};
    port->click(6);
    port->click(6);
    ASSERT_EQ(problems.size(), 3);
    EXPECT_EQ(problems.last(),
              "COM3 (/dev/ttyUSB2) does not take even parity, DTR; going on without.");

    current()->refuseWhileOpen = {"38400 baud"};
    port->click(5);
    EXPECT_EQ(problems.last(), "COM3 (/dev/ttyUSB2) does not take 38400 baud; going on without.");
}

TEST_F(PortSettingsTest, APortMappedToNoLineIsToldOnceAndTheLinkGoesOn) {
    write("def/comports.def", "COM1=tcp:[::1]:0\r\nCOM2=sim\r\n");
    PortSettings real(ProgramFolder(dir.path()), &Transports::make);
    QObject::connect(&real, &PortSettings::problem,
                     [this](const QString& text) { problems << text; });
    Link link;
    QObject::connect(&real, &PortSettings::transportChanged, &link, &Link::setTransport);
    real.load();
    real.setPortOpen(true);
    real.click(0);
    EXPECT_FALSE(real.portOpen());
    EXPECT_EQ(problems, QStringList({"COM1: \"tcp:[::1]:0\" in def/comports.def is not a line. "
                                     "Use a device path, tcp:HOST:PORT or sim."}));
    link.setDelayMs(10);
    const auto write = [](ShortBytes& f) { Frames::byteWrite(f, 0, 1); };
    EXPECT_EQ(runExchange(link, write, Link::Flag::Ack), false);
    EXPECT_EQ(link.trace(), ">T1>T2>T3");

    real.click(1);
    EXPECT_TRUE(real.portOpen());
    EXPECT_EQ(runProbe(link), true);
}

TEST_F(PortSettingsTest, TheMappingFileNamesEachPortsLine) {
    write("def/comports.def", "# comment\r\n"
                              "COM1 = /dev/serial/by-id/usb-FTDI_FT232R-if00-port0\r\n"
                              "com2=tcp:plc.local:4001\r\n"
                              "COM3=sim\r\n"
                              "COM4=\r\n"
                              "COMx=/dev/ttyS9\r\n"
                              "#COM5=/dev/ttyS0\r\n");
    Transport* announced = nullptr;
    QObject::connect(port.get(), &PortSettings::transportChanged,
                     [&](Transport* t) { announced = t; });
    port->load();
    // The lines it cannot use are named and passed over.
    EXPECT_EQ(problems.filter("passed over"),
              QStringList({"def/comports.def line 5: \"COM4=\" is not COMn=TARGET; passed over",
                           "def/comports.def line 6: \"COMx=/dev/ttyS9\" is not COMn=TARGET; "
                           "passed over"}));
    const struct {
        int option;
        const char* target;
    } cases[] = {{0, "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"},
                 {1, "tcp:plc.local:4001"},
                 {6, "sim"},
                 {7, "/dev/ttyUSB3"},
                 {10, "/dev/ttyUSB4"}};
    for (const auto& c : cases) {
        port->click(c.option);
        EXPECT_EQ(current()->target, c.target);
        EXPECT_EQ(announced, port->transport());
    }
}

} // namespace
