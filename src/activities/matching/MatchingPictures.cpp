#include "MatchingPictures.h"

// The pictures live in this library's resources, which a static library must register itself.
// Outside any namespace: the registering function is declared where it is called.
static void registerPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(matching);
        return true;
    }();
    (void)registered;
}

namespace MatchingPictures {

QImage card(int number) {
    if (number < 1 || number > kCardPictures) {
        return {};
    }
    registerPictures();
    return QImage(QString(":/matching/cards/%1.png").arg(number, 2, 10, QChar('0')));
}

QString name(int number) {
    static const char* const kNames[kCardPictures] = {"apple",
                                                      "pear",
                                                      "cherries",
                                                      "banana",
                                                      "grapes",
                                                      "orange",
                                                      "lemon",
                                                      "strawberry",
                                                      "watermelon slice",
                                                      "pineapple",
                                                      "fish",
                                                      "cat",
                                                      "bird",
                                                      "turtle",
                                                      "ladybug",
                                                      "snail",
                                                      "bee",
                                                      "mouse",
                                                      "pig",
                                                      "owl",
                                                      "car",
                                                      "bus",
                                                      "truck",
                                                      "sailboat",
                                                      "airplane",
                                                      "rocket",
                                                      "bicycle",
                                                      "steam train",
                                                      "hot-air balloon",
                                                      "helicopter",
                                                      "sun",
                                                      "cloud",
                                                      "rain",
                                                      "snowflake",
                                                      "lightning",
                                                      "rainbow",
                                                      "moon",
                                                      "star",
                                                      "umbrella",
                                                      "snowman",
                                                      "house",
                                                      "tree",
                                                      "flower",
                                                      "heart",
                                                      "key",
                                                      "bell",
                                                      "cup",
                                                      "book",
                                                      "kite",
                                                      "beach ball"};
    return number < 1 || number > kCardPictures ? QString() : QString(kNames[number - 1]);
}

QImage match() {
    registerPictures();
    return QImage(":/matching/match.png");
}

} // namespace MatchingPictures
