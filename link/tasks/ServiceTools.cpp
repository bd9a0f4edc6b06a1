#include "ServiceTools.h"

#include "ByteField.h"
#include "ClockText.h"
#include "Frames.h"
#include "Link.h"
#include "ReadAnswer.h"

#include <memory>
#include <optional>

namespace {

ServiceTools::Result sentOrRefused(const QByteArray& sent) {
    if (sent.isEmpty())
        return {{}, QStringLiteral("Nothing was sent: %1.").arg(QLatin1String(Link::HeldText))};
    return {sent, {}};
}

constexpr int Chars = 3, FrameChars = 2;

// The clock registers' bytes (packed BCD, from the two-digit year on) as a
// clock text.
QString clockTextOf(const QByteArray& data) {
    QString text = QStringLiteral("20") + data.first(1).toHex().toUpper();
    for (int i = 1; i < ClockText::Fields; ++i)
        text += u' ' + QString::fromLatin1(data.mid(i, 1).toHex().toUpper());
    return text;
}

QString hex(int value) {
    return QString::number(value, 16).toUpper();
}

// Reads fields in order; the first that does not fit leaves its reason.
class FieldReader {
public:
    std::optional<int> read(const QString& name, const QString& text, int chars, int low = 0,
                            int high = 255) {
        const QString digits = text.left(chars).trimmed();
        const auto value = ByteField::hexadecimal(digits, low, high);
        if (!value && refusal_.isEmpty())
            refusal_ = QStringLiteral("%1 must be a hexadecimal number from %2 to %3, not \"%4\". "
                                      "Nothing was sent.")
                           .arg(name, hex(low), hex(high), digits);
        return value;
    }
    quint8 byte(const QString& name, const QString& text, int chars) {
        return static_cast<quint8>(read(name, text, chars).value_or(0));
    }
    const QString& refusal() const { return refusal_; }

private:
    QString refusal_;
};

template <std::size_t N>
std::array<quint8, N> bytes(FieldReader& reader, const std::array<QString, N>& names,
                            const std::array<QString, N>& fields, int chars) {
    std::array<quint8, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = reader.byte(names[i], fields[i], chars);
    return out;
}

} // namespace

const std::array<QString, 3>& ServiceTools::memoryFieldNames() {
    static const std::array<QString, 3> names{QStringLiteral("ADDR_H"), QStringLiteral("ADDR_L"),
                                              QStringLiteral("DATA")};
    return names;
}

const std::array<QString, 2>& ServiceTools::testFieldNames() {
    static const std::array<QString, 2> names{QStringLiteral("TRAD"), QStringLiteral("DATA")};
    return names;
}

const std::array<QString, 4>& ServiceTools::requestFieldNames() {
    static const std::array<QString, 4> names{QStringLiteral("ADDR"), QStringLiteral("COMM"),
                                              QStringLiteral("MEM_ST"), QStringLiteral("COT")};
    return names;
}

const std::array<QString, 3>& ServiceTools::memoryDefaults() {
    // ADDR_H travels less 10: A is the lowest address the raw write reaches.
    static const std::array<QString, 3> defaults{QStringLiteral("A"), QStringLiteral("0"),
                                                 QStringLiteral("0")};
    return defaults;
}

const std::array<QString, 2>& ServiceTools::testDefaults() {
    static const std::array<QString, 2> defaults{QStringLiteral("0"), QStringLiteral("0")};
    return defaults;
}

const std::array<QString, 9>& ServiceTools::frameDefaults() {
    static const std::array<QString, 9> defaults = [] {
        std::array<QString, 9> zeros;
        zeros.fill(QStringLiteral("0"));
        return zeros;
    }();
    return defaults;
}

const std::array<QString, 4>& ServiceTools::requestDefaults() {
    // Read one input register at 0x20 of slave 1.
    static const std::array<QString, 4> defaults{QStringLiteral("1"), QStringLiteral("4"),
                                                 QStringLiteral("20"), QStringLiteral("1")};
    return defaults;
}

QString ServiceTools::frameFieldName(int i) {
    return QStringLiteral("B%1").arg(i);
}

ServiceTools::Result ServiceTools::writeMemory(const std::array<QString, 3>& fields) {
    FieldReader reader;
    const auto& names = memoryFieldNames();
    const auto high = reader.read(names[0], fields[0], Chars, ControllerFacts::RawHighOffset,
                                  255 + ControllerFacts::RawHighOffset);
    const quint8 low = reader.byte(names[1], fields[1], Chars);
    const quint8 data = reader.byte(names[2], fields[2], Chars);
    if (!reader.refusal().isEmpty()) return {{}, reader.refusal()};
    return sentOrRefused(
        link_.send([&](ShortBytes& f) { Frames::rawMemoryWrite(f, *high, low, data); }));
}

ServiceTools::Result ServiceTools::linkTest(const std::array<QString, 2>& fields) {
    FieldReader reader;
    const auto b = bytes(reader, testFieldNames(), fields, Chars);
    if (!reader.refusal().isEmpty()) return {{}, reader.refusal()};
    return sentOrRefused(link_.send([&](TestBytes& f) { Frames::rawTest(f, b[0], b[1]); }));
}

ServiceTools::Result ServiceTools::freeRequest(const std::array<QString, 4>& fields) {
    FieldReader reader;
    const auto b = bytes(reader, requestFieldNames(), fields, Chars);
    if (!reader.refusal().isEmpty()) return {{}, reader.refusal()};
    return sentOrRefused(
        link_.send([&](ShortBytes& f) { Frames::freeRequest(f, b[0], b[1], b[2], b[3]); }));
}

ServiceTools::Result ServiceTools::freeFrame(const std::array<QString, 9>& fields) {
    FieldReader reader;
    std::array<quint8, 9> b{};
    for (int i = 0; i < 9; ++i)
        b[i] = reader.byte(frameFieldName(i), fields[i], FrameChars);
    if (!reader.refusal().isEmpty()) return {{}, reader.refusal()};
    return sentOrRefused(link_.send([&](FreeBytes& f) { Frames::freeFrame(f, b); }));
}

ServiceTools::Result ServiceTools::setClock(const QString& clockText, quint8 slave) {
    // Two hexadecimal digits are always a byte: the clock has nothing to refuse.
    std::array<quint8, ClockText::Fields> time{};
    for (int i = 0; i < ClockText::Fields; ++i)
        time[i] = ByteField::hexadecimal(ClockText::field(clockText, i)).value_or(0);
    const QByteArray sent = link_.send([&](LongBytes& f) { Frames::timeWrite(f, slave, time); });
    for (int i = 0; i < 15 && i < sent.size(); ++i)
        clockResult_ += u' ' + QString::number(quint8(sent[i]));
    return sentOrRefused(sent);
}

bool ServiceTools::readClock(quint8 slave, ClockDone done) {
    if (link_.exchanging() || link_.held()) return false;
    // What answers the attempt last sent: an attempt's frame starts it anew.
    const auto answer = std::make_shared<QByteArray>();
    const auto heard =
        QObject::connect(&link_, &Link::tracerReceived, &link_,
                         [answer](const QByteArray& bytes) { answer->append(bytes); });
    const auto sent = QObject::connect(&link_, &Link::sent, &link_,
                                       [answer](const QByteArray&) { answer->clear(); });
    const auto read = [slave](ShortBytes& f) {
        Frames::freeRequest(f, slave, ControllerFacts::ReadHoldingRegisters,
                            ControllerFacts::ClockRegister, ControllerFacts::ClockRegisters);
    };
    return link_.exchange(
        read, Link::Flag::Reply, 1, [heard, sent, answer, slave, done = std::move(done)](bool) {
            QObject::disconnect(heard);
            QObject::disconnect(sent);
            if (answer->isEmpty()) return done({}, {});
            const QString fault =
                ReadAnswer::fault(*answer, slave, ControllerFacts::ClockRegisters);
            if (!fault.isEmpty()) return done({}, fault);
            done(clockTextOf(ReadAnswer::data(*answer)), {});
        });
}
