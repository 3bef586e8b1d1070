#pragma once

#include <QLabel>

// A word box of the quotes window: a label with centred text, a background and a text colour
// given as palette codes (the text drawn in the nearest shade of its colour that reads on the
// box's colour), and a tag. A left press and a left click (press and release over the
// box) are reported with the box's index; a right press too, so that a drag can begin with it.
// While the boxes are played from the keyboard (setKeyboardPlay), a box takes the focus by Tab
// or the arrow keys, which go to the previous or next showing box of its panel, and Enter or
// Space on it is reported as keyed.
class WordBox : public QLabel {
    Q_OBJECT
public:
    WordBox(int index, QWidget* parent);

    // The font of every word box: a word of the quotes fits a box one seventh of the panel wide.
    static QFont boxFont();

    int index() const { return index_; }
    void setBackCode(int code);
    int backCode() const { return backCode_; }
    void setForeCode(int code);
    int foreCode() const { return foreCode_; }
    QString tag;

    static constexpr int kCurrentBackCode = 11; // cyan

    // The entry box that typed letters go to, shown in cyan; a screen reader takes it for the
    // focused control and hears when another box becomes current.
    void setCurrent(bool current);
    bool isCurrent() const { return current_; }

    // Seen to blink: the box vanishes for a moment and comes back; meanwhile it is widthChange
    // pixels wider or narrower.
    void blink(int widthChange);

    void setKeyboardPlay(bool played);

signals:
    void pressed(int index, Qt::MouseButton button);
    void clicked(int index);
    // The pointer moved over the box; held tells whether a mouse button was down.
    void moved(int index, bool held);
    // Enter or Space on the focused box.
    void keyed(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The showing box of the same panel step places before or after this one, if any.
    WordBox* neighbour(int step) const;
    void showColours();

    int index_;
    int backCode_ = 15;
    int foreCode_ = 0;
    bool current_ = false;
    int blinkWidth_ = -1; // the width to come back to while the box blinks
};
