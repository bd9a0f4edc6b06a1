// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapEditor.h"

#include "ProductChoice.h"
#include "ProgramFolder.h"
#include "Prompter.h"

MapEditor::MapEditor(const ProgramFolder& folder, Prompter& prompter)
    : folder_(folder), prompter_(prompter), files_(folder), pictures_(folder),
      view_(map_, catalogue_, pictures_), captions_(CaptionFile::builtIn()),
      labels_(files_, prompter), history_(map_, folder.path(QStringLiteral("def"))),
      mapFiles_(folder, map_, view_, history_, labels_.text(), prompter),
      grid_(map_, view_, history_, catalogue_, pictures_, prompter), chooser_(catalogue_, grid_),
      cursor_(view_, grid_, chooser_),
      definitions_(files_, catalogue_, pictures_, labels_, prompter),
      findings_(map_, catalogue_, folder) {
    connect(&definitions_, &ElementDefinitions::catalogueChanged, this, &MapEditor::paletteChanged);
    connect(&history_, &EditHistory::applied, &view_, &PageView::showPage);
    connect(&mapFiles_, &MapFiles::pagesInUseWanted, this, &MapEditor::setPagesInUse);
    labels_.setHistory(&history_);
    definitions_.setHistory(&history_);
    connect(&history_, &EditHistory::filesRestored, this, &MapEditor::loadDefinitions);
    connect(&history_, &EditHistory::changed, &findings_, &MapFindings::mapEdited);
    connect(&definitions_, &ElementDefinitions::catalogueChanged, &findings_,
            &MapFindings::mapEdited);
    connect(&history_, &EditHistory::problem, this,
            [this](const QString& text) { prompter_.inform(QStringLiteral("VantMAP"), text); });
}

void MapEditor::start() {
    pictures_.setAlternativeIcons(false);
    captions_ = CaptionFile::load(folder_, captionLanguage_);
    english_ = CaptionFile::isEnglish(folder_, captionLanguage_);
    texts_ = UiTexts::load(UiTexts::fileFor(folder_, english_));
    files_.setEnglishNames(english_);
    view_.setPrintHeadings(texts_.text(QStringLiteral("print.project"), view_.projectHeading()),
                           texts_.text(QStringLiteral("print.page"), view_.pageHeading()));
    emit captionsChanged();
    view_.initialise();
    map_.setCurrentPage(0);
    mapFiles_.browser().setFolder(folder_.path(ProductChoice::product(0).mapFolder));

    loadDefinitions();

    if (const auto pages = files_.readPageCount(); pages && *pages <= LadderMap::Pages) {
        map_.setPagesInUse(*pages);
        map_.setCurrentPage(*pages);
        emit pagesInUseChanged(*pages);
    }

    view_.showPage(1);
    prompter_.beep();
    view_.showPage(0);
    chooseProduct(0);
}

void MapEditor::loadDefinitions() {
    files_.loadTemplates(catalogue_);
    for (int slot = 0; slot < ElementCatalogue::Slots; ++slot)
        catalogue_.setSlotBitmap(slot, QStringLiteral("space.bmp"));
    files_.loadPaletteBitmaps(catalogue_);
    loadPalettePictures();

    labels_.load();

    files_.loadNames(catalogue_);
    emit paletteChanged();
}

void MapEditor::loadPalettePictures() {
    for (int slot = 0; slot < ElementCatalogue::Slots; ++slot)
        pictures_.loadSlotPicture(slot, catalogue_.slotBitmap(slot));
}

void MapEditor::setAlternativeIcons(bool alternative) {
    pictures_.setAlternativeIcons(alternative);
    files_.loadPaletteBitmaps(catalogue_);
    loadPalettePictures();
    emit paletteChanged();
    grid_.reloadElementPicture();
    view_.showPage(map_.currentPage());
}

void MapEditor::setPagesInUse(int pages) {
    map_.setPagesInUse(pages);
    emit pagesInUseChanged(map_.pagesInUse());
    QString error;
    if (files_.writePageCount(map_.pagesInUse(), &error) || pageCountWarned_) return;
    pageCountWarned_ = true;
    prompter_.inform(QStringLiteral("VantMAP"),
                     QStringLiteral("The page count cannot be saved (%1).\n"
                                    "Obel uses %2 pages for now; the next start may not.")
                         .arg(error)
                         .arg(map_.pagesInUse()));
}

void MapEditor::chooseProduct(int index) {
    if (index < 0 || index >= ProductChoice::Count) return;
    product_ = index;
    chooser_.applyProduct(ProductChoice::product(index));
    mapFiles_.browser().setFolder(folder_.path(ProductChoice::product(index).mapFolder));
    emit productChanged(index);
}

void MapEditor::setOnline(bool online) {
    online_ = online;
    emit onlineChanged(online);
}

void MapEditor::paletteRightPressed(int slot) {
    if (!elementCopy_) return;
    const GridEditor::Element& element = grid_.element();
    definitions_.paletteCopy(slot, element.bitmapName, element.templateText);
}

LadderToText::Result MapEditor::text_prs() {
    LadderToText::Result result =
        LadderToText::text_prs(map_, catalogue_, mapFiles_.fileName(), folder_);
    if (!result.saved)
        prompter_.inform(QStringLiteral("VantMAP"),
                         QStringLiteral("The instruction text was not kept in %1.\n%2")
                             .arg(result.file, result.error));
    return result;
}

bool MapEditor::checkBeforeConversion() {
    findings_.run();
    if (findings_.errors() == 0) return true;
    return prompter_.confirm(
        QString::fromLatin1(QuestionTitle),
        QStringLiteral("%1. With the errors, the controller would not get what the map "
                       "says (see the findings under the grid).\nConvert anyway?")
            .arg(findings_.summary()));
}

void MapEditor::setCheckMarksPrinted(bool printed) {
    if (printed && !findings_.checked()) findings_.run();
    view_.setPrintedFindings(printed ? &findings_.findings() : nullptr);
}

bool MapEditor::takeAccessCode() {
    if (view_.instructionPreview() != QLatin1String(AccessCode)) return false;
    view_.setInstructionPreview({});
    return true;
}

void MapEditor::refresh() {
    view_.showPage(map_.currentPage());
}

bool MapEditor::clearAll() {
    if (!prompter_.confirm(QString::fromLatin1(QuestionTitle), QStringLiteral("ALL Clear OK ?")))
        return false;
    {
        EditHistory::Edit edit(history_, QStringLiteral("clear"));
        map_.clr_map();
    }
    view_.showPage(0);
    return true;
}

bool MapEditor::mayDiscardChanges() {
    if (!history_.modified()) return true;
    const QString name =
        mapFiles_.fileName().trimmed().isEmpty() ? QStringLiteral("The map") : mapFiles_.fileName();
    switch (prompter_.choose(
        QString::fromLatin1(QuestionTitle),
        QStringLiteral("%1 has changes that are not saved.").arg(name),
        {QStringLiteral("Save"), QStringLiteral("Discard"), QStringLiteral("Cancel")})) {
    case 0:
        return mapFiles_.write();
    case 1:
        return true;
    default:
        return false;
    }
}
