// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefinitionFiles.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "LadderToText.h"
#include "ProgramFolder.h"
#include "ShippedFolder.h"

#include <gtest/gtest.h>

namespace {

// The words of the controller's instruction set.
const QStringList Mnemonics{
    "MOVD",    "CPD",     "MOVM",   "CPM",  "GOTO",  "GOTO_W", "GOTO_NW", "CALL",   "MACRO_N",
    "MACRO_E", "MACRO_D", "MGR",    "MGW",  "+PUSH", "PUSH",   "+POP",    "POP",    "IN",
    "/IN",     "OUT",     "/OUT",   "OR",   "/OR",   "AND",    "/AND",    "XOR",    "CPL",
    "SET",     "CLR",     "INC",    "DEC",  "ROR",   "ROL",    "ADD",     "SUB",    "+SWAP",
    "SWAP",    "+TRACER", "TRACER", "+ANL", "ANL",   "+ORL",   "ORL",     "+XRL",   "XRL",
    "TABLE",   "MUL",     "DIV",    "FEG",  "SET_W", "CLR_W",  "SET_BCD", "SAVE",   "LOAD",
    "TRAN",    "ANDM",    "ORM",    "KPI",  "KPO",   "CHG_XW", "CHG_BW",  "CHG_SW", "NOT",
    "RUN",     "END",     "NOP",    "PRG",  "ORG"};

// A label of the documented convention for a template: register and bit
// for contacts and coils, "a,b" for two operands, a number for one.
QString labelFor(const QString& templateText) {
    if (templateText.contains("#1")) return "3,4";
    if (templateText.contains('@')) return "5";
    if (templateText.contains(',')) return "1,2";
    return "";
}

// Every element of the shipped catalogue, alone behind a contact and first
// in a rung, converts to lines that the instruction set knows.
TEST(ShippedCatalogue, EveryElementConvertsToInstructionWords) {
    const ShippedFolder shipped;
    const ProgramFolder folder(shipped.path());
    const DefinitionFiles files(folder);
    ElementCatalogue catalogue;
    files.loadTemplates(catalogue);
    ASSERT_EQ(files.loadPaletteBitmaps(catalogue), ElementCatalogue::Slots);

    int checked = 0;
    for (int slot = 0; slot < 51; ++slot) {
        const QString name = catalogue.slotBitmap(slot);
        const QString templateText = catalogue.templateOf(slot);
        const QString flat = QString(templateText).remove("\r\n");
        if (flat.isEmpty() || flat == "OR" || flat == "BR" || flat.contains('^'))
            continue; // pieces
        for (const bool behindContact : {false, true}) {
            LadderMap map;
            map.setPagesInUse(1);
            int cell = 0;
            if (behindContact) map.cell(0, cell++) = {"no.bmp", "0,1", "1", ""};
            map.cell(0, cell) = {name, labelFor(flat), "1", ""};
            const QString text = LadderToText::text_prs(map, catalogue, "ALL.MAP", folder).text;
            for (const QString& line : text.split("\r\n")) {
                const QString trimmed = line.trimmed();
                if (trimmed.isEmpty() || trimmed.startsWith('\'')) continue;
                const QString mnemonic = trimmed.section(',', 0, 0).trimmed();
                EXPECT_TRUE(Mnemonics.contains(mnemonic))
                    << name.toStdString() << (behindContact ? " behind a contact" : "") << ": "
                    << trimmed.toStdString();
            }
        }
        ++checked;
    }
    EXPECT_GE(checked, 38);
}

} // namespace
