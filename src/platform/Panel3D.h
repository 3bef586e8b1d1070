#pragma once

#include <QColor>
#include <QFrame>

// The 3-D panel of the classic windows: a raised, bevelled area with its own background colour and
// a caption drawn at one of nine places (lines joined by a carriage return). Used as a gauge it
// also fills a share of its height from the bottom edge, or of its width from the left edge, and
// shows that share as a percentage.
class Panel3D : public QFrame {
    Q_OBJECT
public:
    static constexpr int kNoFlood = -1;
    enum class FloodFrom { Bottom, Left };

    explicit Panel3D(QWidget* parent = nullptr, const QString& caption = {});

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    // What the panel shows as text: its caption's lines and, as a gauge showing it, its
    // percentage; blanks alone show nothing.
    QString shownText() const;
    // Where the caption is drawn, and the room its lines take there, wrapped at blanks: wider or
    // higher than that area, the caption is cut.
    QRect captionArea() const;
    QSize captionNeeds() const;
    // A caption that must show whole whatever its font (a sample of a chosen font) is fitted to
    // the panel like a button's; other panels size their text themselves.
    void setCaptionFitted(bool fitted) { captionFitted_ = fitted; }
    bool captionFitted() const { return captionFitted_; }
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return alignment_; }
    void setBackColour(const QColor& colour);
    QColor backColour() const { return backColour_; }
    // The colour of the caption and of the percentage. Where it would hardly stand out from the
    // colour under it (the back colour, or the bar's), the text is drawn in black or white.
    void setForeColour(const QColor& colour);
    QColor foreColour() const { return foreColour_; }

    // 0 to 100 fills that share; kNoFlood (the start) shows no bar.
    void setFloodPercent(int percent);
    int floodPercent() const { return floodPercent_; }
    void setFloodColour(const QColor& colour);
    void setFloodFrom(FloodFrom edge);
    // A gauge that carries its own text over the bar (a countdown's seconds) shows no percentage.
    void setPercentShown(bool shown);

    // The answer mark: a thick frame in the caption's colour just inside the bevel, telling which
    // panel held the right answer.
    void setAnswerMark(bool on);
    bool answerMark() const { return answerMark_; }

    // The emphasis: the caption drawn bold and raised on a shadow, for a message that closes
    // something (a game's end).
    void setEmphasis(bool on);
    bool emphasis() const { return emphasis_; }

    // A live panel tells a screen reader each new text it shows (a question, a verdict, a count),
    // wherever the focus is; with its name, for a text that says little alone (a count: "Words
    // Correct 2").
    void setLive(bool live, bool withName = false) {
        live_ = live;
        liveWithName_ = withName;
    }
    bool live() const { return live_; }
    bool liveWithName() const { return liveWithName_; }

    // A pressable panel is a button as well: it takes the focus by Tab or a click and shows it
    // with a focus frame, Enter and Space press it, and assistive technology can press it.
    void setPressable(bool on);
    bool pressable() const { return pressable_; }
    // The panel's click, as the left button's release over it makes it.
    void press();

signals:
    // The left mouse button was released over the panel, or the panel was pressed.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Draws text in the fore colour, or where that would not stand out, in black or white: over
    // the bar in the colour readable on the bar, over the rest in the one readable on the panel.
    void drawReadableText(QPainter& painter, const QRect& area, int flags, const QString& text);
    QRect floodedArea() const;

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    QColor backColour_;
    QColor foreColour_{Qt::black};
    QColor floodColour_{Qt::blue};
    int floodPercent_ = kNoFlood;
    FloodFrom floodFrom_ = FloodFrom::Bottom;
    bool percentShown_ = true;
    bool answerMark_ = false;
    bool emphasis_ = false;
    bool captionFitted_ = false;
    bool pressable_ = false;
    bool live_ = false;
    bool liveWithName_ = false;
};
