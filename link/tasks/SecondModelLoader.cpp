#include "SecondModelLoader.h"

#include "ByteField.h"
#include "Frames.h"
#include "Link.h"

QByteArray SecondModelLoader::burst(char byte) {
    QByteArray sent;
    for (int i = 0; i < Burst; ++i) {
        link_.send(QByteArray(1, byte));
        sent += byte;
    }
    return sent;
}

bool SecondModelLoader::refusedWhileHeld(QString* refusal) const {
    if (!link_.held()) return false;
    if (refusal)
        *refusal = QStringLiteral("Nothing was sent: %1.").arg(QLatin1String(Link::HeldText));
    return true;
}

QByteArray SecondModelLoader::loaderStart(const QString& parameter, QString* refusal) {
    if (refusedWhileHeld(refusal)) return {};
    const auto value = ByteField::hexadecimal(parameter.trimmed(), 0, 0xFF);
    if (!value) {
        if (refusal)
            *refusal = QStringLiteral("The parameter must be a hexadecimal number from 0 to FF, "
                                      "not \"%1\". Nothing was sent.")
                           .arg(parameter.trimmed());
        return {};
    }
    QByteArray sent = burst(char(ControllerFacts::Halt));
    const QByteArray start{1, char(ControllerFacts::LoaderStart)};
    link_.send(start + char(*value));
    link_.setDumpSwitch(true);
    return sent + start + char(*value);
}

QByteArray SecondModelLoader::reset(QString* refusal) {
    if (refusedWhileHeld(refusal)) return {};
    return burst(char(ControllerFacts::Start));
}
