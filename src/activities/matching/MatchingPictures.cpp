#include "MatchingPictures.h"

#include <QString>

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

QImage match() {
    registerPictures();
    return QImage(":/matching/match.png");
}

} // namespace MatchingPictures
