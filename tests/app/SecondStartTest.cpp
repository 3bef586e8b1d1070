#include "SingleInstance.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The built program on a folder of its own, started as a person starts it, with no screen.
class ProgramStarts : public ::testing::Test {
protected:
    QString folder() const { return home.filePath("korvane"); }
    QString inFolder(const QString& name) const { return QDir(folder()).filePath(name); }

    std::unique_ptr<QProcess> start() const {
        auto program = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KORVANE_HOME", folder());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", home.path());
        program->setProcessEnvironment(environment);
        program->start(KORVANE_PROGRAM, {});
        EXPECT_TRUE(program->waitForStarted());
        return program;
    }

    // Until the program's main window has loaded: its reminder check has made this year's
    // planner file.
    bool loaded(QProcess& program) const {
        const QString yearFile = inFolder(QString(" %1.Cal").arg(QDate::currentDate().year()));
        const bool settled = QTest::qWaitFor(
            [&] { return QFileInfo::exists(yearFile) || program.state() != QProcess::Running; },
            kLongest);
        // Whatever follows the load's last file.
        QTest::qWait(500);
        return settled && program.state() == QProcess::Running;
    }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(inFolder(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Every entry of the folder with its bytes and its time of change.
    QMap<QString, std::pair<QByteArray, QDateTime>> snapshot() const {
        QMap<QString, std::pair<QByteArray, QDateTime>> entries;
        for (const QFileInfo& entry : QDir(folder()).entryInfoList(
                 QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            QFile file(entry.absoluteFilePath());
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            entries[entry.fileName()] = {bytes, entry.lastModified()};
        }
        return entries;
    }

    // Asks a second start on the folder; it must end by itself, at once, saying why.
    void expectEndsAsSecond() const {
        const std::unique_ptr<QProcess> second = start();
        ASSERT_TRUE(second->waitForFinished(kLongest));
        EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second->exitCode(), 0);
        const QString said = QString::fromUtf8(second->readAllStandardError());
        EXPECT_TRUE(said.contains("Korvane is already running with the folder " + folder()))
            << said.toStdString();
    }

    static constexpr int kLongest = 60'000; // a loaded machine and a sanitized build

    QTemporaryDir home;
};

TEST_F(ProgramStarts, ASecondStartOnTheSameFolderEndsWithoutTouchingAFile) {
    const std::unique_ptr<QProcess> first = start();
    ASSERT_TRUE(loaded(*first));
    // The first in the middle of a save, and a shipped file the person removed: the second start
    // neither clears the one nor copies the other back.
    write("Bhday1.FIL.bGIcQa", "half a save");
    ASSERT_TRUE(QFile::remove(inFolder("Korvane.hlp")));
    const auto before = snapshot();

    expectEndsAsSecond();

    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(first->state(), QProcess::Running);
    first->kill();
    first->waitForFinished();
}

// A kill leaves the lock file and, had it come mid-save, a save's temporary file: the next start
// takes the lock over, clears what our saves left and nothing else, and holds the folder.
TEST_F(ProgramStarts, AStartAfterAKillTakesOverTheFolderAndClearsOnlyOurCutShortSaves) {
    const std::unique_ptr<QProcess> killed = start();
    ASSERT_TRUE(loaded(*killed));
    killed->kill();
    killed->waitForFinished();
    ASSERT_TRUE(QFileInfo::exists(inFolder(SingleInstance::kLockFile)));
    const QStringList ours = {"Bhday1.FIL.bGIcQa", " 2026.Cal.XkPqRs"};
    const QStringList others = {"notes.txt.AbCdEf", "TODOActv.FIL.damaged", "Bhday1.FIL.ab12cd"};
    for (const QString& name : ours + others) {
        write(name, "bytes");
    }

    const std::unique_ptr<QProcess> next = start();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::none_of(ours.begin(), ours.end(), [&](const QString& name) {
                return QFileInfo::exists(inFolder(name));
            });
        },
        kLongest));
    for (const QString& name : others) {
        EXPECT_TRUE(QFileInfo::exists(inFolder(name))) << name.toStdString();
    }
    ASSERT_TRUE(loaded(*next));
    expectEndsAsSecond();
    next->kill();
    next->waitForFinished();
}

} // namespace
