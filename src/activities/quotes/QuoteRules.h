#pragma once

#include "QuoteState.h"

#include <QString>
#include <QStringList>

#include <vector>

class Random;

// The rules of the quotes activity that need no window: the quote order, the boxes of a quote,
// the shuffle, the timer, judging, accuracy and the report rows.
namespace QuoteRules {

// The panel modes, as the window keeps them in SharedState.
enum PanelMode { TwoPanels = 0, OnePanel = 1, WordEntry = 3 };

// Fills the quote table from the built-in quotes.
void loadQuoteTable(QuoteState& state);

// The order's state part: "In Order" starts over at quote 1, "In Random Order" forgets the quotes
// shown and reseeds the generator, "Select" starts at quote 1 when no quote was chosen yet.
void setQuoteOrder(QuoteState& state, int order, Random& random);
// Clears the shown quotes once all 42 were shown; true when the user is to be told (random order).
bool allShownTest(QuoteState& state);
// The quote of the next start, 1 to 42, by the order.
void chooseNextQuote(QuoteState& state, Random& random);

// The first n words of a "*"-framed quote text.
QStringList splitWords(const QString& text, int n);
// The words grouped perBox to a box, joined by blanks; a short last group is padded with one
// blank for every missing word.
QStringList groupWords(const QStringList& words, int perBox);
int boxesPerRow(int perBox);
// The width of a box in twips for a panel of panelWidth twips.
int boxWidth(int panelWidth, int perBox);

// ShuffledText(0 .. BoxCount - 1) gets CorrectText(0 .. BoxCount - 1) in a random order.
void shuffle(QuoteState& state, Random& random);
// Moves texts that start in their correct box: the last box's with box 0 first, then each box's
// with the next box. Only boxes 0 .. n - 1 take part.
void avoidCorrectStart(QStringList& captions, const QuoteState& state);

// The timer's start from the answer to the timer question (not empty): 10 and more counts down
// from at most 300 seconds, anything else counts up from 0.
void applyTimerAnswer(QuoteState& state);

struct Tick {
    QString label;            // the time shown, "1:05"
    int floodPercent = -1;    // -1 leaves the gauge as it is
    bool reachedZero = false; // a countdown reached 0:00
};
// One second of the timer.
Tick tick(QuoteState& state);

// Int((numerator / denominator + 0.005) x 100), in double precision.
int percent(int numerator, int denominator);
// Two panels: the share of moves that were needed, growing with the first moves and falling with
// every move beyond the number of boxes; 0 before the first move.
int twoPanelAccuracy(int boxes, int moves);
// The accuracy of a complete quote in one panel (errors: the wrong placements shown) or word
// entry. A quote completed without a counted move is 100 without errors, else 0.
void completeAccuracy(QuoteState& state, int mode, int errors);
// The result text of a complete quote.
QString resultText(int accuracy);

// One box as the judging sees and colours it: palette codes, -1 for a colour left as it is.
struct JudgedBox {
    QString caption;
    QString tag;
    int foreColour = -1;
    int backColour = -1;
};
// Judges boxes 0 .. BoxCount - 1 and counts them into WrongCount and BlankCount; returns the
// correct count.
int judgeBoxes(QuoteState& state, int mode, std::vector<JudgedBox>& boxes);
// Whether the judged quote is complete.
bool isComplete(const QuoteState& state, int mode, int correct);

// "  75%", "100%", "   5%".
QString accuracyText(int accuracy);
QStringList reportHeadings(int mode);
// Adds the report row of the quote that ended. movesShown and errorsShown are the texts of the
// move and error panels (one panel reads its counts from them).
void addReportRow(QuoteState& state, int mode, const QString& movesShown,
                  const QString& errorsShown);
void clearReportTable(QuoteState& state);

} // namespace QuoteRules
