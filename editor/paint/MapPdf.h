// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>

class LadderMap;
class QIODevice;
class PageView;

// The print window's sheets of a map's pages in a PDF, as obelc prints
// them without a window: one landscape A4 page a map page, then the
// cross-reference when asked for.
class MapPdf {
public:
    struct Request {
        QString file;
        QString mapName;
        int firstPage = 0;
        int lastPage = 0;
        bool crossReference = false;
    };

    // The paper of a map page: landscape A4.
    static QPageLayout pageLayout();

    // Draws the pages of map as view shows them; false, with why, when the
    // file could not be written whole (the previous file then stays).
    static bool write(const LadderMap& map, PageView& view, const Request& request,
                      QString* error = nullptr);

    // Runs work with a Qt Gui application on the offscreen platform:
    // drawing needs fonts and pictures, not a screen.
    static int headless(int argc, char* argv[],
                        const std::function<int(const QStringList& arguments)>& work);

private:
    static bool draw(const LadderMap& map, PageView& view, const Request& request, QIODevice& file);
};
