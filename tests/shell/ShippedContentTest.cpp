// Checks the sounds, pictures and help file that ship beside the program against what the program
// expects of them.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

const QDir kDataDir(KORVANE_SHIPPED_DATA_DIR);
const QString kShellDir = QStringLiteral(KORVANE_SHIPPED_DATA_DIR "/../src/shell");

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// ------------------------------------------------------------------------------------------
// Sounds

struct WaveInfo {
    double seconds = 0;
    int peak = 0; // largest absolute sample, scaled to 16 bits
};

std::uint32_t littleEndian(const QByteArray& bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

// A PCM RIFF WAVE file as the playback layer reads it: the RIFF and WAVE tags, a "fmt " chunk of
// format 1 with 8- or 16-bit samples, and a "data" chunk that lies wholly inside the file.
std::optional<WaveInfo> readPcmWave(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    int channels = 0, rate = 0, bits = 0;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = littleEndian(bytes, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) {
            return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < 16 || littleEndian(bytes, body, 2) != 1) {
                return std::nullopt;
            }
            channels = static_cast<int>(littleEndian(bytes, body + 2, 2));
            rate = static_cast<int>(littleEndian(bytes, body + 4, 4));
            bits = static_cast<int>(littleEndian(bytes, body + 14, 2));
        } else if (id == "data") {
            if (channels < 1 || rate < 1 || (bits != 8 && bits != 16)) {
                return std::nullopt;
            }
            const int frameBytes = channels * bits / 8;
            WaveInfo info;
            info.seconds = static_cast<double>(size) / frameBytes / rate;
            for (qsizetype i = 0; i + bits / 8 <= size; i += bits / 8) {
                const int sample = bits == 16
                                       ? static_cast<std::int16_t>(littleEndian(bytes, body + i, 2))
                                       : (static_cast<std::uint8_t>(bytes[body + i]) - 128) * 256;
                info.peak = std::max(info.peak, std::abs(sample));
            }
            return info;
        }
        at = body + size + (size % 2);
    }
    return std::nullopt;
}

QStringList shippedSounds() {
    QStringList names;
    for (int n = 1; n <= 8; ++n) {
        names << QString("Start%1.wa1").arg(n);
    }
    for (int n = 1; n <= 11; ++n) {
        names << QString("GEnd%1.wa1").arg(n);
    }
    return names + kDataDir.entryList({"*.wav", "*.waw"}, QDir::Files, QDir::Name);
}

TEST(ShippedSounds, AreAudiblePcmWavesOfAFewSeconds) {
    for (const QString& name : shippedSounds()) {
        SCOPED_TRACE(name.toStdString());
        const std::optional<WaveInfo> wave = readPcmWave(readFile(kDataDir.filePath(name)));
        ASSERT_TRUE(wave.has_value()) << "missing or not a PCM RIFF WAVE file";
        EXPECT_GE(wave->seconds, 0.2);
        EXPECT_LE(wave->seconds, 4.0);
        EXPECT_GT(wave->peak, 3000) << "silent or nearly so";
    }
}

TEST(ShippedSounds, OfferSeveralChoicesPerAnswerWithNamesThatFitTheirRecord) {
    // The Sound Information window lists *.wav for right answers and *.waw for wrong ones; a name
    // is stored in an 18-character settings record.
    for (const char* pattern : {"*.wav", "*.waw"}) {
        const QStringList names = kDataDir.entryList({pattern}, QDir::Files);
        EXPECT_GE(names.size(), 3) << pattern;
        for (const QString& name : names) {
            EXPECT_LE(name.size(), 18) << name.toStdString();
        }
    }
}

TEST(ShippedSounds, CheckerRejectsBrokenWaves) {
    const QByteArray good = readFile(kDataDir.filePath("Start1.wa1"));
    ASSERT_TRUE(readPcmWave(good).has_value());
    struct Damage {
        const char* what;
        qsizetype at;
        QByteArray bytes;
    };
    const Damage damages[] = {{"not RIFF", 0, "RIFX"},
                              {"not WAVE", 8, "AVI "},
                              {"float samples", 20, QByteArray("\x03\x00", 2)}};
    for (const Damage& damage : damages) {
        QByteArray broken = good;
        broken.replace(damage.at, damage.bytes.size(), damage.bytes);
        EXPECT_FALSE(readPcmWave(broken).has_value()) << damage.what;
    }
    EXPECT_FALSE(readPcmWave(good.left(good.size() - 100)).has_value()) << "truncated data";
}

// ------------------------------------------------------------------------------------------
// Pictures

TEST(ShippedPictures, SixteenDistinctLightBackgrounds) {
    QSet<QByteArray> contents;
    for (int n = 1; n <= 16; ++n) {
        const QString name = QString("WP%1.jpg").arg(n);
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = readFile(kDataDir.filePath(name));
        EXPECT_LT(bytes.size(), 128 * 1024);
        contents.insert(bytes);
        const QImage image = QImage::fromData(bytes, "JPG");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(800, 600));
        // Text is drawn over the backgrounds, so they must stay light.
        const QImage small = image.scaled(40, 30, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double lightness = 0;
        for (int y = 0; y < small.height(); ++y) {
            for (int x = 0; x < small.width(); ++x) {
                lightness += qGray(small.pixel(x, y));
            }
        }
        EXPECT_GT(lightness / (small.width() * small.height()), 200);
    }
    EXPECT_EQ(contents.size(), 16);
}

// The resource file maps each name the program loads (":/toolbar/01.png") to a picture file.
QMap<QString, QString> resourceAliases() {
    QMap<QString, QString> aliases;
    QXmlStreamReader xml(readFile(kShellDir + "/shell.qrc"));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("file")) {
            const QString alias = xml.attributes().value("alias").toString();
            aliases.insert(alias, xml.readElementText());
        }
    }
    return aliases;
}

TEST(ShippedPictures, ResourceNamesLoadPicturesOfTheirSize) {
    QMap<QString, QSize> expected = {{"title.png", QSize()}, {"korvane.png", QSize(64, 64)}};
    for (int n = 1; n <= 20; ++n) {
        expected.insert(QString("toolbar/%1.png").arg(n, 2, 10, QChar('0')), QSize(32, 32));
    }
    const QMap<QString, QString> aliases = resourceAliases();
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        ASSERT_TRUE(aliases.contains(it.key()));
        const QImage image(kShellDir + "/" + aliases.value(it.key()));
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.hasAlphaChannel());
        if (it.value().isValid()) {
            EXPECT_EQ(image.size(), it.value());
        }
    }
}

// ------------------------------------------------------------------------------------------
// Help file

QString shippedHelp() {
    return QString::fromUtf8(readFile(kDataDir.filePath("Korvane.hlp")));
}

// The anchors as the help viewer finds them: names carried by the laid-out text. An anchor that the
// HTML importer drops (it is sensitive to the whitespace around empty anchors) is missing here.
QSet<QString> documentAnchors(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QSet<QString> names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QStringList anchors = fragment.fragment().charFormat().anchorNames();
            names.unite(QSet<QString>(anchors.cbegin(), anchors.cend()));
        }
    }
    return names;
}

TEST(ShippedHelp, HasAContentsPageAndAHeadedTopicForEveryContext) {
    const QString help = shippedHelp();
    ASSERT_FALSE(help.isEmpty());
    const QSet<QString> anchors = documentAnchors(help);
    EXPECT_EQ(help.count(QStringLiteral("<a name=\"contents\"></a>")), 1);
    EXPECT_TRUE(anchors.contains("contents"));
    const char* topics[] = {"1000", "1005", "1010", "1014", "2001", "2002",
                            "2003", "2004", "2005", "2006", "2007", "2008",
                            "2009", "2010", "2020", "3080", "5050", "customize"};
    for (const char* topic : topics) {
        SCOPED_TRACE(topic);
        const QRegularExpression start(QString("<a name=\"%1\"></a>\\s*<h2>[^<]+</h2>").arg(topic));
        EXPECT_EQ(help.count(start), 1);
        EXPECT_TRUE(anchors.contains(topic)) << "anchor lost when the viewer reads the file";
        EXPECT_TRUE(help.contains(QString("<a href=\"#%1\">").arg(topic)));
    }
}

TEST(ShippedHelp, LinksOnlyToItsOwnTopics) {
    const QString help = shippedHelp();
    const QSet<QString> anchors = documentAnchors(help);
    const QRegularExpression link("href=\"([^\"]*)\"");
    for (auto match = link.globalMatch(help); match.hasNext();) {
        const QString target = match.next().captured(1);
        SCOPED_TRACE(target.toStdString());
        ASSERT_TRUE(target.startsWith('#'));
        EXPECT_TRUE(anchors.contains(target.mid(1)));
    }
}

} // namespace
