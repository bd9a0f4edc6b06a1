// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementDefinitions.h"

#include <QGroupBox>

class PictureCache;
class Pictures;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The element definition editor: a slot's template, bitmap (picked from the
// bitmap files, with a preview) and name, stored with its save button.
class DefinitionFrame : public QGroupBox {
    Q_OBJECT
public:
    DefinitionFrame(ElementDefinitions& definitions, const Pictures& pictures, PictureCache& cache,
                    QWidget* parent = nullptr);

    // Opens the editor on a slot; nothing outside designer mode.
    void open(int slot);
    void setCaptions(const QStringList& captions);
    QList<QWidget*> captionedWidgets() const;

private:
    void showPreview(const QString& bitmapName);
    void save();

    ElementDefinitions& definitions_;
    const Pictures& pictures_;
    PictureCache& cache_;
    int slot_ = -1;
    QPlainTextEdit* template_;
    QLabel* listCaption_;
    QListWidget* bitmaps_;
    QLabel* preview_;
    QLineEdit* bitmapName_;
    QLineEdit* name_;
    QPushButton* save_;
    QPushButton* close_;
};
