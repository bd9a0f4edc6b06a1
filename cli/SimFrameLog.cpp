// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimFrameLog.h"

#include "NonBlockingLog.h"
#include "VirtualController.h"

namespace {
QString hexBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
} // namespace

void SimFrameLog::frame(const QByteArray& bytes, const QString& meaning, const QByteArray& answer) {
    if (VirtualController::isNoise(meaning) && answer.isEmpty()) {
        noiseBytes_ += bytes.size();
        ++noisePieces_;
        return;
    }
    if (told_ >= Budget) {
        ++untold_;
        return;
    }
    tellNoise();
    ++told_;
    log_.line(hexBytes(bytes) + QStringLiteral("  ") + meaning);
    if (!answer.isEmpty()) log_.line(QStringLiteral("  -> ") + hexBytes(answer));
}

void SimFrameLog::flush() {
    tellNoise();
    if (untold_ > 0)
        log_.line(QStringLiteral("%1 more frame(s) in that second, not shown").arg(untold_));
    told_ = 0;
    untold_ = 0;
}

void SimFrameLog::tellNoise() {
    if (noisePieces_ == 0) return;
    log_.line(QStringLiteral("%1 byte(s) in %2 piece(s) that are no frame (noise or a bad CRC), "
                             "dropped")
                  .arg(noiseBytes_)
                  .arg(noisePieces_));
    noiseBytes_ = noisePieces_ = 0;
}
