#include "PrintPreview.h"
#include "FakePlatform.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(PrintPreviewTest, PageKeysGoFromPageToPageAndCopyTakesThePageInView) {
    FakePlatform fake;
    PrintPreview preview(fake.printer, fake.clipboard);
    preview.resize(300, 400);
    preview.show();
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

} // namespace
