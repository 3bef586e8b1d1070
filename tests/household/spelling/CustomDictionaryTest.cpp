#include "CustomDictionary.h"
#include "FakePlatform.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

TEST(CustomDictionary, ReadsOneWordALineAndKeepsOtherLinesWhenAdding) {
    FakePlatform fake;
    const QByteArray malformed = "  zorp \r\ntwo words\r\n9lives\r\n\r\nna\xEFve\nblorf";
    writeFile(fake.file("CustomDict1.dct"), malformed);

    CustomDictionary dictionary(fake.folder);
    dictionary.load();
    for (const char* known : {"zorp", "Zorp", "ZORP", "blorf", "na\u00EFve"}) {
        EXPECT_TRUE(dictionary.knows(QString::fromUtf8(known))) << known;
    }
    for (const char* unknown : {"two", "two words", "9lives", "zOrp"}) {
        EXPECT_FALSE(dictionary.knows(unknown)) << unknown;
    }

    ASSERT_TRUE(dictionary.add("Smith"));
    EXPECT_EQ(contentOf(fake.file("CustomDict1.dct")), malformed + "\r\nSmith\r\n");
    EXPECT_TRUE(dictionary.knows("SMITH"));
    EXPECT_FALSE(dictionary.knows("smith"));
}

TEST(CustomDictionary, MissingFileHoldsNoWords) {
    FakePlatform fake;
    CustomDictionary dictionary(fake.folder);
    dictionary.load();
    EXPECT_FALSE(dictionary.knows("zorp"));
    EXPECT_FALSE(QFile::exists(fake.file("CustomDict1.dct")));
}

} // namespace
