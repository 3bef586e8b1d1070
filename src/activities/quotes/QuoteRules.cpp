#include "QuoteRules.h"

#include "QuoteTable.h"
#include "Random.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace QuoteRules {

void loadQuoteTable(QuoteState& state) {
    for (int number = 1; number <= kQuoteCount; ++number) {
        const BuiltInQuote& quote = kBuiltInQuotes.at(std::size_t(number - 1));
        state.QuoteText.at(std::size_t(number)) = QString::fromLatin1(quote.text);
        state.QuoteWordCount.at(std::size_t(number)) = QString::fromLatin1(quote.wordCount);
        state.QuoteAuthor.at(std::size_t(number)) = QString::fromLatin1(quote.author);
    }
}

void setQuoteOrder(QuoteState& state, int order, Random& random) {
    state.QuoteOrder = order;
    if (order == 0) {
        state.QuoteNumber = 0;
    } else if (order == 1) {
        state.QuoteShown.fill(0);
        state.ShownCount = 0;
        random.Randomize();
    } else if (state.QuoteNumber == 0) {
        state.QuoteNumber = 1;
    }
}

bool allShownTest(QuoteState& state) {
    if (state.ShownCount != kQuoteCount) {
        return false;
    }
    state.QuoteShown.fill(0);
    state.ShownCount = 0;
    return state.QuoteOrder == 1;
}

void chooseNextQuote(QuoteState& state, Random& random) {
    if (state.QuoteOrder == 0) {
        state.QuoteNumber += 1;
    } else if (state.QuoteOrder == 1) {
        do {
            state.QuoteNumber = random.between(1, kQuoteCount);
        } while (state.QuoteShown.at(std::size_t(state.QuoteNumber)) != 0);
        state.QuoteShown.at(std::size_t(state.QuoteNumber)) = 1;
        state.ShownCount += 1;
    }
    if (state.QuoteOrder != 2 && state.QuoteNumber > kQuoteCount) {
        state.QuoteNumber = 1;
    }
}

QStringList splitWords(const QString& text, int n) {
    QStringList words = text.split('*', Qt::SkipEmptyParts);
    if (words.size() > n) {
        words.erase(words.begin() + n, words.end());
    }
    return words;
}

QStringList groupWords(const QStringList& words, int perBox) {
    if (perBox <= 1) {
        return words;
    }
    QStringList groups;
    for (qsizetype first = 0; first < words.size(); first += perBox) {
        QStringList group = words.mid(first, perBox);
        const qsizetype missing = perBox - group.size();
        groups.append(group.join(' ') + QString(missing, ' '));
    }
    return groups;
}

int boxesPerRow(int perBox) {
    switch (perBox) {
    case 2:
        return 4;
    case 3:
        return 3;
    case 4:
        return 2;
    default:
        return 7;
    }
}

int boxWidth(int panelWidth, int perBox) {
    return int(std::nearbyint(double(panelWidth) / boxesPerRow(perBox) - 100));
}

void shuffle(QuoteState& state, Random& random) {
    random.Randomize();
    const int n = state.BoxCount;
    std::array<bool, 71> used{};
    for (int position = 0; position < n; ++position) {
        int slot = 0;
        do {
            slot = random.between(1, n);
            if (slot == n) {
                slot = 0;
            }
        } while (used.at(std::size_t(slot)));
        used.at(std::size_t(slot)) = true;
        state.ShuffledText.at(std::size_t(slot)) = state.CorrectText.at(std::size_t(position));
    }
}

void avoidCorrectStart(QStringList& captions, const QuoteState& state) {
    const int n = std::min<int>(state.BoxCount, int(captions.size()));
    if (n == 0) {
        return;
    }
    auto correctAt = [&](int box) {
        return captions[box] == state.CorrectText.at(std::size_t(box));
    };
    if (correctAt(n - 1)) {
        captions.swapItemsAt(n - 1, 0);
    }
    for (int box = 0; box < n - 1; ++box) {
        if (correctAt(box)) {
            captions.swapItemsAt(box, box + 1);
        }
    }
}

void applyTimerAnswer(QuoteState& state) {
    static const QRegularExpression leadingNumber(R"(^\s*([+-]?\d*\.?\d+))");
    const QRegularExpressionMatch match = leadingNumber.match(state.TimerEntry);
    const double value = match.hasMatch() ? match.captured(1).toDouble() : 0;
    state.TimerMinutes = 0;
    state.TimerSeconds = 0;
    if (value < 10) {
        state.CountDown = 0;
        return;
    }
    state.CountDown = 1;
    const double seconds = std::min(value, 300.0);
    // The first tick takes the extra second away, so the first time shown is the whole time.
    if (seconds > 60) {
        state.TimerMinutes = int(seconds / 60);
        state.TimerSeconds = qint32(std::nearbyint(seconds - 60 * state.TimerMinutes + 1));
    } else if (seconds == 60) {
        state.TimerMinutes = 1;
        state.TimerSeconds = 1;
    } else {
        state.TimerSeconds = qint32(std::nearbyint(seconds + 1));
    }
}

Tick tick(QuoteState& state) {
    Tick result;
    if (state.CountDown == 1) {
        state.TimerSeconds -= 1;
        if (state.TimerSeconds < 0) {
            state.TimerSeconds = 59;
            state.TimerMinutes -= 1;
        }
    } else {
        state.TimerSeconds += 1;
        if (state.TimerSeconds == 60) {
            state.TimerSeconds = 0;
            state.TimerMinutes += 1;
        }
    }
    const QString seconds =
        (state.TimerSeconds < 10 ? "0" : "") + QString::number(state.TimerSeconds);
    state.TimeText = ' ' + QString::number(state.TimerMinutes) + ':' + seconds;
    result.label = state.TimeText.mid(1);
    const int s = state.TimerSeconds;
    if (state.CountDown == 1) {
        if (s == 10) {
            result.floodPercent = 100;
        } else if (s >= 0 && s <= 9) {
            result.floodPercent = s * 10;
        }
        result.reachedZero = state.TimerMinutes == 0 && s == 0;
    } else {
        result.floodPercent = s <= 10 ? s * 10 : 100;
    }
    return result;
}

int percent(int numerator, int denominator) {
    return int(std::floor((double(numerator) / double(denominator) + 0.005) * 100));
}

int twoPanelAccuracy(int boxes, int moves) {
    if (moves <= 0 || boxes <= 0) {
        return 0;
    }
    const int accuracy = percent(boxes, moves);
    return accuracy > 100 ? percent(moves, boxes) : accuracy;
}

void completeAccuracy(QuoteState& state, int mode, int errors) {
    if (mode == TwoPanels) {
        return;
    }
    if (mode == WordEntry && state.EntryErrors == 0 && state.TimeUp == 0) {
        state.Accuracy = 100;
        return;
    }
    int numerator = 0;
    int wrong = errors;
    if (mode == WordEntry) {
        state.MoveCount = state.EntryCount;
        wrong = state.EntryErrors;
    }
    numerator = std::max(state.MoveCount - wrong, 0);
    if (state.MoveCount == 0) {
        // Nothing was moved or typed: perfect when nothing went wrong, else nothing.
        state.Accuracy = wrong == 0 ? 100 : 0;
        return;
    }
    state.Accuracy = std::max(percent(numerator, state.MoveCount), 0);
}

QString resultText(int accuracy) {
    if (accuracy == 100) {
        return "Perfect!";
    }
    return accuracy > 70 ? "Well Done!" : "Correct!";
}

int judgeBoxes(QuoteState& state, int mode, std::vector<JudgedBox>& boxes) {
    static const QChar marker(0xA7);
    int correct = 0;
    state.WrongCount = 0;
    state.BlankCount = 0;
    const int n = std::min<int>(state.BoxCount, int(boxes.size()));
    for (int i = 0; i < n; ++i) {
        JudgedBox& box = boxes.at(std::size_t(i));
        int& entryState = state.EntryState.at(std::size_t(i));
        if (mode == WordEntry && box.tag == "1") {
            box.foreColour = 1;
            ++correct;
        } else if (box.caption.toUpper() == state.CorrectText.at(std::size_t(i)).toUpper()) {
            if (mode != WordEntry) {
                box.foreColour = 1;
                ++correct;
            } else if (entryState > 0) {
                box.foreColour = 1;
                ++correct;
                entryState = 0;
                box.tag = "1";
            }
        } else if (box.caption.isEmpty()) {
            box.backColour = 13;
            ++state.BlankCount;
        } else if (mode == WordEntry && box.caption.startsWith(marker)) {
            ++state.BlankCount;
            if (state.EndJudging == 1) {
                box.foreColour = 13;
                box.backColour = 15;
            } else {
                box.backColour = 13;
            }
        } else {
            if (mode == WordEntry && entryState == 1) {
                ++state.EntryErrors;
                entryState = 2;
            }
            box.foreColour = 12;
            ++state.WrongCount;
        }
    }
    return correct;
}

bool isComplete(const QuoteState& state, int mode, int correct) {
    return correct == state.BoxCount ||
           (mode == WordEntry && state.BlankCount == 0 && state.WrongCount == 0);
}

QString accuracyText(int accuracy) {
    if (accuracy > 98) {
        return "100%";
    }
    const QString digits = QString::number(std::max(accuracy, 0));
    return QString(4 - digits.size(), ' ') + digits + '%';
}

QStringList reportHeadings(int mode) {
    if (mode == TwoPanels) {
        return {"Quote No.", "Word Boxes", "No. of Moves", "Accuracy", "Time"};
    }
    if (mode == OnePanel) {
        return {"Quote No.", "No. of Moves", "Errors", "Accuracy", "Time"};
    }
    return {"Quote No.", "# Entry Boxes", "Errors", "Accuracy", "Time"};
}

void addReportRow(QuoteState& state, int mode, const QString& movesShown,
                  const QString& errorsShown) {
    std::array<QString, 6> row;
    row[1] = QString::number(state.QuoteNumber);
    if (mode == TwoPanels) {
        row[2] = QString::number(state.BoxCount);
        row[3] = QString::number(state.MoveCount);
    } else if (mode == OnePanel) {
        row[2] = movesShown.isEmpty() ? QString("0") : movesShown;
        row[3] = QString(errorsShown).remove(QRegularExpression("^ +"));
    } else {
        row[2] = QString::number(state.EntryCount);
        row[3] = QString::number(state.EntryErrors);
    }
    const QString time = state.TimeText.startsWith(' ') ? state.TimeText.mid(1) : state.TimeText;
    if (state.QuoteOver == 1) {
        if (state.CountDown == 1) {
            state.ReportTimeText = time + " Remaining";
        } else if (state.TimerOption == 2) {
            state.ReportTimeText = time;
        } else {
            state.ReportTimeText = "Timer Not Used";
        }
    } else {
        state.ReportTimeText =
            state.CountDown == 1 && state.TimeUp == 1 ? "Timed Out" : "Didn't Finish";
        if (mode == OnePanel) {
            row[3] = QString::number(state.WrongCount);
        }
        state.Accuracy = 0;
    }
    // A quote completed without a counted move keeps the accuracy its judging gave it.
    state.QuoteOver = 9;
    state.ReportAccuracyText = accuracyText(state.Accuracy);
    row[4] = state.ReportAccuracyText;
    row[5] = state.ReportTimeText;
    state.ReportRowCount += 1;
    if (state.ReportRowCount > 100) {
        // A full table takes no more rows, and its last row is given up.
        state.ReportRowCount = 100;
        state.PerfData.at(100) = {};
    } else {
        state.PerfData.at(std::size_t(state.ReportRowCount)) = row;
    }
    state.TimeText.clear();
}

void clearReportTable(QuoteState& state) {
    for (int row = 1; row <= 100; ++row) {
        if (state.PerfData.at(std::size_t(row))[1].isEmpty()) {
            return;
        }
        state.PerfData.at(std::size_t(row)) = {};
    }
}

} // namespace QuoteRules
