#include "RegisterWindows.h"

#include "BackupWindow.h"
#include "BirthyearWindow.h"
#include "CalendarMakerWindow.h"
#include "CrosswordWindow.h"
#include "DateWindow.h"
#include "FamilyNamesWindow.h"
#include "HangmanWindow.h"
#include "MatchingWindow.h"
#include "PlannerWindow.h"
#include "QuizWindow.h"
#include "QuotesWindow.h"
#include "ScramblerWindow.h"
#include "Services.h"
#include "SoundInformationWindow.h"
#include "ThoughtsWindow.h"
#include "ToDoWindow.h"

void registerWindows(WindowCatalog& windows) {
    windows.add(2, [](Services& services) { return std::make_unique<CrosswordWindow>(services); });
    windows.add(3, [](Services& services) { return std::make_unique<QuotesWindow>(services); });
    windows.add(4, [](Services& services) { return std::make_unique<HangmanWindow>(services); });
    windows.add(5, [](Services& services) { return QuizWindow::open(services); });
    // The matching game in level 1 (6) and level 2 (7): the main window sets MatchLevelOne.
    windows.add(6, [](Services& services) { return std::make_unique<MatchingWindow>(services); });
    windows.add(7, [](Services& services) { return std::make_unique<MatchingWindow>(services); });
    windows.add(8, [](Services& services) { return std::make_unique<ScramblerWindow>(services); });
    windows.add(9, [](Services& services) { return std::make_unique<BirthyearWindow>(services); });
    // General and Humorous Thoughts: one window, its form chosen by ThoughtKind.
    windows.add(10, [](Services& services) { return std::make_unique<ThoughtsWindow>(services); });
    windows.add(11, [](Services& services) { return std::make_unique<ThoughtsWindow>(services); });
    windows.add(12, [](Services& services) { return std::make_unique<PlannerWindow>(services); });
    windows.add(13, [](Services& services) { return std::make_unique<ToDoWindow>(services); });
    windows.add(14, [](Services& services) { return std::make_unique<DateWindow>(services); });
    windows.add(15,
                [](Services& services) { return std::make_unique<CalendarMakerWindow>(services); });
    windows.add(16,
                [](Services& services) { return std::make_unique<FamilyNamesWindow>(services); });
    windows.add(
        17, [](Services& services) { return std::make_unique<SoundInformationWindow>(services); });
    // Opened only by the to-do list's and the planner's backup and restore commands.
    windows.add(WindowCatalog::kBackupWindow,
                [](Services& services) { return std::make_unique<BackupWindow>(services); });
}
