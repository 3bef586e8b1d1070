#pragma once

#include "ColorNumber.h"
#include "CrosswordWindow.h"
#include "FakePlatform.h"
#include "ListBox.h"
#include "Panel3D.h"
#include "Services.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The crossword window open on its own, active, and played as a person plays: clicks and keys go
// to the controls, and the events they queue are handled before the next one.
class CrosswordWindowTest : public ::testing::Test {
protected:
    CrosswordWindowTest() {
        services.program.CorrectSound = "Right.wav";
        services.program.IncorrectSound = "Wrong.wav";
        window = std::make_unique<CrosswordWindow>(services);
        window->show();
        settle();
    }

    void SetUp() override { ASSERT_TRUE(window->isActiveWindow()); }

    static void settle() { QCoreApplication::processEvents(); }

    // The next draw gives puzzle number n (1 to 20).
    void drawNext(int n) { fake.random.draws.push_back((n - 0.5) / 20.0); }

    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    void clickCell(int cell) {
        QTest::mouseClick(window->cellPanels[std::size_t(cell)], Qt::LeftButton);
        settle();
    }

    // "&Start" drawing puzzle n of the selected level, then "&Use Puzzle".
    void playPuzzle(int n) {
        drawNext(n);
        click(window->startButton);
        click(window->usePuzzleButton);
    }

    // Each key goes to the control that has the focus, as typing does.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        settle();
    }

    void type(const QString& text) {
        for (QChar character : text) {
            QTest::keyClick(QApplication::focusWidget(), character.toLatin1());
            settle();
        }
    }

    // Types a word and presses Enter, as a person fills in the selected clue.
    void enter(const QString& word) {
        type(word);
        press(Qt::Key_Return);
    }

    QString letter(int cell) const { return window->cellLetters[std::size_t(cell)]->text(); }
    QColor cellColour(int cell) const {
        return window->cellPanels[std::size_t(cell)]->backColour();
    }
    QColor letterColour(int cell) const { return window->letterColour(cell); }
    // The colour the letter is drawn in.
    QColor drawnLetterColour(int cell) const {
        return window->cellLetters[std::size_t(cell)]->palette().color(QPalette::WindowText);
    }
    static QColor palette(int code) { return ColorNumber::palette(code); }

    // The answers of the puzzle in play, by direction (1 Across, 2 Down), from entry 1.
    QStringList answers(int direction) const {
        QStringList words;
        const ClueArrays& clues = window->Clues;
        for (std::size_t i = 1;; ++i) {
            const QString& number = direction == 1 ? clues.AcrossNum[i] : clues.DownNum[i];
            if (number == kListEnd) {
                return words;
            }
            words.append(direction == 1 ? clues.AcrossWord[i] : clues.DownWord[i]);
        }
    }

    QStringList messageTexts() const { return fake.dialogs.shownTexts(); }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<CrosswordWindow> window;
};
