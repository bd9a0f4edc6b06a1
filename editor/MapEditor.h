#pragma once

#include "DefinitionFiles.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "MapFiles.h"
#include "PageView.h"
#include "Pictures.h"

#include <QObject>
#include <QStringList>

class Prompter;
class ProgramFolder;

// The map editor's state behind its window: the map, the element catalogue,
// the page view, the map files, the captions and the settings the main
// window offers (product, bitmap folder, page count, edit mode, link option).
class MapEditor : public QObject {
    Q_OBJECT
public:
    static constexpr int EditModes = 8;

    MapEditor(const ProgramFolder& folder, Prompter& prompter);

    // The start-up sequence after the single-instance check and the fonts.
    void start();

    LadderMap& map() { return map_; }
    const ElementCatalogue& catalogue() const { return catalogue_; }
    const Pictures& pictures() const { return pictures_; }
    PageView& view() { return view_; }
    MapFiles& mapFiles() { return mapFiles_; }

    const QStringList& captions() const { return captions_; }
    const QStringList& labels() const { return labels_; }
    // The label list as one text, every line with CR LF in front.
    const QString& hardwareTable() const { return hardwareTable_; }

    // The "C-E" box: the alternative icon set, then the palette and page anew.
    void setAlternativeIcons(bool alternative);
    bool alternativeIcons() const { return pictures_.bitmapFolder() != u"BMP"; }

    // The page slider: pages in use, kept in def\mpage.def.
    void setPagesInUse(int pages);

    void chooseProduct(int index);
    int product() const { return product_; }

    void setEditMode(int mode);
    int editMode() const { return editMode_; }

    void setOnline(bool online);
    bool online() const { return online_; }

signals:
    void captionsChanged();
    void paletteChanged();
    void productChanged(int index);
    void pagesInUseChanged(int pages);
    void editModeChanged(int mode);
    void onlineChanged(bool online);

private:
    void loadPalettePictures();

    const ProgramFolder& folder_;
    Prompter& prompter_;
    DefinitionFiles definitions_;
    LadderMap map_;
    ElementCatalogue catalogue_;
    Pictures pictures_;
    PageView view_;
    QStringList captions_;
    QStringList labels_;
    QString hardwareTable_;
    int product_ = 0;
    int editMode_ = 0;
    bool online_ = false;
    bool pageCountWarned_ = false;
    MapFiles mapFiles_;
};
