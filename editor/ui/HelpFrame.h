// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QTextBrowser>

class HelpPages;

// The browser of the help frame: the pictures a page names are looked up
// beside it first, then in the program folder (HelpPages::pictureFile).
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(const HelpPages& pages, QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    const HelpPages& pages_;
};

// The help frame of the main window: an element's help page in a browser,
// captioned with the element's bitmap name, and "EXIT", which hides it.
class HelpFrame : public QGroupBox {
    Q_OBJECT
public:
    HelpFrame(const HelpPages& pages, QWidget* parent = nullptr);

    void showPage(const QString& bitmapName, const QString& path);

private:
    HelpBrowser* browser_;
};
