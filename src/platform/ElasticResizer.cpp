#include "ElasticResizer.h"

#include "CaptionFit.h"
#include "WindowControls.h"

#include <QEvent>
#include <QLayout>

#include <algorithm>
#include <cmath>

namespace {

// An area without a size (a window not laid out yet) keeps its controls as designed.
double ratio(int now, int designed) {
    return now > 0 && designed > 0 ? double(now) / designed : 1.0;
}

QRect scaled(const QRect& rect, double x, double y) {
    return QRect(int(std::lround(rect.x() * x)), int(std::lround(rect.y() * y)),
                 int(std::lround(rect.width() * x)), int(std::lround(rect.height() * y)));
}

QFont scaled(QFont font, double factor) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(std::max(1.0, font.pointSizeF() * factor));
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    }
    return font;
}

} // namespace

ElasticResizer::ElasticResizer(QWidget& window) : QObject(&window), window_(window) {
    // A window not shown yet has its layouts' geometry only after they have run.
    if (QLayout* layout = window.layout()) {
        layout->activate();
    }
    // The design counts with the captions laid out for this platform's fonts.
    CaptionFit::fitControls(window);
    areas_.push_back({&window, window.size()});
    collect(window, 0);
    for (const Area& area : areas_) {
        area.widget->installEventFilter(this);
    }
}

void ElasticResizer::collect(QWidget& container, std::size_t area) {
    const auto children = container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow()) {
            continue;
        }
        std::size_t childArea = area;
        if (WindowControls::placedByLayout(*child)) {
            areas_.push_back({child, child->size()});
            childArea = areas_.size() - 1;
        } else {
            controls_.push_back(
                {child, area, child->geometry(), child->font(), child->geometry(), child->font()});
        }
        if (!WindowControls::placesOwnParts(*child)) {
            collect(*child, childArea);
        }
    }
}

void ElasticResizer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled_) {
        rescale();
    }
}

QSizeF ElasticResizer::factors(const QWidget& control) const {
    for (const Control& known : controls_) {
        if (known.widget == &control) {
            return {known.appliedX, known.appliedY};
        }
    }
    return {1, 1};
}

void ElasticResizer::place(QWidget& control, const QRect& designed) {
    // A control made after the load scales with the control it stands in.
    auto known = controls_.end();
    for (const QWidget* up = &control; up != nullptr && known == controls_.end();
         up = up->parentWidget()) {
        known = std::find_if(controls_.begin(), controls_.end(),
                             [up](const Control& c) { return c.widget == up; });
    }
    const double x = known != controls_.end() ? known->appliedX : 1;
    const double y = known != controls_.end() ? known->appliedY : 1;
    control.setGeometry(scaled(designed, x, y));
    CaptionFit::fitControl(control);
    if (known != controls_.end() && known->widget == &control) {
        known->designed = designed;
        known->applied = control.geometry();
        known->appliedFont = control.font();
    }
}

ElasticResizer* ElasticResizer::of(const QWidget& window) {
    return window.findChild<ElasticResizer*>(QString(), Qt::FindDirectChildrenOnly);
}

bool ElasticResizer::eventFilter(QObject* watched, QEvent* event) {
    // An area's own resize counts too: a toolbar shown or hidden gives the central area another
    // height while the window keeps its size. An area that a control holds is resized by the
    // rescale itself, which sizes that control's contents in the same pass.
    if (enabled_ && !rescaling_ && event->type() == QEvent::Resize) {
        rescale();
    }
    return QObject::eventFilter(watched, event);
}

void ElasticResizer::rescale() {
    rescaling_ = true;
    // Changes made by the window's code are taken in for every control before any font is set: a
    // container's new font would otherwise pass on to its controls and look like such a change.
    for (Control& control : controls_) {
        if (control.widget.isNull()) {
            continue;
        }
        if (control.widget->geometry() != control.applied) {
            control.designed =
                scaled(control.widget->geometry(), 1 / control.appliedX, 1 / control.appliedY);
        }
        if (control.widget->font() != control.appliedFont) {
            control.designedFont =
                scaled(control.widget->font(), 1 / std::min(control.appliedX, control.appliedY));
        }
    }
    for (Control& control : controls_) {
        const Area& area = areas_[control.area];
        if (control.widget.isNull() || area.widget.isNull()) {
            continue;
        }
        const double x = ratio(area.widget->width(), area.designed.width());
        const double y = ratio(area.widget->height(), area.designed.height());
        control.widget->setGeometry(scaled(control.designed, x, y));
        control.widget->setFont(scaled(control.designedFont, std::min(x, y)));
        control.appliedX = x;
        control.appliedY = y;
    }
    // Text does not grow quite in step with its font: captions are fitted again at the new size.
    CaptionFit::fitControls(window_);
    for (Control& control : controls_) {
        if (!control.widget.isNull()) {
            control.applied = control.widget->geometry();
            control.appliedFont = control.widget->font();
        }
    }
    rescaling_ = false;
}
