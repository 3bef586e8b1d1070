#pragma once

#include "FakePlatform.h"
#include "Services.h"
#include "ThoughtsWindow.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A thoughts window over a small thought file of its own, opened and active, used as a person
// uses it.
class ThoughtsWindowTest : public ::testing::Test {
protected:
    ThoughtsWindowTest() {
        for (int number : {10, 11}) {
            services.windows.add(number,
                                 [](Services& s) { return std::make_unique<ThoughtsWindow>(s); });
        }
    }

    static void settle() { QCoreApplication::processEvents(); }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(fake.file(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // kind 0 general, 1 humorous.
    void open(int kind) {
        services.program.ThoughtKind = kind;
        window = std::make_unique<ThoughtsWindow>(services);
        window->show();
        settle();
    }

    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    void press(Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        settle();
    }

    QString shownThought() const {
        return window->thoughtLabel->isVisible() ? window->thoughtLabel->text() : "";
    }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<ThoughtsWindow> window;
};
