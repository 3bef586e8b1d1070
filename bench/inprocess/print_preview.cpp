// Print preview timings under the real platform, seven runs each, printing
// every run and the median: General Thoughts' preview from the click on
// "&Print" until painted (budget 100 ms), the layout of a 100-page document
// (budget 300 ms) and the drawing of one of its pages in the preview (budget 30
// ms).
#include "BenchSupport.h"
#include "PrintPreviewPanel.h"
#include "Services.h"
#include "ThoughtsWindow.h"
#include "Twips.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>

#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;

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
    bench::Program program(bench::Program::Resources::None);
    Services services(program.platform());

    if (!bench::writeFile(program.folder().file("Thought1.Fil"),
                          "\"A kind word*goes a long way.\"\r\n", "thought")) {
        return 1;
    }
    services.program.ThoughtKind = 0;
    ThoughtsWindow window(services);
    window.show();
    QApplication::processEvents();
    window.startButton->click();
    QApplication::processEvents();
    PrintPreviewPanel* panel = window.printPreview;

    std::vector<double> opened;
    for (int run = 1; run <= kRuns; ++run) {
        opened.push_back(
            bench::previewUntilPainted(*panel, [&window] { window.printButton->click(); }));
        panel->commandButtons[2]->click();
        std::printf("opening %d: %.1f ms\n", run, opened.back());
    }

    // A panel of the same kind, rebuilding a document of a hundred pages.
    PrintPreviewPanel::Config config;
    config.buildDocument = buildHundredPages;
    panel = new PrintPreviewPanel(services, config, window.thoughtsPanel);
    panel->place(panel, 450, 300, 8940, 6705);
    std::vector<double> built;
    std::vector<double> shown;
    PrintPreview& preview = *panel->preview;
    panel->open();
    for (int run = 1; run <= kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        panel->rebuild();
        built.push_back(bench::msSince(clock));
        const int page = run * 100 / kRuns;
        clock.restart();
        preview.verticalScrollBar()->setValue(preview.verticalScrollBar()->maximum() * (page - 1) /
                                              99);
        preview.viewport()->repaint();
        shown.push_back(bench::msSince(clock));
        std::printf("100 pages: built in %.1f ms (%d pages); page %d shown in %.1f ms\n",
                    built.back(), preview.layout().pageCount(), preview.pageInView(), shown.back());
    }
    std::printf("print preview (median of %d): opened %.1f ms (budget 100), 100 "
                "pages built "
                "%.1f ms (budget 300), a page shown %.1f ms (budget 30)\n",
                kRuns, bench::median(opened), bench::median(built), bench::median(shown));
    return 0;
}
