#include "PrintPreview.h"
#include "FakePlatform.h"
#include "ScreenReader.h"

#include <QAccessibleTextInterface>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A preview shown on its own.
class PrintPreviewTest : public ::testing::Test {
protected:
    PrintPreviewTest() {
        preview.resize(300, 400);
        preview.show();
    }

    FakePlatform fake;
    PrintPreview preview{fake.printer, fake.clipboard};
};

TEST_F(PrintPreviewTest, PageKeysGoFromPageToPageAndCopyTakesThePageInView) {
    PrintLayout& layout = preview.layout();
    layout.startDocument();
    for (int page = 1; page <= 3; ++page) {
        if (page > 1) {
            layout.newPage();
        }
        layout.filledBox(0, 0, 1440 * page, 1440, Qt::black); // a page of its own look
    }
    layout.endDocument();
    preview.refresh();
    EXPECT_EQ(preview.pageInView(), 1);

    const struct {
        Qt::Key key;
        int page;
    } steps[] = {
        {Qt::Key_PageDown, 2}, {Qt::Key_PageDown, 3}, {Qt::Key_PageDown, 3}, {Qt::Key_PageUp, 2}};
    for (const auto& step : steps) {
        QTest::keyClick(&preview, step.key);
        EXPECT_EQ(preview.pageInView(), step.page);
    }
    preview.setZoom(PrintPreview::kPageWidth);
    EXPECT_EQ(preview.pageInView(), 2) << "the zoom keeps the page in view";

    ASSERT_TRUE(preview.copyCurrentPage());
    ASSERT_EQ(fake.clipboard.pictures.size(), 1);
    EXPECT_EQ(fake.clipboard.pictures[0], preview.pagePicture(2, 150));
    EXPECT_NE(fake.clipboard.pictures[0], preview.pagePicture(3, 150));

    layout.clear();
    EXPECT_FALSE(preview.copyCurrentPage()) << "no document, no page";
}

// What a screen reader reads of the page in view through the preview's text.
QString spokenPage(PrintPreview& preview) {
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(&preview)->textInterface();
    return text != nullptr ? text->text(0, text->characterCount()) : QStringLiteral("(no text)");
}

TEST_F(PrintPreviewTest, AScreenReaderReadsThePageInViewLineByLineWithItsNumber) {
    PrintLayout& layout = preview.layout();
    layout.setFont(PrintFont{"Serif", 12});
    layout.startDocument();
    // A centred title, a line of two texts side by side, a paragraph wrapped over two lines.
    layout.setCurrentX((layout.pageWidth() - layout.textWidth("Shopping")) / 2);
    layout.paragraph("Shopping");
    layout.text("Time:");
    layout.setCurrentX(layout.currentX() + 720);
    layout.unwrappedLine("9:00 AM");
    layout.paragraph(QString("milk ").repeated(30).trimmed());
    layout.newPage();
    layout.paragraph("Page two");
    layout.endDocument();
    preview.refresh();

    const QStringList lines = spokenPage(preview).split('\n');
    ASSERT_GE(lines.size(), 4) << spokenPage(preview).toStdString();
    EXPECT_EQ(lines[0], "Shopping");
    EXPECT_EQ(lines[1], "Time: 9:00 AM");
    EXPECT_EQ(lines.mid(2).join(' '), QString("milk ").repeated(30).trimmed());
    EXPECT_EQ(spokenName(&preview), "Print preview");
    EXPECT_EQ(spokenDescription(&preview), "Page 1 of 2");

    QTest::keyClick(&preview, Qt::Key_PageDown);
    EXPECT_EQ(spokenPage(preview), "Page two");
    EXPECT_EQ(spokenDescription(&preview), "Page 2 of 2");
}

// Buttons standing over the preview's top edge, as "Enlarge" and "Auto Size" do, push the first
// page down below them, whole page or page width.
TEST(PrintPreviewCornerTest, ButtonsOverTheTopEdgeHideNoneOfThePage) {
    FakePlatform fake;
    QWidget panel;
    panel.resize(400, 500);
    auto* preview = new PrintPreview(fake.printer, fake.clipboard, &panel);
    preview->setGeometry(20, 10, 360, 480);
    auto* corner = new QPushButton("Enlarge", &panel);
    corner->setGeometry(300, 12, 70, 24);
    panel.show();
    preview->layout().startDocument();
    preview->layout().paragraph("Top line");
    preview->layout().endDocument();
    preview->refresh();
    for (const int zoom : {PrintPreview::kWholePage, PrintPreview::kPageWidth}) {
        preview->setZoom(zoom);
        const QRectF page =
            preview->pageRect(1).translated(preview->viewport()->mapTo(&panel, QPoint(0, 0)));
        EXPECT_GE(page.top(), corner->geometry().bottom() + 1) << "zoom " << zoom;
        if (zoom == PrintPreview::kWholePage) {
            EXPECT_LE(page.bottom(), preview->geometry().bottom()) << "the whole page shows";
        }
    }
}

} // namespace
