#include "PrintPreview.h"
#include "AccessibilityEvents.h"
#include "FakePlatform.h"
#include "ScreenReader.h"

#include <QAccessibleTextInterface>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

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

// A line as a screen reader reads it when the preview takes the focus: the line at the offset,
// less its line break, cut to the runs of like text attributes found from its start, each run
// asked for at the offset after the one before.
QString lineReadByRuns(QAccessibleTextInterface& text, int offset) {
    int lineStart = 0;
    int lineEnd = 0;
    const QString line = text.textAtOffset(offset, QAccessible::LineBoundary, &lineStart, &lineEnd);
    lineEnd = lineStart + int(QString(line).remove('\n').size());
    int runsStart = -1;
    int runsEnd = lineStart;
    for (int at = lineStart; at < lineEnd;) {
        int runStart = 0;
        int runEnd = 0;
        text.attributes(at, &runStart, &runEnd);
        if (runsStart < 0) {
            runsStart = std::max(runStart, at);
        }
        runsEnd = runEnd;
        at = std::max(runEnd, at + 1);
    }
    const int from = std::max(lineStart, runsStart);
    return text.text(from, std::min(lineEnd, runsEnd));
}

TEST_F(PrintPreviewTest, AScreenReaderReadingRunByRunGetsEachLineWhole) {
    PrintLayout& layout = preview.layout();
    layout.startDocument();
    layout.paragraph("To Do List");
    layout.paragraph("Buy milk");
    layout.endDocument();
    preview.refresh();
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(&preview)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(lineReadByRuns(*text, 0).toStdString(), "To Do List");
    EXPECT_EQ(lineReadByRuns(*text, 12).toStdString(), "Buy milk") << "the last line";
    for (int offset = 0; offset < text->characterCount(); ++offset) {
        int runStart = 0;
        int runEnd = 0;
        text->attributes(offset, &runStart, &runEnd);
        EXPECT_TRUE(runStart <= offset && offset < runEnd) << "the run at " << offset;
    }
}

// Buttons standing over the preview's top edge, as "Enlarge" and "Auto Size" do, push the first
// page and the scroll bar down below them, whole page or page width, whether they stand there
// before the preview shows or come there after.
TEST(PrintPreviewCornerTest, ButtonsOverTheTopEdgeHideNoneOfThePageNorTheScrollBar) {
    for (const bool movedLater : {false, true}) {
        SCOPED_TRACE(movedLater ? "moved there later" : "there from the start");
        FakePlatform fake;
        QWidget panel;
        panel.resize(400, 500);
        auto* preview = new PrintPreview(fake.printer, fake.clipboard, &panel);
        preview->setGeometry(20, 10, 360, 480);
        // Over the right end of the top edge, where the scroll bar begins.
        auto* corner = new QPushButton("Enlarge", &panel);
        corner->setGeometry(300, movedLater ? 200 : 12, 80, 24);
        panel.show();
        PrintLayout& layout = preview->layout();
        layout.startDocument();
        layout.paragraph("Top line");
        layout.newPage();
        layout.paragraph("Second page");
        layout.endDocument();
        preview->refresh();
        QCoreApplication::processEvents();
        if (movedLater) {
            corner->move(300, 12);
        }
        for (const int zoom : {PrintPreview::kWholePage, PrintPreview::kPageWidth}) {
            preview->setZoom(zoom);
            QCoreApplication::processEvents(); // the scroll bar shows once the range is handled
            const QRectF page =
                preview->pageRect(1).translated(preview->viewport()->mapTo(&panel, QPoint(0, 0)));
            EXPECT_GE(page.top(), corner->geometry().bottom() + 1) << "zoom " << zoom;
            if (zoom == PrintPreview::kWholePage) {
                EXPECT_LE(page.bottom(), preview->geometry().bottom()) << "the whole page shows";
            }
            const QScrollBar* bar = preview->verticalScrollBar();
            ASSERT_TRUE(bar->isVisible()) << "two pages run over";
            EXPECT_FALSE(
                QRect(bar->mapTo(&panel, QPoint(0, 0)), bar->size()).intersects(corner->geometry()))
                << "zoom " << zoom;
        }
    }
}

// With a screen reader running from the start of the program, the first preview made is read as
// every later one: a document with its name, the text of its page, line by line, and its number.
// Only the first preview of a run shows it, so it runs on its own (print_tests_first_preview).
TEST(PrintPreviewFirstOfARun, IsReadAsTheDocumentItShows) {
    if (!AccessibilityEvents::askedFor()) {
        GTEST_SKIP() << "needs accessibility active from the start";
    }
    ASSERT_TRUE(AccessibilityEvents::activeFromStart());
    FakePlatform fake;
    QWidget window;
    window.resize(300, 400);
    auto* preview = new PrintPreview(fake.printer, fake.clipboard, &window);
    preview->setGeometry(window.rect());
    window.show();
    PrintLayout& layout = preview->layout();
    layout.startDocument();
    layout.paragraph("To Do List");
    layout.paragraph("Buy milk");
    layout.endDocument();
    preview->refresh();

    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(preview);
    EXPECT_EQ(read->role(), QAccessible::Document);
    EXPECT_EQ(read->text(QAccessible::Name), "Print preview");
    EXPECT_EQ(read->text(QAccessible::Description), "Page 1 of 1");
    EXPECT_EQ(spokenPage(*preview).toStdString(), "To Do List\nBuy milk");
}

} // namespace
