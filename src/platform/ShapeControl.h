#pragma once

#include <QColor>
#include <QWidget>

// A drawn shape of the classic windows: a rectangle or an oval filling the control's area, with a
// fill colour (none = transparent) and a border colour. It takes no mouse input: clicks reach the
// control beneath, as they did.
class ShapeControl : public QWidget {
public:
    enum class Kind { Rectangle, Oval };

    explicit ShapeControl(QWidget* parent = nullptr, Kind kind = Kind::Rectangle);

    void setFillColour(const QColor& colour);
    QColor fillColour() const { return fill_; }
    void setBorderColour(const QColor& colour);
    QColor borderColour() const { return border_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor fill_;
    QColor border_{Qt::black};
};
