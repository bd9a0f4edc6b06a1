// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SecondModelLoader.h"
#include "ToolAnswer.h"

#include <QWidget>

class Station;
class Link;
class Prompter;
class QLabel;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The download window of the second controller model: "DW" and "RESERT",
// the loader's parameter Text2, the receive switch Check1, the dump Text1
// of what comes back and a line saying what the last button sent and got
// back. It sends through the assembler window's link; closing it turns the
// switch off, as nobody would see the dump grow.
class Form5 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* Title = "download Hrim";

    Form5(Station& station, Prompter& prompter, QWidget* parent = nullptr);

    // "DW" is enabled only by the access code.
    void setLoaderEnabled(bool on);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void loaderStart();
    void reset();
    // Whether nothing can go out now; the answer line then says why.
    bool tellIfLineClosed();
    // The answer line (and a message for a refusal); whether anything was sent.
    bool tell(const QByteArray& sent, const QString& refusal);
    void renderDump();

    Station& station_;
    Link& link_;
    Prompter& prompter_;
    SecondModelLoader loader_;
    ToolAnswer answer_;
    QPushButton* dw_;
    QLineEdit* parameter_;
    QCheckBox* switch_;
    QPlainTextEdit* dump_;
    QLabel* answerLine_;
};
