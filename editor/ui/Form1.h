#pragma once

#include "PageView.h"
#include "PictureCache.h"

#include <QWidget>

#include <array>

class DefinitionFrame;
class ElementChooserBox;
class FileFrame;
class OperandBox;
class GridView;
class MapEditor;
class PalettePanel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTimer;

// The main window, the map editor: the grid, the page buttons and slider, the
// palette, the element box with the edit modes, the product, bitmap folder
// and link options, and the pointer feedback fields. It renders MapEditor's
// state and turns the user's actions into calls on it.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(MapEditor& editor, QWidget* parent = nullptr);

    // Runs the editor's start-up and shows its result.
    void start();
    // Sets the window's font on the window and every captioned control.
    void Font_chg();

    GridView* grid() const { return grid_; }
    PalettePanel* palette() const { return palette_; }
    // The go-to row field takes a row from elsewhere (the assembler's error).
    void showGoToRow(const QString& row);

signals:
    // Command button 1 converted the map; the assembler window takes the text.
    void converted(const QString& source);
    // The "TRACER" button.
    void tracerRequested();
    // Command button 1 found the access code in the instruction preview box.
    void downloadWindowRequested();
    // "ExiT", and grid button 2.
    void exitRequested();
    void printRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTopRow();
    QWidget* buildElementFrame();
    QWidget* buildPageRow();
    QWidget* buildFeedbackRow();
    QWidget* buildCommandFrame();
    QWidget* buildGridButtons();
    void toggleLabelListing();
    void wireKeys();
    // The cell cursor's keys, the element chooser and where the keys go
    // when a box closes.
    void wireGridKeys();
    // Moves a box over the grid off the cell it is about, so that the
    // cursor and the marked cell stay in sight; where it can, it stays at
    // its usual place.
    void keepClearOf(QWidget* box, QPoint usual, int cell);
    // The caption, the map's name and a mark while it has unsaved changes.
    void renderTitle();
    void closeOpenFrame();
    bool dragAndDrop(QObject* watched, QEvent* event);
    void convert();
    void toggleFileFrame();
    void wireEditing();
    void renderEditing();
    void applyCaptions();
    void renderPage();
    void renderFeedback();
    void renderTick();
    void renderPagesInUse(int pages);
    QList<QWidget*> captionedWidgets() const;

    MapEditor& editor_;
    PictureCache pictures_;
    GridView* grid_;
    PalettePanel* palette_;
    QLabel* title_ = nullptr;
    QGroupBox* ladderFrame_ = nullptr;
    QGroupBox* elementFrame_ = nullptr;
    QLabel* elementBox_ = nullptr;
    std::array<QRadioButton*, 8> editModes_{};
    std::array<QRadioButton*, 3> products_{};
    QCheckBox* alternativeIcons_ = nullptr;
    QRadioButton* onLine_ = nullptr;
    QRadioButton* offLine_ = nullptr;
    std::array<QPushButton*, PageView::PageButtons> pageButtons_{};
    std::array<Colour, PageView::PageButtons> shownColours_{};
    QSlider* slider_ = nullptr;
    QLineEdit* goToRow_ = nullptr;
    QLineEdit* coordinates_ = nullptr;
    QPoint dragStart_;
    QGroupBox* instructionFrame_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QTimer* timer_ = nullptr;
    QGroupBox* commandFrame_ = nullptr;
    QPushButton* convertButton_ = nullptr;
    QPushButton* tracerButton_ = nullptr;
    QPushButton* fileButton_ = nullptr;
    std::array<QPushButton*, 3> gridButtons_{};
    QCheckBox* showCoordinates_ = nullptr;
    QPlainTextEdit* labelListing_ = nullptr;
    FileFrame* fileFrame_ = nullptr;
    OperandBox* operandBox_ = nullptr;
    ElementChooserBox* chooserBox_ = nullptr;
    DefinitionFrame* definitionFrame_ = nullptr;
    QCheckBox* designer_ = nullptr;
    QCheckBox* elementCopy_ = nullptr;
    QLineEdit* bitmapNameField_ = nullptr;
};
