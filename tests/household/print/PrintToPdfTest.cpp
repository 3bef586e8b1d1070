#include "PrintJob.h"
#include "PrintLayout.h"
#include "QtPrinter.h"

#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(PrintToPdfTest, EveryPageOfADocumentReachesTheFile) {
    PrintLayout layout;
    layout.setOrientation(PrintLayout::Orientation::Landscape);
    layout.startDocument();
    layout.paragraph("First page");
    layout.line(1440, 3000, 8000, 3000);
    layout.newPage();
    layout.paragraph("Second page");
    layout.newPage();
    layout.filledBox(2000, 2000, 1000, 1000, Qt::yellow);
    layout.endDocument();

    QTemporaryDir folder;
    const QString path = folder.filePath("thought.pdf");
    {
        QPdfWriter pdf(path);
        ASSERT_TRUE(paintJob(pdf, printJobOf(layout.document(), "Thought")));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());
    EXPECT_EQ(content.count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 3);
    EXPECT_TRUE(
        content.contains(QRegularExpression("/MediaBox\\s*\\[0 0 792(\\.0+)? 612(\\.0+)?\\]")))
        << "landscape letter";
}

TEST(PrintJobTest, PageLayoutsRoundTripInTwips) {
    const PageGeometry a4landscape{16838, 11906, 720, 1440, 720, 1440};
    const PageGeometry back = pageGeometryOf(pageLayoutOf(a4landscape));
    EXPECT_NEAR(back.width, a4landscape.width, 20);
    EXPECT_NEAR(back.height, a4landscape.height, 20);
    EXPECT_NEAR(back.left, 720, 1);
    EXPECT_NEAR(back.bottom, 1440, 1);
    EXPECT_EQ(pageGeometryOf(letterPageLayout()), PageGeometry{});
}

} // namespace
