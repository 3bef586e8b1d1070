#pragma once

#include "FakePlatform.h"
#include "MainWindow.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "PlannerWindow.h"
#include "Services.h"
#include "StatusBar.h"
#include "Toolbar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

// The planner opened from the main window's button 12 on 5 March 2025, used as a person uses it:
// keys and clicks go to the controls, and what they queue is handled before the next one.
class PlannerWindowTest : public ::testing::Test {
protected:
    PlannerWindowTest() {
        fake.clock.current = QDateTime(QDate(2025, 3, 5), QTime(14, 7));
        services.windows.add(12, [](Services& s) { return std::make_unique<PlannerWindow>(s); });
    }

    static void settle() { QCoreApplication::processEvents(); }

    // Opens the planner from the main window and runs the script while it is open; the modal
    // showing ends when the script has run (the fake closes the window, with its questions).
    void openPlanner(const std::function<void(PlannerWindow&)>& script) {
        main = std::make_unique<MainWindow>(services);
        main->Form_Load();
        main->show();
        settle();
        fake.modal.scripts.push_back([script](QWidget& window) {
            settle();
            auto& planner = static_cast<PlannerWindow&>(window);
            planner.activateWindow();
            settle();
            script(planner);
        });
        main->toolbar->button(12)->trigger();
        settle();
    }

    static void typeInto(QLineEdit* box, const QString& text) {
        box->setFocus(Qt::MouseFocusReason);
        settle();
        QTest::keyClicks(box, text);
        settle();
    }

    static void press(QWidget* control, Qt::Key key) {
        QTest::keyClick(control, key);
        settle();
    }

    // Picks a time from the list beside the focused time box, as a click in the list does.
    static void pickTime(PlannerWindow& planner, const QString& time) {
        QComboBox* list = planner.timeList;
        ASSERT_TRUE(list->isVisible());
        list->showPopup();
        settle();
        QAbstractItemView* view = list->view();
        view->setCurrentIndex(view->model()->index(list->findText(time), 0));
        QTest::keyClick(view, Qt::Key_Return);
        settle();
    }

    static QTableView* pickerDays(PlannerWindow& planner) {
        return planner.datePicker->month(0)->findChild<QTableView*>();
    }

    // A key in the date picker's days, as a person moves the selection.
    static void pickerKey(PlannerWindow& planner, Qt::Key key) {
        QTableView* days = pickerDays(planner);
        days->setFocus(Qt::MouseFocusReason);
        settle();
        press(days, key);
    }

    // Clicks day 8 to 21 of the picker's first month: those appear once in a month's grid.
    static void clickDay(PlannerWindow& planner, int day) {
        QTableView* days = pickerDays(planner);
        const QAbstractItemModel* model = days->model();
        for (int row = 1; row < model->rowCount(); ++row) {
            for (int column = 1; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                if (model->data(index).toInt() == day) {
                    QTest::mouseClick(days->viewport(), Qt::LeftButton, {},
                                      days->visualRect(index).center());
                    settle();
                    return;
                }
            }
        }
        FAIL() << "day " << day << " not in view";
    }

    QByteArray yearFile(int year) const {
        QFile file(fake.file(YearFile::fileName(year)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    YearFile::DayRecord day(const QDate& date) const {
        return YearFile::read(fake.folder, date.year(), YearFile::recordNumber(date)).value();
    }

    void saveDay(const QDate& date, const QString& time, const QString& activity) const {
        YearFile::DayRecord record;
        record.times[0] = time;
        record.activities[0] = activity;
        record.status = YearFile::kFull;
        ASSERT_TRUE(
            YearFile::write(fake.folder, date.year(), YearFile::recordNumber(date), record));
    }

    QStringList messageTexts() const { return fake.dialogs.shownTexts(); }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<MainWindow> main;
};
