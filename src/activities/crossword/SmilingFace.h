#pragma once

#include <QWidget>

// A round yellow face with two eyes and a smile, drawn to fill the widget.
class SmilingFace : public QWidget {
public:
    explicit SmilingFace(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
