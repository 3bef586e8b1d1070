#include "ThoughtFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct Shape {
    int width;
    int lines;
};

TEST(ShippedThoughts, BothFilesKeepTheirFormAndFitTheDisplay) {
    const struct {
        const char* file;
        ThoughtFile::Form form;
        int fewest;
        int most;
        QList<Shape> shapes; // of the fields of one entry
    } files[] = {
        {"Thought1.Fil", ThoughtFile::Form::General, 150, 215, {{36, 8}}},
        {"Thought2.Fil", ThoughtFile::Form::Humorous, 60, 100, {{34, 5}, {45, 2}}},
    };
    // Every field quoted, a comma between the fields of an entry, CR LF after each entry.
    const QRegularExpression quotedField("\"([^\"]*)\"");
    for (const auto& shipped : files) {
        QFile file(QDir(KORVANE_SHIPPED_DATA_DIR).filePath(shipped.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << shipped.file;
        const QByteArray bytes = file.readAll();
        ASSERT_TRUE(bytes.endsWith("\r\n")) << shipped.file;
        const QList<QByteArray> records = bytes.chopped(1).split('\n');
        EXPECT_GE(records.size(), shipped.fewest) << shipped.file;
        EXPECT_LE(records.size(), shipped.most) << shipped.file;
        QSet<QByteArray> seen;
        QList<QStringList> written; // the fields of every record, as the file holds them
        for (const QByteArray& record : records) {
            const QString line = QString::fromLatin1(record);
            ASSERT_TRUE(line.endsWith('\r')) << shipped.file << ": " << record.constData();
            EXPECT_FALSE(seen.contains(record)) << "duplicate: " << record.constData();
            seen.insert(record);
            QStringList fields;
            for (const auto& match : quotedField.globalMatch(line.chopped(1))) {
                fields.append(match.captured(1));
            }
            ASSERT_EQ(fields.size(), shipped.shapes.size()) << record.constData();
            written.append(fields);
            EXPECT_EQ(line.chopped(1), '"' + fields.join("\",\"") + '"') << record.constData();
            for (qsizetype k = 0; k < fields.size(); ++k) {
                const QString& field = fields[k];
                EXPECT_FALSE(field.startsWith('*') || field.endsWith('*') || field.contains("**") ||
                             field.isEmpty())
                    << record.constData();
                EXPECT_FALSE(field.contains(QRegularExpression("[\\x00-\\x1f\\x7f]")))
                    << record.constData();
                const QStringList lines = field.split('*');
                EXPECT_LE(lines.size(), shipped.shapes[k].lines) << record.constData();
                for (const QString& shown : lines) {
                    EXPECT_LE(shown.size(), shipped.shapes[k].width) << record.constData();
                }
            }
        }
        const auto entries = ThoughtFile::read(bytes, shipped.form);
        ASSERT_TRUE(entries.has_value()) << shipped.file;
        ASSERT_EQ(entries->thoughts.size(), records.size()) << shipped.file;
        // The program reads every text whole, commas and apostrophes included ("Don't cry, it's
        // only a joke!"), with each "*" a line break.
        for (qsizetype n = 0; n < written.size(); ++n) {
            QStringList read = {entries->thoughts[n]};
            if (shipped.form == ThoughtFile::Form::Humorous) {
                read.append(entries->punchLines.value(n));
            }
            EXPECT_EQ(read, written[n].replaceInStrings("*", "\r")) << shipped.file << " " << n;
        }
    }
}

TEST(ShippedThoughts, TheHumorousWindowHasItsIcon) {
    const QImage icon(QDir(KORVANE_SHIPPED_DATA_DIR).filePath("2.ico"));
    EXPECT_EQ(icon.size(), QSize(32, 32));
}

} // namespace
