#include "MatchingTopics.h"
#include "MatchingGame.h"
#include "MatchingPictures.h"

#include "FakePlatform.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(MatchingTopicsTest, EveryTopicHoldsEighteenShortCapitalWordsAndOnlyTopicThreeRepeatsOne) {
    const QRegularExpression word("^[A-Z]{1,9}$");
    int topicNumber = 0;
    for (const QString& topic : MatchingTopics::MatchingWordTopics()) {
        ++topicNumber;
        EXPECT_EQ(topic.count('*'), 19) << topicNumber;
        const QStringList words = MatchingTopics::cutWords(topic, 18);
        ASSERT_EQ(words.size(), 18) << topicNumber;
        QSet<QString> seen;
        QStringList repeated;
        for (int i = 0; i < words.size(); ++i) {
            EXPECT_TRUE(word.match(words[i]).hasMatch()) << words[i].toStdString();
            if (seen.contains(words[i])) {
                repeated.append(words[i]);
                EXPECT_GE(i, 10) << "level 1 deals ten different words";
            }
            seen.insert(words[i]);
        }
        EXPECT_EQ(repeated.size(), topicNumber == 3 ? 1 : 0) << topicNumber;
    }
}

TEST(MatchingTopicsTest, ItemsComeFromTheChosenSource) {
    FakeRandom random;
    MatchingGame game(random);
    using S = MatchingGame::Source;
    const QStringList names = {"Anna", "", "anna", "Bo"};
    const struct {
        bool levelOne;
        S source;
        std::deque<double> draws;
        QStringList firstItems;
        int pictureCards;
    } cases[] = {
        // Topic 1 in level 1 deals "HELLO" to "WEST".
        {true, S::Computer, {0.05}, {"HELLO", "HAPPY", "SMILE"}, 0},
        {false, S::Computer, {0.99}, {"IDAHO", "MONTANA"}, 0},
        // The topic is drawn first; then numbers 1 to 50, a repeat drawn again.
        {true, S::Pictures, {0.5, 0.999, 0.0, 0.999, 0.5}, {"50", "1", "26"}, 1},
        // Names as stored, empty ones empty; the file's short end gives empty items.
        {true, S::FamilyNames, {}, {"Anna", "", "anna", "Bo", ""}, 0},
    };
    for (const auto& c : cases) {
        game.setLevelOne(c.levelOne);
        game.MatchCardSource = c.source;
        random.draws = c.draws;
        const QStringList items = game.loadItems(names);
        EXPECT_EQ(items.size(), game.pairs());
        EXPECT_EQ(items.mid(0, c.firstItems.size()), c.firstItems);
        EXPECT_EQ(game.PictureCards, c.pictureCards);
        EXPECT_EQ(QSet<QString>(items.begin(), items.end()).size() == items.size(),
                  c.source != S::FamilyNames);
    }
}

TEST(MatchingTopicsTest, AStuckGeneratorStillGivesDistinctPictures) {
    FakeRandom random; // every draw 0: picture 1 again and again
    const QStringList items =
        MatchingTopics::cutWords(MatchingTopics::pictureTopicString(random, 18), 18);
    EXPECT_EQ(items.first(), "1");
    EXPECT_EQ(items.last(), "18");
    EXPECT_EQ(QSet<QString>(items.begin(), items.end()).size(), 18);
}

} // namespace

namespace {

// Each card picture is told from every other at a glance: they differ in a fifth of their pixels.
TEST(MatchingPicturesTest, FiftyDistinctCardPicturesAndTheMatchPictureLoad) {
    std::vector<QImage> pictures;
    for (int n = 1; n <= MatchingPictures::kCardPictures; ++n) {
        const QImage picture = MatchingPictures::card(n).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(picture.isNull()) << n;
        pictures.push_back(picture);
    }
    EXPECT_TRUE(MatchingPictures::card(0).isNull());
    EXPECT_TRUE(MatchingPictures::card(51).isNull());
    for (std::size_t a = 0; a < pictures.size(); ++a) {
        for (std::size_t b = a + 1; b < pictures.size(); ++b) {
            ASSERT_EQ(pictures[a].size(), pictures[b].size());
            qsizetype differing = 0;
            for (int y = 0; y < pictures[a].height(); ++y) {
                const auto* rowA = reinterpret_cast<const QRgb*>(pictures[a].constScanLine(y));
                const auto* rowB = reinterpret_cast<const QRgb*>(pictures[b].constScanLine(y));
                for (int x = 0; x < pictures[a].width(); ++x) {
                    differing += rowA[x] != rowB[x] ? 1 : 0;
                }
            }
            EXPECT_GE(differing * 5, qsizetype(pictures[a].width()) * pictures[a].height())
                << a + 1 << " and " << b + 1;
        }
    }
    EXPECT_FALSE(MatchingPictures::match().isNull());
}

} // namespace
