#include "MatchingTopics.h"

#include "DrawWithoutRepeats.h"
#include "Random.h"

#include <vector>

namespace MatchingTopics {

const std::array<QString, kTopics>& MatchingWordTopics() {
    // Topic 3 lists one name twice, its second copy after word 10, so that the ten words of
    // level 1 are ten different names while level 2 puts that name on four cards.
    static const std::array<QString, kTopics> topics = {
        "*HELLO*HAPPY*SMILE*SUNNY*MAN*WOMAN*HIM*HER*EAST*WEST*NORTH*SOUTH*LEFT*RIGHT*UP*DOWN*"
        "HERE*THERE*",
        "*HOLLY*HAPPY*HOME*LIVE*LOVE*LEARN*LIGHT*FAITH*FAMILY*ELDER*ETERNAL*JOY*LIFE*ENDURE*"
        "ENSIGN*HUMBLE*HOPE*JOYFUL*",
        "*ABRAHAM*SARAH*ISAAC*JACOB*JOSEPH*MOSES*AARON*MIRIAM*RUTH*DAVID*BETHLEHEM*NOAH*DANIEL*"
        "ESTHER*DAVID*PETER*PAUL*MARY*",
        "*MOUNTAIN*VALLEY*HILL*LAKE*RIVER*POND*TRIAL*TRAIL*LAWN*GRASS*GREEN*RED*YELLOW*HOUSE*"
        "HOME*CABIN*ROAD*ROADWAY*",
        "*BELIEVE*BEGIN*PEACE*HOME*HONOR*HOPE*HAPPY*WARN*WISE*MODEST*MODERN*CHILDREN*CHAPTER*"
        "FINAL*TEST*TENT*CHILD*FINISH*",
        "*PRAYER*HYMN*BLESSING*CHURCH*KINDNESS*FAMILY*TEMPLE*SERVICE*MERCY*GRACE*HOME*CHARITY*"
        "PATIENCE*THANKS*PSALM*GOSPEL*MOSES*SABBATH*",
        "*PICTURE*BASKET*BASEBALL*SOCCER*TENNIS*POLO*GOLF*GOLFER*BOWL*BOWLER*PITCHER*SWIMMER*"
        "SWIM*CENTER*GUARD*FORWARD*GOALIE*SCORE*",
        "*GREEN*YELLOW*WHITE*WHITER*PURPLE*BLUE*PINK*PINKISH*ORANGE*LEMON*TAN*TANNER*BROWN*BLACK*"
        "MAUVE*SILVER*GOLD*TEAL*",
        "*IDAHO*MONTANA*INDIANA*ILLINOIS*KANSAS*ARKANSAS*OREGON*OKLAHOMA*TEXAS*ARIZONA*ALABAMA*"
        "MICHIGAN*MARYLAND*HAWAII*ALASKA*GEORGIA*OHIO*MAINE*",
    };
    return topics;
}

QString PickWordTopic(Random& random) {
    return MatchingWordTopics()[std::size_t(random.between(1, kTopics) - 1)];
}

QStringList cutWords(const QString& topicString, int n) {
    QStringList words = topicString.split('*');
    // The text before the first asterisk and after the last one holds no word.
    if (words.size() < 2) {
        return {};
    }
    words.removeFirst();
    words.removeLast();
    return words.mid(0, n);
}

QString pictureTopicString(Random& random, int n) {
    std::vector<int> used(kPictures + 1, 0);
    QString text = "*";
    for (int k = 0; k < n && k < kPictures; ++k) {
        text += QString::number(drawUnused(used, kPictures, random)) + "*";
    }
    return text;
}

QStringList firstNames(const QStringList& names, int n) {
    QStringList items = names.mid(0, n);
    while (items.size() < n) {
        items.append(QString());
    }
    return items;
}

} // namespace MatchingTopics
