#pragma once

#include <QString>

// The countdown of an attempt: the seconds left shown from "30" down to "10", then "09" to "00";
// the bar stays full until the last min(seconds, 10) seconds and then drains to 0. At "00" the
// attempt is judged with whatever was typed.
class ScramblerCountdown {
public:
    static constexpr int kLongest = 30;
    static constexpr int kShortest = 3;
    static constexpr int kDrainSpan = 10;

    // The seconds an answer to the timer question asks for: the number at its start (none reads
    // as 0), its fraction rounded half to even, held to 30; 0 (the countdown off) when it is
    // below 3.
    static int secondsFromAnswer(const QString& answer);

    // A fresh countdown of the given seconds (3 to 30): the bar full, no text yet.
    void start(int seconds);

    // One second passed: whether the attempt is to be judged now.
    bool tick();

    int seconds() const { return seconds_; }
    int left() const { return left_; }
    QString text() const { return text_; }
    int bar() const { return bar_; }

private:
    int seconds_ = 0;
    int left_ = 0;
    QString text_;
    int bar_ = 0;
};
