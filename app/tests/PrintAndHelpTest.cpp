// SPDX-License-Identifier: GPL-3.0-or-later
// Grid button 2's printing and the palette's help pages, with the windows
// wired as the program wires them, on a copy of the shipped program folder.

#include "FakePrompter.h"
#include "Form2.h"
#include "HelpFrame.h"
#include "ProgramFolder.h"
#include "SheetPicture.h"
#include "ShippedFolder.h"
#include "Windows.h"

#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

class PrintAndHelp : public ::testing::Test {
protected:
    void SetUp() override {
        windows.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows.mapWindow()));
        windows.printer().setPdfChooser([this](const QString&, const QString& suggested) {
            suggestions << suggested;
            return pdfFile;
        });
    }
    void dropOnSlot(int slot) {
        QWidget* target =
            windows.mapWindow().findChild<QWidget*>(QStringLiteral("PaletteSlot(%1)").arg(slot));
        ASSERT_NE(target, nullptr);
        QMimeData data;
        data.setText("anything");
        // A drop goes where the drag entered.
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
    }
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    ShippedFolder shipped;
    ProgramFolder folder{shipped.path()};
    FakePrompter prompter;
    Windows windows{folder, prompter};
    QTemporaryDir scratch;
    QString pdfFile = scratch.filePath("page.pdf");
    QStringList suggestions;
};

TEST_F(PrintAndHelp, PrintsThePageShownLastIntoAPdfWhereNoPrinterIsConfigured) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is configured here";
    MapEditor& editor = windows.editor();
    editor.mapFiles().setFileName("PUMP.MAP");
    editor.map().cell(2, 0).A = "no.bmp";
    editor.map().cell(2, 0).B = "0,3";
    editor.view().showPage(2);
    editor.map().cell(2, 0).B = "changed after the page display";

    prompter.answer = false;
    emit windows.mapWindow().printRequested();
    EXPECT_EQ(prompter.questions, QStringList{"Print OK ?"});
    EXPECT_TRUE(suggestions.isEmpty());
    EXPECT_FALSE(QFile::exists(pdfFile)) << "Cancel prints nothing";

    prompter.answer = true;
    emit windows.mapWindow().printRequested();
    ASSERT_EQ(suggestions.size(), 1);
    EXPECT_TRUE(suggestions[0].endsWith("/PUMP-page3.pdf")) << suggestions[0].toStdString();
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();

    QProcess text;
    text.start("pdftotext", {"-layout", pdfFile, "-"});
    ASSERT_TRUE(text.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(shown.contains(u"專案名稱 : PUMP.MAP"_qs)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(u"頁簽 : 3"_qs)) << shown.toStdString();
    EXPECT_TRUE(shown.contains("0,3")) << "the page as shown, not the map since";
    EXPECT_TRUE(shown.contains("27") && shown.contains("39")) << "its row numbers";
}

TEST_F(PrintAndHelp, AFileThatCannotBeWrittenIsReported) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is configured here";
    pdfFile = scratch.filePath("no such folder/page.pdf");
    emit windows.mapWindow().printRequested();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains("not printed")) << prompter.messages[0].toStdString();
}

TEST_F(PrintAndHelp, TheFileMayBeAnSvgOrPngPictureOfThePage) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is configured here";
    windows.editor().map().cell(0, 0) = {"no.bmp", "0,3", "1", ""};
    windows.editor().view().showPage(0);
    for (const QString name : {"page.svg", "page.png"}) {
        pdfFile = scratch.filePath(name);
        emit windows.mapWindow().printRequested();
        EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
    }
    EXPECT_TRUE(bytesOf(scratch.filePath("page.svg")).contains(">0,3</text>"));
    EXPECT_EQ(QImage(scratch.filePath("page.png")).size(),
              SheetPicture::printedSize(Form2::PngDotsPerInch));
}

TEST_F(PrintAndHelp, ADropOnAPaletteSlotShowsItsHelpPageAndWritesTheStubOnlyOnce) {
    const QString page = shipped.path("Obel_HTML/no.bmp.htm");
    QFile::remove(page);
    dropOnSlot(11);
    HelpFrame& frame = windows.helpFrame();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.title(), "no.bmp");
    EXPECT_EQ(bytesOf(page), "<img src='BMP/no.bmp'> </img><br>\r\n");
    auto* browser = frame.findChild<QTextBrowser*>("WebBrowser1");
    const QVariant picture =
        browser->loadResource(QTextDocument::ImageResource, QUrl("BMP/no.bmp"));
    EXPECT_EQ(picture.toByteArray(), bytesOf(shipped.path("BMP/no.bmp")))
        << "the element's own bitmap, found from the help folder";

    QTest::mouseClick(frame.findChild<QPushButton*>("HelpExit"), Qt::LeftButton);
    EXPECT_FALSE(frame.isVisible());

    {
        QFile edited(page);
        ASSERT_TRUE(edited.open(QIODevice::WriteOnly));
        edited.write("<p>a page of my own</p>");
    }
    dropOnSlot(11);
    EXPECT_EQ(bytesOf(page), "<p>a page of my own</p>");
    EXPECT_EQ(browser->toPlainText(), "a page of my own");

    QFile::remove(shipped.path("Obel_HTML/space.bmp.htm"));
    dropOnSlot(0);
    EXPECT_EQ(frame.title(), "space.bmp");
    EXPECT_EQ(bytesOf(shipped.path("Obel_HTML/space.bmp.htm")),
              "<img src='BMP/space.bmp'> </img><br>\r\n");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(PrintAndHelp, AMissingHelpFolderIsSaid) {
    ASSERT_TRUE(QDir(shipped.path("Obel_HTML")).removeRecursively());
    dropOnSlot(12);
    EXPECT_FALSE(windows.helpFrame().isVisible());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains("missing"));
}

} // namespace
