// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Form1.h"
#include "Form2.h"
#include "HelpPages.h"
#include "MapEditor.h"
#include "PagePrinter.h"

#include <QObject>

#include <memory>

class Station;
class HelpFrame;
class Form3;
class Form4;
class Form5;
class Tracer;
class ProgramFolder;
class Prompter;

// The program's windows and where they meet: the map editor is the first
// window; the assembler-and-link window is made and loaded the first time it
// is needed (a conversion, or the map editor's "on line" / "off line") and
// afterwards only hidden, never destroyed.
class Windows : public QObject {
    Q_OBJECT
public:
    Windows(const ProgramFolder& folder, Prompter& prompter);
    ~Windows() override;

    // The map editor's start-up; then it shows.
    void start();

    MapEditor& editor() { return editor_; }
    Form1& mapWindow() { return form1_; }
    // The print window: never shown, printed by grid button 2.
    Form2& printWindow() { return form2_; }
    PagePrinter& printer() { return printer_; }
    HelpFrame& helpFrame() { return *helpFrame_; }
    Form3& assemblerWindow();
    Station& station();
    // The tracer window, made the first time it is shown; it sends through
    // the assembler window's link and ticks with its poll clock.
    Form4& tracerWindow();
    Tracer& tracer();
    // The second model's download window, made the first time it is shown.
    Form5& downloadWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What every window gets as it is made: its tooltips, the keys that
    // bring the windows forward, a place wholly on the map editor's screen.
    void dress(QWidget& window, QSize wanted);
    QSize roomyShare() const;
    void addWindowKeys(QWidget& window);
    void bringForward(QWidget& window);
    void makeAssemblerWindow();
    void makeTracerWindow();
    void openDownloadWindow();
    // "ExiT": after "EXIT  VantMAP ?" every window hides, the main window
    // last, and the program ends; nothing is saved.
    void exit();
    void print();
    void showHelp(int slot);

    const ProgramFolder& folder_;
    Prompter& prompter_;
    MapEditor editor_;
    Form1 form1_;
    Form2 form2_;
    PagePrinter printer_;
    HelpPages helpPages_;
    HelpFrame* helpFrame_; // a frame of the map editor, which owns it
    // In this order: the tracer goes before the station whose link and clock
    // it uses.
    std::unique_ptr<Station> station_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Tracer> tracer_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
};
