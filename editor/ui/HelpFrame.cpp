// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpFrame.h"

#include "HelpPages.h"

#include <QFile>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

HelpBrowser::HelpBrowser(const HelpPages& pages, QWidget* parent)
    : QTextBrowser(parent), pages_(pages) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource) return QTextBrowser::loadResource(type, name);
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    QFile picture(pages_.pictureFile(url.toLocalFile()));
    if (!picture.open(QIODevice::ReadOnly)) return {};
    return picture.readAll();
}

HelpFrame::HelpFrame(const HelpPages& pages, QWidget* parent)
    : QGroupBox(parent), browser_(new HelpBrowser(pages, this)) {
    setObjectName(QStringLiteral("HelpFrame"));
    setAutoFillBackground(true);
    browser_->setObjectName(QStringLiteral("WebBrowser1"));
    auto* exit = new QPushButton(QStringLiteral("EXIT"), this);
    exit->setObjectName(QStringLiteral("HelpExit"));
    connect(exit, &QPushButton::clicked, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(exit, 0, Qt::AlignRight);
    hide();
}

void HelpFrame::showPage(const QString& bitmapName, const QString& path) {
    setTitle(bitmapName);
    show();
    raise();
    // The same page again is read again: it may have changed on disk.
    const QUrl url = QUrl::fromLocalFile(path);
    if (browser_->source() == url)
        browser_->reload();
    else
        browser_->setSource(url);
}
