// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc write-memory|link-test|request|frame [-C DIR] [--port PORT] [--baud N]
// FIELD...: the frame of one of the assembler window's service panels, from
// the same hexadecimal fields; no answer is awaited. Prints what it sent.
class ServiceCommand {
public:
    enum class Tool { WriteMemory, LinkTest, Request, Frame };
    // Its obelc command: write-memory, link-test, request or frame.
    static const char* name(Tool tool);
    static QString usage(Tool tool);
    // 0 sent, 1 no program folder, 2 bad usage or a field out of range
    // (nothing sent), 5 the port cannot be opened.
    static int run(Tool tool, const QStringList& args, QTextStream& out, QTextStream& err);
};
