#include "RecordFile.h"
#include "FullDisk.h"
#include "RecordCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray result;
    for (int value : values) {
        result.append(static_cast<char>(value));
    }
    return result;
}

QByteArray padded(QByteArray value, int length) {
    value.append(QByteArray(length - value.size(), '\0'));
    return value;
}

class RecordFileTest : public ::testing::Test {
protected:
    QString path(const QString& name = "Test.Fil") const { return dir.filePath(name); }
    QByteArray contents(const QString& name = "Test.Fil") const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void store(const QByteArray& content, const QString& name = "Test.Fil") const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir dir;
};

struct EncodingCase {
    const char* name;
    std::function<RecordFile::WriteResult(RecordFile&)> write;
    QByteArray expected; // the record's bytes, before padding
};

TEST_F(RecordFileTest, EachValueKindIsWrittenByteForByte) {
    const std::vector<EncodingCase> cases = {
        {"text", [](RecordFile& f) { return f.writeText(1, "OFF"); }, bytes({3, 0, 'O', 'F', 'F'})},
        {"empty text", [](RecordFile& f) { return f.writeText(1, ""); }, bytes({0, 0})},
        {"Windows-1252 text",
         [](RecordFile& f) { return f.writeText(1, QString::fromUtf8("€ é")); },
         bytes({3, 0, 0x80, ' ', 0xE9})},
        {"integer", [](RecordFile& f) { return f.writeInteger(1, -2); }, bytes({0xFE, 0xFF})},
        {"long variant", [](RecordFile& f) { return f.writeVariant(1, qint32{0xFF0000}); },
         bytes({3, 0, 0, 0, 0xFF, 0})},
        {"system colour variant",
         [](RecordFile& f) { return f.writeVariant(1, qint32(0x8000000F)); },
         bytes({3, 0, 0x0F, 0, 0, 0x80})},
        {"text variant", [](RecordFile& f) { return f.writeVariant(1, QString("Def")); },
         bytes({8, 0, 3, 0, 'D', 'e', 'f'})},
        {"empty variant", [](RecordFile& f) { return f.writeVariant(1, std::monostate{}); },
         bytes({0, 0})},
    };
    for (const auto& testCase : cases) {
        QFile::remove(path());
        RecordFile file(path(), 10);
        EXPECT_EQ(testCase.write(file), RecordFile::WriteResult::Written) << testCase.name;
        EXPECT_EQ(contents(), padded(testCase.expected, 10)) << testCase.name;
    }
}

TEST_F(RecordFileTest, ValuesReadBackAsWritten) {
    RecordFile file(path(), 20);
    file.writeText(3, QString::fromUtf8("Grüße"));
    file.writeInteger(14, -300);
    file.writeVariant(5, QString("Def"));
    file.writeVariant(6, qint32{-2147483633});
    EXPECT_EQ(file.readText(3), QString::fromUtf8("Grüße"));
    EXPECT_EQ(file.readInteger(14), -300);
    EXPECT_EQ(file.readVariant(5), StoredVariant(QString("Def")));
    EXPECT_EQ(file.readVariant(6), StoredVariant(qint32{-2147483633}));
}

TEST_F(RecordFileTest, WritingPastTheEndExtendsWithZeros) {
    RecordFile file(path(), 20);
    ASSERT_EQ(file.writeText(55, "OFF"), RecordFile::WriteResult::Written);
    const QByteArray content = contents();
    ASSERT_EQ(content.size(), 55 * 20);
    EXPECT_EQ(content.left(54 * 20), QByteArray(54 * 20, '\0'));
    EXPECT_EQ(content.mid(54 * 20), padded(bytes({3, 0, 'O', 'F', 'F'}), 20));
}

TEST_F(RecordFileTest, RewritingARecordLeavesTheOthersWhole) {
    RecordFile file(path(), 20);
    file.writeText(1, "First");
    file.writeText(3, "Third");
    file.writeText(2, "Second");
    file.writeText(2, "2");
    EXPECT_EQ(file.readText(1), "First");
    EXPECT_EQ(file.readText(2), "2");
    EXPECT_EQ(file.readText(3), "Third");
}

TEST_F(RecordFileTest, NeverWrittenRecordsReadAsEmpty) {
    store(padded(bytes({3, 0, 'Y', 'e', 's'}), 20) + QByteArray(40, '\0'));
    const RecordFile file(path(), 20);
    EXPECT_EQ(file.readText(2), ""); // a stretch of zeros inside the file
    EXPECT_EQ(file.readText(9), ""); // beyond the end
    EXPECT_EQ(file.readInteger(9), 0);
    EXPECT_TRUE(isEmpty(file.readVariant(2)));
    EXPECT_TRUE(isEmpty(file.readVariant(9)));
}

TEST_F(RecordFileTest, AValueCutByTheEndOfTheFileReadsOnlyTheBytesItHolds) {
    const struct {
        const char* name;
        QByteArray content;
        QString text;
        qint16 integer;
    } cases[] = {
        {"a length byte alone", bytes({5}), "", 5},
        {"a length past the end", bytes({5, 0, 'a', 'b'}), "ab", 5},
        {"a length past the record", bytes({40, 0, 'a', 'b', 'c', 'd', 'e', 'f'}), "abcd", 40},
    };
    for (const auto& testCase : cases) {
        store(testCase.content);
        const RecordFile file(path(), 6);
        EXPECT_EQ(file.read(1).size(), std::min<qsizetype>(testCase.content.size(), 6))
            << testCase.name;
        EXPECT_EQ(file.readText(1), testCase.text) << testCase.name;
        EXPECT_EQ(file.readInteger(1), testCase.integer) << testCase.name;
    }
}

TEST_F(RecordFileTest, ReadingCreatesAMissingFileEmpty) {
    const RecordFile file(path("New.Fil"), 20);
    EXPECT_EQ(file.readText(1), "");
    EXPECT_TRUE(QFile::exists(path("New.Fil")));
    EXPECT_EQ(contents("New.Fil").size(), 0);
}

TEST_F(RecordFileTest, TextLongerThanTheRecordIsRefusedAndTheRecordKept) {
    RecordFile file(path(), 20);
    ASSERT_EQ(file.writeText(4, "EighteenCharacters"), RecordFile::WriteResult::Written);
    const QByteArray before = contents();
    EXPECT_EQ(file.writeText(4, "NineteenCharacters!"), RecordFile::WriteResult::TooLong);
    EXPECT_EQ(contents(), before);

    RecordFile small(path("Small.Fil"), 10);
    EXPECT_EQ(small.writeText(3, "123456789"), RecordFile::WriteResult::TooLong);
    EXPECT_FALSE(QFile::exists(path("Small.Fil")));
    EXPECT_EQ(small.writeText(3, "12345678"), RecordFile::WriteResult::Written);
}

TEST_F(RecordFileTest, AMalformedLengthReadsOnlyTheRecordsOwnBytes) {
    store(bytes({0xF4, 0x01, 'a', 'b'}) + QByteArray(16, 'c') + bytes({3, 0, 'n', 'e', 'x'}));
    const RecordFile file(path(), 20);
    EXPECT_EQ(file.readText(1), "ab" + QString(16, 'c'));
}

TEST_F(RecordFileTest, AFailedWriteLeavesTheOldFileWholeAndSaysSo) {
    RecordFile file(path(), 20);
    file.writeText(1, "Keep me");
    const QByteArray before = contents();

    RecordFile::WriteResult result = RecordFile::WriteResult::Written;
    {
        const FullDisk disk(64);
        result = file.writeText(10, "Too far");
    }

    EXPECT_EQ(result, RecordFile::WriteResult::Failed);
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Test.Fil"});
}

TEST(RecordCodecTest, FixedTextsArePaddedWithBlanksAndZerosReadAsBlanks) {
    EXPECT_EQ(RecordCodec::fixedText("Full", 10), QByteArray("Full      "));
    EXPECT_EQ(RecordCodec::fixedText("Overflowing", 4), QByteArray("Over"));
    EXPECT_EQ(RecordCodec::readFixedText(QByteArray("Full\0\0\0\0\0\0", 10), 0, 10), "Full      ");
    EXPECT_EQ(RecordCodec::readFixedText(QByteArray("ab"), 0, 4), "ab  ");
}

} // namespace
