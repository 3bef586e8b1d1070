// Hall of Fame timings under the real platform, over a full QuotHof.Fil (a holder in all 168
// records), seven runs each, printing every run and the medians: from the click on "&View Hall of
// Fame" until the listing is painted, and from the click on "&Delete All Entries" (answered Yes)
// until the emptied grid is painted. Budgets: the view within 30 ms, Delete All within 100 ms.
#include "Form44.h"
#include "GridControl.h"
#include "HallOfFame.h"
#include "ProductionPlatform.h"
#include "Services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;

// The person who answers Yes to the deletion question at once.
class AnswerYes : public Dialogs {
public:
    explicit AnswerYes(Dialogs& real) : real_(real) {}
    Answer message(const Message&) override { return Answer::Yes; }
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& initialText) override {
        return real_.input(prompt, title, initialText);
    }
    std::optional<QColor> chooseColor(const QColor& initial) override {
        return real_.chooseColor(initial);
    }
    std::optional<FontChoice> chooseFont(const FontChoice& initial, FontList list) override {
        return real_.chooseFont(initial, list);
    }

private:
    Dialogs& real_;
};

// Notes when the watched widget is painted for the first time after the clock started.
class PaintWatch : public QObject {
public:
    PaintWatch(const QElapsedTimer& clock, QWidget* widget) : clock_(clock), widget_(widget) {}

    double paintedMs = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint && paintedMs < 0) {
            paintedMs = clock_.nsecsElapsed() / 1e6;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
    QWidget* widget_;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void fillEveryRecord(const ProgramFolder& folder) {
    HallOfFame::File file(folder);
    for (int record = 1; record <= HallOfFame::kRecords; ++record) {
        file.write(record, QString("HOLDER%1# 85%2:%3")
                               .arg(record % 100, 2, 10, QChar('0'))
                               .arg(record % 20)
                               .arg(record % 60, 2, 10, QChar('0')));
    }
}

// Clicks the button and returns the milliseconds until the grid is painted.
double timeUntilPainted(QApplication& app, QPushButton* button, GridControl* grid) {
    QElapsedTimer sinceClick;
    PaintWatch watch(sinceClick, grid->viewport());
    app.installEventFilter(&watch);
    sinceClick.start();
    button->click();
    while (watch.paintedMs < 0 && sinceClick.elapsed() < 5000) {
        QApplication::processEvents();
    }
    app.removeEventFilter(&watch);
    return watch.paintedMs;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(shell);
    QTemporaryDir home;
    ProductionPlatform production(home.path());
    const Platform& real = production.platform();
    AnswerYes yes(real.dialogs);
    Services services(Platform{yes, real.modal, real.clock, real.random, real.registry, real.folder,
                               real.sound, real.help, real.web, real.clipboard, real.printer,
                               real.medium});

    Form44 window(services);
    window.show();
    QApplication::processEvents();
    window.mOOpt2->trigger();
    window.Command1->click(); // "&Start"
    window.Command1->click(); // "&End": the report can open
    window.Command3->click(); // "Perf&Rp"
    QApplication::processEvents();

    std::vector<double> view;
    std::vector<double> deleteAll;
    for (int run = 1; run <= kRuns; ++run) {
        fillEveryRecord(real.folder);
        view.push_back(timeUntilPainted(app, window.Command9, window.Grid1));
        const int listed = window.Grid1->rows() - 1;
        deleteAll.push_back(timeUntilPainted(app, window.Command10, window.Grid1));
        std::printf("run %d: view of %d entries painted %.1f ms; Delete All painted %.1f ms\n", run,
                    listed, view.back(), deleteAll.back());
        window.Command9->click(); // back to the report
        QApplication::processEvents();
    }
    std::printf("median: view %.1f ms (budget 30 ms); Delete All %.1f ms (budget 100 ms)\n",
                median(view), median(deleteAll));
    return 0;
}
