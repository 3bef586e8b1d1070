#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSizeF>
#include <QWidget>

#include <vector>

// Rescales a window's controls with the window. Made when the window has its designed size and its
// controls stand where they are designed; from then on, while it is enabled, every resize of the
// window gives each control the designed position, size and font size times the factor by which
// the window's area grew or shrank (the font by the smaller of the two factors). A resize of an
// area that a layout sizes does the same for the controls in it: the central area of a main window
// shrinks when a toolbar is shown and grows when one is hidden.
//
// Controls placed by a layout (the central widget, toolbars and status bar of a main window, the
// lines of a layout) keep being placed by it; the controls they hold that stand where the code put
// them scale with that widget's area. Controls that compose themselves of parts (lists, spin boxes,
// combo boxes, tab widgets, toolbars) scale as a whole. A control that the window's code moves,
// resizes or gives another font at run time keeps that change: the change counts as designed at
// the size the window had then. Captions are fitted to this platform's fonts (CaptionFit) before
// the design is taken and again after every rescale.
class ElasticResizer : public QObject {
    Q_OBJECT
public:
    // Starts disabled.
    explicit ElasticResizer(QWidget& window);

    // Enabling rescales the controls to the window's present size at once.
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }

    // The factors by which the last rescale multiplied the designed geometry of the control
    // (1 and 1 before any, and for a control made later): code that places a control at run time
    // from design twips multiplies by them, so that it scales with the rest of the window.
    QSizeF factors(const QWidget& control) const;

    // Places a control where the window's code puts it after the load, given in pixels at the
    // window's designed size: it stands scaled with the rest of the window, its caption fitted
    // again, and every later rescale starts from that design.
    void place(QWidget& control, const QRect& designed);

    // The resizer of a window; none before the window's load made it.
    static ElasticResizer* of(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A widget whose size sets the factor of the controls inside it: the window, or a widget that a
    // layout sizes.
    struct Area {
        QPointer<QWidget> widget;
        QSize designed;
    };
    struct Control {
        QPointer<QWidget> widget;
        std::size_t area;
        QRect designed;
        QFont designedFont;
        // What the last rescale applied, to notice changes made by the window's code since.
        QRect applied;
        QFont appliedFont;
        double appliedX = 1;
        double appliedY = 1;
    };

    void collect(QWidget& container, std::size_t area);
    void rescale();

    QWidget& window_;
    std::vector<Area> areas_;
    std::vector<Control> controls_; // containers before the controls they hold
    bool enabled_ = false;
    bool rescaling_ = false;
};
