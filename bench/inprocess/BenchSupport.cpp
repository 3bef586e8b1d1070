#include "BenchSupport.h"

#include "PrintFont.h"
#include "PrintPreviewPanel.h"
#include "Toolbar.h"
#include "YearFile.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QRawFont>
#include <QTimer>

#include <algorithm>
#include <cstdio>

// Q_INIT_RESOURCE names the resource's function at namespace scope, so it stays outside bench.
static void registerShellResources() {
    Q_INIT_RESOURCE(shell);
}

namespace bench {

double msSince(const QElapsedTimer& clock) {
    return clock.nsecsElapsed() / 1e6;
}

QString faceOf(const PrintFont& font) {
    const QRawFont face = QRawFont::fromFont(referenceFont(font));
    // OpenType faces of PostScript outlines keep them in a "CFF " (or "CFF2") table.
    const bool cff = !face.fontTable("CFF ").isEmpty() || !face.fontTable("CFF2").isEmpty();
    return face.familyName() + (cff ? ", CFF outlines" : ", TrueType outlines");
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Program::Program(Resources resources) : production_(home_.path()) {
    if (resources == Resources::Shell) {
        registerShellResources();
    }
}

bool Program::installShippedFiles(const QString& shippedFolder) const {
    if (!folder().install(shippedFolder)) {
        std::fprintf(stderr, "the program folder %s could not be filled\n",
                     qPrintable(home_.path()));
        return false;
    }
    return true;
}

bool writeFile(const QString& path, const QByteArray& bytes, const char* what) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0) {
        std::fprintf(stderr, "cannot write the %s file\n", what);
        return false;
    }
    return true;
}

void writeFullYear(const ProgramFolder& folder, int year) {
    YearFile::DayRecord day;
    for (int row = 0; row < YearFile::kRows; ++row) {
        day.times[std::size_t(row)] = "9:30 AM";
        day.activities[std::size_t(row)] = QString("Appointment number %1 of the day").arg(row);
    }
    day.status = YearFile::kFull;
    for (int record = 1; record <= YearFile::kLastRecord; ++record) {
        YearFile::write(folder, year, record, day);
    }
}

Dialogs::Answer AnswerYes::message(const Message& message) {
    switch (message.buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
    case Buttons::YesNoDefaultNo:
    case Buttons::YesNoCancelDefaultNo:
        return Answer::Yes;
    case Buttons::Ok:
    case Buttons::OkCancel:
        break;
    }
    return Answer::Ok;
}

Platform withDialogs(const Platform& platform, Dialogs& dialogs) {
    return Platform{dialogs,           platform.modal,     platform.clock,   platform.random,
                    platform.registry, platform.folder,    platform.sound,   platform.help,
                    platform.web,      platform.clipboard, platform.printer, platform.medium};
}

namespace {

// Notes when a window of the watched kind is shown and first painted, and at that paint runs the
// measurement from the event loop.
class OpeningWatch : public QObject {
public:
    OpeningWatch(const QMetaObject& kind, const QElapsedTimer& sinceClick,
                 const std::function<void(QWidget&)>& atFirstPaint)
        : kind_(kind), sinceClick_(sinceClick), atFirstPaint_(atFirstPaint) {}

    Opening opening;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (kind_.cast(watched) == nullptr) {
            return QObject::eventFilter(watched, event);
        }
        if (event->type() == QEvent::Show && opening.shownMs < 0) {
            opening.shownMs = msSince(sinceClick_);
        }
        if (event->type() == QEvent::Paint && opening.paintedMs < 0) {
            opening.paintedMs = msSince(sinceClick_);
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, window, [this, window] { atFirstPaint_(*window); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QMetaObject& kind_;
    const QElapsedTimer& sinceClick_;
    const std::function<void(QWidget&)>& atFirstPaint_;
};

} // namespace

ShownMainWindow::ShownMainWindow(Services& services) : main_(services) {
    main_.Form_Load();
    main_.show();
    QApplication::processEvents();
}

Opening ShownMainWindow::open(int button, const QMetaObject& kind,
                              const std::function<void(QWidget&)>& atFirstPaint) {
    QElapsedTimer sinceClick;
    OpeningWatch watch(kind, sinceClick, atFirstPaint);
    qApp->installEventFilter(&watch);
    sinceClick.start();
    main_.toolbar->button(button)->trigger(); // returns when the window has closed
    qApp->removeEventFilter(&watch);
    QApplication::processEvents(); // the main window's activation
    return watch.opening;
}

std::vector<double>
ShownMainWindow::timeOpenings(int button, const QMetaObject& kind, int openings,
                              const std::vector<const char*>& steps,
                              const std::function<std::vector<double>(QWidget&)>& measure) {
    std::vector<std::vector<double>> series(steps.size() + 1);
    for (int opening = 1; opening <= openings; ++opening) {
        std::vector<double> stepMs(steps.size(), -1);
        const Opening times = open(button, kind, [&](QWidget& window) {
            stepMs = measure(window);
            window.close();
        });
        std::printf("opening %d: painted %.1f ms", opening, times.paintedMs);
        series[0].push_back(times.paintedMs);
        for (std::size_t step = 0; step < steps.size(); ++step) {
            std::printf(", %s %.1f ms", steps[step], stepMs[step]);
            series[step + 1].push_back(stepMs[step]);
        }
        std::printf("\n");
    }
    std::vector<double> medians;
    for (const std::vector<double>& values : series) {
        medians.push_back(median(values));
    }
    return medians;
}

PaintWatch::PaintWatch(const QElapsedTimer& clock, const QWidget& widget, Scope scope)
    : clock_(clock), widget_(widget), scope_(scope) {
    qApp->installEventFilter(this);
}

PaintWatch::~PaintWatch() {
    qApp->removeEventFilter(this);
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && paintedMs < 0) {
        const bool inside = scope_ == Scope::WithChildren && watched->isWidgetType() &&
                            widget_.isAncestorOf(static_cast<QWidget*>(watched));
        if (watched == &widget_ || inside) {
            paintedMs = msSince(clock_);
        }
    }
    return QObject::eventFilter(watched, event);
}

Painting clickUntilPainted(const std::function<void()>& click, const QWidget& widget) {
    QElapsedTimer sinceClick;
    PaintWatch watch(sinceClick, widget);
    sinceClick.start();
    click();
    while (!watch.painted() && sinceClick.elapsed() < 5000) {
        QApplication::processEvents();
    }
    return {watch.paintedMs, msSince(sinceClick)};
}

double previewUntilPainted(PrintPreviewPanel& panel, const std::function<void()>& open) {
    QElapsedTimer clock;
    clock.start();
    open();
    panel.preview->viewport()->repaint();
    return msSince(clock);
}

} // namespace bench
