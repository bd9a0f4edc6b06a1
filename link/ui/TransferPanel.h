// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include <array>

class Link;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The transfer panel Frame8: its caption names the phase ("Complace",
// "TRAN"), PB2 shows the share of the image sent, Text17 the attempts; the
// receive log (Check1, Text14, the filters Text15) shows what the line
// brings. A button gives up the transfer; the label "X" hides the panel, and
// so does a double click on it.
class TransferPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit TransferPanel(Link& link, QWidget* parent = nullptr);

    void setPercent(float percent);
    // The parse trace of the pass and the attempt trace of the link share Text17.
    void setTrace(const QString& text);
    void setStopEnabled(bool on);

signals:
    void stopRequested();
    // A click on a Label2 caption: the receive log and the cursor box are emptied.
    void logCleared();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QWidget* buildReceiveLog();

    Link& link_;
    QWidget* pb2_;
    QLineEdit* trace_;
    QPushButton* stop_;
    QLabel* close_;
    QCheckBox* logSwitch_;
    QPlainTextEdit* log_;
    std::array<QLineEdit*, 3> filters_{};
    std::array<QLabel*, 2> logCaptions_{};
};
