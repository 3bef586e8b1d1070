#include "CrosswordBoardReading.h"

#include "ColorNumber.h"
#include "CrosswordPuzzle.h"
#include "CrosswordWindow.h"
#include "Panel3D.h"

#include <QLabel>

int CrosswordBoardReading::rows() const {
    return kGridRows;
}

int CrosswordBoardReading::cols() const {
    return window_.GridColumns;
}

int CrosswordBoardReading::cellAt(int row, int col) const {
    return row * window_.GridColumns + col;
}

QString CrosswordBoardReading::cellText(int row, int col) const {
    const int cell = cellAt(row, col);
    if (window_.cellColour(cell) == ColorNumber::toColor(CrosswordWindow::kBlockedColour)) {
        return "black square";
    }
    const QString number = window_.cellPanels[std::size_t(cell)]->caption();
    const QString letter = window_.cellLetters[std::size_t(cell)]->text();
    QString text = (number.isEmpty() ? QString() : number + ' ') +
                   (letter.isEmpty() ? QStringLiteral("blank") : letter);
    // The check colours a wrong word's letters light red, and a word left blank light magenta:
    // its empty cells, or its letters.
    const QColor blankWord = ColorNumber::palette(13);
    if (!letter.isEmpty() && window_.letterColour(cell) == ColorNumber::palette(12)) {
        text += ", wrong";
    } else if (letter.isEmpty() ? window_.cellColour(cell) == blankWord
                                : window_.letterColour(cell) == blankWord) {
        text += ", in a blank word";
    }
    return text;
}

QRect CrosswordBoardReading::cellRect(int row, int col) const {
    return window_.cellPanels[std::size_t(cellAt(row, col))]->geometry();
}

bool CrosswordBoardReading::cellInView(int row, int col) const {
    return !window_.cellPanels[std::size_t(cellAt(row, col))]->isHidden();
}
