#include "TextContrast.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

// Ratios worked out by hand from the sRGB curve: mid-greys on white either side of the readable
// line, which a measure without the curve puts near 2:1; a near-black in the curve's straight
// part; and the pure colours.
TEST(TextContrastTest, RatiosAreThoseOfTheSrgbCurve) {
    const struct {
        QColor a, b;
        double ratio;
    } cases[] = {
        {QColor(0x77, 0x77, 0x77), Qt::white, 4.478},
        {QColor(0x76, 0x76, 0x76), Qt::white, 4.542},
        {Qt::black, Qt::white, 21.0},
        {Qt::red, Qt::white, 3.998},
        {Qt::black, Qt::blue, 2.444},
        {QColor(0, 128, 0), Qt::black, 4.088},
        {QColor(0, 128, 128), Qt::black, 4.399},
        {QColor(48, 140, 198), Qt::white, 3.689},
        {QColor(5, 5, 5), Qt::black, 1.030},
        {Qt::magenta, Qt::magenta, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a.name().toStdString() + " on " + c.b.name().toStdString());
        EXPECT_NEAR(TextContrast::ratio(c.a, c.b), c.ratio, 0.001);
        EXPECT_NEAR(TextContrast::ratio(c.b, c.a), c.ratio, 0.001);
    }
    EXPECT_LT(TextContrast::ratio(QColor(0x77, 0x77, 0x77), Qt::white), TextContrast::kReadable);
    EXPECT_GE(TextContrast::ratio(QColor(0x76, 0x76, 0x76), Qt::white), TextContrast::kReadable);
}

// A colour that stands out is kept; one that does not becomes the nearest shade of itself that
// does, darker on a lighter ground and lighter on a darker one; where no shade on its side can
// stand out, black or white, whichever stands out more.
TEST(TextContrastTest, TextTakesTheNearestShadeOfItsColourThatStandsOut) {
    enum class Kind { Kept, Darker, Lighter, Replaced };
    const struct {
        const char* what;
        QColor wanted, background;
        Kind kind;
        QColor replacement; // for Replaced
    } cases[] = {
        {"navy on white", QColor(0, 0, 128), Qt::white, Kind::Kept, {}},
        {"white on blue", Qt::white, Qt::blue, Kind::Kept, {}},
        {"red on white", Qt::red, Qt::white, Kind::Darker, {}},
        {"magenta on white", Qt::magenta, Qt::white, Kind::Darker, {}},
        {"red on light grey", Qt::red, QColor(0xf0, 0xf0, 0xf0), Kind::Darker, {}},
        {"blue on black", Qt::blue, Qt::black, Kind::Lighter, {}},
        {"dark cyan on dark green", QColor(0, 128, 128), QColor(0, 64, 0), Kind::Lighter, {}},
        {"black on blue", Qt::black, Qt::blue, Kind::Replaced, Qt::white},
        {"black on dark cyan", Qt::black, QColor(0, 128, 128), Kind::Replaced, Qt::white},
        {"white on yellow", Qt::white, Qt::yellow, Kind::Replaced, Qt::black},
        {"yellow on grey", Qt::yellow, QColor(0x80, 0x80, 0x80), Kind::Replaced, Qt::black},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QColor drawn = TextContrast::readable(c.wanted, c.background);
        SCOPED_TRACE(drawn.name().toStdString());
        EXPECT_GE(TextContrast::ratio(drawn, c.background), TextContrast::kReadable);
        if (c.kind == Kind::Kept) {
            EXPECT_EQ(drawn, c.wanted);
        } else if (c.kind == Kind::Replaced) {
            EXPECT_EQ(drawn, c.replacement);
        } else {
            EXPECT_EQ(drawn.hue(), c.wanted.hue());
            const double fromBlack = TextContrast::ratio(drawn, Qt::black);
            const double wantedFromBlack = TextContrast::ratio(c.wanted, Qt::black);
            EXPECT_EQ(fromBlack < wantedFromBlack, c.kind == Kind::Darker);
            // No further from the wanted colour than it must be.
            EXPECT_LT(TextContrast::ratio(drawn, c.background), TextContrast::kReadable + 0.1);
        }
    }
}

// A label shows its text in the readable colour over what lies under it.
TEST(TextContrastTest, ALabelIsShownReadable) {
    QLabel label("Time");
    TextContrast::showReadable(label, Qt::black, Qt::blue);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::white));
    TextContrast::showReadable(label, Qt::black, Qt::white);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::black));
}

} // namespace
