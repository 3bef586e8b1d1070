// On a desktop whose fontconfig matches "Times New Roman" to a face of its own (here DejaVu Math
// TeX Gyre standing in for Nimbus Roman), a window's default print font is that face, in the
// preview and on paper alike, as the desktop's own font matching tool names it.
#include "DefaultPrintFont.h"
#include "PlainPrintSettings.h"
#include "PrintJob.h"
#include "PrintLayout.h"
#include "QtPrinter.h"
#include "ThoughtPrintout.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kMatchedFace = QStringLiteral("DejaVu Math TeX Gyre");

TEST(PrintFontMatchTest, TimesNewRomanPrintsInTheFaceTheDesktopMatchesToIt) {
    QtPrinter printer;
    for (const char* screen : {"MS Sans Serif", "MS Serif", "No Such Screen Font"}) {
        SCOPED_TRACE(screen);
        EXPECT_EQ(printerFamilyFor(printer, screen), kMatchedFace);
    }
    // A name the desktop matches to nothing but its default face still prints in a serif face.
    const QString unmatched = printer.substituteFor("No Such Family Anywhere");
    EXPECT_NE(unmatched, kMatchedFace);
    EXPECT_FALSE(QFontInfo(QFont(unmatched)).fixedPitch()) << unmatched.toStdString();
}

TEST(PrintFontMatchTest, AThoughtInTheDefaultPrintFontReachesThePaperInTheMatchedFace) {
    PrintSettings settings = plainPrintSettings(QString(), 14);
    QtPrinter printer;
    applyDefaultPrintFont(settings, printer, QFont("MS Sans Serif"), {});
    PrintLayout layout;
    RenderThoughtPage(layout, "A kind word goes a long way.", settings);
    ASSERT_EQ(layout.pageCount(), 1);

    QTemporaryDir folder;
    const QString path = folder.filePath("thought.pdf");
    QPrinter paper(QPrinter::HighResolution);
    paper.setOutputFormat(QPrinter::PdfFormat);
    paper.setOutputFileName(path);
    ASSERT_EQ(printJob(paper, printJobOf(layout.document(), "Thought")), Printer::Result::Printed);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("DejaVuMathTeXGyre"));
    EXPECT_FALSE(content.contains("DejaVuSerif"));
}

} // namespace
