#include "Panel3D.h"

#include "DisplayText.h"
#include "Panel3DAccessible.h"
#include "TextContrast.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

constexpr int kCaptionMargin = 2;

} // namespace

Panel3D::Panel3D(QWidget* parent, const QString& caption) : QFrame(parent) {
    Panel3DAccessibility::install();
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    backColour_ = palette().color(QPalette::Button);
    setCaption(caption);
}

void Panel3D::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    const QString shown = shownText();
    caption_ = caption;
    if (shownText() != shown) {
        Panel3DAccessibility::shownTextChanged(*this);
    }
    update();
}

QString Panel3D::shownText() const {
    const QString percent = floodPercent_ == kNoFlood || !percentShown_
                                ? QString()
                                : QString::number(floodPercent_) + '%';
    return (DisplayText::lines(caption_) + ' ' + percent).simplified();
}

void Panel3D::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void Panel3D::setBackColour(const QColor& colour) {
    if (colour == backColour_) {
        return;
    }
    backColour_ = colour;
    update();
}

void Panel3D::setForeColour(const QColor& colour) {
    if (colour == foreColour_) {
        return;
    }
    foreColour_ = colour;
    update();
}

void Panel3D::setFloodPercent(int percent) {
    const QString shown = shownText();
    floodPercent_ = percent < 0 ? kNoFlood : std::min(percent, 100);
    if (shownText() != shown) {
        Panel3DAccessibility::shownTextChanged(*this);
    }
    update();
}

void Panel3D::setFloodColour(const QColor& colour) {
    floodColour_ = colour;
    update();
}

void Panel3D::setFloodFrom(FloodFrom edge) {
    floodFrom_ = edge;
    update();
}

void Panel3D::setPercentShown(bool shown) {
    const QString before = shownText();
    percentShown_ = shown;
    if (shownText() != before) {
        Panel3DAccessibility::shownTextChanged(*this);
    }
    update();
}

QRect Panel3D::captionArea() const {
    return contentsRect().adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin,
                                   -kCaptionMargin);
}

QSize Panel3D::captionNeeds() const {
    if (caption_.isEmpty()) {
        return {};
    }
    return fontMetrics()
        .boundingRect(captionArea(), int(alignment_) | Qt::TextWordWrap,
                      DisplayText::lines(caption_))
        .size();
}

QRect Panel3D::floodedArea() const {
    const QRect inside = contentsRect();
    if (floodPercent_ == kNoFlood) {
        return {};
    }
    if (floodFrom_ == FloodFrom::Left) {
        return {inside.left(), inside.top(), inside.width() * floodPercent_ / 100, inside.height()};
    }
    const int filled = inside.height() * floodPercent_ / 100;
    return {inside.left(), inside.bottom() + 1 - filled, inside.width(), filled};
}

void Panel3D::drawReadableText(QPainter& painter, const QRect& area, int flags,
                               const QString& text) {
    const QRegion flooded = floodedArea();
    const struct {
        QRegion region;
        QColor under;
    } parts[] = {{flooded, floodColour_}, {QRegion(rect()).subtracted(flooded), backColour_}};
    for (const auto& part : parts) {
        if (part.region.isEmpty()) {
            continue;
        }
        painter.save();
        painter.setClipRegion(part.region);
        painter.setPen(TextContrast::readable(foreColour_, part.under));
        painter.drawText(area, flags, text);
        painter.restore();
    }
}

void Panel3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, backColour_);
    painter.setFont(font());
    if (floodPercent_ != kNoFlood) {
        painter.fillRect(floodedArea(), floodColour_);
        if (percentShown_) {
            drawReadableText(painter, inside, Qt::AlignCenter,
                             QString::number(floodPercent_) + '%');
        }
    }
    if (!caption_.isEmpty()) {
        const QRect captionArea = this->captionArea();
        const int flags = int(alignment_) | Qt::TextWordWrap;
        if (emphasis_) {
            QFont bold = font();
            bold.setBold(true);
            painter.setFont(bold);
            painter.setPen(foreColour_.darker(300));
            painter.drawText(captionArea.translated(2, 2), flags, DisplayText::lines(caption_));
        }
        drawReadableText(painter, captionArea, flags, DisplayText::lines(caption_));
    }
    if (answerMark_) {
        constexpr int kMarkWidth = 3;
        painter.setPen(QPen(foreColour_, kMarkWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inside.adjusted(kMarkWidth, kMarkWidth, -kMarkWidth, -kMarkWidth));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = captionArea();
        focus.backgroundColor = backColour_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    drawFrame(&painter);
}

void Panel3D::setAnswerMark(bool on) {
    answerMark_ = on;
    update();
}

void Panel3D::setEmphasis(bool on) {
    emphasis_ = on;
    update();
}

void Panel3D::mousePressEvent(QMouseEvent* event) {
    // The left button's release is the panel's click; other buttons go on to its container, where
    // the options menu may pop up.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void Panel3D::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        press();
        return;
    }
    event->ignore();
}

void Panel3D::setPressable(bool on) {
    pressable_ = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void Panel3D::press() {
    if (isEnabled()) {
        emit clicked();
    }
}

void Panel3D::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (pressable_ && plain &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        press();
        return;
    }
    QFrame::keyPressEvent(event);
}

void Panel3D::focusInEvent(QFocusEvent* event) {
    update();
    QFrame::focusInEvent(event);
}

void Panel3D::focusOutEvent(QFocusEvent* event) {
    update();
    QFrame::focusOutEvent(event);
}
