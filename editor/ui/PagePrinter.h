// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Form2;
class Prompter;

// Grid button 2: after "Print OK ?" the print window goes to the default
// printer as one page, scaled to the paper. Where no printer is configured
// the user may name a PDF file instead, or an SVG or PNG picture of the
// page; a printer or file that fails is reported.
class PagePrinter {
public:
    // Asks for the PDF file: the dialog's caption and the file it suggests;
    // "" when the user cancels.
    using PdfChooser = std::function<QString(const QString& caption, const QString& suggested)>;
    enum class Outcome { Cancelled, Printed, Failed };

    PagePrinter(Prompter& prompter, PdfChooser chooser);
    void setPdfChooser(PdfChooser chooser) { chooser_ = std::move(chooser); }
    // The file the PDF dialog suggests.
    void setSuggestedPdf(const QString& path) { suggestedPdf_ = path; }

    Outcome print(const Form2& window);

private:
    Outcome savePicture(const Form2& window, const QString& file);

    Prompter& prompter_;
    PdfChooser chooser_;
    QString suggestedPdf_;
};
