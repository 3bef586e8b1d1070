#pragma once

#include <QToolBar>

#include <array>

class QAction;

// The 20-button toolbar that the main window and every activity window carry: the same buttons in
// the same order, numbered 1 to 20, each with a picture, a tooltip and the key "1" to "20".
class Toolbar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int kButtons = 20;

    explicit Toolbar(QWidget* parent = nullptr);

    QAction* button(int number) const; // number 1 to 20
    void setButtonEnabled(int number, bool enabled);
    void setButtonsEnabled(int first, int last, bool enabled);
    bool isButtonEnabled(int number) const;

signals:
    void buttonClicked(int number);

private:
    std::array<QAction*, kButtons> buttons_{};
};
