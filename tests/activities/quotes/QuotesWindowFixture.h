#pragma once

#include "FakePlatform.h"
#include "Panel3D.h"
#include "QuotesWindow.h"
#include "Services.h"
#include "WordBox.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The quotes window open on its own, active, played as a person plays it.
class QuotesWindowTest : public ::testing::Test {
protected:
    QuotesWindowTest() {
        services.program.CorrectSound = "Right.wav";
        services.program.IncorrectSound = "Wrong.wav";
        // Sound Information, as far as this window sees it.
        services.windows.add(17, [](Services&) { return std::make_unique<QWidget>(); });
        window = std::make_unique<QuotesWindow>(services);
        window->show();
        settle();
    }

    void SetUp() override { ASSERT_TRUE(window->isActiveWindow()); }

    static void settle() { QCoreApplication::processEvents(); }

    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    void clickBox(WordBox* box) {
        QTest::mouseClick(box, Qt::LeftButton);
        settle();
    }

    // The next shuffle of n boxes puts each text one box to the right: box i starts with the
    // text of box i - 1, and box 0 with the last one.
    void shuffleByOne(int n) {
        for (int position = 0; position < n; ++position) {
            const int slot = (position + 1) % n == 0 ? n : (position + 1) % n;
            fake.random.draws.push_back((slot - 0.5) / n);
        }
    }

    // "&Start" of the next quote in order, whose n boxes are shuffled by one.
    void start(int boxes) {
        shuffleByOne(boxes);
        click(window->startButton);
    }

    WordBox* upper(int i) const { return window->upperBoxes.at(std::size_t(i)); }
    WordBox* lower(int i) const { return window->lowerBoxes.at(std::size_t(i)); }
    QString correct(int i) const { return window->state().CorrectText.at(std::size_t(i)); }

    // Drags one box onto another with the mouse, as a person does.
    void drag(WordBox* from, WordBox* onto) {
        QTest::mousePress(from, Qt::LeftButton, {}, QPoint(3, 3));
        const QPoint at = onto->mapTo(window.get(), onto->rect().center());
        QTest::mouseMove(window.get(), at);
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, at);
        settle();
    }

    QStringList reportRow(int row) const {
        const auto& cells = window->state().PerfData.at(std::size_t(row));
        return {cells[1], cells[2], cells[3], cells[4], cells[5]};
    }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<QuotesWindow> window;
};
