#pragma once

#include "HrimLoader.h"

#include <QWidget>

class Link;
class Prompter;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The download window of the second controller model: "DW" and "RESERT",
// the loader's parameter Text2, the receive switch Check1 and the dump Text1
// of what comes back. It sends through the assembler window's link.
class Form5 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* Title = "download Hrim";

    Form5(Link& link, Prompter& prompter, QWidget* parent = nullptr);

    // "DW" is enabled only by the access code.
    void setLoaderEnabled(bool on);

private:
    void loaderStart();
    void renderDump();

    Link& link_;
    Prompter& prompter_;
    HrimLoader loader_;
    QPushButton* dw_;
    QLineEdit* parameter_;
    QCheckBox* switch_;
    QPlainTextEdit* dump_;
};
