#pragma once

#include "DefaultLocale.h"
#include "FakePlatform.h"
#include "GridControl.h"
#include "MainWindow.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "Services.h"
#include "StatusBar.h"
#include "ToDoFiles.h"
#include "ToDoWindow.h"
#include "Toolbar.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

// The to-do window opened from the main window's button 13 on 25 March 2026 (the fake clock),
// used as a person uses it: clicks and keys go to the controls.
class ToDoWindowTest : public ::testing::Test {
protected:
    ToDoWindowTest() {
        services.windows.add(13, [](Services& s) { return std::make_unique<ToDoWindow>(s); });
    }

    static void settle() { QCoreApplication::processEvents(); }

    // Opens the window from the main window and runs the script while it is open; the fake's
    // modal showing then closes it, with its questions.
    void openToDo(const std::function<void(ToDoWindow&)>& script) {
        main = std::make_unique<MainWindow>(services);
        main->Form_Load();
        main->show();
        settle();
        fake.modal.scripts.push_front([script](QWidget& window) {
            settle();
            auto& toDo = static_cast<ToDoWindow&>(window);
            toDo.activateWindow();
            settle();
            script(toDo);
        });
        main->toolbar->button(13)->trigger();
        settle();
    }

    // A click on a cell of the grid, as the mouse gives it.
    static void clickCell(ToDoWindow& toDo, int row, int col) {
        GridControl* grid = toDo.toDoGrid;
        grid->showCell(row, col);
        settle();
        QPoint at;
        for (int y = 0; y < grid->viewport()->height() && at.isNull(); ++y) {
            if (grid->rowAt(y) == row) {
                for (int x = 0; x < grid->viewport()->width(); ++x) {
                    if (grid->colAt(x) == col) {
                        at = QPoint(x + 3, y + 3);
                        break;
                    }
                }
            }
        }
        ASSERT_FALSE(at.isNull()) << "cell " << row << "," << col << " not in view";
        grid->setFocus(Qt::MouseFocusReason);
        settle();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        settle();
    }

    // Clicks day 8 to 21 of the picker's month: those appear once in a month's page.
    static void clickDay(ToDoWindow& toDo, int day) {
        QTableView* days = toDo.datePicker->month(0)->findChild<QTableView*>();
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

    static void typeInto(QWidget* box, const QString& text) {
        box->setFocus(Qt::MouseFocusReason);
        settle();
        QTest::keyClicks(box, text);
        settle();
    }

    static void press(QWidget* control, Qt::Key key) {
        QTest::keyClick(control, key);
        settle();
    }

    static void click(QPushButton* button) {
        button->setFocus(Qt::MouseFocusReason);
        settle();
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    // Writes a grid file of the given rows, the rest empty, as the window writes it.
    void writeGridFile(const std::vector<ToDoRow>& rows) const {
        writeFile(ToDoFiles::kGridFile, ToDoFiles::writeGrid(rows));
    }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(fake.file(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString& name) const {
        QFile file(fake.file(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString cell(const ToDoWindow& toDo, int row, int col) {
        return toDo.toDoGrid->textMatrix(row, col);
    }

    // Dates in the cells take the locale's names.
    const DefaultLocale english{QLocale(QLocale::English, QLocale::UnitedStates)};
    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<MainWindow> main;
};
