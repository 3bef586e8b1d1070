// Opens the to-do window from the main window's toolbar seven times over full to-do files (500
// items with both dates, 5,000 remembered names) under the real platform, and prints, for each
// opening and as the median, the milliseconds from the click until the window is first painted
// and for a save of the whole grid.
// Budgets: painted within 80 ms of the click; a save at most 100 ms.
#include "BenchSupport.h"
#include "Services.h"
#include "ToDoDateText.h"
#include "ToDoFiles.h"
#include "ToDoWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

#include <cstdio>
#include <vector>

namespace {

constexpr int kOpenings = 7;

void writeFullFiles(const ProgramFolder& folder, const QDate& today) {
    std::vector<ToDoRow> rows;
    for (int row = 1; row <= ToDoFiles::kRows; ++row) {
        rows.push_back({QString("Item number %1 to do").arg(row),
                        ToDoDateText::format(today.addDays(row)),
                        ToDoDateText::format(today.addDays(row + 3))});
    }
    ToDoFiles::replaceFile(folder.file(ToDoFiles::kGridFile), ToDoFiles::writeGrid(rows));
    QStringList names;
    for (int name = 1; name <= ToDoFiles::kMaxNames; ++name) {
        names.append(QString("Remembered name %1").arg(name));
    }
    ToDoFiles::replaceFile(folder.file(ToDoFiles::kNamesFile), ToDoFiles::writeNames(names));
}

// Times a save of the whole grid.
double timeSave(ToDoWindow& toDo) {
    toDo.ToDoChanged = 1;
    toDo.commandButtons[ToDoWindow::SaveButton]->setEnabled(true);
    QElapsedTimer step;
    step.start();
    toDo.commandButtons[ToDoWindow::SaveButton]->click();
    return bench::msSince(step);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::Program program;
    Services services(program.platform());
    bench::addWindow<ToDoWindow>(services, 13);
    writeFullFiles(services.folder, services.clock.today());
    bench::ShownMainWindow main(services);

    const std::vector<double> medians =
        main.timeOpenings<ToDoWindow>(13, kOpenings, {"save"}, [](ToDoWindow& toDo) {
            return std::vector<double>{timeSave(toDo)};
        });
    std::printf("to-do list over full files (%lld bytes of items, %lld of names; median of %d): "
                "painted %.1f ms after the click (budget 80), save %.1f ms (budget 100)\n",
                QFileInfo(services.folder.file(ToDoFiles::kGridFile)).size(),
                QFileInfo(services.folder.file(ToDoFiles::kNamesFile)).size(), kOpenings,
                medians[0], medians[1]);
    return 0;
}
