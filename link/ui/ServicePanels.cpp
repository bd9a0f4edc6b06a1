// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServicePanels.h"

#include "Named.h"
#include "Station.h"
#include "ToolAnswer.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int FieldWidth = 44, FrameFieldWidth = 30;

QGridLayout* panel(QHBoxLayout* row, const QString& caption) {
    auto* group = new QGroupBox(caption);
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setHorizontalSpacing(4);
    row->addWidget(group);
    return layout;
}

template <std::size_t N> std::array<QString, N> texts(const std::array<QLineEdit*, N>& fields) {
    std::array<QString, N> out;
    for (std::size_t i = 0; i < N; ++i)
        out[i] = fields[i]->text();
    return out;
}

} // namespace

using Tool = Station::Tool;

ServicePanels::ServicePanels(Station& station, QWidget* parent)
    : QWidget(parent), station_(station) {
    auto* strip = new QVBoxLayout(this);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(2);
    auto* top = new QHBoxLayout;
    auto* bottom = new QHBoxLayout;
    strip->addLayout(top);
    strip->addLayout(bottom);

    QGridLayout* memory = panel(top, QStringLiteral("Write Memory"));
    const auto memoryFields =
        fields(memory, QStringLiteral("Text6"), ServiceTools::memoryFieldNames(),
               ServiceTools::memoryDefaults());
    connect(button(memory, QStringLiteral("Command2"), QStringLiteral("WRITE"),
                   QStringLiteral("Write DATA at ADDR_H, ADDR_L of the controller's memory")),
            &QPushButton::clicked, this, [this, memoryFields] {
                station_.useTool(Tool::Memory, [&](ServiceTools& t) {
                    return t.writeMemory(texts(memoryFields));
                });
            });

    answerLine(memory, Tool::Memory);

    QGridLayout* test = panel(top, QStringLiteral("R/T Test"));
    const auto testFields = fields(test, QStringLiteral("Text7"), ServiceTools::testFieldNames(),
                                   ServiceTools::testDefaults());
    connect(button(test, QStringLiteral("Command3"), QStringLiteral("TRAN"),
                   QStringLiteral("Send the test frame A8, TRAD, DATA")),
            &QPushButton::clicked, this, [this, testFields] {
                station_.useTool(Tool::Test,
                                 [&](ServiceTools& t) { return t.linkTest(texts(testFields)); });
            });

    answerLine(test, Tool::Test);

    QGridLayout* request = panel(top, QStringLiteral("Modef Test"));
    const auto requestFields =
        fields(request, QStringLiteral("Text12"), ServiceTools::requestFieldNames(),
               ServiceTools::requestDefaults());
    connect(button(request, QStringLiteral("Command5"), QStringLiteral("Modef"),
                   QStringLiteral("Send the Modbus request ADDR, COMM, MEM_ST, COT with its CRC")),
            &QPushButton::clicked, this, [this, requestFields] {
                station_.useTool(Tool::Request, [&](ServiceTools& t) {
                    return t.freeRequest(texts(requestFields));
                });
            });

    answerLine(request, Tool::Request);

    QGridLayout* frame = panel(bottom, QStringLiteral("TRMT"));
    std::array<QString, 9> frameLabels;
    for (int i = 0; i < 9; ++i)
        frameLabels[i] = ServiceTools::frameFieldName(i);
    const auto frameFields =
        fields(frame, QStringLiteral("Text13"), frameLabels, ServiceTools::frameDefaults());
    for (QLineEdit* field : frameFields) {
        field->setMaxLength(2);
        field->setFixedWidth(FrameFieldWidth);
    }
    connect(button(frame, QStringLiteral("Command6"), QStringLiteral("TR"),
                   QStringLiteral("Send the nine bytes with their CRC")),
            &QPushButton::clicked, this, [this, frameFields] {
                station_.useTool(Tool::Frame,
                                 [&](ServiceTools& t) { return t.freeFrame(texts(frameFields)); });
            });

    answerLine(frame, Tool::Frame);

    QGridLayout* clock = panel(bottom, QStringLiteral("Clock"));
    auto* result = named(new QLineEdit, QStringLiteral("Text21"));
    result->setReadOnly(true);
    result->setPlaceholderText(QStringLiteral("bytes sent"));
    // Room for the frame's head at least: slave, function, register, count.
    result->setMinimumWidth(
        result->fontMetrics().horizontalAdvance(QStringLiteral(" 255").repeated(8)) + 12);
    clock->addWidget(result, 0, 0);
    connect(button(clock, QStringLiteral("Command7"), QStringLiteral("T.Adj"),
                   QStringLiteral("Set the controller's clock to this computer's date and time")),
            &QPushButton::clicked, this, &ServicePanels::clockSettingRequested);
    connect(&station_, &Station::clockResultChanged, result, [result](const QString& bytes) {
        result->setText(bytes);
        result->setCursorPosition(0); // the slave address first, whatever the width
    });
    answerLine(clock, Tool::Clock);

    QGridLayout* table = panel(bottom, QStringLiteral("Write TAB"));
    auto* name = named(new QLineEdit, QStringLiteral("Text11"));
    name->setPlaceholderText(QStringLiteral("table in TAB/, without .tab"));
    table->addWidget(name, 0, 0);
    connect(button(table, QStringLiteral("Command4"), QStringLiteral("Write"),
                   QStringLiteral("Write the table into the controller's memory")),
            &QPushButton::clicked, this, [this, name] { station_.writeTable(name->text()); });
    answerLine(table, Tool::Table);
}

template <std::size_t N>
std::array<QLineEdit*, N> ServicePanels::fields(QGridLayout* layout, const QString& name,
                                                const std::array<QString, N>& labels,
                                                const std::array<QString, N>& initial) {
    std::array<QLineEdit*, N> out;
    for (std::size_t i = 0; i < N; ++i) {
        out[i] = named(new QLineEdit(initial[i]), QStringLiteral("%1(%2)").arg(name).arg(i));
        out[i]->setFixedWidth(FieldWidth);
        out[i]->setToolTip(labels[i] + QStringLiteral(", hexadecimal"));
        auto* label = new QLabel(labels[i]);
        label->setBuddy(out[i]);
        layout->addWidget(label, 0, int(2 * i), Qt::AlignRight);
        layout->addWidget(out[i], 0, int(2 * i + 1));
    }
    return out;
}

// Under the panel's fields: what its button last sent and got back. The line
// wraps within the panel instead of widening it; the whole text is its tip.
void ServicePanels::answerLine(QGridLayout* layout, Tool tool) {
    auto* line = named(new QLabel, QStringLiteral("ToolAnswer(%1)").arg(int(tool)));
    line->setWordWrap(true);
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(line, 1, 0, 1, layout->columnCount());
    const ToolAnswer& answer = station_.answer(tool);
    connect(&answer, &ToolAnswer::changed, line, [line, &answer] {
        line->setText(answer.text());
        line->setToolTip(answer.text());
    });
}

QPushButton* ServicePanels::button(QGridLayout* layout, const QString& name, const QString& caption,
                                   const QString& tip) {
    auto* push = named(new QPushButton(caption), name);
    push->setToolTip(tip);
    layout->addWidget(push, 0, layout->columnCount());
    return push;
}
