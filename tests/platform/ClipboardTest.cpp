#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

TEST(SystemClipboard, EachPutReplacesWhatTheClipboardHeld) {
    SystemClipboard clipboard;
    QClipboard* desktop = QGuiApplication::clipboard();

    clipboard.putText("A kind word\rgoes a long way.");
    EXPECT_EQ(desktop->text(), "A kind word\rgoes a long way.");

    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    clipboard.putPicture(picture);
    EXPECT_EQ(desktop->image().size(), QSize(4, 3));
    EXPECT_EQ(desktop->image().pixelColor(1, 1), QColor(Qt::blue));
    EXPECT_TRUE(desktop->text().isEmpty());
}

} // namespace
