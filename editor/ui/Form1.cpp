// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1.h"

#include "CaptionFile.h"
#include "DefinitionFrame.h"
#include "ElementChooserBox.h"
#include "FileFrame.h"
#include "FindingsPanel.h"
#include "GridView.h"
#include "LabelListing.h"
#include "MapEditor.h"
#include "OperandBox.h"
#include "PalettePanel.h"
#include "ProductChoice.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDrag>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSlider>
#include <QTimer>

namespace {
// Where the boxes over the grid usually open.
constexpr QPoint OperandBoxPlace(GridView::Left, 330);
constexpr QPoint ChooserPlace(GridView::Left + 24, 40);

QString colourSheet(Colour colour) {
    return QStringLiteral("background-color: %1").arg(QColor::fromRgb(colour).name());
}
} // namespace

Form1::Form1(MapEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor), grid_(new GridView(editor.view(), pictures_)),
      palette_(new PalettePanel(editor, pictures_)) {
    setObjectName(QStringLiteral("Form1"));
    shownColours_.fill(0);

    ladderFrame_ = new QGroupBox;
    ladderFrame_->setObjectName(QStringLiteral("LadderFrame"));
    auto* ladder = new QVBoxLayout(ladderFrame_);
    ladder->addWidget(grid_, 1);
    ladder->addWidget(buildGridButtons());
    ladder->addWidget(new FindingsPanel(editor_, grid_));
    ladderFrame_->setAcceptDrops(true);
    ladderFrame_->installEventFilter(this);

    fileFrame_ = new FileFrame(editor_.mapFiles(), ladderFrame_);
    fileFrame_->move(GridView::Left + 24, 32);
    fileFrame_->resize(520, 420);
    fileFrame_->hide();
    operandBox_ = new OperandBox(editor_.grid(), editor_.labels(), ladderFrame_);
    operandBox_->move(OperandBoxPlace);
    operandBox_->resize(700, 230);
    chooserBox_ = new ElementChooserBox(editor_, pictures_, ladderFrame_);
    chooserBox_->move(ChooserPlace);
    chooserBox_->resize(340, 300);
    definitionFrame_ =
        new DefinitionFrame(editor_.definitions(), editor_.pictures(), pictures_, ladderFrame_);
    definitionFrame_->move(GridView::Left + 24, 40);
    definitionFrame_->resize(600, 300);
    labelListing_ = new QPlainTextEdit(ladderFrame_);
    labelListing_->setObjectName(QStringLiteral("LabelListing"));
    labelListing_->setReadOnly(true);
    labelListing_->move(GridView::Left + 24, 40);
    labelListing_->resize(300, 400);
    labelListing_->hide();

    auto* right = new QVBoxLayout;
    right->addWidget(buildCommandFrame());
    right->addWidget(buildElementFrame());
    // The palette scrolls where the screen is short.
    auto* paletteScroll = new QScrollArea;
    paletteScroll->setObjectName(QStringLiteral("PaletteScroll"));
    paletteScroll->setWidget(palette_);
    paletteScroll->setWidgetResizable(true);
    paletteScroll->setFrameShape(QFrame::NoFrame);
    paletteScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    paletteScroll->setMinimumWidth(palette_->sizeHint().width() +
                                   paletteScroll->verticalScrollBar()->sizeHint().width());
    right->addWidget(paletteScroll, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(ladderFrame_, 1);
    middle->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTopRow());
    layout->addLayout(middle);
    layout->addWidget(buildPageRow());
    layout->addWidget(buildFeedbackRow());

    PageView& view = editor_.view();
    connect(&view, &PageView::changed, this, &Form1::renderPage);
    connect(&view, &PageView::feedbackChanged, this, &Form1::renderFeedback);
    connect(&view, &PageView::ticked, this, &Form1::renderTick);
    connect(&editor_, &MapEditor::captionsChanged, this, &Form1::applyCaptions);
    connect(&editor_, &MapEditor::paletteChanged, palette_, &PalettePanel::refresh);
    connect(&editor_, &MapEditor::pagesInUseChanged, this, &Form1::renderPagesInUse);
    connect(&editor_, &MapEditor::productChanged, this, [this](int product) {
        products_[product]->setChecked(true);
        palette_->applyProduct(product);
    });

    wireEditing();
    wireKeys();
    wireGridKeys();

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("FrameTimer"));
    timer_->setInterval(PageView::FrameMs);
    connect(timer_, &QTimer::timeout, &editor_.view(), &PageView::tickFrame);
}

QWidget* Form1::buildTopRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    title_ = new QLabel;
    title_->setObjectName(QStringLiteral("TitleLabel"));
    title_->setAutoFillBackground(true);
    title_->setMargin(4);
    layout->addWidget(title_, 1);

    auto* productGroup = new QButtonGroup(row);
    for (int i = 0; i < ProductChoice::Count; ++i) {
        products_[i] = new QRadioButton(ProductChoice::product(i).caption);
        products_[i]->setObjectName(QStringLiteral("Product(%1)").arg(i));
        productGroup->addButton(products_[i], i);
        layout->addWidget(products_[i]);
    }
    connect(productGroup, &QButtonGroup::idClicked, &editor_, &MapEditor::chooseProduct);

    alternativeIcons_ = new QCheckBox(QStringLiteral("C-E"));
    alternativeIcons_->setObjectName(QStringLiteral("BitmapFolder"));
    connect(alternativeIcons_, &QCheckBox::toggled, &editor_, &MapEditor::setAlternativeIcons);
    layout->addWidget(alternativeIcons_);

    onLine_ = new QRadioButton(QStringLiteral("on line"));
    onLine_->setObjectName(QStringLiteral("OnLine"));
    offLine_ = new QRadioButton(QStringLiteral("off line"));
    offLine_->setObjectName(QStringLiteral("OffLine"));
    offLine_->setChecked(true);
    auto* linkGroup = new QButtonGroup(row);
    linkGroup->addButton(onLine_);
    linkGroup->addButton(offLine_);
    connect(onLine_, &QRadioButton::toggled, &editor_, &MapEditor::setOnline);
    layout->addWidget(onLine_);
    layout->addWidget(offLine_);
    return row;
}

QWidget* Form1::buildCommandFrame() {
    commandFrame_ = new QGroupBox;
    commandFrame_->setObjectName(QStringLiteral("CommandFrame"));
    auto* layout = new QHBoxLayout(commandFrame_);
    convertButton_ = new QPushButton;
    convertButton_->setObjectName(QStringLiteral("Command1(0)"));
    connect(convertButton_, &QPushButton::pressed, this, &Form1::convert);
    layout->addWidget(convertButton_);
    tracerButton_ = new QPushButton;
    tracerButton_->setObjectName(QStringLiteral("Command1(1)"));
    connect(tracerButton_, &QPushButton::pressed, this, &Form1::tracerRequested);
    layout->addWidget(tracerButton_);
    auto* exit = new QPushButton(QStringLiteral("ExiT"));
    exit->setObjectName(QStringLiteral("Command1(2)"));
    connect(exit, &QPushButton::pressed, this, &Form1::exitRequested);
    layout->addWidget(exit);
    // Transmitting is the assembler window's; this button has no action here.
    auto* transmit = new QPushButton;
    transmit->setObjectName(QStringLiteral("Command1(3)"));
    layout->addWidget(transmit);
    fileButton_ = new QPushButton;
    fileButton_->setObjectName(QStringLiteral("Command1(4)"));
    // Command buttons act as the mouse button goes down.
    connect(fileButton_, &QPushButton::pressed, this, &Form1::toggleFileFrame);
    layout->addWidget(fileButton_);
    layout->addStretch();
    // A right press on command button 1 shows the icon-instruction frame, the
    // next one hides it.
    convertButton_->installEventFilter(this);
    return commandFrame_;
}

QWidget* Form1::buildGridButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(GridView::Left, 0, 0, 0);
    for (int i = 0; i < int(gridButtons_.size()); ++i) {
        gridButtons_[i] = new QPushButton;
        gridButtons_[i]->setObjectName(QStringLiteral("GridButton(%1)").arg(i));
        layout->addWidget(gridButtons_[i]);
    }
    connect(gridButtons_[0], &QPushButton::clicked, &editor_, &MapEditor::refresh);
    connect(gridButtons_[1], &QPushButton::clicked, this, &Form1::printRequested);
    connect(gridButtons_[2], &QPushButton::clicked, &editor_, &MapEditor::clearAll);
    showCoordinates_ = new QCheckBox;
    showCoordinates_->setObjectName(QStringLiteral("ShowCoordinates"));
    connect(showCoordinates_, &QCheckBox::toggled, &editor_.view(), &PageView::setCoordinateLines);
    layout->addWidget(showCoordinates_);
    layout->addStretch();
    return row;
}

// The pointer-coordinates field can be dragged onto the ladder area: the file
// frame moves to where it is dropped, and the field shows that place "x=y".
bool Form1::dragAndDrop(QObject* watched, QEvent* event) {
    static const QString Mime = QStringLiteral("application/x-obel-control");
    const QEvent::Type type = event->type();
    if (watched == coordinates_ && type == QEvent::MouseButtonPress)
        dragStart_ = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (watched == coordinates_ && type == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!(move->buttons() & Qt::LeftButton) ||
            (move->position().toPoint() - dragStart_).manhattanLength() <
                QApplication::startDragDistance())
            return false;
        auto* drag = new QDrag(coordinates_);
        auto* mime = new QMimeData;
        mime->setData(Mime, coordinates_->objectName().toUtf8());
        drag->setMimeData(mime);
        drag->exec(Qt::MoveAction);
        return true;
    }
    if (watched != ladderFrame_) return false;
    if (type == QEvent::DragEnter || type == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (drag->mimeData()->hasFormat(Mime)) drag->acceptProposedAction();
        return true;
    }
    if (type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasFormat(Mime)) return false;
        const QPoint at = drop->position().toPoint();
        fileFrame_->move(at);
        coordinates_->setText(QStringLiteral("%1=%2").arg(at.x()).arg(at.y()));
        drop->acceptProposedAction();
        return true;
    }
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (dragAndDrop(watched, event)) return true;
    if (watched == convertButton_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        instructionFrame_->setVisible(!instructionFrame_->isVisible());
    if (watched == elementBox_ && event->type() == QEvent::MouseButtonDblClick)
        toggleLabelListing();
    return QWidget::eventFilter(watched, event);
}

void Form1::toggleLabelListing() {
    labelListing_->setVisible(!labelListing_->isVisible());
    if (!labelListing_->isVisible()) return;
    labelListing_->raise();
    // Each showing adds the listing of the map as it is now.
    labelListing_->moveCursor(QTextCursor::End);
    labelListing_->insertPlainText(LabelListing::text(editor_.map()));
}

void Form1::wireEditing() {
    GridEditor& grid = editor_.grid();
    connect(grid_, &GridView::cellPressed, &grid, &GridEditor::pressCell);
    connect(grid_, &GridView::labelPressed, &grid, &GridEditor::pressLabel);
    connect(&grid, &GridEditor::edited, grid_, qOverload<>(&QWidget::update));
    connect(&grid, &GridEditor::stateChanged, this, &Form1::renderEditing);
    connect(palette_, &PalettePanel::slotClicked, &grid, &GridEditor::selectSlot);
    connect(palette_, &PalettePanel::slotDoubleClicked, definitionFrame_, &DefinitionFrame::open);
    connect(palette_, &PalettePanel::slotRightPressed, &editor_, &MapEditor::paletteRightPressed);
    connect(elementCopy_, &QCheckBox::toggled, &editor_, &MapEditor::setElementCopy);
    connect(designer_, &QCheckBox::toggled, this, [this](bool ticked) {
        editor_.definitions().designerBoxChanged(ticked, editor_.mapFiles().fileName());
    });
}

void Form1::renderEditing() {
    const GridEditor& grid = editor_.grid();
    bitmapNameField_->setText(grid.bitmapNameField());
    elementBox_->setPixmap(pictures_.get(grid.element().picture));
    palette_->renderSelection(grid.selectedSlot(), editor_.view().paletteBlink());
}

void Form1::wireKeys() {
    const auto key = [this](const QList<QKeySequence>& keys, auto action) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    EditHistory& history = editor_.history();
    key(QKeySequence::keyBindings(QKeySequence::Undo), [&history] { history.undo(); });
    // Ctrl+Shift+Z and Ctrl+Y alike, whichever the desktop binds.
    QList<QKeySequence> redo = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& extra :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redo.contains(extra)) redo << extra;
    key(redo, [&history] { history.redo(); });
    key(QKeySequence::keyBindings(QKeySequence::Save), [this] { editor_.mapFiles().save(); });
    key({QKeySequence(Qt::Key_PageUp)}, [this] { editor_.view().turnPage(-1); });
    key({QKeySequence(Qt::Key_PageDown)}, [this] { editor_.view().turnPage(1); });
    key({QKeySequence(Qt::Key_Escape)}, &Form1::closeOpenFrame);
    key({QKeySequence(Qt::CTRL | Qt::Key_O)}, [this] {
        toggleFileFrame();
        if (fileFrame_->isVisible())
            fileFrame_->findChild<QWidget*>(QStringLiteral("Text2"))->setFocus();
        else
            grid_->setFocus();
    });
    connect(&history, &EditHistory::changed, this, &Form1::renderTitle);
    connect(&editor_.mapFiles(), &MapFiles::fileNameChanged, this, &Form1::renderTitle);
}

void Form1::renderTitle() {
    QString title = editor_.captions()[CaptionFile::WindowTitle - 1];
    if (const QString& name = editor_.mapFiles().fileName(); !name.trimmed().isEmpty())
        title += QStringLiteral(" \u2014 ") + name;
    if (editor_.history().modified()) title += QStringLiteral(" *");
    setWindowTitle(title);
}

void Form1::wireGridKeys() {
    GridCursor& cursor = editor_.cursor();
    grid_->attachCellCursor(cursor);
    // The cursor follows the mouse, so the keys go on where it pressed.
    connect(grid_, &GridView::cellPressed, &cursor, &GridCursor::moveTo);
    connect(grid_, &GridView::labelPressed, &cursor, &GridCursor::moveTo);
    connect(&cursor, &GridCursor::chooserWanted, this, [this](const QString& typed) {
        keepClearOf(chooserBox_, ChooserPlace, editor_.cursor().cell());
        chooserBox_->open(typed);
    });
    connect(&editor_.grid(), &GridEditor::stateChanged, this, [this] {
        if (editor_.grid().operandBoxOpen())
            keepClearOf(operandBox_, OperandBoxPlace, editor_.view().markedCell());
    });
    connect(&cursor, &GridCursor::labelOpened, operandBox_, &OperandBox::focusField);
    const auto backToGrid = [this] { grid_->setFocus(); };
    connect(chooserBox_, &ElementChooserBox::chosen, this, backToGrid);
    connect(operandBox_, &OperandBox::closedWithFocus, this, backToGrid);
}

void Form1::keepClearOf(QWidget* box, QPoint usual, int cell) {
    if (!LadderMap::validCell(cell)) return;
    const QPoint grid = grid_->mapTo(ladderFrame_, QPoint());
    const QRect about = grid_->pictureRect(cell)
                            .united(grid_->labelRect(cell))
                            .translated(grid)
                            .adjusted(-4, -4, 4, 4);
    const int right = grid.x() + grid_->width() - box->width();
    const int bottom = grid.y() + grid_->height() - box->height();
    for (const QPoint place : {usual, QPoint(usual.x(), bottom), QPoint(right, usual.y()),
                               QPoint(right, bottom), QPoint(usual.x(), grid.y())})
        if (!QRect(place, box->size()).intersects(about)) {
            box->move(place);
            return;
        }
    box->move(usual);
}

// Escape closes the frame or box on top.
void Form1::closeOpenFrame() {
    if (editor_.grid().operandBoxOpen()) {
        editor_.grid().closeOperandBox();
        grid_->setFocus();
        return;
    }
    // The help frame is the program's, put over this window.
    for (QWidget* frame : std::initializer_list<QWidget*>{
             chooserBox_, findChild<QWidget*>(QStringLiteral("HelpFrame")), labelListing_,
             definitionFrame_, fileFrame_, static_cast<QWidget*>(instructionFrame_)})
        if (frame && frame->isVisible()) {
            frame->hide();
            grid_->setFocus();
            return;
        }
}

void Form1::toggleFileFrame() {
    fileFrame_->setVisible(!fileFrame_->isVisible());
    fileFrame_->raise();
    fileFrame_->refresh();
}

QWidget* Form1::buildElementFrame() {
    elementFrame_ = new QGroupBox;
    elementFrame_->setObjectName(QStringLiteral("ElementFrame"));
    auto* layout = new QGridLayout(elementFrame_);
    elementBox_ = new QLabel;
    elementBox_->setObjectName(QStringLiteral("ElementBox"));
    elementBox_->setFixedSize(GridView::PitchX + 4, GridView::PictureHeight + 4);
    elementBox_->setFrameShape(QFrame::Box);
    elementBox_->installEventFilter(this);
    layout->addWidget(elementBox_, 0, 0, 4, 1);
    auto* modes = new QButtonGroup(elementFrame_);
    for (int m = 0; m < GridEditor::Modes; ++m) {
        editModes_[m] = new QRadioButton;
        editModes_[m]->setObjectName(QStringLiteral("EditMode(%1)").arg(m));
        modes->addButton(editModes_[m], m);
        layout->addWidget(editModes_[m], m % 4, 1 + m / 4);
    }
    editModes_[editor_.grid().mode()]->setChecked(true);
    connect(modes, &QButtonGroup::idClicked, &editor_.grid(), &GridEditor::setMode);
    connect(&editor_.grid(), &GridEditor::modeChanged, this,
            [this](int mode) { editModes_[mode]->setChecked(true); });
    return elementFrame_;
}

QWidget* Form1::buildPageRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < PageView::PageButtons; ++i) {
        auto* button = new QPushButton(QString::number(i + 1));
        button->setObjectName(QStringLiteral("PageButton(%1)").arg(i));
        button->setFixedSize(32, 24);
        connect(button, &QPushButton::clicked, this, [this, i] { editor_.view().showPage(i); });
        layout->addWidget(button);
        pageButtons_[i] = button;
    }
    layout->addStretch();
    return row;
}

QWidget* Form1::buildFeedbackRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName(QStringLiteral("PageSlider"));
    slider_->setRange(1, PageView::PageButtons);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setValue(editor_.map().pagesInUse());
    connect(slider_, &QSlider::valueChanged, &editor_, &MapEditor::setPagesInUse);
    layout->addWidget(slider_, 2);

    goToRow_ = new QLineEdit;
    goToRow_->setObjectName(QStringLiteral("Text13"));
    goToRow_->setPlaceholderText(tr("Row"));
    goToRow_->setFixedWidth(60);
    connect(goToRow_, &QLineEdit::textChanged, &editor_.view(), &PageView::setGoToRowText);
    layout->addWidget(goToRow_);

    coordinates_ = new QLineEdit;
    coordinates_->setObjectName(QStringLiteral("Coordinates"));
    coordinates_->setReadOnly(true);
    coordinates_->setFixedWidth(170);
    coordinates_->installEventFilter(this);
    layout->addWidget(coordinates_);

    instructionFrame_ = new QGroupBox;
    instructionFrame_->setObjectName(QStringLiteral("InstructionFrame"));
    auto* frame = new QGridLayout(instructionFrame_);
    preview_ = new QPlainTextEdit;
    preview_->setObjectName(QStringLiteral("InstructionPreview"));
    preview_->setFixedHeight(48);
    connect(preview_, &QPlainTextEdit::textChanged, this,
            [this] { editor_.view().setInstructionPreview(preview_->toPlainText()); });
    frame->addWidget(preview_, 0, 0, 2, 1);
    designer_ = new QCheckBox(tr("Designer"));
    designer_->setObjectName(QStringLiteral("DesignerCheck"));
    frame->addWidget(designer_, 0, 1);
    elementCopy_ = new QCheckBox;
    elementCopy_->setObjectName(QStringLiteral("ElementCopy"));
    frame->addWidget(elementCopy_, 1, 1);
    layout->addWidget(instructionFrame_, 3);
    instructionFrame_->hide();

    bitmapNameField_ = new QLineEdit;
    bitmapNameField_->setObjectName(QStringLiteral("BitmapNameField"));
    bitmapNameField_->setReadOnly(true);
    bitmapNameField_->setFixedWidth(90);
    layout->insertWidget(2, bitmapNameField_);
    return row;
}

QList<QWidget*> Form1::captionedWidgets() const {
    QList<QWidget*> widgets{title_,        elementFrame_,   ladderFrame_,  instructionFrame_,
                            commandFrame_, convertButton_,  tracerButton_, fileButton_,
                            fileFrame_,    showCoordinates_};
    for (QRadioButton* mode : editModes_)
        widgets << mode;
    for (QPushButton* button : gridButtons_)
        widgets << button;
    return widgets + palette_->captionedWidgets() + fileFrame_->captionedWidgets() +
           operandBox_->captionedWidgets() + definitionFrame_->captionedWidgets() +
           QList<QWidget*>{operandBox_, definitionFrame_};
}

void Form1::showGoToRow(const QString& row) {
    goToRow_->setText(row);
}

void Form1::convert() {
    if (!editor_.checkBeforeConversion()) return;
    emit converted(editor_.text_prs().text);
    if (!editor_.takeAccessCode()) return;
    preview_->clear();
    emit downloadWindowRequested();
}

void Form1::Font_chg() {
    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));
    setFont(arial);
    for (QWidget* widget : captionedWidgets())
        widget->setFont(arial);
}

void Form1::applyCaptions() {
    const QStringList& captions = editor_.captions();
    const auto caption = [&](int item) { return captions[item - 1]; };
    renderTitle();
    title_->setText(caption(CaptionFile::WindowTitle));
    elementFrame_->setTitle(caption(CaptionFile::ElementFrame));
    for (int m = 0; m < GridEditor::Modes; ++m)
        editModes_[m]->setText(caption(CaptionFile::FirstEditMode + m));
    ladderFrame_->setTitle(caption(CaptionFile::LadderFrame));
    instructionFrame_->setTitle(caption(CaptionFile::InstructionFrame));
    palette_->setCaptions(captions);
    commandFrame_->setTitle(caption(CaptionFile::CommandFrame));
    convertButton_->setText(caption(CaptionFile::ConvertButton));
    tracerButton_->setText(caption(CaptionFile::TracerButton));
    fileButton_->setText(caption(CaptionFile::FileFrameButton));
    for (int i = 0; i < int(gridButtons_.size()); ++i)
        gridButtons_[i]->setText(caption(CaptionFile::FirstGridButton + i));
    showCoordinates_->setText(caption(CaptionFile::ShowCoordinates));
    findChild<QPushButton*>(QStringLiteral("Command1(3)"))
        ->setText(caption(CaptionFile::TransmitButton));
    elementCopy_->setText(caption(CaptionFile::ElementCopyBox));
    fileFrame_->setCaptions(captions);
    operandBox_->setCaptions(captions);
    definitionFrame_->setCaptions(captions);
}

void Form1::renderPage() {
    const PageView& view = editor_.view();
    grid_->update();
    for (int i = 0; i < PageView::PageButtons; ++i) {
        const Colour colour = view.pageButtonColour(i);
        if (shownColours_[i] == colour) continue;
        shownColours_[i] = colour;
        pageButtons_[i]->setStyleSheet(colourSheet(colour));
    }
    renderFeedback();
}

void Form1::renderFeedback() {
    const PageView& view = editor_.view();
    coordinates_->setText(view.coordinates());
    if (preview_->toPlainText() != view.instructionPreview())
        preview_->setPlainText(view.instructionPreview());
}

void Form1::renderTick() {
    // Only what the tick changed is painted again.
    const PageView& view = editor_.view();
    if (view.titleFrameDue()) {
        QPalette palette = title_->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(view.titleColour()));
        title_->setPalette(palette);
    }
    if (view.blinked() && view.markedCell() != PageView::NoCell)
        grid_->update(grid_->pictureRect(view.markedCell()));
    palette_->renderSelection(editor_.grid().selectedSlot(), view.paletteBlink());
}

void Form1::renderPagesInUse(int pages) {
    const QSignalBlocker quiet(slider_);
    slider_->setValue(pages);
}

void Form1::start() {
    Font_chg();
    editor_.start();
    // The clock and the title show at once, not a frame later.
    editor_.view().tickFrame();
    timer_->start();
    grid_->setFocus();
}
