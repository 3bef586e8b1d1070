#pragma once

#include "DateNames.h"
#include "DateWindow.h"
#include "DropDownList.h"
#include "FakePlatform.h"
#include "Services.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The date window open on its own and active, today 25 March 2026, used as a person uses it.
class DateWindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }

    void open() {
        window = std::make_unique<DateWindow>(services);
        window->show();
        settle();
        ASSERT_TRUE(window->isActiveWindow());
    }

    static void settle() { QCoreApplication::processEvents(); }

    // Picks an item of a list as a click in its open list does.
    static void choose(DropDownList* list, const QString& item) {
        const int index = list->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
        settle();
    }

    // Shows a date through the three lists: year, then month, then day.
    void chooseDate(const QDate& date) {
        choose(window->yearList, QString::number(date.year()));
        choose(window->monthList, DateNames::monthName(date.month()));
        choose(window->dayList, QString::number(date.day()));
        ASSERT_EQ(window->chosenDate(), date);
    }

    // Replaces the year box's text by typing, one character at a time.
    void typeYear(const QString& text) {
        window->yearBox->setFocus();
        window->yearBox->selectAll();
        QTest::keyClicks(window->yearBox, text);
        settle();
    }

    DateFields shownFields() const {
        return {window->monthBox->text(), window->dayBox->text(), window->yearBox->text()};
    }

    // The boxes, the month view and the weekday all show date.
    void expectShowing(const QDate& date) const {
        EXPECT_EQ(window->chosenDate(), date);
        EXPECT_EQ(shownFields(), fieldsOf(date));
        EXPECT_EQ(window->weekday->text(), DateNames::weekdayName(date));
    }

    QStringList messageTitles() const {
        QStringList titles;
        for (const Dialogs::Message& message : fake.dialogs.shown) {
            titles.append(message.title);
        }
        return titles;
    }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<DateWindow> window;
};
