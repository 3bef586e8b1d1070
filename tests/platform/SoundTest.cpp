#include "FakePlatform.h"
#include "PulseSound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// A RIFF WAVE file of 16-bit samples.
QByteArray waveFile(int sampleRate, int channels, const std::vector<qint16>& samples) {
    auto le32 = [](quint32 value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    auto le16 = [](quint16 value) {
        QByteArray bytes(2, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    QByteArray data;
    for (qint16 sample : samples) {
        data += le16(quint16(sample));
    }
    const quint16 blockAlign = quint16(channels * 2);
    return "RIFF" + le32(quint32(36 + data.size())) + "WAVE" + "fmt " + le32(16) + le16(1) +
           le16(quint16(channels)) + le32(quint32(sampleRate)) +
           le32(quint32(sampleRate) * blockAlign) + le16(blockAlign) + le16(16) + "data" +
           le32(quint32(data.size())) + data;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class PulseSoundTest : public ::testing::Test {
protected:
    FakePlatform fake;
    PulseSound sound{fake.folder};
    const std::vector<qint16> samples{0, 1000, -1000, 32767, -32768, 12, -12, 7};
};

TEST_F(PulseSoundTest, DecodesWaveDataByContentWhateverTheExtension) {
    for (const QString name : {"Right.wav", "Wrong.waw", "Start1.wa1"}) {
        write(fake.file(name), waveFile(8000, 2, samples));
        const PcmSound decoded = sound.soundFor(name);
        EXPECT_EQ(decoded.sampleRate, 8000) << name.toStdString();
        EXPECT_EQ(decoded.channels, 2) << name.toStdString();
        EXPECT_EQ(decoded.samples, samples) << name.toStdString();
    }
}

TEST_F(PulseSoundTest, UnplayableNamesGiveTheDefaultSound) {
    write(fake.file("Notes.wav"), "These are not samples.");
    write(fake.file("Cut.wav"), waveFile(8000, 1, samples).left(30));
    for (const QString name : {"Missing.wav", "Notes.wav", "Cut.wav", "10", ""}) {
        const PcmSound played = sound.soundFor(name);
        EXPECT_EQ(played.samples, defaultSound().samples) << name.toStdString();
        EXPECT_EQ(played.sampleRate, defaultSound().sampleRate);
    }
    EXPECT_FALSE(defaultSound().samples.empty());
    EXPECT_FALSE(beepSound().samples.empty());
}

TEST_F(PulseSoundTest, WithoutAnAudioServerPlayingReturnsAtOnce) {
    const QByteArray before = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:" + fake.file("no-server").toUtf8());
    write(fake.file("Right.wav"), waveFile(8000, 1, std::vector<qint16>(80000, 1000)));

    QElapsedTimer timer;
    timer.start();
    sound.playWave("Right.wav"); // ten seconds of sound
    sound.playWave("Missing.wav");
    sound.beep();
    EXPECT_LT(timer.elapsed(), 2000);

    if (before.isNull()) {
        qunsetenv("PULSE_SERVER");
    } else {
        qputenv("PULSE_SERVER", before);
    }
}

} // namespace
