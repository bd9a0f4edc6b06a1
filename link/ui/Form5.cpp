#include "Form5.h"

#include "Link.h"
#include "Named.h"
#include "Prompter.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

Form5::Form5(Link& link, Prompter& prompter, QWidget* parent)
    : QWidget(parent), link_(link), prompter_(prompter), loader_(link),
      dw_(named(new QPushButton(QStringLiteral("DW")), QStringLiteral("Command1(0)"))),
      parameter_(named(new QLineEdit(QString::fromLatin1(HrimLoader::DefaultParameter)),
                       QStringLiteral("Text2"))),
      switch_(named(new QCheckBox(QStringLiteral("RCV")), QStringLiteral("Check1"))),
      dump_(named(new QPlainTextEdit, QStringLiteral("Text1"))) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QString::fromLatin1(Title));
    auto* reset = named(new QPushButton(QStringLiteral("RESERT")), QStringLiteral("Command1(1)"));
    parameter_->setFixedWidth(60);
    dump_->setReadOnly(true);
    dump_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    dump_->setPlaceholderText(QStringLiteral("received bytes"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(dw_, 0, 0);
    layout->addWidget(reset, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Parameter")), 0, 2);
    layout->addWidget(parameter_, 0, 3);
    layout->addWidget(switch_, 0, 4);
    layout->setColumnStretch(5, 1);
    layout->addWidget(dump_, 1, 0, 1, 6);
    resize(560, 360);

    connect(dw_, &QPushButton::clicked, this, &Form5::loaderStart);
    connect(reset, &QPushButton::clicked, this, [this] { loader_.reset(); });
    switch_->setChecked(link_.dumpSwitch());
    connect(switch_, &QCheckBox::toggled, &link_, &Link::setDumpSwitch);
    connect(&link_, &Link::dumpSwitchChanged, switch_, &QCheckBox::setChecked);
    connect(&link_, &Link::dumpChanged, this, &Form5::renderDump);
}

void Form5::setLoaderEnabled(bool on) {
    dw_->setEnabled(on);
}

void Form5::loaderStart() {
    QString refusal;
    if (loader_.loaderStart(parameter_->text(), &refusal).isEmpty()) {
        prompter_.inform(QString::fromLatin1(Title), refusal);
        return;
    }
    prompter_.beep();
    prompter_.beep();
}

void Form5::renderDump() {
    dump_->setPlainText(link_.dump().text());
    dump_->verticalScrollBar()->setValue(dump_->verticalScrollBar()->maximum());
}
