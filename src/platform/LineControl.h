#pragma once

#include <QColor>
#include <QWidget>

// A straight line of the classic windows, drawn from one corner of the control's area to another
// (or down its middle when the area is one pixel wide or high). It takes no mouse input.
class LineControl : public QWidget {
public:
    explicit LineControl(QWidget* parent = nullptr);

    // The ends in twips, relative to the container; the control's area becomes their bounds.
    void setEnds(double x1, double y1, double x2, double y2);
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double x1_ = 0;
    double y1_ = 0;
    double x2_ = 0;
    double y2_ = 0;
    QColor colour_{Qt::black};
};
