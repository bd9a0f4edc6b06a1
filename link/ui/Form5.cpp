// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form5.h"

#include "Link.h"
#include "Named.h"
#include "Prompter.h"
#include "Station.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

Form5::Form5(Station& station, Prompter& prompter, QWidget* parent)
    : QWidget(parent), station_(station), link_(station.link()), prompter_(prompter),
      loader_(link_), answer_(link_),
      dw_(named(new QPushButton(QStringLiteral("DW")), QStringLiteral("Command1(0)"))),
      parameter_(named(new QLineEdit(QString::fromLatin1(SecondModelLoader::DefaultParameter)),
                       QStringLiteral("Text2"))),
      switch_(named(new QCheckBox(QStringLiteral("RCV")), QStringLiteral("Check1"))),
      dump_(named(new QPlainTextEdit, QStringLiteral("Text1"))),
      answerLine_(named(new QLabel, QStringLiteral("LoaderAnswer"))) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QString::fromLatin1(Title));
    auto* reset = named(new QPushButton(QStringLiteral("RESERT")), QStringLiteral("Command1(1)"));
    parameter_->setFixedWidth(60);
    dump_->setReadOnly(true);
    dump_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    dump_->setPlaceholderText(QStringLiteral("received bytes"));
    answerLine_->setWordWrap(true);
    answerLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QGridLayout(this);
    layout->addWidget(dw_, 0, 0);
    layout->addWidget(reset, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Parameter")), 0, 2);
    layout->addWidget(parameter_, 0, 3);
    layout->addWidget(switch_, 0, 4);
    layout->setColumnStretch(5, 1);
    layout->addWidget(answerLine_, 1, 0, 1, 6);
    layout->addWidget(dump_, 2, 0, 1, 6);
    resize(560, 360);

    connect(dw_, &QPushButton::clicked, this, &Form5::loaderStart);
    connect(reset, &QPushButton::clicked, this, &Form5::reset);
    connect(&answer_, &ToolAnswer::changed, answerLine_,
            [this] { answerLine_->setText(answer_.text()); });
    switch_->setChecked(link_.dumpSwitch());
    connect(switch_, &QCheckBox::toggled, &link_, &Link::setDumpSwitch);
    connect(&link_, &Link::dumpSwitchChanged, switch_, &QCheckBox::setChecked);
    connect(&link_, &Link::dumpChanged, this, &Form5::renderDump);
}

void Form5::setLoaderEnabled(bool on) {
    dw_->setEnabled(on);
}

bool Form5::tellIfLineClosed() {
    const QString closed = station_.lineClosed();
    if (!closed.isEmpty()) answer_.tell(QStringLiteral("not sent: %1").arg(closed));
    return !closed.isEmpty();
}

void Form5::loaderStart() {
    if (tellIfLineClosed()) return;
    QString refusal;
    if (!tell(loader_.loaderStart(parameter_->text(), &refusal), refusal)) return;
    prompter_.beep();
    prompter_.beep();
}

void Form5::reset() {
    if (tellIfLineClosed()) return;
    QString refusal;
    tell(loader_.reset(&refusal), refusal);
}

bool Form5::tell(const QByteArray& sent, const QString& refusal) {
    if (sent.isEmpty()) {
        prompter_.inform(QString::fromLatin1(Title), refusal);
        answer_.tell(QStringLiteral("not sent: ") + refusal);
        return false;
    }
    answer_.sent(sent);
    return true;
}

void Form5::closeEvent(QCloseEvent* event) {
    link_.setDumpSwitch(false);
    QWidget::closeEvent(event);
}

void Form5::renderDump() {
    dump_->setPlainText(link_.dump().text());
    dump_->verticalScrollBar()->setValue(dump_->verticalScrollBar()->maximum());
}
