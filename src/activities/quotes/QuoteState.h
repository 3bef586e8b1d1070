#pragma once

#include <QString>

#include <array>

// The state of the quotes window: the quote table, the quote in play, its timer and the report.
// Every field starts at 0 or empty; clearing it is assigning a fresh one.
struct QuoteState {
    static constexpr int kBoxes = 66; // word boxes 0 to 65 in each panel

    // The quote table, filled at the window's load for quotes 1 to 42.
    std::array<QString, 71> QuoteText;
    std::array<QString, 71> QuoteWordCount;
    std::array<QString, 71> QuoteAuthor;

    // The choice of the quote: 0 In Order, 1 In Random Order, 2 Select.
    int QuoteOrder = 0;
    int QuoteNumber = 0;
    std::array<int, 51> QuoteShown{};
    int ShownCount = 0;

    // The boxes of the quote in play.
    std::array<QString, 101> CorrectText;
    std::array<QString, 71> ShuffledText;
    int BoxCount = 0;
    int WordsPerBox = 0;
    int BoxesPerRow = 0;
    int BoxWidth = 0;  // twips
    int BoxHeight = 0; // twips
    int HallOfFameRecord = 0;

    // The timer: option 1 off, 2 on.
    int TimerOption = 0;
    QString TimerEntry;
    int AskTimer = 0; // 9: ask the timer question at the next start
    int CountDown = 0;
    int TimerMinutes = 0;
    qint32 TimerSeconds = 0;
    QString TimeText;
    int TimeUp = 0;

    // Judging and counting.
    int WrongCount = 0;
    int BlankCount = 0;
    // Two panels: the accuracy in percent. One panel: the wrong placements until the quote is
    // judged complete, then the accuracy in percent.
    int Accuracy = 0;
    int MoveCount = 0;
    int EntryCount = 0;
    int EntryErrors = 0;
    std::array<int, 71> EntryState{};
    int EndJudging = 0;
    int QuoteOver = 0; // 1 judged complete, 9 its report row added
    int AnswersShown = 0;
    int CheckPending = 0;
    QString ResultText;

    int PlaceMode = 0; // 0 Click, 1 Drag
    int EntryGrouping = 0;

    // The performance report: rows 1 to 100, columns 1 to 5; an empty column 1 ends the table.
    std::array<std::array<QString, 6>, 101> PerfData;
    int ReportRowCount = 0;
    QString ReportTimeText;
    QString ReportAccuracyText;
};
