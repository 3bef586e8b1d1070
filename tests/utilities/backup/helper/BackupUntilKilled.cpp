// Runs a to-do backup into the folder named on its command line with the real file system, and
// stops half-way through writing the copy: it prints "half-way" and waits there to be killed.
#include "BackupContext.h"
#include "BackupRoutines.h"
#include "FakePlatform.h"
#include "MediumFileSystem.h"
#include "ProgramState.h"
#include "RecordingDisplay.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kLinesBeforeStopping = 750;

// A copy file that writes its first lines, then says so and blocks at the next one.
class StoppingFile : public MediumFile {
public:
    explicit StoppingFile(std::unique_ptr<MediumFile> file) : file_(std::move(file)) {}

    bool writeAt(qint64 offset, const QByteArray& bytes) override {
        if (++writes_ > kLinesBeforeStopping) {
            std::fputs("half-way\n", stdout);
            std::fflush(stdout);
            for (;;) {
                ::pause();
            }
        }
        return file_->writeAt(offset, bytes);
    }
    bool truncate(qint64 length) override { return file_->truncate(length); }
    bool sync() override { return file_->sync(); }

private:
    std::unique_ptr<MediumFile> file_;
    int writes_ = 0;
};

// The file system, with every to-do copy it opens stopping half-way.
class StoppingMedium : public FileSystemMedium {
public:
    std::unique_ptr<MediumFile> openForWriting(const QString& path) override {
        std::unique_ptr<MediumFile> file = FileSystemMedium::openForWriting(path);
        if (file == nullptr || !QFileInfo(path).fileName().startsWith("ToDoActv.Tb1")) {
            return file;
        }
        return std::make_unique<StoppingFile>(std::move(file));
    }
};

} // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: backup_until_killed <folder>\n", stderr);
        return 2;
    }
    FakePlatform fake;
    QFile list(fake.file("TODOActv.FIL"));
    if (!list.open(QIODevice::WriteOnly)) {
        return 1;
    }
    for (int row = 1; row <= 500; ++row) {
        list.write("\"New item " + QByteArray::number(row) + "\"\r\n\"\"\r\n\"\"\r\n");
    }
    list.close();
    ProgramState program{fake.platform};
    StoppingMedium medium;
    RecordingDisplay display;
    BackupContext context{program, medium, fake.folder, display, QFile::decodeName(argv[1])};
    const auto pieces = BackupRoutines::toDoPieces(fake.dialogs, fake.folder);
    if (!pieces) {
        return 1;
    }
    BackupRoutines::BackupToDoFile(context, *pieces);
    std::fputs("never stopped\n", stdout);
    return 1;
}
