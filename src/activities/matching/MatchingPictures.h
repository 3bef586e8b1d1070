#pragma once

#include <QImage>
#include <QString>

// The matching game's pictures, stored with its window: card pictures 1 to 50 and the picture of
// a found pair. A number outside 1 to 50 gives an empty picture.
namespace MatchingPictures {

inline constexpr int kCardPictures = 50;

QImage card(int number);
// What card picture number shows ("apple"), as a screen reader reads it; empty outside 1 to 50.
QString name(int number);
QImage match();

} // namespace MatchingPictures
