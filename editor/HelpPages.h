// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ProgramFolder;

// The help pages of the palette elements: Obel_HTML/<bitmap name>.htm in
// the program folder, e.g. Obel_HTML/no.bmp.htm. A page that is missing is
// created as a stub that shows the element's bitmap; a page that exists is
// never rewritten. With English captions a page of Obel_HTML/en/ comes
// first where there is one.
class HelpPages {
public:
    struct Page {
        QString path;  // the page to show
        QString error; // why there is none, for the user
    };

    explicit HelpPages(const ProgramFolder& folder) : folder_(folder) {}
    void setEnglish(bool english) { english_ = english; }

    // The help page of an element, created as a stub when it is missing.
    Page open(const QString& bitmapName) const;
    // The one line of a stub page, without its line end.
    static QString stub(const QString& bitmapName);
    // The file a page names for a picture (its path resolved against the help
    // folder): that file when it exists, else the same path taken from the
    // program folder, so "BMP/no.bmp" finds the palette's own bitmaps without
    // a copy in the help folder; "" when neither exists.
    QString pictureFile(const QString& wanted) const;

private:
    QString helpFolder() const;

    const ProgramFolder& folder_;
    bool english_ = false;
};
