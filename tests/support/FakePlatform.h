#pragma once

#include "FakeMedium.h"
#include "Platform.h"
#include "QtPrinter.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>

// Answers message and input boxes from a script and records every box shown.
class FakeDialogs : public Dialogs {
public:
    Answer message(const Message& message) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& initialText) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial, FontList list) override;

    // Answers for the next boxes, in order; a box with no scripted answer gets OK (or Cancel).
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<std::optional<QColor>> colors; // with none left the colour dialog is cancelled
    QList<Message> shown;
    QStringList shownTexts() const; // the text of every box shown, in order
    QStringList prompts;
    // Runs as each message box shows, before it is answered: a test swaps disks at a prompt.
    std::function<void(const Message&)> onShow;
    // Runs as each input box shows, before it is answered: a test looks at the window behind it.
    std::function<void(const QString& prompt)> onInput;
    QList<QColor> colorInitials;                 // the initial colour of every colour dialog shown
    std::deque<std::optional<FontChoice>> fonts; // with none left the font dialog is cancelled
    QList<FontChoice> fontInitials;              // the preset of every font dialog shown
    QList<FontList> fontLists;
};

// Runs a script when a window is shown modally, then closes the window.
class FakeModalShower : public ModalShower {
public:
    void showModal(QWidget& window) override;

    // Scripts for the next modal windows, in order; with none left the window just closes.
    std::deque<std::function<void(QWidget&)>> scripts;
    QStringList shownClasses; // the class name of every window shown
};

// A clock that stands still until a test or a wait moves it; a wait handles the pending events
// once, dropping input, as a wait of the system clock does while its time passes.
class FakeClock : public Clock {
public:
    QDateTime now() const override { return current; }
    void waitUntil(const QDateTime& moment) override;

    QDateTime current{QDate(2026, 3, 25), QTime(10, 0, 0)};
    QList<QDateTime> waits; // every moment waited for
};

class FakeRandom : public Random {
public:
    double Rnd() override;
    void Randomize() override { ++randomizeCalls; }

    std::deque<double> draws; // the next Rnd values; 0 once they run out
    int randomizeCalls = 0;
};

class MemoryRegistry : public Registry {
public:
    QByteArray value(const QString& key, const QString& subKey, const QString& name) const override;
    void setValue(const QString& key, const QString& subKey, const QString& name,
                  const QByteArray& value) override;

    QMap<QString, QByteArray> values; // "key/subKey/name" -> value
};

// Records what would have been heard.
class FakeSound : public Sound {
public:
    static constexpr const char* kBeep = "<beep>";

    void playWave(const QString& fileName) override { played.append(fileName); }
    void beep() override { played.append(kBeep); }

    QStringList played; // the wave file names in order, kBeep for each beep
};

class FakeHelpViewer : public HelpViewer {
public:
    void showTopic(int context) override { topics.append(context); }
    void showContents() override { ++contentsShown; }
    void showNamedTopic(const QString& name) override { namedTopics.append(name); }

    QList<int> topics;
    int contentsShown = 0;
    QStringList namedTopics;
};

class FakeWebLauncher : public WebLauncher {
public:
    void open(const QString& address) override { opened.append(address); }

    QStringList opened;
};

// Keeps what was put, in order; the last entry is what the clipboard holds.
class FakeClipboard : public Clipboard {
public:
    void putText(const QString& text) override { texts.append(text); }
    bool putPicture(const QImage& picture) override {
        if (refusePictures) {
            return false;
        }
        pictures.append(picture);
        return true;
    }

    QStringList texts;
    QList<QImage> pictures;
    bool refusePictures = false; // a clipboard that another program holds
};

// A printer whose fonts, page setup and print dialog are scripted; records every job. A job that
// the dialog sends to a file is printed there through the real printer path, as a PDF file.
class FakePrinter : public Printer {
public:
    std::optional<QString> fontFor(const QString& family) override;
    QString substituteFor(const QString& family) override;
    QPageLayout defaultPageLayout() override { return letterPageLayout(); }
    bool pageSetup(QPageLayout& layout, QWidget* parent) override;
    Result print(const Job& job, QWidget* parent) override;

    QMap<QString, QString> fonts; // what the printer gives for a name it does not keep as asked
    QStringList refusedFonts;     // names it has no font of
    QString substitute = QStringLiteral("DejaVu Serif");
    QStringList fontRequests;
    std::deque<std::optional<QPageLayout>> setups; // with none left the page setup is cancelled
    std::deque<Result> results; // the print dialog's outcomes; Printed once they run out
    QString pdfFile;            // "Print to File": where a printed job goes; empty for a printer
    struct PrintedJob {
        QString title;
        int pageCount;
    };
    QList<PrintedJob> jobs;
};

// Every seam faked, over a fresh temporary program folder.
class FakePlatform {
public:
    FakePlatform();

    QString file(const QString& name) const { return folder.file(name); }

    QTemporaryDir directory;
    FakeDialogs dialogs;
    FakeModalShower modal;
    FakeClock clock;
    FakeRandom random;
    MemoryRegistry registry;
    ProgramFolder folder;
    FakeSound sound;
    FakeHelpViewer help;
    FakeWebLauncher web;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeMedium medium;
    Platform platform;
};
