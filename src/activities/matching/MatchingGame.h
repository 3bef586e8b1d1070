#pragma once

#include <QString>
#include <QStringList>

#include <array>

class Random;

// The play of the matching game, kept free of widgets. N items lie face down, each on two cards
// (N = 10 on the 20 cards of level 1, 18 on the 36 of level 2); one to four players turn two
// cards at a time. Equal cards are a match: the player scores and turns again. Different cards
// are a miss: they are covered again, their items may be exchanged, and the turn passes on. With
// one player the score counts the tries, and the game keeps a report of its games.
class MatchingGame {
public:
    static constexpr int kCards = 36;
    static constexpr int kMostPlayers = 4;
    static constexpr int kNoCard = 99;
    static constexpr int kMatched = 9;
    static constexpr int kReportRows = 50; // games 1 to 49 are recorded

    enum class Exchange { None = 1, SomeTimes = 2, AllTheTime = 3 };
    enum class Source { FamilyNames = 1, Computer = 2, Pictures = 3 };
    enum class Turned { Refused, FirstCard, Match, GameEnd, Miss };

    struct ReportRow {
        QString game;
        QString tries;
        QString accuracy;
    };

    explicit MatchingGame(Random& random);

    // Level 1 (20 cards) or level 2 (36), fixed while the window is open.
    void setLevelOne(bool levelOne);
    int pairs() const { return pairs_; }
    int cardCount() const { return 2 * pairs_; }

    int PlayerCount = 1;
    int CurrentPlayer = 1;
    std::array<int, kMostPlayers> PlayerScores{};
    int PairsFound = 0;
    std::array<QString, kCards> CardValue;
    std::array<int, kCards> CardState{};
    std::array<QString, kCards> TurnedValue;
    std::array<int, 2> PickedCards{};
    int CardsOpen = 0;
    int LastCard = kNoCard;
    int SameTurn = 0;
    Exchange ExchangeMode = Exchange::None;
    int ExchangeRoll = 0;
    Source MatchCardSource = Source::Pictures;
    int PictureCards = 0;
    int AccuracyPercent = 0;
    int GameNumber = 0;
    QString TopicString;
    std::array<ReportRow, kReportRows + 1> ReportTable;

    // Clears the whole state, the report included.
    void ResetMatchingState();
    // A new game: the generator reseeded, one player's game counted, scores, cards and turn
    // state cleared.
    void ResetBoard();
    // The items 1..N of the chosen source: a topic's first N words, N distinct picture numbers,
    // or the first N family names as stored. Sets TopicString and PictureCards.
    QStringList loadItems(const QStringList& familyNames);
    // Deals every item on two free cards: a card is drawn as Int(r x 2N + 1), 2N standing for
    // card 0, and drawn again while it is taken.
    void deal(const QStringList& items);

    // Turns card index: refused when it is matched or the card open already; the first card of
    // a pair opens; the second is judged on the values as turned, exactly, case and all. A match
    // scores and keeps the player on turn; a miss closes the pair and counts a try of one player.
    Turned TurnCard(int index);
    // After a miss: whether the two cards' items are swapped (always, or in one roll of four
    // with SomeTimes after the generator is reseeded), and swaps them.
    bool exchangeMissedPair();
    // Passes the turn on after a miss (player 1 after the last); a match keeps the player.
    void NextTurn();

    // The one player's accuracy while the game runs: tries against pairs while fewer tries than
    // pairs were made, pairs against tries from then on. Nothing with no try or more players.
    bool UpdateAccuracy();
    // The players panel's text at the game's end.
    QString winnerText() const;
    // One player's game end: the accuracy and the game's report row (games from 50 on are not
    // recorded).
    void recordGame();
    // The accuracy as the report writes it: "   71%", " 100%".
    static QString accuracyText(int percent);
    // The report's games in order, up to the first empty row.
    std::vector<ReportRow> reportRows() const;

private:
    int drawFreeCard();

    Random& random_;
    int pairs_ = 18;
};
