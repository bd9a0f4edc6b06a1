// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class Station;
class FolderBrowserView;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TransferPanel;

// The assembler-and-link window: the source box and its browser, the work,
// code and listing boxes, the message box, the macro fields, the port and
// baud options, the line in use and what the last command did, the command
// row and the transfer panel. It
// renders Station's state and turns the user's actions into calls on it.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(Station& station, QWidget* parent = nullptr);

    // Loading the window: the port opens as rs232.def says.
    void load();
    // Command button 1 of the map editor: the converted text goes into the
    // source box, and the box has the focus.
    void showConverted(const QString& source);

signals:
    // "T.Adj" of the clock panel.
    void clockSettingRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildCommandRow();
    QWidget* buildOptions();
    QWidget* buildSourceColumn();
    QWidget* buildBoxes();
    QWidget* buildMacroColumn();
    void placeTransferPanel();
    void renderOptions();
    void renderLine();
    void renderAssembly();
    void renderPass();
    void renderPhase();
    void downloadFinished();
    void showTransferPanel(const QString& caption);
    void tableWriteStarted();
    void tableWriteFinished();
    void showCursor();

    Station& station_;
    std::array<QPushButton*, 5> commands_{};
    QLabel* line_ = nullptr;
    QLabel* status_ = nullptr;
    std::array<QRadioButton*, 11> options_{};
    QLineEdit* sourceName_ = nullptr;
    QPlainTextEdit* source_ = nullptr;
    QLineEdit* cursor_ = nullptr;
    QGroupBox* browserPanel_ = nullptr;
    FolderBrowserView* browser_ = nullptr;
    std::array<QPlainTextEdit*, 3> boxes_{};
    QPlainTextEdit* message_ = nullptr;
    QCheckBox* withController_ = nullptr;
    QCheckBox* clearMacros_ = nullptr;
    QLineEdit* macroFolder_ = nullptr;
    QPlainTextEdit* loadedMacros_ = nullptr;
    QPlainTextEdit* macroText_ = nullptr;
    QLineEdit* origin_ = nullptr;
    QWidget* pb1_ = nullptr;
    TransferPanel* transfer_ = nullptr;
};
