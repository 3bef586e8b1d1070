#pragma once

#include <QString>
#include <QStringList>

#include <array>

class Random;

// Where the matching game's items come from: nine built-in word topics, the picture numbers 1 to
// 50, or the family names. A topic is a text of 18 upper-case words, each between two asterisks.
namespace MatchingTopics {

inline constexpr int kTopics = 9;
inline constexpr int kWordsPerTopic = 18;
inline constexpr int kPictures = 50;

// Topics 1 to 9, as stored.
const std::array<QString, kTopics>& MatchingWordTopics();

// One of the nine topics, chosen at random.
QString PickWordTopic(Random& random);

// The first n words of a text of words between asterisks, the word after the first asterisk
// being item 1. A text of fewer words gives fewer items.
QStringList cutWords(const QString& topicString, int n);

// "*" followed by n distinct picture numbers 1 to 50, each followed by "*".
QString pictureTopicString(Random& random, int n);

// Names 1 to n of the family names, as stored (an empty name stays an empty item).
QStringList firstNames(const QStringList& names, int n);

} // namespace MatchingTopics
