#include "CalendarMakerWindow.h"
#include "DateWindow.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "Services.h"
#include "StatusBar.h"
#include "Toolbar.h"

#include <QCoreApplication>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(DateWindowsSwitching, TheCalendarOpensFromTheDateWindowAndItsExitLeadsHome) {
    FakePlatform fake;
    Services services{fake.platform};
    services.windows.add(14, [](Services& s) { return std::make_unique<DateWindow>(s); });
    services.windows.add(15, [](Services& s) { return std::make_unique<CalendarMakerWindow>(s); });
    MainWindow main(services);
    main.Form_Load();

    fake.modal.scripts.push_back([](QWidget& window) {
        auto& dates = dynamic_cast<DateWindow&>(window);
        ASSERT_TRUE(dates.toolbar->button(15)->isEnabled());
        dates.toolbar->button(15)->trigger();
        EXPECT_EQ(dates.statusPanels->panelText(1), "Loading");
        EXPECT_FALSE(dates.isVisible());
    });
    int calendarNextActivity = -1;
    fake.modal.scripts.push_back([&](QWidget& window) {
        auto& calendar = dynamic_cast<CalendarMakerWindow&>(window);
        calendarNextActivity = services.program.NextActivity;
        EXPECT_TRUE(calendar.toolbar->button(14)->isEnabled());
        calendar.exitButton->click();
        EXPECT_FALSE(calendar.isVisible());
    });

    main.toolbar->button(14)->trigger();
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::processEvents(); // the main window's activations
    }

    EXPECT_EQ(fake.modal.shownClasses, (QStringList{"DateWindow", "CalendarMakerWindow"}));
    EXPECT_EQ(calendarNextActivity, 0);
    EXPECT_EQ(services.program.NextActivity, 0);
    EXPECT_EQ(main.windowTitle(), "Korvane");
}

} // namespace
