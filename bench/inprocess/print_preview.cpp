// Print preview timings under the real platform, seven runs each, printing
// every run and the median: General Thoughts' preview from the click on
// "&Print" until painted (budget 100 ms), the layout of a 100-page document
// (budget 300 ms) and the drawing of one of its pages in the preview (budget 30
// ms).
#include "Form10.h"
#include "PrintPreviewPanel.h"
#include "ProductionPlatform.h"
#include "Services.h"
#include "Twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double msSince(const QElapsedTimer& clock) {
    return clock.nsecsElapsed() / 1e6;
}

// A hundred pages of a to-do list: a heading and ruled rows of three columns on
// every page.
void buildHundredPages(PrintLayout& layout) {
    layout.startDocument();
    int row = 0;
    while (layout.pageCount() < 100 || layout.currentY() < 3000) {
        if (layout.currentY() <= layout.page().top + 400) {
            layout.setFontSize(14);
            layout.setCurrentX(layout.pageWidth() / 2 - layout.textWidth("To Do List") / 2);
            layout.paragraph("To Do List");
            layout.setFontSize(12);
        }
        const double y = layout.currentY();
        layout.setCurrentX(1800);
        layout.text(QString("Item number %1 of the family list").arg(++row));
        layout.setCurrentY(y);
        layout.setCurrentX(layout.pageWidth() / 1.9);
        layout.text("03-25-2026");
        layout.setCurrentY(y);
        layout.setCurrentX(layout.pageWidth() / 1.2);
        layout.paragraph("04-01-2026");
        layout.line(100, layout.currentY(), layout.pageWidth() - 100, layout.currentY());
    }
    layout.endDocument();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir home;
    ProductionPlatform production(home.path());
    Services services(production.platform());

    QFile thoughts(production.folder().file("Thought1.Fil"));
    if (!thoughts.open(QIODevice::WriteOnly) ||
        thoughts.write("\"A kind word*goes a long way.\"\r\n") < 0) {
        std::fprintf(stderr, "cannot write the thought file\n");
        return 1;
    }
    thoughts.close();
    services.hinfo.ThoughtKind = 0;
    Form10 window(services);
    window.show();
    QApplication::processEvents();
    window.Command1->click();
    QApplication::processEvents();
    PrintPreviewPanel* panel = window.SSPanel80;

    std::vector<double> opened;
    for (int run = 1; run <= kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        window.Command2->click();
        panel->VSPrinter1->viewport()->repaint();
        opened.push_back(msSince(clock));
        panel->SSCommand80[2]->click();
        std::printf("opening %d: %.1f ms\n", run, opened.back());
    }

    // A panel of the same kind, rebuilding a document of a hundred pages.
    PrintPreviewPanel::Config config;
    config.buildDocument = buildHundredPages;
    panel = new PrintPreviewPanel(services, config, window.SSPanel1);
    panel->place(panel, 450, 300, 8940, 6705);
    std::vector<double> built;
    std::vector<double> shown;
    PrintPreview& preview = *panel->VSPrinter1;
    panel->open();
    for (int run = 1; run <= kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        panel->rebuild();
        built.push_back(msSince(clock));
        const int page = run * 100 / kRuns;
        clock.restart();
        preview.verticalScrollBar()->setValue(preview.verticalScrollBar()->maximum() * (page - 1) /
                                              99);
        preview.viewport()->repaint();
        shown.push_back(msSince(clock));
        std::printf("100 pages: built in %.1f ms (%d pages); page %d shown in %.1f ms\n",
                    built.back(), preview.layout().pageCount(), preview.pageInView(), shown.back());
    }
    std::printf("print preview (median of %d): opened %.1f ms (budget 100), 100 "
                "pages built "
                "%.1f ms (budget 300), a page shown %.1f ms (budget 30)\n",
                kRuns, median(opened), median(built), median(shown));
    return 0;
}
