#pragma once
// What the in-process benchmarks share: a fresh program folder under the real platform, the main
// window whose toolbar opens the windows to time, watches for first paints, and medians.
#include "Dialogs.h"
#include "MainWindow.h"
#include "Platform.h"
#include "ProductionPlatform.h"
#include "QtDialogs.h"
#include "Services.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

class PrintPreviewPanel;
class QWidget;
struct PrintFont;

namespace bench {

double msSince(const QElapsedTimer& clock);
double median(std::vector<double> values);

// The face a print font is measured and drawn in, and the kind of its outlines ("DejaVu Serif,
// TrueType outlines"): the system's font matching picks it.
QString faceOf(const PrintFont& font);

// A program folder of its own, removed at the end, under the real platform.
class Program {
public:
    // Whether the shell's pictures are registered, as the installed program does for its windows.
    enum class Resources { Shell, None };

    explicit Program(Resources resources = Resources::Shell);

    // Copies the shipped files in, as the installer does; says on stderr when it cannot.
    bool installShippedFiles(const QString& shippedFolder) const;

    Platform& platform() { return production_.platform(); }
    const ProgramFolder& folder() const { return production_.folder(); }

private:
    QTemporaryDir home_;
    ProductionPlatform production_;
};

// Writes a whole file; says on stderr which one could not be written.
bool writeFile(const QString& path, const QByteArray& bytes, const char* what);

// Every record of the planner's year saved, with an entry on every row (387,900 bytes).
void writeFullYear(const ProgramFolder& folder, int year);

// The person at the keyboard who answers Yes to a question that offers it, and OK to any other
// message.
class AnswerYes : public QtDialogs {
public:
    Answer message(const Message& message) override;
};

// The platform with other dialogs.
Platform withDialogs(const Platform& platform, Dialogs& dialogs);

// Makes the toolbar button open a Window; the main window enables the buttons it can open.
template <class Window> void addWindow(Services& services, int button) {
    services.windows.add(button, [](Services& s) { return std::make_unique<Window>(s); });
}

// Milliseconds since a click; -1 where it did not happen.
struct Opening {
    double shownMs = -1;
    double paintedMs = -1;
};

// The main window, loaded and shown, whose toolbar opens the windows to time.
class ShownMainWindow {
public:
    explicit ShownMainWindow(Services& services);

    // Clicks the toolbar button, which returns once the window it opened has closed, then lets the
    // main window take its activation. At the first paint of the window, atFirstPaint runs from the
    // event loop: it takes its own timings and closes the window.
    template <class Window> Opening open(int button, std::function<void(Window&)> atFirstPaint) {
        return open(button, Window::staticMetaObject, [&atFirstPaint](QWidget& window) {
            atFirstPaint(static_cast<Window&>(window));
        });
    }

    // Opens the window the given number of times; at each first paint, measure times the named
    // steps, then the window is closed. Prints "opening N: painted P ms, STEP T ms, ..." for each
    // opening and returns the medians: the paint's first, then the steps' in their order.
    template <class Window>
    std::vector<double> timeOpenings(int button, int openings,
                                     const std::vector<const char*>& steps,
                                     std::function<std::vector<double>(Window&)> measure) {
        return timeOpenings(
            button, Window::staticMetaObject, openings, steps,
            [&measure](QWidget& window) { return measure(static_cast<Window&>(window)); });
    }

private:
    Opening open(int button, const QMetaObject& kind,
                 const std::function<void(QWidget&)>& atFirstPaint);
    std::vector<double> timeOpenings(int button, const QMetaObject& kind, int openings,
                                     const std::vector<const char*>& steps,
                                     const std::function<std::vector<double>(QWidget&)>& measure);

    MainWindow main_;
};

// Notes, on a clock, the first paint of a widget or, with Scope::WithChildren, of a widget inside
// it; watches the events of the whole program while it lives.
class PaintWatch : public QObject {
public:
    enum class Scope { Widget, WithChildren };

    PaintWatch(const QElapsedTimer& clock, const QWidget& widget, Scope scope = Scope::Widget);
    ~PaintWatch() override;
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    bool painted() const { return paintedMs >= 0; }

    double paintedMs = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QElapsedTimer& clock_;
    const QWidget& widget_;
    Scope scope_;
};

// Milliseconds since a click until the widget's paint event arrived and until it was handled.
struct Painting {
    double eventMs = -1;
    double handledMs = -1;
};

// Runs click, then handles events until the widget has been painted or five seconds have passed.
Painting clickUntilPainted(const std::function<void()>& click, const QWidget& widget);

// Runs open, which opens the panel's preview, and returns the milliseconds until its page has been
// painted.
double previewUntilPainted(PrintPreviewPanel& panel, const std::function<void()>& open);

} // namespace bench
