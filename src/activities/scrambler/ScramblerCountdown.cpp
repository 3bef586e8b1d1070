#include "ScramblerCountdown.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

int ScramblerCountdown::secondsFromAnswer(const QString& answer) {
    // The number at the start, as Val reads it: blanks skipped, a sign, digits, a fraction and an
    // exponent.
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = number.match(answer);
    if (!match.hasMatch())
        return 0;
    const double seconds = std::nearbyint(match.captured(1).toDouble()); // halves to even
    if (!(seconds >= kShortest))
        return 0;
    return int(std::min<double>(seconds, kLongest));
}

void ScramblerCountdown::start(int seconds) {
    seconds_ = std::clamp(seconds, kShortest, kLongest);
    left_ = seconds_ + 1;
    text_.clear();
    bar_ = 100;
}

bool ScramblerCountdown::tick() {
    if (left_ <= 0)
        return false;
    --left_;
    if (left_ > 9) {
        text_ = QString::number(left_);
        if (left_ == 10)
            bar_ = 100;
    } else {
        text_ = QStringLiteral("0") + QString::number(left_);
        const int span = std::min(seconds_, kDrainSpan);
        bar_ = int(std::floor(double(left_) / span * 100));
    }
    return left_ == 0;
}
