// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaptionFile.h"
#include "DefinitionFiles.h"
#include "EditHistory.h"
#include "ElementCatalogue.h"
#include "ElementChooser.h"
#include "ElementDefinitions.h"
#include "GridCursor.h"
#include "GridEditor.h"
#include "LabelList.h"
#include "LadderMap.h"
#include "LadderToText.h"
#include "MapFiles.h"
#include "MapFindings.h"
#include "PageView.h"
#include "Pictures.h"
#include "UiTexts.h"

#include <QObject>
#include <QStringList>

class Prompter;
class ProgramFolder;

// The map editor's state behind its window: the map, the element catalogue,
// the page view, grid editing, the element definitions, the label list, the
// map files, the captions and the settings the main window offers (product,
// bitmap folder, page count, link option).
class MapEditor : public QObject {
    Q_OBJECT
public:
    MapEditor(const ProgramFolder& folder, Prompter& prompter);

    // The start-up sequence after the single-instance check and the fonts.
    void start();

    LadderMap& map() { return map_; }
    const ElementCatalogue& catalogue() const { return catalogue_; }
    const Pictures& pictures() const { return pictures_; }
    PageView& view() { return view_; }
    MapFiles& mapFiles() { return mapFiles_; }

    const QStringList& captions() const { return captions_; }
    // The language whose caption file start() reads (CaptionFile::fileFor);
    // by default the caption file's own.
    void setCaptionLanguage(const QString& language) { captionLanguage_ = language; }
    // Whether start() read the English captions; the other texts follow them.
    bool english() const { return english_; }
    // The tooltips and headings in the captions' language.
    const UiTexts& texts() const { return texts_; }
    LabelList& labels() { return labels_; }
    GridEditor& grid() { return grid_; }
    ElementChooser& chooser() { return chooser_; }
    GridCursor& cursor() { return cursor_; }
    EditHistory& history() { return history_; }
    ElementDefinitions& definitions() { return definitions_; }

    // The "C-E" box: the alternative icon set, then the palette and page anew.
    void setAlternativeIcons(bool alternative);
    bool alternativeIcons() const { return pictures_.bitmapFolder() != u"BMP"; }

    // The page slider: pages in use, kept in def\mpage.def.
    void setPagesInUse(int pages);

    void chooseProduct(int index);
    int product() const { return product_; }

    void setOnline(bool online);
    bool online() const { return online_; }

    // Command button 1: the map as instruction text, also kept in plc\ as
    // the map's ".hrim" file.
    LadderToText::Result text_prs();
    // The program check before every conversion: true when the map may be
    // converted (no errors, or the user converts anyway).
    bool checkBeforeConversion();
    MapFindings& findings() { return findings_; }
    // "Print check marks": the print shows the findings of the map as it
    // is, checked now if it was not, and again after every edit from then on.
    void setCheckMarksPrinted(bool printed);

    // The grid buttons: redraw the page on screen; after "ALL Clear OK ?"
    // empty the map's pages in use and show page 1 (false on Cancel).
    void refresh();
    bool clearAll();
    // Before the program ends: true when nothing would be lost, or the user
    // saved the changes (or chose to discard them) when asked.
    bool mayDiscardChanges();
    // The nine digits that, typed into the instruction preview box, make
    // command button 1 open the download window as well.
    static constexpr const char* AccessCode = "581204967";
    // After the conversion: true when the instruction preview box holds the
    // access code exactly, not a blank more, and then the box is emptied.
    bool takeAccessCode();
    static constexpr const char* QuestionTitle = "VantMAP";

    // The element-copy box: while ticked, a right press on a palette slot
    // copies the selected element into it.
    void setElementCopy(bool on) { elementCopy_ = on; }
    void paletteRightPressed(int slot);

signals:
    void captionsChanged();
    void paletteChanged();
    void productChanged(int index);
    void pagesInUseChanged(int pages);
    void onlineChanged(bool online);

private:
    void loadPalettePictures();
    // The catalogue, the palette and the label list from the files of def\.
    void loadDefinitions();

    const ProgramFolder& folder_;
    Prompter& prompter_;
    DefinitionFiles files_;
    LadderMap map_;
    ElementCatalogue catalogue_;
    Pictures pictures_;
    PageView view_;
    QStringList captions_;
    QString captionLanguage_ = CaptionFile::fileLanguage();
    bool english_ = false;
    UiTexts texts_;
    int product_ = 0;
    bool online_ = false;
    bool elementCopy_ = false;
    bool pageCountWarned_ = false;
    LabelList labels_;
    EditHistory history_;
    MapFiles mapFiles_;
    GridEditor grid_;
    ElementChooser chooser_;
    GridCursor cursor_;
    ElementDefinitions definitions_;
    MapFindings findings_;
};
