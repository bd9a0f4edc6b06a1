#pragma once

#include <QObject>
#include <QString>

#include <array>

class ElementCatalogue;
class LadderMap;
class EditHistory;
class PageView;
class Pictures;
class Prompter;
struct CellView;

// What presses on the grid, the palette and the operand box do to the map
// and the page on screen. Every change of the map goes through one of the
// public operations below, each ending in edited() and each one command of
// the map's history.
class GridEditor : public QObject {
    Q_OBJECT
public:
    enum Mode { Place, Delete, Insert, InsertRow, DeleteRow, CopyRowAbove, DeleteLabel, Cut };
    static constexpr int Modes = 8;
    // The mouse buttons as the map editor has always numbered them.
    enum Button { NoButton = 0, Left = 1, Right = 2, Middle = 4 };
    static Button buttonOf(Qt::MouseButton button);

    // The element box: what a place or insert puts into a cell.
    struct Element {
        QString bitmapName;
        QString templateText;
        QString picture;
    };

    GridEditor(LadderMap& map, PageView& view, EditHistory& history,
               const ElementCatalogue& catalogue, const Pictures& pictures, Prompter& prompter);

    int mode() const { return mode_; }
    void setMode(int mode);

    void pressCell(int cell, int button);
    // A left press on the cell as the given edit mode would act, the mode
    // itself unchanged: how the keys run each mode's action.
    void pressCellAs(int cell, int mode);
    // A right press from the keyboard: the operand box opens on the cell and
    // Enter in its field then confirms as keypad key 25 does. A text that
    // is not empty replaces the label in the field (the user began typing).
    void openOperandByKey(int cell, const QString& typed);
    bool operandOpenedByKey() const { return operandByKey_; }
    void pressLabel(int cell, int button);
    void selectSlot(int slot);
    // The bitmap folder changed: the element box shows the element from there.
    void reloadElementPicture();

    const QString& operandText() const { return operandText_; }
    void setOperandText(const QString& text) { operandText_ = text; }
    // Keypad key 25: stores the label in the edited cell and closes the box.
    // A label holding "C=" or "D=" is refused (the map file would cut it
    // there) and the box stays open.
    void confirmOperand();
    // Enter in the operand field: stores the label, the box stays open;
    // in a box the keyboard opened, it confirms as keypad key 25 does.
    void enterOperand();
    void appendToOperand(const QString& text);
    // The label list's exit while its text is not being edited.
    void closeOperandBox();

    bool operandBoxOpen() const { return operandBoxOpen_; }
    const QString& bitmapNameField() const { return bitmapNameField_; }
    const Element& element() const { return element_; }
    int selectedSlot() const { return selectedSlot_; }

signals:
    void modeChanged(int mode);
    // A palette slot became the element box's element.
    void slotSelected(int slot);
    // The map or the page on screen changed.
    void edited();
    // The operand box, the element box or the bitmap-name field changed.
    void stateChanged();

private:
    void press(int cell, int button, int mode);
    void modeAction(int cell, int mode);
    void shiftLeft(int cell, bool moveBackgrounds);
    void shiftRight(int cell);
    void shiftRowsDown(int cell, bool copyAbove);
    void pullRowsUp(int cell);
    void cut(int cell);
    void paste(int cell);
    void openOperandBox(int cell);
    void putElement(int cell);
    // False, and the user told why, when the text cannot be a label.
    bool storeLabel(int cell, const QString& text);

    LadderMap& map_;
    PageView& view_;
    EditHistory& history_;
    const ElementCatalogue& catalogue_;
    const Pictures& pictures_;
    Prompter& prompter_;

    int mode_ = Place;
    Element element_;
    QString selectedLabel_;
    std::array<QString, 4> clipboard_;
    QString bitmapNameField_;
    bool operandBoxOpen_ = false;
    bool operandByKey_ = false;
    QString operandText_;
    int editedCell_ = -1;
    int selectedSlot_ = -1;
};
