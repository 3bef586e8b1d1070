#include "CaptionFit.h"

#include "Panel3D.h"
#include "WindowControls.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr double kSmallestPoints = 6;
constexpr double kPointStep = 0.5;
constexpr int kTightSpacing = 2; // pixels between an option's indicator and its caption

// How much wider a control's caption is than the room its style leaves it (0 or less: it fits),
// and whether a caption over several lines is taller than that room (one line may touch the
// frame: its letters still show).
struct Shortfall {
    int width = 0;
    bool tooHigh = false;
    bool fits() const { return width <= 0 && !tooHigh; }
};

std::optional<Shortfall> buttonShortfall(const QAbstractButton& button) {
    // Tool buttons show pictures.
    if (button.text().isEmpty() || qobject_cast<const QToolButton*>(&button) != nullptr) {
        return std::nullopt;
    }
    const QRect room = CaptionFit::captionRoom(button);
    const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    const bool lines = button.text().contains('\n');
    return Shortfall{text.width() - room.width(), lines && text.height() > room.height()};
}

std::optional<Shortfall> labelShortfall(const QLabel& label) {
    const bool richText = label.textFormat() == Qt::RichText ||
                          (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    if (label.text().isEmpty() || richText || label.wordWrap()) {
        return std::nullopt;
    }
    return Shortfall{label.sizeHint().width() - label.width(), false};
}

// A 3-D panel's caption wraps at blanks; its letters may reach into the margin round it, not
// past the bevel. Only panels whose caption is to be fitted are; a panel holding controls never
// is, since a smaller font would pass on to them.
std::optional<Shortfall> panelShortfall(const Panel3D& panel) {
    if (!panel.captionFitted() || panel.shownText().isEmpty() ||
        !panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty()) {
        return std::nullopt;
    }
    const QSize needs = panel.captionNeeds();
    return Shortfall{needs.width() - panel.captionArea().width(),
                     needs.height() > panel.contentsRect().height()};
}

// What is missing for the control's caption to show whole; nothing for controls without one.
std::optional<Shortfall> shortfallOf(const QWidget& control) {
    if (const auto* panel = qobject_cast<const Panel3D*>(&control)) {
        return panelShortfall(*panel);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return buttonShortfall(*button);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return labelShortfall(*label);
    }
    return std::nullopt;
}

Qt::Alignment horizontalAlignmentOf(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->alignment() & Qt::AlignHorizontal_Mask;
    }
    if (const auto* panel = qobject_cast<const Panel3D*>(&control)) {
        return panel->alignment() & Qt::AlignHorizontal_Mask;
    }
    if (qobject_cast<const QPushButton*>(&control) != nullptr ||
        qobject_cast<const QCalendarWidget*>(&control) != nullptr) {
        return Qt::AlignHCenter;
    }
    return Qt::AlignLeft; // options and check boxes: the caption follows the indicator
}

bool isOption(const QWidget& control) {
    return qobject_cast<const QRadioButton*>(&control) != nullptr ||
           qobject_cast<const QCheckBox*>(&control) != nullptr;
}

// The stretch of the control's row in its container that no other sibling takes: from the nearest
// sibling on its left to the nearest on its right (or the container's edges). A sibling the
// control stands on (a panel behind it) and the ones given to pass over bound nothing.
struct Span {
    int left;
    int right;
};
Span freeSpan(const QWidget& control, const std::vector<QWidget*>& passing = {}) {
    const QWidget& container = *control.parentWidget();
    const QRect at = control.geometry();
    Span span{container.contentsRect().left(), container.contentsRect().right()};
    const auto siblings = container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* sibling : siblings) {
        const QRect other = sibling->geometry();
        if (sibling == &control || sibling->isWindow() || other.contains(at) ||
            other.bottom() < at.top() || other.top() > at.bottom() ||
            std::find(passing.begin(), passing.end(), sibling) != passing.end()) {
            continue;
        }
        if (other.left() > at.left()) {
            span.right = std::min(span.right, other.left() - 1);
        } else if (other.right() < at.right()) {
            span.left = std::max(span.left, other.right() + 1);
        }
    }
    return span;
}

// Widens the control by up to `extra` pixels into the free stretch beside it, first to the side
// its text is aligned away from.
void grow(QWidget& control, int extra) {
    const QRect at = control.geometry();
    const Span span = freeSpan(control);
    const int rightRoom = std::max(0, span.right - at.right());
    const int leftRoom = std::max(0, at.left() - span.left);
    const Qt::Alignment alignment = horizontalAlignmentOf(control);
    int right = 0;
    int left = 0;
    if (alignment & Qt::AlignRight) {
        left = std::min(extra, leftRoom);
        right = std::min(extra - left, rightRoom);
    } else if (alignment & Qt::AlignHCenter) {
        left = std::min((extra + 1) / 2, leftRoom);
        right = std::min(extra - left, rightRoom);
        left = std::min(extra - right, leftRoom);
    } else {
        right = std::min(extra, rightRoom);
        left = std::min(extra - right, leftRoom);
    }
    control.setGeometry(at.adjusted(-left, 0, right, 0));
}

// The options that stand in one row with the option given (it among them), from left to right.
std::vector<QWidget*> rowOf(const QWidget& option) {
    constexpr int kSameRow = 2; // pixels of difference in top and height
    std::vector<QWidget*> row;
    const auto siblings = option.parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* sibling : siblings) {
        if (isOption(*sibling) && !WindowControls::placedByLayout(*sibling) &&
            std::abs(sibling->y() - option.y()) <= kSameRow &&
            std::abs(sibling->height() - option.height()) <= kSameRow) {
            row.push_back(sibling);
        }
    }
    std::sort(row.begin(), row.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    return row;
}

// Options side by side share their row by what their captions need: each takes the width that
// shows its caption and an equal share of what is left, from the row's first left edge (or, when
// that is too little, from the free space before it) to the next other control. Says whether they
// all fit.
bool shareRow(const std::vector<QWidget*>& row) {
    const int right = freeSpan(*row.back(), row).right;
    std::vector<int> widths;
    int total = 0;
    for (const QWidget* option : row) {
        widths.push_back(option->width() + shortfallOf(*option)->width);
        total += widths.back();
    }
    int left = row.front()->x();
    if (right - left + 1 < total) {
        left = std::min(left, freeSpan(*row.front(), row).left);
    }
    const int leftOver = right - left + 1 - total;
    if (leftOver < 0) {
        return false;
    }
    int x = left;
    for (std::size_t index = 0; index < row.size(); ++index) {
        const int width = widths[index] + leftOver / int(row.size()) +
                          (int(index) < leftOver % int(row.size()) ? 1 : 0);
        row[index]->setGeometry(x, row[index]->y(), width, row[index]->height());
        x += width;
    }
    return true;
}

// The caption broken at the blank that gives the narrowest two lines; empty without a blank.
QString brokenInTwo(const QString& caption, const QFontMetrics& metrics) {
    QString best;
    int bestWidth = 0;
    for (qsizetype at = caption.indexOf(' '); at > 0; at = caption.indexOf(' ', at + 1)) {
        QString broken = caption;
        broken[at] = '\n';
        const int width = metrics.size(Qt::TextShowMnemonic, broken).width();
        if (best.isEmpty() || width < bestWidth) {
            best = broken;
            bestWidth = width;
        }
    }
    return best;
}

// A push button's caption on one line, or else over two; says whether one of them fits.
bool fitButtonLines(QPushButton& button, const QString& caption) {
    button.setText(caption);
    if (shortfallOf(button)->fits()) {
        return true;
    }
    const QString broken = brokenInTwo(caption, button.fontMetrics());
    if (broken.isEmpty()) {
        return false;
    }
    button.setText(broken);
    if (shortfallOf(button)->fits()) {
        return true;
    }
    button.setText(caption);
    return false;
}

// The name a screen reader reads stays the caption on one line.
void keepOneLineName(QPushButton& button, const QString& caption) {
    if (button.text() == caption || !button.accessibleName().isEmpty()) {
        return;
    }
    QString name;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&' && at + 1 < caption.size()) {
            ++at; // an access key's mark, or the first of "&&"
        }
        name += caption[at];
    }
    button.setAccessibleName(name);
}

// Takes the controls' fonts down half a point at a time, to the smallest, until they fit.
void shrinkUntilFits(const std::vector<QWidget*>& controls, const std::function<bool()>& fits) {
    while (!fits()) {
        bool smaller = false;
        for (QWidget* control : controls) {
            QFont font = control->font();
            if (font.pointSizeF() > kSmallestPoints) {
                font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() - kPointStep));
                control->setFont(font);
                smaller = true;
            }
        }
        if (!smaller) {
            return;
        }
    }
}

void fitCaption(QWidget& control) {
    const std::optional<Shortfall> shortfall = shortfallOf(control);
    if (!shortfall || shortfall->fits()) {
        return;
    }
    if (isOption(control)) {
        if (const std::vector<QWidget*> row = rowOf(control); row.size() > 1) {
            if (!shareRow(row)) {
                // The style's gap between indicator and caption is wider than a narrow design's.
                for (QWidget* option : row) {
                    option->setStyleSheet(QStringLiteral("spacing: %1px").arg(kTightSpacing));
                }
                shrinkUntilFits(row, [&row] { return shareRow(row); });
            }
            return;
        }
    }
    if (shortfall->width > 0) {
        grow(control, shortfall->width);
    }
    auto* button = qobject_cast<QPushButton*>(&control);
    const QString caption = button != nullptr ? button->text() : QString();
    shrinkUntilFits({&control}, [&] {
        return button != nullptr && !caption.contains('\n') ? fitButtonLines(*button, caption)
                                                            : shortfallOf(control)->fits();
    });
    if (button != nullptr) {
        keepOneLineName(*button, caption);
    }
}

// A calendar narrower than it asks cuts its day names short ("M…"): it grows, then shows one
// letter a day, then takes a smaller font.
void fitCalendar(QCalendarWidget& calendar) {
    auto fits = [&calendar] { return calendar.sizeHint().width() <= calendar.width(); };
    if (fits()) {
        return;
    }
    grow(calendar, calendar.sizeHint().width() - calendar.width());
    if (!fits()) {
        calendar.setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    }
    shrinkUntilFits({&calendar}, fits);
}

void fit(QWidget& control) {
    // A layout gives its controls the room their captions ask.
    if (WindowControls::placedByLayout(control)) {
        return;
    }
    if (auto* calendar = qobject_cast<QCalendarWidget*>(&control)) {
        fitCalendar(*calendar);
    } else {
        fitCaption(control);
    }
}

void fitInside(QWidget& container);

// The control and, unless it places its own parts, the controls inside it.
void fitWithInside(QWidget& control) {
    fit(control);
    if (!WindowControls::placesOwnParts(control)) {
        fitInside(control);
    }
}

void fitInside(QWidget& container) {
    const auto children = container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->isWindow()) {
            fitWithInside(*child);
        }
    }
}

} // namespace

QRect CaptionFit::captionRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
        contents = QStyle::SE_RadioButtonContents;
    }
    return button.style()->subElementRect(contents, &option, &button);
}

void CaptionFit::fitControls(QWidget& window) {
    fitInside(window);
}

void CaptionFit::fitControl(QWidget& control) {
    fitWithInside(control);
}
